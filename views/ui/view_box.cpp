#include "views/ui/view_box.h"

namespace nubo {

QMessageBox::StandardButton showViewBox(QWidget* parent, const QString& title, const QString& text,
                                        QMessageBox::StandardButtons buttons) {
    QMessageBox box(title == "Rename" ? QMessageBox::Critical : QMessageBox::Warning, title, text,
                    buttons, parent);
    box.setObjectName("viewBox");
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

}  // namespace nubo
