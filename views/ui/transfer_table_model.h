#pragma once

#include <QAbstractTableModel>

#include "views/transfer_pane_model.h"

namespace nubo {

// One list of the Transfers pane as a Qt table over the core TransferPaneModel: rows are
// read from it when a view asks (a page at a time), and each refresh's changes are
// applied as insertions at the ends of the list's parts, or as a reset that the pane
// follows by keeping its selection by task.
class TransferTableModel : public QAbstractTableModel {
    Q_OBJECT

  public:
    // The task id of a row (qulonglong), and its progress 0-100 (-1 unknown) for the
    // bar drawn in the Progress column.
    static constexpr int kTaskRole = Qt::UserRole + 1;
    static constexpr int kPercentRole = Qt::UserRole + 2;

    TransferTableModel(TransferPaneModel& core, TransferPaneModel::List list,
                       QObject* parent = nullptr);

    TransferPaneModel::List list() const { return list_; }
    // After the core's refresh: its change of this list, as model signals.
    void apply(const TransferPaneModel::Change& change);
    // The column showing a kind of cell, -1 when the list has none.
    int columnOf(TransferPaneModel::Column column) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    QVariant data(const QModelIndex& index, int role) const override;

  private:
    TransferPaneModel& core_;
    TransferPaneModel::List list_;
    // The rows the views were told of (the core counts ahead of the signals).
    int rows_ = 0;
};

}  // namespace nubo
