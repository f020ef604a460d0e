#include "views/ui/progress_delegate.h"

#include <QApplication>
#include <QStyle>
#include <QStyleOptionProgressBar>

namespace nubo {

ProgressDelegate::ProgressDelegate(int role, QObject* parent)
    : QStyledItemDelegate(parent), role_(role) {}

void ProgressDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                             const QModelIndex& index) const {
    const QVariant percent = index.data(role_);
    if (!percent.isValid() || percent.toInt() < 0) {
        QStyledItemDelegate::paint(painter, option, index);
        return;
    }
    // The selection's background first, so that a selected row stays one band.
    QStyleOptionViewItem cell = option;
    initStyleOption(&cell, index);
    cell.text.clear();
    QWidget* widget = const_cast<QWidget*>(option.widget);
    QStyle* style = widget != nullptr ? widget->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &cell, painter, widget);
    QStyleOptionProgressBar bar;
    bar.rect = option.rect.adjusted(2, 2, -2, -2);
    bar.minimum = 0;
    bar.maximum = 100;
    bar.progress = percent.toInt();
    bar.text = index.data(Qt::DisplayRole).toString();
    bar.textVisible = true;
    bar.textAlignment = Qt::AlignCenter;
    bar.state = option.state | QStyle::State_Horizontal;
    bar.palette = option.palette;
    bar.fontMetrics = option.fontMetrics;
    style->drawControl(QStyle::CE_ProgressBar, &bar, painter, widget);
}

}  // namespace nubo
