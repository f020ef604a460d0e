#pragma once

#include <QAbstractListModel>
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

    // AppLogListener: any thread.
    void lineAppended(size_t index, const std::string& text, LogLineKind kind) override;
    void logWiped() override;

  signals:
    // A batch of lines was inserted at the end.
    void linesAdded();

  private:
    void flush();

    AppLog& log_;
    std::vector<std::string> lines_;  // the GUI thread's copy
    std::mutex mutex_;
    std::vector<std::string> pending_;
    bool wipePending_ = false;
    bool flushQueued_ = false;
};

}  // namespace nubo
