#pragma once

#include <QMessageBox>
#include <QString>

class QWidget;

namespace nubo {

// The modal box of the remote and the local view (object name "viewBox"), its icon
// chosen by its title. Returns the button that closed it.
QMessageBox::StandardButton showViewBox(QWidget* parent, const QString& title, const QString& text,
                                        QMessageBox::StandardButtons buttons);

}  // namespace nubo
