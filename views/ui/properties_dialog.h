#pragma once

#include <QDialog>

#include "views/entry_properties.h"

namespace nubo {

// The properties box of remote entries: icon, name, type, size, a line, and up to three
// label/value rows, all read-only; OK and Cancel both close it.
class PropertiesDialog : public QDialog {
    Q_OBJECT

  public:
    PropertiesDialog(const EntryProperties& properties, const QIcon& icon,
                     QWidget* parent = nullptr);
};

}  // namespace nubo
