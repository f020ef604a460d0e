#pragma once

#include "engine/upload_conflicts.h"
#include "sites/ui/conflict_dialog.h"

class QLineEdit;
class QPushButton;

namespace nubo {

// The question before an upload replaces a file of the server: what is there and what
// would go, and "Overwrite", "Overwrite if newer", "Resume" (only where the server's copy
// is smaller and the file goes as Image), "Rename" (to the free name offered, which can
// be changed), "Skip" or "Cancel", with "for all files of this batch".
class UploadConflictDialog : public ConflictDialog {
    Q_OBJECT

  public:
    explicit UploadConflictDialog(const UploadConflict& conflict, QWidget* parent = nullptr);
    // Shows it modally; the answer.
    ConflictAnswer ask();

  private:
    QPushButton* overwrite_;
    QPushButton* newer_;
    QPushButton* resume_;
    QPushButton* rename_;
    QPushButton* skip_;
    QLineEdit* newName_;
};

}  // namespace nubo
