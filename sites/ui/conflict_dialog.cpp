#include "sites/ui/conflict_dialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QVBoxLayout>
#include <algorithm>

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
    auto* grid = qobject_cast<QGridLayout*>(layout());
    if (grid == nullptr)
        return;
    // Under the texts and over the buttons, where the answer is read before it is given:
    // the box's buttons go down a row.
    auto* buttons = findChild<QDialogButtonBox*>();
    const int at = buttons != nullptr ? grid->indexOf(buttons) : -1;
    int line = grid->rowCount(), column = 0, height = 0, width = 0;
    if (at >= 0) {
        grid->getItemPosition(at, &line, &column, &height, &width);
        grid->removeWidget(buttons);
    }
    // Beside the icon, lined up with the texts.
    grid->addWidget(extra, line, 1, 1, std::max(grid->columnCount() - 1, 1));
    if (at >= 0)
        grid->addWidget(buttons, line + 1, column, height, width);
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
