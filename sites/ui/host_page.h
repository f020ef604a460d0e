#pragma once

#include <QMessageBox>
#include <QTimer>
#include <QWidget>
#include <functional>

#include "engine/download_conflict.h"
#include "engine/upload_conflicts.h"
#include "sites/host_controller.h"
#include "views/graph_feed.h"
#include "views/rate_meter.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTabWidget;
class QToolButton;
class QTreeWidget;

namespace nubo {

class HistoryGraph;
class QtDiagnosticsSink;

// The "Host" page over HostController: the URL box, credentials, Connect, Logoff and
// Restart, the tool buttons, and in the large layout the "Connecting", "Pinging" and
// "Tracing Routes" tabs with the graphs, rate fields and the host's statistics. Enter
// runs the current tab's action, Escape stops it.
class HostPage : public QWidget, public HostControllerListener {
    Q_OBJECT

  public:
    // Asks the restart question: title and text in, the button pressed out. Replaceable
    // so that tests need no modal box.
    using QuestionBox =
        std::function<QMessageBox::StandardButton(const QString& title, const QString& text)>;

    // Asks about a certificate that did not verify: host, port, the facts; the answer.
    using CertificateBox = std::function<SessionControl::TrustAnswer(
        const QString& host, unsigned port, const TlsCertificateFacts& facts)>;

    HostPage(HostController& host, QtDiagnosticsSink& sink, bool classic,
             QWidget* parent = nullptr);
    ~HostPage() override;

    QComboBox* urlBox() const { return url_; }
    QLineEdit* userEdit() const { return user_; }
    QLineEdit* passwordEdit() const { return password_; }
    QCheckBox* saveBox() const { return save_; }
    QLabel* keyringState() const { return keyringState_; }
    QPushButton* connectButton() const { return connect_; }
    QPushButton* logoffButton() const { return logoff_; }
    QPushButton* restartButton() const { return restart_; }
    QLineEdit* connectedToEdit() const { return connectedTo_; }
    QLabel* messageLine() const { return message_; }
    QTabWidget* innerTabs() const { return tabs_; }
    QTreeWidget* pingList() const { return pingList_; }
    QTreeWidget* traceList() const { return traceList_; }
    HistoryGraph* dataGraph() const { return dataGraph_; }
    QLabel* rateField() const { return rate_; }
    QLabel* totalField() const { return total_; }
    QComboBox* dataScaleBox() const { return dataScale_; }
    bool graphTimerActive() const { return graphTimer_.isActive(); }
    QListWidget* statisticsList() const { return statistics_; }
    QLineEdit* pingTargetEdit() const { return pingTarget_; }
    QLineEdit* traceTargetEdit() const { return traceTarget_; }
    QLabel* pingStatusLine() const { return pingStatus_; }
    void setQuestionBox(QuestionBox box) { questionBox_ = std::move(box); }
    void setCertificateBox(CertificateBox box) { certificateBox_ = std::move(box); }
    // The upload conflict question (tests put their own answer in place).
    using ConflictBox = std::function<ConflictAnswer(const UploadConflict&)>;
    void setConflictBox(ConflictBox box) { conflictBox_ = std::move(box); }
    // The download conflict question, asked for every file of a Get whose local file
    // exists.
    using DownloadConflictBox = std::function<ConflictAnswer(const DownloadConflict&)>;
    void setDownloadConflictBox(DownloadConflictBox box) { downloadConflictBox_ = std::move(box); }

    // Enter: the URL is taken, then the current tab's action runs.
    void runCurrentAction();
    // Escape: the current tab's action stops.
    void stopCurrentAction();
    // One tick of the graphs (the 2-second timer calls it, from an interactive login to
    // the session's end).
    void sampleGraphs();
    // The six lines of the current host's statistics (large layout, gathering on).
    void refreshStatistics();
    // The modal "Nubo Statistics Display Tool".
    void openStatisticsTool();

    // HostControllerListener, on the GUI thread.
    void hostStateChanged() override;
    void transferStarted(int64_t expectedSize, int64_t startMs) override;
    void transferProgress(int64_t bytes, int64_t nowMs) override;
    void transferEnded(int64_t bytes, int64_t endMs) override;
    void statisticsCounted() override;
    void sessionReady() override;
    void sessionFinished(const std::string& message) override;
    void hostControllerGone() override;
    // The message line: why the last session failed, until the user moves on.
    void showSessionMessage();

  signals:
    // A session ended; message says why when it failed (empty after an orderly end).
    void sessionOutcome(const QString& message);
    // A session logged in with no command-line transfer to run.
    void loggedIn();

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    QWidget* buildDialog();
    QWidget* buildGraphs();
    QWidget* buildList(QTreeWidget** list, QLineEdit** target, const QStringList& columns,
                       QPushButton* button);
    void connectDiagnostics(QtDiagnosticsSink& sink);
    void pingFinished();
    void takeDialogValues();
    void refreshUrlBox();
    void updateProxyTabs();
    // Ping and trace route without ICMP: their buttons say why they are off.
    void showIcmpRefusal();

    HostController& host_;
    bool classic_;
    QComboBox* url_ = nullptr;
    QLineEdit* user_ = nullptr;
    QLineEdit* password_ = nullptr;
    QCheckBox* save_ = nullptr;
    QLabel* keyringState_ = nullptr;
    QPushButton* connect_ = nullptr;
    QPushButton* logoff_ = nullptr;
    QPushButton* restart_ = nullptr;
    QPushButton* ping_ = nullptr;
    QPushButton* trace_ = nullptr;
    QLineEdit* connectedTo_ = nullptr;
    QLabel* message_ = nullptr;
    QLabel* messageIcon_ = nullptr;
    QToolButton* shortcut_ = nullptr;
    QTabWidget* tabs_ = nullptr;
    QWidget* pingTab_ = nullptr;
    QWidget* traceTab_ = nullptr;
    QTreeWidget* pingList_ = nullptr;
    QTreeWidget* traceList_ = nullptr;
    QLabel* pingStatus_ = nullptr;
    QLineEdit* pingTarget_ = nullptr;
    QLineEdit* traceTarget_ = nullptr;
    QToolButton* statisticsButton_ = nullptr;
    QListWidget* statistics_ = nullptr;
    QuestionBox questionBox_;
    CertificateBox certificateBox_;
    ConflictBox conflictBox_;
    DownloadConflictBox downloadConflictBox_;
    QTimer pingHold_;  // classic layout: Connect waits 1.5 s after a ping
    bool pinging_ = false;
    HistoryGraph* dataGraph_ = nullptr;
    HistoryGraph* controlGraph_ = nullptr;
    QComboBox* dataScale_ = nullptr;
    QComboBox* controlScale_ = nullptr;
    QLabel* rate_ = nullptr;
    QLabel* remaining_ = nullptr;
    QLabel* cumulative_ = nullptr;
    QLabel* total_ = nullptr;
    QTimer graphTimer_;
    GraphFeed feed_;
    RateMeter meter_;
    bool graphsOn_ = false;  // the large layout, not started for a command-line transfer
    bool hostAlive_ = true;  // the controller may go before the page (window teardown)
    bool refreshing_ = false;
    bool shownBefore_ = false;
};

}  // namespace nubo
