#include "views/ui/remote_table_model.h"

#include <QApplication>
#include <QPalette>

#include "shell/ui/theme_icon.h"
#include "views/remote_directory_model.h"
#include "views/type_table.h"

namespace nubo {

RemoteTableModel::RemoteTableModel(RemoteDirectoryModel& core, QObject* parent)
    : QAbstractTableModel(parent), core_(core) {
    rows_ = core_.rows();
    typeNames_ = core_.typeNames();
    iconNames_ = TypeTable::instance().iconNames();
    genericIconNames_ = TypeTable::instance().genericIconNames();
    core_.addListener(this);
}

RemoteTableModel::~RemoteTableModel() {
    core_.removeListener(this);
}

void RemoteTableModel::schedule() {
    if (!scheduled_.exchange(true))
        QMetaObject::invokeMethod(this, &RemoteTableModel::flush, Qt::QueuedConnection);
}

void RemoteTableModel::rowsAppended(size_t, size_t) {
    appendPending_ = true;
    schedule();
}

void RemoteTableModel::rowsReset() {
    resetPending_ = true;
    schedule();
}

void RemoteTableModel::pathTextChanged() {
    QMetaObject::invokeMethod(this, &RemoteTableModel::pathChanged, Qt::QueuedConnection);
}

void RemoteTableModel::busyChanged(bool busy) {
    QMetaObject::invokeMethod(
        this, [this, busy] { emit busyChangedQueued(busy); }, Qt::QueuedConnection);
}

void RemoteTableModel::connectionChanged(bool connected) {
    QMetaObject::invokeMethod(
        this, [this, connected] { emit connectionChangedQueued(connected); }, Qt::QueuedConnection);
}

void RemoteTableModel::flush() {
    scheduled_ = false;
    const bool reset = resetPending_.exchange(false);
    const bool appended = appendPending_.exchange(false);
    if (!reset && !appended)
        return;
    // New file types may have come with the entries.
    typeNames_ = core_.typeNames();
    iconNames_ = TypeTable::instance().iconNames();
    genericIconNames_ = TypeTable::instance().genericIconNames();
    if (reset) {
        beginResetModel();
        rows_ = core_.rows();
        endResetModel();
    } else {
        std::vector<int> added = core_.rowsFrom(rows_.size());
        if (!added.empty()) {
            const int first = static_cast<int>(rows_.size());
            beginInsertRows({}, first, first + static_cast<int>(added.size()) - 1);
            rows_.insert(rows_.end(), added.begin(), added.end());
            endInsertRows();
        }
    }
    emit contentsChanged();
}

int RemoteTableModel::entryIndex(int row) const {
    return row >= 0 && static_cast<size_t>(row) < rows_.size() ? rows_[static_cast<size_t>(row)]
                                                               : -1;
}

int RemoteTableModel::rowOf(int entryIndex) const {
    for (size_t row = rows_.size(); row-- > 0;) {
        if (rows_[row] == entryIndex)
            return static_cast<int>(row);
    }
    return -1;
}

int RemoteTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int RemoteTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : 4;
}

QIcon RemoteTableModel::iconFor(uint32_t packed) const {
    const size_t icon = packed & 0xFFFF;
    if (icons_.size() < iconNames_.size())
        icons_.resize(iconNames_.size());
    if (icon >= icons_.size())
        return {};
    if (icons_[icon].isNull()) {
        // The MIME type's own icon, else its generic one, else a plain document.
        for (const std::string& name :
             {iconNames_[icon], genericIconNames_[icon], std::string("text-x-generic")}) {
            icons_[icon] = themeIcon(QString::fromStdString(name));
            if (!icons_[icon].isNull())
                break;
        }
    }
    return icons_[icon];
}

QVariant RemoteTableModel::data(const QModelIndex& index, int role) const {
    const int entry = entryIndex(index.row());
    RemoteEntry e;
    if (entry < 0 || !core_.entryAt(entry, &e))
        return {};
    switch (role) {
        case Qt::DisplayRole:
        case Qt::EditRole:
            switch (index.column()) {
                case 0:
                    return QString::fromStdString(e.name);
                case 1:
                    return QString::fromStdString(e.size < 0 ? std::string() : e.sizeText);
                case 2: {
                    const size_t row = e.icon >> 16;
                    return row < typeNames_.size() ? QString::fromStdString(typeNames_[row])
                                                   : QString();
                }
                default:
                    return QString::fromStdString(e.time == 0 ? std::string() : e.dateText);
            }
        case Qt::DecorationRole:
            return index.column() == 0 ? QVariant(iconFor(e.icon)) : QVariant();
        case Qt::TextAlignmentRole:
            return index.column() == 1 ? QVariant(Qt::AlignRight | Qt::AlignVCenter) : QVariant();
        case Qt::ForegroundRole:
            // A cut entry (a delete is on its way) is drawn ghosted.
            return core_.isMarked(entry)
                       ? QVariant(QApplication::palette().brush(QPalette::Disabled, QPalette::Text))
                       : QVariant();
        case Qt::ToolTipRole:
            return e.type == EntryType::Link
                       ? QVariant(QString::fromStdString(e.name + " -> " + e.linkTarget))
                       : QVariant();
        case kEntryIndexRole:
            return entry;
        case kDirectoryRole:
            return e.type != EntryType::File;
        default:
            return {};
    }
}

QVariant RemoteTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
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

Qt::ItemFlags RemoteTableModel::flags(const QModelIndex& index) const {
    Qt::ItemFlags flags = QAbstractTableModel::flags(index);
    if (index.isValid() && index.column() == 0)
        flags |= Qt::ItemIsEditable;
    return flags;
}

bool RemoteTableModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (role != Qt::EditRole || index.column() != 0)
        return false;
    const int entry = entryIndex(index.row());
    if (entry < 0)
        return false;
    emit nameEdited(entry, value.toString());
    return true;
}

}  // namespace nubo
