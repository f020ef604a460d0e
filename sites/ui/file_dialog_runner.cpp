#include "sites/ui/file_dialog_runner.h"

namespace nubo {

int execFileDialog(QFileDialog& dialog) {
    return dialog.exec();
}

QString runFileDialog(QFileDialog& dialog, const FileDialogRunner& runner) {
    if ((runner ? runner(dialog) : execFileDialog(dialog)) != QDialog::Accepted)
        return {};
    const QStringList files = dialog.selectedFiles();
    return files.isEmpty() ? QString() : files.front();
}

}  // namespace nubo
