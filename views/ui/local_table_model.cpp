#include "views/ui/local_table_model.h"

#include <QMimeData>
#include <QUrl>
#include <set>

#include "views/local_directory_model.h"
#include "views/local_type_table.h"

namespace nubo {

LocalTableModel::LocalTableModel(LocalDirectoryModel& core, QObject* parent)
    : DirectoryTableModel(parent), core_(core) {
    markReset();
    flush();
    core_.addListener(this);
}

LocalTableModel::~LocalTableModel() {
    core_.removeListener(this);
}

void LocalTableModel::rowsReset() {
    markReset();
}

void LocalTableModel::rowsUpdated() {
    markUpdated();
}

void LocalTableModel::rowsAppended() {
    markAppended();
}

void LocalTableModel::readingChanged(bool reading) {
    QMetaObject::invokeMethod(
        this, [this, reading] { emit readingChangedQueued(reading); }, Qt::QueuedConnection);
}

std::vector<int> LocalTableModel::fetchRows() const {
    return core_.rows();
}

std::vector<int> LocalTableModel::fetchRowsFrom(size_t first) const {
    return core_.rowsFrom(first);
}

QVariant LocalTableModel::entryData(int entry, int column, int role) const {
    LocalEntry e;
    if (!core_.entryAt(entry, &e))
        return {};
    switch (role) {
        case Qt::DisplayRole:
        case Qt::EditRole:
            return cellText(column, e.name, e.folder || e.size < 0 ? std::string() : e.sizeText,
                            core_.types().typeName(e.typeRow),
                            e.time == 0 ? std::string() : e.dateText);
        case Qt::DecorationRole:
            if (column != 0)
                return {};
            return cachedIcon(e.typeRow, [this, &e] { return core_.types().iconNames(e.typeRow); });
        case Qt::ToolTipRole:
            return QString::fromStdString(e.path);
        case kFolderRole:
            return e.folder;
        default:
            return {};
    }
}

QStringList LocalTableModel::mimeTypes() const {
    return {"text/uri-list"};
}

QMimeData* LocalTableModel::mimeData(const QModelIndexList& indexes) const {
    std::set<int> rows;
    for (const QModelIndex& index : indexes)
        rows.insert(index.row());
    QList<QUrl> urls;
    LocalEntry e;
    for (int row : rows) {
        if (core_.entryAt(entryIndex(row), &e))
            urls << QUrl::fromLocalFile(QString::fromStdString(e.path));
    }
    auto* mime = new QMimeData;
    mime->setUrls(urls);
    return mime;
}

}  // namespace nubo
