#include "views/ui/directory_table_model.h"

#include <QApplication>
#include <QPalette>
#include <unordered_map>
#include <unordered_set>

#include "shell/ui/theme_icon.h"

namespace nubo {

DirectoryTableModel::DirectoryTableModel(QObject* parent) : QAbstractTableModel(parent) {}

void DirectoryTableModel::schedule() {
    if (!scheduled_.exchange(true))
        QMetaObject::invokeMethod(this, &DirectoryTableModel::flush, Qt::QueuedConnection);
}

void DirectoryTableModel::markReset() {
    resetPending_ = true;
    schedule();
}

void DirectoryTableModel::markAppended() {
    appendPending_ = true;
    schedule();
}

void DirectoryTableModel::markUpdated() {
    updatePending_ = true;
    schedule();
}

void DirectoryTableModel::flush() {
    scheduled_ = false;
    const bool reset = resetPending_.exchange(false);
    const bool updated = updatePending_.exchange(false);
    const bool appended = appendPending_.exchange(false);
    if (!reset && !updated && !appended)
        return;
    refreshTables();
    if (reset) {
        beginResetModel();
        rows_ = fetchRows();
        dropTarget_ = -1;
        endResetModel();
    } else if (updated) {
        applyUpdate(fetchRows());
    } else {
        std::vector<int> added = fetchRowsFrom(rows_.size());
        if (!added.empty()) {
            const int first = static_cast<int>(rows_.size());
            beginInsertRows({}, first, first + static_cast<int>(added.size()) - 1);
            rows_.insert(rows_.end(), added.begin(), added.end());
            endInsertRows();
        }
    }
    emit contentsChanged();
}

void DirectoryTableModel::applyUpdate(const std::vector<int>& fresh) {
    setDropTarget(-1);
    std::unordered_set<int> wanted(fresh.begin(), fresh.end());
    // Rows whose entry went, in runs from the bottom up.
    for (int last = static_cast<int>(rows_.size()) - 1; last >= 0;) {
        if (wanted.count(rows_[static_cast<size_t>(last)]) != 0) {
            --last;
            continue;
        }
        int first = last;
        while (first > 0 && wanted.count(rows_[static_cast<size_t>(first - 1)]) == 0)
            --first;
        beginRemoveRows({}, first, last);
        rows_.erase(rows_.begin() + first, rows_.begin() + last + 1);
        endRemoveRows();
        last = first - 1;
    }
    // New entries at the end, then every row moved to its place.
    const std::unordered_set<int> shown(rows_.begin(), rows_.end());
    std::vector<int> added;
    for (int entry : fresh) {
        if (shown.count(entry) == 0)
            added.push_back(entry);
    }
    if (!added.empty()) {
        const int first = static_cast<int>(rows_.size());
        beginInsertRows({}, first, first + static_cast<int>(added.size()) - 1);
        rows_.insert(rows_.end(), added.begin(), added.end());
        endInsertRows();
    }
    if (rows_ != fresh) {
        emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
        std::unordered_map<int, int> rowOfEntry;
        for (size_t row = 0; row < fresh.size(); ++row)
            rowOfEntry.emplace(fresh[row], static_cast<int>(row));
        const QModelIndexList from = persistentIndexList();
        QModelIndexList to;
        for (const QModelIndex& index : from) {
            const auto found = rowOfEntry.find(entryIndex(index.row()));
            to << (found == rowOfEntry.end() ? QModelIndex()
                                             : createIndex(found->second, index.column()));
        }
        changePersistentIndexList(from, to);
        rows_ = fresh;
        emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
    }
    // Names, sizes and dates may have changed in place.
    if (!rows_.empty())
        emit dataChanged(index(0, 0), index(static_cast<int>(rows_.size()) - 1, 3));
}

int DirectoryTableModel::entryIndex(int row) const {
    return row >= 0 && static_cast<size_t>(row) < rows_.size() ? rows_[static_cast<size_t>(row)]
                                                               : -1;
}

int DirectoryTableModel::rowOf(int entryIndex) const {
    for (size_t row = rows_.size(); row-- > 0;) {
        if (rows_[row] == entryIndex)
            return static_cast<int>(row);
    }
    return -1;
}

void DirectoryTableModel::setDropTarget(int row) {
    if (row == dropTarget_)
        return;
    const int old = dropTarget_;
    dropTarget_ = row;
    for (int changed : {old, row}) {
        if (changed >= 0 && changed < rowCount())
            emit dataChanged(index(changed, 0), index(changed, 3), {Qt::BackgroundRole});
    }
}

Qt::ItemFlags DirectoryTableModel::flags(const QModelIndex& index) const {
    Qt::ItemFlags flags = QAbstractTableModel::flags(index);
    if (index.isValid())
        flags |= Qt::ItemIsDragEnabled;
    if (index.isValid() && index.column() == 0)
        flags |= Qt::ItemIsEditable;
    return flags;
}

bool DirectoryTableModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (role != Qt::EditRole || index.column() != 0)
        return false;
    const int entry = entryIndex(index.row());
    if (entry < 0)
        return false;
    emit nameEdited(entry, value.toString());
    return true;
}

QVariant DirectoryTableModel::cellText(int column, const std::string& name, const std::string& size,
                                       const std::string& type, const std::string& date) {
    const std::string* texts[] = {&name, &size, &type, &date};
    return column >= 0 && column < 4 ? QString::fromStdString(*texts[column]) : QString();
}

int DirectoryTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int DirectoryTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : 4;
}

QVariant DirectoryTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal)
        return {};
    static const char* const titles[] = {"Name", "Size", "Type", "Date/Time"};
    if (role == Qt::DisplayRole && section >= 0 && section < 4)
        return QString(titles[section]);
    if (role == Qt::TextAlignmentRole)
        return section == 1 ? QVariant(Qt::AlignRight | Qt::AlignVCenter)
                            : QVariant(Qt::AlignLeft | Qt::AlignVCenter);
    return {};
}

QVariant DirectoryTableModel::data(const QModelIndex& index, int role) const {
    const int entry = entryIndex(index.row());
    if (entry < 0)
        return {};
    if (role == Qt::BackgroundRole && index.row() == dropTarget_)
        return QApplication::palette().brush(QPalette::Highlight);
    if (role == Qt::ForegroundRole && index.row() == dropTarget_)
        return QApplication::palette().brush(QPalette::HighlightedText);
    if (role == Qt::TextAlignmentRole)
        return index.column() == 1 ? QVariant(Qt::AlignRight | Qt::AlignVCenter) : QVariant();
    if (role == kEntryIndexRole)
        return entry;
    // A view asks many roles per cell; only these read the entry (a copy under a lock).
    switch (role) {
        case Qt::DisplayRole:
        case Qt::EditRole:
        case Qt::DecorationRole:
        case Qt::ForegroundRole:
        case Qt::ToolTipRole:
        case kFolderRole:
            return entryData(entry, index.column(), role);
        default:
            return {};
    }
}

QIcon DirectoryTableModel::cachedIcon(
    size_t key, const std::function<std::vector<std::string>()>& names) const {
    if (icons_.size() <= key)
        icons_.resize(key + 1);
    if (icons_[key].isNull()) {
        // The type's own icon, else its generic one, else a plain document.
        for (const std::string& name : names()) {
            icons_[key] = themeIcon(QString::fromStdString(name));
            if (!icons_[key].isNull())
                break;
        }
        if (icons_[key].isNull())
            icons_[key] = themeIcon("text-x-generic");
    }
    return icons_[key];
}

}  // namespace nubo
