#include "shell/ui/log_list_model.h"

#include "base/app_log.h"

#include <algorithm>

namespace nubo {

LogListModel::LogListModel(AppLog& log, QObject* parent) : QAbstractListModel(parent), log_(log) {
    const AppLog::Extent extent = log.ExtentAndListen(this);
    shown_ = extent.count;
    generation_ = extent.generation;
    widest_ = extent.widest;
}

LogListModel::~LogListModel() {
    log_.RemoveListener(this);
}

int LogListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(shown_);
}

int LogListModel::rowWidth() const {
    return std::max(800, static_cast<int>(widest_ + 2) * character_.width());
}

QVariant LogListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() < 0 || static_cast<size_t>(index.row()) >= shown_)
        return {};
    if (role == Qt::SizeHintRole)
        return QSize(rowWidth(), character_.height());
    if (role != Qt::DisplayRole)
        return {};
    std::string line;
    log_.LineOf(generation_, static_cast<size_t>(index.row()), &line);
    return QString::fromStdString(line);
}

std::vector<std::string> LogListModel::lines() const {
    std::vector<std::string> lines(shown_);
    for (size_t i = 0; i < shown_; ++i)
        log_.LineOf(generation_, i, &lines[i]);
    return lines;
}

void LogListModel::queueFlushLocked() {
    if (!flushQueued_) {
        flushQueued_ = true;
        QMetaObject::invokeMethod(this, &LogListModel::flush, Qt::QueuedConnection);
    }
}

void LogListModel::lineAppended(size_t, const std::string& text, LogLineKind) {
    const size_t characters = AppLog::CharacterCount(text);
    std::lock_guard lock(mutex_);
    ++pendingCount_;
    pendingWidest_ = std::max(pendingWidest_, characters);
    queueFlushLocked();
}

void LogListModel::logWiped() {
    // Told under the log's lock, after the wipe: its generation is the new one.
    const uint64_t generation = log_.Generation();
    std::lock_guard lock(mutex_);
    pendingCount_ = 0;  // lines before the wipe are gone; later ones come after it
    pendingWidest_ = 0;
    wipePending_ = true;
    wipeGeneration_ = generation;
    queueFlushLocked();
}

void LogListModel::flush() {
    size_t count;
    size_t widest;
    bool wipe;
    uint64_t generation;
    {
        std::lock_guard lock(mutex_);
        count = pendingCount_;
        widest = pendingWidest_;
        wipe = wipePending_;
        generation = wipeGeneration_;
        pendingCount_ = 0;
        pendingWidest_ = 0;
        wipePending_ = false;
        flushQueued_ = false;
    }
    if (wipe) {
        beginResetModel();
        shown_ = 0;
        generation_ = generation;
        widest_ = 0;
        endResetModel();
    }
    if (count == 0)
        return;
    const size_t widestBefore = widest_;
    widest_ = std::max(widest_, widest);
    const int first = static_cast<int>(shown_);
    beginInsertRows({}, first, first + static_cast<int>(count) - 1);
    shown_ += count;
    endInsertRows();
    if (widest_ > widestBefore &&
        rowWidth() > std::max<int>(800, (widestBefore + 2) * character_.width()))
        emit rowWidthGrew();
    emit linesAdded();
}

}  // namespace nubo
