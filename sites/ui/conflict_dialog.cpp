#include "sites/ui/conflict_dialog.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QVBoxLayout>

namespace nubo {

ConflictDialog::ConflictDialog(const QString& title, const QString& objectName, QWidget* parent)
    : QMessageBox(QMessageBox::Warning, title, {}, QMessageBox::NoButton, parent) {
    setObjectName(objectName);
}

void ConflictDialog::addBelowText(QWidget* row) {
    auto* extra = new QWidget(this);
    auto* rows = new QVBoxLayout(extra);
    rows->setContentsMargins(0, 0, 0, 0);
    if (row != nullptr) {
        row->setParent(extra);
        rows->addWidget(row);
    }
    forAll_ = new QCheckBox("For &all files of this batch", extra);
    forAll_->setObjectName("conflictForAll");
    rows->addWidget(forAll_);
    if (auto* grid = qobject_cast<QGridLayout*>(layout())) {
        grid->addWidget(extra, grid->rowCount(), 0, 1, grid->columnCount());
    }
}

ConflictAnswer ConflictDialog::answerOf(ConflictChoice choice) const {
    ConflictAnswer answer;
    answer.choice = choice;
    answer.forAll = choice != ConflictChoice::Cancel && forAll_ != nullptr && forAll_->isChecked();
    return answer;
}

QString ConflictDialog::sizeText(int64_t bytes) {
    return bytes < 0 ? QString("size unknown") : QString("%1 bytes").arg(bytes);
}

}  // namespace nubo
