#pragma once

#include <QDialog>

#include <optional>

#include "engine/mode_change.h"
#include "views/entry_properties.h"

namespace nubo {

class PermissionsBox;

// The properties box of remote or local entries: icon, name, type, size, a line, up to
// three label/value rows, all read-only, and the permissions when the entries' modes are
// known; OK and Cancel both close it, OK with a change of permissions to apply.
class PropertiesDialog : public QDialog {
    Q_OBJECT

  public:
    PropertiesDialog(const EntryProperties& properties, const QIcon& icon,
                     QWidget* parent = nullptr);
    // After OK: the change of permissions the user made, if any.
    std::optional<ModeChange> modeChange() const;

  private:
    PermissionsBox* permissions_ = nullptr;
};

}  // namespace nubo
