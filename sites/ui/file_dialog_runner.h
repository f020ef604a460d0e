#pragma once

#include <QFileDialog>
#include <functional>

namespace nubo {

// The tools set up their own QFileDialog (title, filter, default suffix, accept mode) and
// hand it to a runner that shows it and returns its result code. The program's runner is
// exec(); a test's runner acts in the same dialog, so what the dialog asks (the overwrite
// question about the name with its suffix) is tested, not assumed.
using FileDialogRunner = std::function<int(QFileDialog& dialog)>;

int execFileDialog(QFileDialog& dialog);

// The first file chosen in an accepted dialog; empty when it was cancelled.
QString runFileDialog(QFileDialog& dialog, const FileDialogRunner& runner);

}  // namespace nubo
