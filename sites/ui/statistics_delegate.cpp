#include "sites/ui/statistics_delegate.h"

#include <QApplication>
#include <QPainter>
#include <algorithm>

#include "sites/statistics_table.h"

namespace nubo {

namespace {

constexpr int kValueWidth = 64;
constexpr int kGap = 4;

// The value's cell holds ten characters of the font ("1234567.89" KB/S) whole: a
// narrower one cut the first digit off a rate.
int valueWidth(const QFontMetrics& metrics) {
    return std::max(kValueWidth, metrics.horizontalAdvance(QString(10, '0')) + 4);
}

}  // namespace

StatisticsDelegate::StatisticsDelegate(int indent, QObject* parent)
    : QStyledItemDelegate(parent), indent_(indent) {}

QColor StatisticsDelegate::barColor(int kind) {
    static const QColor colors[] = {{128, 0, 0},   {128, 128, 0}, {0, 128, 0},
                                    {0, 128, 128}, {0, 0, 128},   {128, 0, 128}};
    return kind >= 0 && kind < 6 ? colors[kind] : QColor(Qt::gray);
}

void StatisticsDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                               const QModelIndex& index) const {
    const StatisticsTable::Line line =
        StatisticsTable::parse(index.data(Qt::DisplayRole).toString().toStdString());
    const QPalette& palette = option.palette;
    const bool selected = option.state & QStyle::State_Selected;
    painter->save();
    painter->fillRect(option.rect, palette.base());
    const QRect valueCell(option.rect.left() + indent_, option.rect.top(),
                          valueWidth(option.fontMetrics), option.rect.height());
    if (selected)
        painter->fillRect(valueCell, palette.highlight());
    painter->setPen(selected ? palette.highlightedText().color() : palette.text().color());
    painter->drawText(valueCell.adjusted(0, 0, -2, 0), Qt::AlignRight | Qt::AlignVCenter,
                      QString::fromStdString(line.value));

    const QRect area(valueCell.right() + 1 + kGap, option.rect.top(),
                     option.rect.right() - valueCell.right() - kGap, option.rect.height());
    const QRect bar(area.left(), area.top() + 1,
                    static_cast<int>(line.fraction * area.width() + 0.5), area.height() - 2);
    painter->fillRect(bar, barColor(line.kind));
    const QRect nameRect = area.adjusted(kGap, 0, 0, 0);
    const QString name = QString::fromStdString(line.name);
    // The part of the name over the bar in the background colour, the rest in the text's.
    painter->setClipRect(bar);
    painter->setPen(palette.base().color());
    painter->drawText(nameRect, Qt::AlignLeft | Qt::AlignVCenter, name);
    painter->setClipRect(
        QRect(bar.right() + 1, area.top(), area.right() - bar.right(), area.height()));
    painter->setPen(palette.text().color());
    painter->drawText(nameRect, Qt::AlignLeft | Qt::AlignVCenter, name);
    painter->setClipping(false);
    if (option.state & QStyle::State_HasFocus) {
        painter->setPen(QPen(palette.highlight().color(), 1, Qt::DotLine));
        painter->drawRect(option.rect.adjusted(0, 0, -1, -1));
    }
    painter->restore();
}

QSize StatisticsDelegate::sizeHint(const QStyleOptionViewItem& option,
                                   const QModelIndex& index) const {
    const QSize base = QStyledItemDelegate::sizeHint(option, index);
    return {base.width(), option.fontMetrics.height() + 4};
}

}  // namespace nubo
