#pragma once

#include <QTimer>
#include <QWidget>
#include <array>
#include <functional>
#include <string>
#include <vector>

#include "views/transfer_pane_model.h"

class QLabel;
class QProgressBar;
class QStackedWidget;
class QTabBar;
class QTableView;
class QToolButton;

namespace nubo {

class SessionLink;
class TransferTableModel;

// The Transfers pane under the views of the Files page and of the Classic Remote page:
// a header with the tabs "Queued", "Failed" and "Successful" (their counts in their
// titles), the batch's progress, speed and time left, and the button that folds the
// pane to its header; below it one table per tab. It polls the session's TransferQueue
// through the core TransferPaneModel every 200 ms and acts through the page's session
// link: a retry queues a Get or Put of the tasks' folders and names.
class TransfersPane : public QWidget {
    Q_OBJECT

  public:
    using List = TransferPaneModel::List;
    // What the pane takes from the page it is on.
    struct Page {
        // The transfer mode and Update-ONLY as the tool bar has them now.
        std::function<TransferOptions()> options;
        // Where a retried download goes when its task names no local folder.
        std::function<std::string()> fallbackFolder;
        // The session's STOP of the whole batch (Escape, as in the views).
        std::function<void()> stopTransfers;
    };
    // Shows a local folder (the desktop's file manager; tests record it).
    using FolderOpener = std::function<void(const QString& folder)>;
    static constexpr int kPollMs = 200;
    // The Reason column's width, in characters, when the view has no more room.
    static constexpr int kReasonChars = 40;

    TransfersPane(TransferQueue& queue, const SessionLink& link, Page page,
                  QWidget* parent = nullptr);

    void setFolderOpener(FolderOpener opener) { opener_ = std::move(opener); }
    bool collapsed() const { return collapsed_; }
    // Folded, only the header shows (its tabs and the batch's progress stay in sight).
    void setCollapsed(bool on);
    // The height the pane keeps when folded, and the one that shows this many rows.
    int headerHeight() const;
    int heightFor(int rows) const;
    // The height the pane opens with in a page `total` pixels high, until the user sets
    // one.
    int defaultHeight(int total) const;
    QTableView* view(List list) const { return views_[static_cast<size_t>(list)]; }
    QTabBar* tabBar() const { return tabs_; }
    QProgressBar* progressBar() const { return bar_; }
    TransferPaneModel& model() { return model_; }
    // Reads the queue now (the timer does so on its own).
    void refresh();

  signals:
    void collapsedChanged(bool collapsed);
    // The batch's texts changed (model().batch()): its progress, or what came of it.
    void batchShown();
    // The session's batch began or ended (files may still move on its other connections
    // while the session's own is idle).
    void batchRunning(bool running);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void buildHeader(QWidget* header);
    QTableView* buildView(List list);
    List listOf(const QObject* view) const;
    // A table's height for this many rows, its header and scroll bar included.
    static int rowsHeight(const QTableView* view, int rows);
    std::vector<TaskInfo> selectedTasks(List list) const;
    void contextMenu(List list, const QPoint& at);
    bool handleKey(List list, int key, Qt::KeyboardModifiers modifiers);
    void retry(const std::vector<TaskInfo>& tasks);
    void remove(const std::vector<TaskInfo>& tasks);
    void stop(const std::vector<TaskInfo>& tasks);
    void moveToTop(const std::vector<TaskInfo>& tasks);
    void openFolder(const std::vector<TaskInfo>& tasks);
    void showBatch();
    // A menu is open, or rows are chosen in the list the user works in (other than
    // Queued): a new batch leaves that list in front.
    bool userActing() const;
    // The Failed list's reason as wide as the view leaves it (its whole text is also its
    // tooltip).
    void fitReason();
    // The batch's words as the label's width allows: the least needed parts give way
    // first (the files count, then the speed), whole.
    void fitBatchText();

    TransferPaneModel model_;
    const SessionLink& link_;
    Page page_;
    FolderOpener opener_;
    QTabBar* tabs_ = nullptr;
    QLabel* batchText_ = nullptr;
    QStringList batchParts_;
    QProgressBar* bar_ = nullptr;
    QToolButton* toggle_ = nullptr;
    QStackedWidget* body_ = nullptr;
    QWidget* header_ = nullptr;
    std::array<QTableView*, TransferPaneModel::kListCount> views_{};
    std::array<TransferTableModel*, TransferPaneModel::kListCount> tables_{};
    QTimer poll_;
    bool collapsed_ = false;
    uint64_t toldSerial_ = 0;  // the batch last told
    std::string toldStatus_;
    bool toldRunning_ = false;
};

}  // namespace nubo
