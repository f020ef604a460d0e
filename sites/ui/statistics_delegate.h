#pragma once

#include <QStyledItemDelegate>

namespace nubo {

// Draws a statistics line ("kind\tfraction\tvalue\tname"): the value right-aligned in a
// 64-pixel cell, then a bar of the kind's colour as long as the fraction, with the name
// drawn over it in the background colour and beyond it in the text colour.
class StatisticsDelegate : public QStyledItemDelegate {
    Q_OBJECT

  public:
    // indent: pixels before the value cell (the Host page's list starts 16 further right).
    explicit StatisticsDelegate(int indent, QObject* parent = nullptr);

    static QColor barColor(int kind);

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

  private:
    int indent_;
};

}  // namespace nubo
