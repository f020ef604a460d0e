#pragma once

#include "engine/download_conflict.h"
#include "sites/ui/conflict_dialog.h"

class QPushButton;

namespace nubo {

// The question before a download replaces a local file, "Get file(s) as...": the local
// path, "This file already exists." and "Replace existing file?", what is here and on the
// server, and Yes (overwrite), No (skip), "Resume" (only where a stopped download of the
// file kept its partial file) or Cancel, with "for all files of this batch".
class DownloadConflictDialog : public ConflictDialog {
    Q_OBJECT

  public:
    explicit DownloadConflictDialog(const DownloadConflict& conflict, QWidget* parent = nullptr);
    // Shows it modally; the answer.
    ConflictAnswer ask();

  private:
    QPushButton* overwrite_;
    QPushButton* skip_;
    QPushButton* resume_;
};

}  // namespace nubo
