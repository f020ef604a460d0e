#include "sites/ui/upload_conflict_dialog.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace nubo {

namespace {

QString sizeText(int64_t bytes) {
    return bytes < 0 ? QString("size unknown") : QString("%1 bytes").arg(bytes);
}

}  // namespace

UploadConflictDialog::UploadConflictDialog(const UploadConflict& conflict, QWidget* parent)
    : QMessageBox(QMessageBox::Warning, "Put file(s)...", {}, QMessageBox::NoButton, parent) {
    setObjectName("uploadConflictDialog");
    const QString name = QString::fromStdString(conflict.name);
    setText(QString("%1\nThis file already exists on the server in %2.")
                .arg(name, QString::fromStdString(conflict.remoteFolder)));
    setInformativeText(QString("On the server: %1\nTo send: %2 (%3)")
                           .arg(sizeText(conflict.remoteSize), sizeText(conflict.localSize),
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
    // The new name and "for all" below the text, in the box's own grid.
    auto* extra = new QWidget(this);
    auto* rows = new QGridLayout(extra);
    rows->setContentsMargins(0, 0, 0, 0);
    newName_ = new QLineEdit(QString::fromStdString(conflict.freeName), extra);
    newName_->setObjectName("conflictNewName");
    rows->addWidget(new QLabel("Rename to:", extra), 0, 0);
    rows->addWidget(newName_, 0, 1);
    forAll_ = new QCheckBox("For &all files of this batch", extra);
    forAll_->setObjectName("conflictForAll");
    rows->addWidget(forAll_, 1, 0, 1, 2);
    if (auto* grid = qobject_cast<QGridLayout*>(layout())) {
        grid->addWidget(extra, grid->rowCount(), 0, 1, grid->columnCount());
    }
}

ConflictAnswer UploadConflictDialog::ask() {
    exec();
    ConflictAnswer answer;
    answer.forAll = forAll_->isChecked();
    const QAbstractButton* clicked = clickedButton();
    if (clicked == overwrite_) {
        answer.choice = ConflictChoice::Overwrite;
    } else if (clicked == newer_) {
        answer.choice = ConflictChoice::OverwriteIfNewer;
    } else if (clicked == resume_) {
        answer.choice = ConflictChoice::Resume;
    } else if (clicked == rename_) {
        answer.choice = ConflictChoice::Rename;
        // A name with a slash would leave the folder: the free name offered instead.
        const std::string typed = newName_->text().trimmed().toStdString();
        if (!typed.empty() && typed.find('/') == std::string::npos && typed != "." && typed != "..")
            answer.newName = typed;
    } else if (clicked == skip_) {
        answer.choice = ConflictChoice::Skip;
    } else {
        answer.choice = ConflictChoice::Cancel;
        answer.forAll = false;
    }
    return answer;
}

}  // namespace nubo
