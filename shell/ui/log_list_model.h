#pragma once

#include <QAbstractListModel>
#include <QSize>
#include <mutex>
#include <string>
#include <vector>

#include "base/app_log_listener.h"

namespace nubo {

class AppLog;

// The Log page's list over the AppLog. Lines arrive from any thread; they are gathered
// and reach the view in one insertion per pass of the event loop, so a flood of lines
// from a worker costs the GUI a few large insertions, not one per line.
class LogListModel : public QAbstractListModel, public AppLogListener {
    Q_OBJECT

  public:
    explicit LogListModel(AppLog& log, QObject* parent = nullptr);
    ~LogListModel() override;

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    const std::vector<std::string>& lines() const { return lines_; }
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

    AppLog& log_;
    std::vector<std::string> lines_;  // the GUI thread's copy
    std::mutex mutex_;
    std::vector<std::string> pending_;
    bool wipePending_ = false;
    bool flushQueued_ = false;
    QSize character_{8, 16};
    size_t widest_ = 0;  // characters of the longest line shown
};

}  // namespace nubo
