#pragma once

#include <QMessageBox>
#include <QString>
#include <QStringList>

#include "sites/ui/file_dialog_runner.h"

namespace nubo::test {

// Runners for the tools' file dialogs (Qt's own dialog, never the desktop's).

// Takes path as the answer without showing the dialog: for tests of what follows it.
FileDialogRunner answerWith(const QString& path);

// A person in the dialog: it opens in folder, name is typed into the file name box and
// Save (or Open) is clicked; a question the dialog asks (whether to replace a file) is
// answered with answer and its text kept in questions. A dialog still open after that
// is cancelled.
class FileDialogInput {
  public:
    FileDialogInput(QString folder, QString name, QMessageBox::StandardButton answer)
        : folder_(std::move(folder)), name_(std::move(name)), answer_(answer) {}
    FileDialogRunner runner();
    QStringList questions;
    // Whether the tool left the dialog free to be the desktop's own.
    bool nativeAllowed = false;

  private:
    int run(QFileDialog& dialog);

    QString folder_;
    QString name_;
    QMessageBox::StandardButton answer_;
};

}  // namespace nubo::test
