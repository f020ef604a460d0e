#include "views/ui/filter_bar.h"

#include <algorithm>

#include <QCheckBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QToolButton>

namespace nubo {

FilterBar::FilterBar(const QString& prefix, QWidget* parent) : QWidget(parent) {
    setObjectName(prefix + "FilterBar");
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 2);
    layout->setSpacing(4);
    box_ = new QLineEdit(this);
    box_->setObjectName(prefix + "Filter");
    box_->setPlaceholderText("Filter: *.txt; !*.bak");
    box_->setClearButtonEnabled(true);
    box_->setToolTip(
        "Show only the files that match (Ctrl+F): * any characters, ? one, several "
        "patterns with \";\", a leading \"!\" hides; folders stay unless \"!\" hides them");
    matchCase_ = new QToolButton(this);
    matchCase_->setObjectName(prefix + "FilterCase");
    matchCase_->setText("Aa");
    matchCase_->setCheckable(true);
    matchCase_->setAutoRaise(true);
    matchCase_->setToolTip("Match upper and lower case");
    transfers_ = new QCheckBox("apply to transfers", this);
    transfers_->setObjectName(prefix + "FilterTransfers");
    transfers_->setToolTip("Folders sent or fetched from this view take only the files shown");
    // Ctrl+F or a click reaches the bar: Tab keeps going from the path box to the list,
    // as it did before the bar was there. Inside the bar, Tab walks its three parts and
    // then leaves for the list (eventFilter), so each is reachable from the keyboard.
    for (QWidget* part : parts()) {
        part->setFocusPolicy(Qt::ClickFocus);
        part->installEventFilter(this);
    }
    layout->addWidget(box_, 1);
    layout->addWidget(matchCase_);
    layout->addWidget(transfers_);
    connect(box_, &QLineEdit::textChanged, this, &FilterBar::filterChanged);
    connect(matchCase_, &QToolButton::toggled, this, &FilterBar::filterChanged);
}

NameFilter FilterBar::filter() const {
    return NameFilter(box_->text().toStdString(), matchCase_->isChecked());
}

std::shared_ptr<const WalkFilter> FilterBar::walkFilter() const {
    auto shown = std::make_shared<const NameFilter>(filter());
    if (!transfers_->isChecked() || !shown->active())
        return nullptr;
    return shown;
}

void FilterBar::takeFocus() {
    box_->setFocus(Qt::ShortcutFocusReason);
    box_->selectAll();
}

std::array<QWidget*, 3> FilterBar::parts() const {
    return {box_, matchCase_, transfers_};
}

bool FilterBar::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress)
        return QWidget::eventFilter(watched, event);
    const int key = static_cast<QKeyEvent*>(event)->key();
    const std::array<QWidget*, 3> order = parts();
    const auto at = std::find(order.begin(), order.end(), watched);
    if (at == order.end())
        return QWidget::eventFilter(watched, event);
    if (key == Qt::Key_Tab || key == Qt::Key_Backtab) {
        const bool back = key == Qt::Key_Backtab;
        if (back && at == order.begin())
            return QWidget::eventFilter(watched, event);  // back to the path box, as before
        if (!back && at + 1 == order.end())
            emit leaveWanted();
        else
            (*(back ? at - 1 : at + 1))
                ->setFocus(back ? Qt::BacktabFocusReason : Qt::TabFocusReason);
        return true;
    }
    if (watched == box_) {
        switch (key) {
            case Qt::Key_Return:
            case Qt::Key_Enter:
            case Qt::Key_Down:
                emit leaveWanted();
                return true;
            case Qt::Key_Escape:
                if (box_->text().isEmpty())
                    emit leaveWanted();
                else
                    box_->clear();
                return true;
            default:
                break;
        }
    } else if (key == Qt::Key_Escape) {
        emit leaveWanted();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace nubo
