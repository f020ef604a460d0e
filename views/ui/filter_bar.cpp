#include "views/ui/filter_bar.h"

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
        "Show only the names that match (Ctrl+F): * any characters, ? one, several "
        "patterns with \";\", a leading \"!\" hides");
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
    // as it did before the bar was there.
    for (QWidget* part : {static_cast<QWidget*>(box_), static_cast<QWidget*>(matchCase_),
                          static_cast<QWidget*>(transfers_)})
        part->setFocusPolicy(Qt::ClickFocus);
    layout->addWidget(box_, 1);
    layout->addWidget(matchCase_);
    layout->addWidget(transfers_);
    box_->installEventFilter(this);
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

bool FilterBar::eventFilter(QObject* watched, QEvent* event) {
    if (watched == box_ && event->type() == QEvent::KeyPress) {
        switch (static_cast<QKeyEvent*>(event)->key()) {
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
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace nubo
