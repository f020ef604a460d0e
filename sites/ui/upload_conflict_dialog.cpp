#include "sites/ui/upload_conflict_dialog.h"

#include <QDateTime>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>

namespace nubo {

UploadConflictDialog::UploadConflictDialog(const UploadConflict& conflict, QWidget* parent)
    : ConflictDialog("Put file(s)...", "uploadConflictDialog", parent) {
    const QString name = QString::fromStdString(conflict.name);
    setText(QString("%1\nThis file already exists on the server in %2.")
                .arg(name, QString::fromStdString(conflict.remoteFolder)));
    const QString sent =
        QLocale().toString(QDateTime::fromSecsSinceEpoch(conflict.localTime), QLocale::ShortFormat);
    QString server = sizeText(conflict.remoteSize);
    if (!conflict.remoteDate.empty())
        server += ", " + QString::fromStdString(conflict.remoteDate);
    setInformativeText(QString("On the server: %1\nTo send: %2, %3 (%4)")
                           .arg(server, sizeText(conflict.localSize), sent,
                                QString::fromStdString(conflict.localPath)));
    overwrite_ = addButton("&Overwrite", QMessageBox::AcceptRole);
    newer_ = addButton("Overwrite if &newer", QMessageBox::AcceptRole);
    resume_ = addButton("&Resume", QMessageBox::AcceptRole);
    resume_->setEnabled(conflict.canResume);
    rename_ = addButton("Re&name", QMessageBox::AcceptRole);
    skip_ = addButton("&Skip", QMessageBox::RejectRole);
    addButton(QMessageBox::Cancel);
    overwrite_->setObjectName("conflictOverwrite");
    newer_->setObjectName("conflictOverwriteIfNewer");
    resume_->setObjectName("conflictResume");
    rename_->setObjectName("conflictRename");
    skip_->setObjectName("conflictSkip");
    setDefaultButton(skip_);
    // The new name, then "for all", below the text.
    auto* renameRow = new QWidget;
    auto* row = new QHBoxLayout(renameRow);
    row->setContentsMargins(0, 0, 0, 0);
    newName_ = new QLineEdit(QString::fromStdString(conflict.freeName), renameRow);
    newName_->setObjectName("conflictNewName");
    row->addWidget(new QLabel("Rename to:", renameRow));
    row->addWidget(newName_, 1);
    addBelowText(renameRow);
}

ConflictAnswer UploadConflictDialog::ask() {
    exec();
    const QAbstractButton* clicked = clickedButton();
    if (clicked == overwrite_)
        return answerOf(ConflictChoice::Overwrite);
    if (clicked == newer_)
        return answerOf(ConflictChoice::OverwriteIfNewer);
    if (clicked == resume_)
        return answerOf(ConflictChoice::Resume);
    if (clicked == skip_)
        return answerOf(ConflictChoice::Skip);
    if (clicked != rename_)
        return answerOf(ConflictChoice::Cancel);
    ConflictAnswer answer = answerOf(ConflictChoice::Rename);
    // A name with a slash would leave the folder: the free name offered instead.
    const std::string typed = newName_->text().trimmed().toStdString();
    if (!typed.empty() && typed.find('/') == std::string::npos && typed != "." && typed != "..")
        answer.newName = typed;
    return answer;
}

}  // namespace nubo
