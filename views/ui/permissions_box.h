#pragma once

#include <QGroupBox>

#include "views/permissions_edit.h"

class QCheckBox;
class QLineEdit;

namespace nubo {

// The permissions part of the properties box: read, write and execute for owner, group
// and others, the three special bits, the octal mode, and for folders "Apply to the
// folders' contents"; a thin view over a PermissionsEdit.
class PermissionsBox : public QGroupBox {
    Q_OBJECT

  public:
    PermissionsBox(const std::vector<std::optional<uint16_t>>& modes, bool folders,
                   QWidget* parent = nullptr);

    // What OK sends: nothing when no box changed.
    std::optional<ModeChange> change() const;

  private:
    void showState();

    PermissionsEdit edit_;
    std::vector<std::pair<uint16_t, QCheckBox*>> boxes_;
    QLineEdit* octal_ = nullptr;
    QCheckBox* contents_ = nullptr;
};

}  // namespace nubo
