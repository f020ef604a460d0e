#pragma once

#include <QDialog>
#include <functional>
#include <memory>
#include <vector>

#include "engine/remote_search.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QTimer;
class QTreeWidget;

namespace nubo {

// "Find on the Server" (object name "findDialog"): a name pattern and a depth, Find and
// Stop, the progress, and the results with their folders; Get, Reveal and Delete act on
// the results chosen through the remote page. A thin view over a RemoteSearch, which the
// session runs; the dialog reads it as it goes.
class FindDialog : public QDialog {
    Q_OBJECT

  public:
    using Found = RemoteSearch::Found;
    struct Actions {
        // Queues a search; false when there is no session to run it.
        std::function<bool(std::shared_ptr<RemoteSearch>)> start;
        std::function<void(const std::vector<Found>&)> get;
        std::function<void(const Found&)> reveal;
        std::function<void(const std::vector<Found>&)> remove;
    };

    FindDialog(Actions actions, QWidget* parent = nullptr);
    ~FindDialog() override;

    // An entry deleted from the server: its row goes, and the rows of what a deleted
    // folder held.
    void dropFound(const std::string& directory, const std::string& name);

    // The search shown (null before the first Find).
    const std::shared_ptr<RemoteSearch>& search() const { return search_; }

  protected:
    // Closing the window (Escape, Close, the title bar) stops a search under way: nobody
    // would see it, and the session would walk on with the user's next clicks queued
    // behind it.
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

  private:
    void find();
    void stop();
    // New results and the progress line; the end of the search.
    void poll();
    std::vector<Found> chosen() const;
    void updateButtons();

    Actions actions_;
    std::shared_ptr<RemoteSearch> search_;
    // The results read, in the order found; a row holds its place here (rows sort by
    // their headers, and a deleted result's row goes while its place stays).
    std::vector<Found> shown_;
    // The search's results read so far (deleted ones leave shown_, not this count).
    size_t taken_ = 0;
    QLineEdit* pattern_ = nullptr;
    QSpinBox* depth_ = nullptr;
    QPushButton* find_ = nullptr;
    QPushButton* stop_ = nullptr;
    QLabel* progress_ = nullptr;
    QTreeWidget* results_ = nullptr;
    QPushButton* get_ = nullptr;
    QPushButton* reveal_ = nullptr;
    QPushButton* delete_ = nullptr;
    QTimer* poll_ = nullptr;
};

}  // namespace nubo
