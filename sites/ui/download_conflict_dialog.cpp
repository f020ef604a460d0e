#include "sites/ui/download_conflict_dialog.h"

#include <QDateTime>
#include <QLocale>
#include <QPushButton>

namespace nubo {

DownloadConflictDialog::DownloadConflictDialog(const DownloadConflict& conflict, QWidget* parent)
    : ConflictDialog("Get file(s) as...", "downloadConflictDialog", parent) {
    setText(QString("%1\nThis file already exists.\n\nReplace existing file?")
                .arg(QString::fromStdString(conflict.localPath)));
    const QString modified =
        QLocale().toString(QDateTime::fromSecsSinceEpoch(conflict.localTime), QLocale::ShortFormat);
    QString facts = QString("Here: %1, %2\nOn the server: %3 in %4")
                        .arg(sizeText(conflict.localSize), modified, sizeText(conflict.remoteSize),
                             QString::fromStdString(conflict.remoteFolder));
    if (conflict.canResume) {
        facts += QString("\nA stopped download of it kept %1: Resume goes on from there")
                     .arg(sizeText(conflict.partialSize));
    }
    setInformativeText(facts);
    overwrite_ = addButton(QMessageBox::Yes);
    skip_ = addButton(QMessageBox::No);
    resume_ = addButton("&Resume", QMessageBox::AcceptRole);
    resume_->setEnabled(conflict.canResume);
    QPushButton* cancel = addButton(QMessageBox::Cancel);
    overwrite_->setObjectName("conflictOverwrite");
    skip_->setObjectName("conflictSkip");
    resume_->setObjectName("conflictResume");
    cancel->setObjectName("conflictCancel");
    setDefaultButton(overwrite_);
    addBelowText(nullptr);
}

ConflictAnswer DownloadConflictDialog::ask() {
    exec();
    const QAbstractButton* clicked = clickedButton();
    return answerOf(clicked == overwrite_ ? ConflictChoice::Overwrite
                    : clicked == skip_    ? ConflictChoice::Skip
                    : clicked == resume_  ? ConflictChoice::Resume
                                          : ConflictChoice::Cancel);
}

}  // namespace nubo
