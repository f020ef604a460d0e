#include "shell/ui/log_list_model.h"

#include "base/app_log.h"

#include <algorithm>

namespace nubo {

LogListModel::LogListModel(AppLog& log, QObject* parent)
    : QAbstractListModel(parent), log_(log), lines_(log.LinesAndListen(this)) {}

LogListModel::~LogListModel() {
    log_.RemoveListener(this);
}

int LogListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(lines_.size());
}

int LogListModel::rowWidth() const {
    return std::max(800, static_cast<int>(widest_ + 2) * character_.width());
}

QVariant LogListModel::data(const QModelIndex& index, int role) const {
    if (role == Qt::SizeHintRole)
        return QSize(rowWidth(), character_.height());
    if (role != Qt::DisplayRole || !index.isValid() ||
        static_cast<size_t>(index.row()) >= lines_.size()) {
        return {};
    }
    return QString::fromStdString(lines_[static_cast<size_t>(index.row())]);
}

void LogListModel::lineAppended(size_t, const std::string& text, LogLineKind) {
    std::lock_guard lock(mutex_);
    pending_.push_back(text);
    if (!flushQueued_) {
        flushQueued_ = true;
        QMetaObject::invokeMethod(this, &LogListModel::flush, Qt::QueuedConnection);
    }
}

void LogListModel::logWiped() {
    std::lock_guard lock(mutex_);
    pending_.clear();  // lines before the wipe are gone; later ones come after it
    wipePending_ = true;
    if (!flushQueued_) {
        flushQueued_ = true;
        QMetaObject::invokeMethod(this, &LogListModel::flush, Qt::QueuedConnection);
    }
}

void LogListModel::flush() {
    std::vector<std::string> batch;
    bool wipe;
    {
        std::lock_guard lock(mutex_);
        batch.swap(pending_);
        wipe = wipePending_;
        wipePending_ = false;
        flushQueued_ = false;
    }
    if (wipe) {
        beginResetModel();
        lines_.clear();
        widest_ = 0;
        endResetModel();
    }
    if (batch.empty())
        return;
    const size_t widestBefore = widest_;
    for (const std::string& line : batch) {
        // Characters, not bytes: continuation bytes of UTF-8 letters do not count.
        size_t count = 0;
        for (char c : line)
            count += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
        widest_ = std::max(widest_, count);
    }
    const int first = static_cast<int>(lines_.size());
    beginInsertRows({}, first, first + static_cast<int>(batch.size()) - 1);
    lines_.insert(lines_.end(), std::make_move_iterator(batch.begin()),
                  std::make_move_iterator(batch.end()));
    endInsertRows();
    if (widest_ > widestBefore &&
        rowWidth() > std::max<int>(800, (widestBefore + 2) * character_.width()))
        emit rowWidthGrew();
    emit linesAdded();
}

}  // namespace nubo
