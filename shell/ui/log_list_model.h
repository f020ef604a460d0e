#pragma once

#include <QAbstractListModel>
#include <QSize>
#include <cstdint>
#include <mutex>
#include <string>
#include <vector>

#include "base/app_log_listener.h"

namespace nubo {

class AppLog;

// The Log page's list over the AppLog, whose lines it reads by index when a view asks
// (it keeps no copy of them). Lines arrive from any thread; they are counted and reach
// the view in one insertion per pass of the event loop, so a flood of lines from a
// worker costs the GUI a few large insertions, not one per line.
class LogListModel : public QAbstractListModel, public AppLogListener {
    Q_OBJECT

  public:
    explicit LogListModel(AppLog& log, QObject* parent = nullptr);
    ~LogListModel() override;

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    // The lines shown, read from the log (for Copy).
    std::vector<std::string> lines() const;
    // The size of one character of the list's (fixed-pitch) font: every row is as wide
    // as the longest line, at least 800 pixels, so long lines scroll rather than end
    // in "...".
    void setCharacterSize(QSize size) { character_ = size; }
    int rowWidth() const;

    // AppLogListener: any thread.
    void lineAppended(size_t index, const std::string& text, LogLineKind kind) override;
    void logWiped() override;

  signals:
    // A batch of lines was inserted at the end.
    void linesAdded();
    // The longest line grew: the view lays its rows out again.
    void rowWidthGrew();

  private:
    void flush();
    void queueFlushLocked();

    AppLog& log_;
    // What the view has been told: rows 0 to shown_ - 1 of the log's generation_ (a log
    // wiped since reads as empty rows until the wipe is applied).
    size_t shown_ = 0;
    uint64_t generation_ = 0;
    size_t widest_ = 0;  // characters of the longest line shown
    QSize character_{8, 16};

    std::mutex mutex_;
    size_t pendingCount_ = 0;  // lines appended since the last flush (after a wipe)
    size_t pendingWidest_ = 0;
    bool wipePending_ = false;
    uint64_t wipeGeneration_ = 0;
    bool flushQueued_ = false;
};

}  // namespace nubo
