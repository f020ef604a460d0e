#include "views/ui/transfer_table_model.h"

#include <QGuiApplication>
#include <QPalette>

#include <algorithm>
#include <climits>

namespace nubo {

namespace {

using Column = TransferPaneModel::Column;

int clampedRows(int64_t rows) {
    return static_cast<int>(std::min<int64_t>(rows, INT_MAX));
}

}  // namespace

TransferTableModel::TransferTableModel(TransferPaneModel& core, TransferPaneModel::List list,
                                       QObject* parent)
    : QAbstractTableModel(parent),
      core_(core),
      list_(list),
      rows_(clampedRows(core.rowCount(list))) {}

void TransferTableModel::apply(const TransferPaneModel::Change& change) {
    if (!change.changed)
        return;
    if (change.reset) {
        beginResetModel();
        rows_ = clampedRows(core_.rowCount(list_));
        endResetModel();
        return;
    }
    for (const auto& [row, count] : change.inserted) {
        if (row > rows_ || count <= 0 || row + count > INT_MAX)
            continue;
        beginInsertRows({}, static_cast<int>(row), static_cast<int>(row + count - 1));
        rows_ += static_cast<int>(count);
        endInsertRows();
    }
}

int TransferTableModel::columnOf(Column column) const {
    const std::vector<Column>& columns = TransferPaneModel::columns(list_);
    const auto found = std::find(columns.begin(), columns.end(), column);
    return found == columns.end() ? -1 : static_cast<int>(found - columns.begin());
}

int TransferTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : rows_;
}

int TransferTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(TransferPaneModel::columns(list_).size());
}

QVariant TransferTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    const std::vector<Column>& columns = TransferPaneModel::columns(list_);
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
        static_cast<size_t>(section) >= columns.size())
        return {};
    return QString::fromStdString(TransferPaneModel::header(columns[section]));
}

QVariant TransferTableModel::data(const QModelIndex& index, int role) const {
    const std::vector<Column>& columns = TransferPaneModel::columns(list_);
    if (!index.isValid() || index.row() >= rows_ ||
        static_cast<size_t>(index.column()) >= columns.size())
        return {};
    const Column column = columns[static_cast<size_t>(index.column())];
    switch (role) {
        case Qt::DisplayRole:
            return QString::fromStdString(core_.text(list_, index.row(), column));
        case Qt::ToolTipRole:
            // Reasons and paths are long: the whole text where a cell cuts it.
            if (column == Column::Reason || column == Column::State ||
                column == Column::RemoteFolder || column == Column::LocalFolder ||
                column == Column::Name)
                return QString::fromStdString(core_.text(list_, index.row(), column));
            return {};
        case Qt::ForegroundRole: {
            // A skipped file is no transfer: greyed among the transferred ones.
            const TaskInfo* task = core_.task(list_, index.row());
            if (task == nullptr || task->state != TaskState::Skipped)
                return {};
            return QGuiApplication::palette().color(QPalette::Disabled, QPalette::Text);
        }
        case Qt::TextAlignmentRole:
            if (column == Column::Size || column == Column::Speed || column == Column::Attempts)
                return QVariant(Qt::AlignRight | Qt::AlignVCenter);
            return {};
        case kTaskRole: {
            const TaskInfo* task = core_.task(list_, index.row());
            return task == nullptr ? QVariant() : QVariant::fromValue<qulonglong>(task->id);
        }
        case kPercentRole: {
            const TaskInfo* task = core_.task(list_, index.row());
            return task == nullptr || task->state != TaskState::Active
                       ? QVariant()
                       : QVariant(TransferPaneModel::percent(*task));
        }
        default:
            return {};
    }
}

}  // namespace nubo
