#include "views/ui/remote_table_model.h"

#include <QApplication>
#include <QMimeData>
#include <QPalette>
#include <algorithm>

#include "views/remote_directory_model.h"
#include "views/remote_drag.h"
#include "views/session_link.h"
#include "views/type_table.h"

namespace nubo {

RemoteTableModel::RemoteTableModel(RemoteDirectoryModel& core, TypeTable& types, QObject* parent)
    : DirectoryTableModel(parent), core_(core), types_(types) {
    markReset();
    flush();
    core_.addListener(this);
}

RemoteTableModel::~RemoteTableModel() {
    core_.removeListener(this);
}

void RemoteTableModel::rowsAppended(size_t, size_t) {
    markAppended();
}

void RemoteTableModel::rowsReset() {
    markReset();
}

void RemoteTableModel::rowsUpdated() {
    markUpdated();
}

void RemoteTableModel::pathTextChanged() {
    QMetaObject::invokeMethod(this, &RemoteTableModel::pathChanged, Qt::QueuedConnection);
}

void RemoteTableModel::busyChanged(bool busy) {
    QMetaObject::invokeMethod(
        this, [this, busy] { emit busyChangedQueued(busy); }, Qt::QueuedConnection);
}

void RemoteTableModel::permissionsApplied(const std::vector<std::string>& refusals) {
    QStringList texts;
    for (const std::string& refusal : refusals)
        texts << QString::fromStdString(refusal);
    QMetaObject::invokeMethod(
        this, [this, texts] { emit permissionsAppliedQueued(texts); }, Qt::QueuedConnection);
}

void RemoteTableModel::entryGone(const std::string& directory, const std::string& name) {
    QMetaObject::invokeMethod(
        this,
        [this, d = QString::fromStdString(directory), n = QString::fromStdString(name)] {
            emit entryGoneQueued(d, n);
        },
        Qt::QueuedConnection);
}

void RemoteTableModel::connectionChanged(bool connected) {
    QMetaObject::invokeMethod(
        this, [this, connected] { emit connectionChangedQueued(connected); }, Qt::QueuedConnection);
}

std::vector<int> RemoteTableModel::fetchRows() const {
    return core_.rows();
}

std::vector<int> RemoteTableModel::fetchRowsFrom(size_t first) const {
    return core_.rowsFrom(first);
}

QVariant RemoteTableModel::entryData(int entry, int column, int role) const {
    if (role == Qt::ForegroundRole) {
        // A cut entry (a delete is on its way) is drawn ghosted.
        return core_.isMarked(entry)
                   ? QVariant(QApplication::palette().brush(QPalette::Disabled, QPalette::Text))
                   : QVariant();
    }
    // Read in place under the core's lock: nothing else of the core is called below.
    const RemoteDirectoryModel::EntryView e = core_.viewEntry(entry);
    if (!e)
        return {};
    switch (role) {
        case Qt::DisplayRole:
        case Qt::EditRole:
            switch (column) {
                case 0:
                    return QString::fromStdString(e->name);
                case 1:
                    return e->size < 0 ? QString() : QString::fromStdString(e->sizeText);
                case 2:
                    return QString::fromStdString(types_.typeNameOf(*e));
                case 3:
                    return e->time == 0 ? QString() : QString::fromStdString(e->dateText);
                default:
                    return QString();
            }
        case Qt::DecorationRole: {
            if (column != 0)
                return {};
            const size_t icon = types_.classify(*e) & 0xFFFF;
            return cachedIcon(icon, [this, icon] { return types_.iconNames(icon); });
        }
        case Qt::ToolTipRole:  // the whole name where a view cuts it short
            return QString::fromStdString(
                e->type == EntryType::Link ? e->name + " -> " + e->linkTarget : e->name);
        case kFolderRole:
            return e->type != EntryType::File;
        default:
            return {};
    }
}

uint64_t RemoteTableModel::sessionId() const {
    return core_.link().id();
}

QStringList RemoteTableModel::mimeTypes() const {
    return {kMimeType};
}

QMimeData* RemoteTableModel::mimeData(const QModelIndexList& indexes) const {
    // The rows as they are now: a drop acts on them even when the view moved on since.
    std::vector<int> entries;
    for (const QModelIndex& index : indexes) {
        const int entry = index.isValid() ? entryIndex(index.row()) : -1;
        if (entry >= 0 && std::find(entries.begin(), entries.end(), entry) == entries.end())
            entries.push_back(entry);
    }
    RemoteDirectoryModel::Selection chosen = core_.selection(entries);
    RemoteDrag drag;
    drag.processId = QCoreApplication::applicationPid();
    drag.sessionId = sessionId();
    drag.directory = std::move(chosen.directory);
    drag.entries = std::move(chosen.entries);
    auto* mime = new QMimeData;
    mime->setData(kMimeType, QByteArray::fromStdString(drag.encode()));
    return mime;
}

}  // namespace nubo
