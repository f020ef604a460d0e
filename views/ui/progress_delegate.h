#pragma once

#include <QStyledItemDelegate>

namespace nubo {

// Draws a cell's progress as the style's bar with its text, where the model gives a
// percent in `role` (0-100); cells without one are drawn as text.
class ProgressDelegate : public QStyledItemDelegate {
    Q_OBJECT

  public:
    ProgressDelegate(int role, QObject* parent = nullptr);

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;

  private:
    int role_;
};

}  // namespace nubo
