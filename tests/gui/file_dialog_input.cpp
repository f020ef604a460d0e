#include "tests/gui/file_dialog_input.h"

#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QCompleter>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "tests/gui/view_input.h"

namespace nubo::test {

FileDialogRunner answerWith(const QString& path) {
    return [path](QFileDialog& dialog) {
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        dialog.selectFile(path);
        return static_cast<int>(QDialog::Accepted);
    };
}

FileDialogRunner FileDialogInput::runner() {
    return [this](QFileDialog& dialog) { return run(dialog); };
}

int FileDialogInput::run(QFileDialog& dialog) {
    nativeAllowed = !dialog.testOption(QFileDialog::DontUseNativeDialog);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setDirectory(folder_);
    // Active, with the keyboard in the name box: typing there replaces a selection the
    // dialog made before (its initial file name), as it does for a person.
    if (!showActive(&dialog))
        ADD_FAILURE() << "the file dialog did not become active";
    auto* edit = dialog.findChild<QLineEdit*>("fileNameEdit");
    auto* buttons = dialog.findChild<QDialogButtonBox*>("buttonBox");
    QPushButton* accept = buttons == nullptr
                              ? nullptr
                              : buttons->button(dialog.acceptMode() == QFileDialog::AcceptSave
                                                    ? QDialogButtonBox::Save
                                                    : QDialogButtonBox::Open);
    if (edit == nullptr || accept == nullptr) {
        ADD_FAILURE() << "no file name box or no Save/Open button in the file dialog";
        return QDialog::Rejected;
    }
    edit->setFocus();
    edit->clear();
    QTest::keyClicks(edit, name_);
    // The name box offers completions in a popup, which would take the click: Escape
    // closes it and leaves the typed text.
    if (QCompleter* completer = edit->completer();
        completer != nullptr && completer->popup()->isVisible())
        QTest::keyClick(completer->popup(), Qt::Key_Escape);
    // The question is a modal box of its own: answered from a timer while it runs.
    QTimer watcher;
    watcher.setInterval(10);
    QObject::connect(&watcher, &QTimer::timeout, &dialog, [&] {
        for (QMessageBox* box : dialog.findChildren<QMessageBox*>()) {
            if (!box->isVisible() || box->button(answer_) == nullptr)
                continue;
            questions.push_back(box->text());
            box->button(answer_)->click();
        }
    });
    watcher.start();
    QTest::mouseClick(accept, Qt::LeftButton);
    watcher.stop();
    if (dialog.isVisible())
        dialog.reject();
    return dialog.result();
}

}  // namespace nubo::test
