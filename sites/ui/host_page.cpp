#include "sites/ui/host_page.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "base/utf8_cut.h"
#include "engine/monotonic_clock.h"
#include "shell/ui/theme_icon.h"
#include "sites/statistics_table.h"
#include "sites/ui/certificate_dialog.h"
#include "sites/ui/download_conflict_dialog.h"
#include "sites/ui/host_exchange_dialog.h"
#include "sites/ui/qt_diagnostics_sink.h"
#include "sites/ui/statistics_delegate.h"
#include "sites/ui/statistics_dialog.h"
#include "sites/ui/upload_conflict_dialog.h"
#include "views/graph_scale.h"
#include "views/session_link.h"
#include "views/ui/history_graph.h"

namespace nubo {

namespace {

constexpr int kMaxCredentialBytes = 63;
constexpr const char* kSaveTip = "Remember password for this host";
constexpr int kPingHoldMs = 1500;
constexpr int kStatisticsIndent = 16;

// Keeps an edit's text within a number of UTF-8 bytes (what is stored), not UTF-16 units.
void limitBytes(QLineEdit* edit, int bytes) {
    QObject::connect(edit, &QLineEdit::textEdited, edit, [edit, bytes](const QString& text) {
        const std::string utf8 = text.toStdString();
        if (utf8.size() > static_cast<size_t>(bytes))
            edit->setText(QString::fromStdString(cutUtf8(utf8, static_cast<size_t>(bytes))));
    });
}

QToolButton* toolButton(QWidget* parent, const char* name, const char* icon, const char* text,
                        const char* tip) {
    auto* button = new QToolButton(parent);
    button->setObjectName(name);
    button->setIcon(themeIcon(icon));
    button->setText(text);  // shown only where the theme has no such icon
    button->setToolButtonStyle(button->icon().isNull() ? Qt::ToolButtonTextOnly
                                                       : Qt::ToolButtonIconOnly);
    button->setToolTip(tip);
    button->setAutoRaise(true);
    return button;
}

}  // namespace

HostPage::HostPage(HostController& host, QtDiagnosticsSink& sink, bool classic, QWidget* parent)
    : QWidget(parent), host_(host), classic_(classic) {
    auto* layout = new QVBoxLayout(this);
    QWidget* dialog = buildDialog();
    if (classic_) {
        layout->addWidget(dialog);
        pingStatus_ = new QLabel(this);
        pingStatus_->setObjectName("hostPingStatus");
        pingStatus_->setTextInteractionFlags(Qt::TextSelectableByMouse);
        layout->addWidget(pingStatus_);
        layout->addStretch();
    } else {
        tabs_ = new QTabWidget(this);
        tabs_->setObjectName("hostTabs");
        auto* connecting = new QWidget;
        auto* connectingLayout = new QVBoxLayout(connecting);
        auto* top = new QHBoxLayout;
        auto* dialogColumn = new QVBoxLayout;
        dialogColumn->addWidget(dialog);
        dialogColumn->addStretch();
        top->addLayout(dialogColumn, 1);
        statistics_ = new QListWidget(connecting);
        statistics_->setObjectName("hostStatisticsList");
        statistics_->setItemDelegate(new StatisticsDelegate(kStatisticsIndent, statistics_));
        statistics_->setSelectionMode(QAbstractItemView::NoSelection);
        statistics_->setFocusPolicy(Qt::NoFocus);
        statistics_->setToolTip("Statistics of this host");
        statistics_->setEnabled(false);
        // Six lines exactly: the value cell, the indent and a bar long enough to read.
        statistics_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        statistics_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        statistics_->setFixedSize(fontMetrics().averageCharWidth() * 28,
                                  6 * (fontMetrics().height() + 4) + 2 * statistics_->frameWidth());
        top->addWidget(statistics_);
        connectingLayout->addLayout(top);
        connectingLayout->addWidget(buildGraphs(), 1);
        tabs_->addTab(connecting, "Connecting");
        ping_ = new QPushButton("&Ping");
        ping_->setObjectName("hostPing");
        pingTab_ =
            buildList(&pingList_, &pingTarget_, {"Reply From", "Time", "TTL", "Message"}, ping_);
        trace_ = new QPushButton("&Trace");
        trace_->setObjectName("hostTrace");
        traceTab_ =
            buildList(&traceList_, &traceTarget_, {"#", "(1)", "(2)", "(3)", "Name"}, trace_);
        pingTab_->setObjectName("hostPingTab");
        traceTab_->setObjectName("hostTraceTab");
        pingList_->setObjectName("hostPingList");
        traceList_->setObjectName("hostTraceList");
        updateProxyTabs();
        layout->addWidget(tabs_);
    }
    if (ping_ != nullptr) {
        connect(ping_, &QPushButton::clicked, this, [this] {
            takeDialogValues();
            if (pingList_ != nullptr)
                pingList_->clear();
            if (host_.diagnostics().ping() && classic_) {
                // Connect stays off from here until the hold after the end, however fast a
                // ping of the loopback is over.
                pinging_ = true;
                pingStatus_->clear();
            }
            hostStateChanged();
            if (classic_)
                url_->setFocus();  // on its own tab the large layout's box is out of sight
        });
    }
    if (trace_ != nullptr) {
        connect(trace_, &QPushButton::clicked, this, [this] {
            takeDialogValues();
            traceList_->clear();
            host_.diagnostics().traceRoute();
            hostStateChanged();
        });
    }
    connectDiagnostics(sink);
    graphsOn_ = dataGraph_ != nullptr && host_.control().liveGraphs();
    if (graphsOn_) {
        for (HistoryGraph* graph : {dataGraph_, controlGraph_})
            graph->setup(12, 2, QColor(0, 128, 0), Qt::black);
        dataGraph_->addSeries(Qt::green);
        dataGraph_->addSeries(Qt::red);
        controlGraph_->addSeries(Qt::yellow);
        controlGraph_->addSeries(Qt::magenta);
    }
    pingHold_.setSingleShot(true);
    pingHold_.setInterval(kPingHoldMs);
    connect(&pingHold_, &QTimer::timeout, this, [this] {
        if (!hostAlive_)
            return;
        host_.diagnostics().showStatus({});
        pingStatus_->clear();
        hostStateChanged();
    });
    questionBox_ = [this](const QString& title, const QString& text) {
        return QMessageBox::warning(this, title, text,
                                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    };
    graphTimer_.setInterval(GraphFeed::kTickMs);
    connect(&graphTimer_, &QTimer::timeout, this, &HostPage::sampleGraphs);
    host_.control().setRestartQuestion([this](const std::string& url) {
        const auto answer = questionBox_(
            "Restart Question", QString::fromStdString("Preserve restart info for '" + url +
                                                       "'?\n\n(NO will discard restart info!)"));
        return answer == QMessageBox::Yes  ? SessionControl::RestartAnswer::Yes
               : answer == QMessageBox::No ? SessionControl::RestartAnswer::No
                                           : SessionControl::RestartAnswer::Cancel;
    });
    certificateBox_ = [this](const QString& host, unsigned port, const TlsCertificateFacts& f) {
        return CertificateDialog(host, port, f, this).ask();
    };
    host_.control().setCertificateQuestion(
        [this](const std::string& host, unsigned port, const TlsCertificateFacts& facts) {
            return certificateBox_(QString::fromStdString(host), port, facts);
        });
    conflictBox_ = [this](const UploadConflict& conflict) {
        return UploadConflictDialog(conflict, this).ask();
    };
    host_.control().setUploadConflictQuestion(
        [this](const UploadConflict& conflict) { return conflictBox_(conflict); });
    downloadConflictBox_ = [this](const DownloadConflict& conflict) {
        return DownloadConflictDialog(conflict, this).ask();
    };
    host_.control().setDownloadConflictQuestion(
        [this](const DownloadConflict& conflict) { return downloadConflictBox_(conflict); });
    host_.setListener(this);
    refreshUrlBox();
    hostStateChanged();
}

HostPage::~HostPage() {
    // Children still signal while QWidget tears them down (a focused box reports the end
    // of its editing): by then this page is gone.
    for (QObject* child : findChildren<QObject*>())
        disconnect(child, nullptr, this, nullptr);
    if (hostAlive_) {
        host_.setListener(nullptr);
        host_.control().setRestartQuestion({});  // it would ask through this page
        host_.control().setCertificateQuestion({});
        host_.control().setUploadConflictQuestion({});
        host_.control().setDownloadConflictQuestion({});
    }
}

void HostPage::hostControllerGone() {
    hostAlive_ = false;
    graphTimer_.stop();
    pingHold_.stop();
}

void HostPage::connectDiagnostics(QtDiagnosticsSink& sink) {
    connect(&sink, &QtDiagnosticsSink::pingRowAdded, this, [this](const QStringList& row) {
        if (pingList_ != nullptr)
            new QTreeWidgetItem(pingList_, row);
    });
    connect(&sink, &QtDiagnosticsSink::traceRowAdded, this, [this](const QStringList& row) {
        if (traceList_ != nullptr)
            new QTreeWidgetItem(traceList_, row);
    });
    connect(&sink, &QtDiagnosticsSink::targetChanged, this, [this](bool ping, const QString& text) {
        if (classic_) {
            pingStatus_->setText(text);
            if (hostAlive_)
                host_.diagnostics().showStatus(text.toStdString());
            return;
        }
        QLineEdit* target = ping ? pingTarget_ : traceTarget_;
        target->setText(text);
        target->setEnabled(true);
    });
    connect(&sink, &QtDiagnosticsSink::pingStatusChanged, this, [this](const QString& text) {
        if (!classic_)
            return;
        pingStatus_->setText(text);
        if (hostAlive_)
            host_.diagnostics().showStatus(text.toStdString());
    });
    connect(&sink, &QtDiagnosticsSink::operationFinished, this, [this](bool ping) {
        if (!classic_)
            (ping ? pingTarget_ : traceTarget_)->setEnabled(false);
        else if (ping) {
            pinging_ = false;
            pingHold_.start();  // the line stays readable a moment before it goes
        }
        if (hostAlive_)
            hostStateChanged();
    });
}

void HostPage::refreshStatistics() {
    if (statistics_ == nullptr || !hostAlive_)
        return;
    statistics_->clear();
    StatisticsDatabase& database = host_.control().statistics();
    const std::vector<StatisticsTable::Row> rows =
        host_.control().statisticsOn() && !database.currentHost().empty()
            ? StatisticsTable::hostRows(database, database.currentHost())
            : std::vector<StatisticsTable::Row>{};
    for (const StatisticsTable::Row& row : rows) {
        auto* item = new QListWidgetItem(QString::fromStdString(row.text), statistics_);
        item->setData(Qt::UserRole, row.record);
    }
    statistics_->setEnabled(!rows.empty());
}

void HostPage::showSessionMessage() {
    std::string text = host_.control().sessionMessage();
    if (text.empty())
        text = host_.selection().keyringMessage();
    const QString message = QString::fromStdString(text);
    if (message_->text() != message) {
        message_->setText(message);
        messageIcon_->setVisible(!message.isEmpty());
    }
}

void HostPage::sessionFinished(const std::string& message) {
    // Nothing flows any more: a rate and a time left would say otherwise.
    if (graphsOn_) {
        rate_->clear();
        remaining_->clear();
    }
    emit sessionOutcome(QString::fromStdString(message));
}

void HostPage::statisticsCounted() {
    refreshStatistics();
}

void HostPage::openStatisticsTool() {
    StatisticsDialog dialog(host_.control().statistics(), this);
    dialog.exec();
    refreshStatistics();  // the current host may be gone
}

QWidget* HostPage::buildDialog() {
    auto* dialog = new QWidget;
    auto* grid = new QGridLayout(dialog);
    grid->setContentsMargins(0, 0, 0, 0);
    url_ = new QComboBox(dialog);
    url_->setObjectName("hostUrl");
    url_->setEditable(true);
    url_->setInsertPolicy(QComboBox::NoInsert);
    url_->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    url_->setToolTip("FTP site: ftp://[user[:password]@]host[:port][/folder]");
    connect(url_, QOverload<int>::of(&QComboBox::activated), this,
            [this](int index) { host_.selection().selectSite(index); });
    connect(url_->lineEdit(), &QLineEdit::textEdited, this, [this](const QString& text) {
        host_.selection().setUrlText(text.toStdString());
        showSessionMessage();
    });
    connect(url_->lineEdit(), &QLineEdit::returnPressed, this, &HostPage::runCurrentAction);
    connect(url_->lineEdit(), &QLineEdit::editingFinished, this, [this] {
        // The box loses its focus also while the window closes, perhaps after the
        // controller has gone.
        if (hostAlive_ && !refreshing_ && host_.selection().selectedIndex() < 0)
            host_.selection().acceptTypedUrl();
    });
    shortcut_ = toolButton(dialog, "hostShortcut", "insert-link", "Shortcut",
                           "Create Nubo Shortcut to selected host entry");
    QToolButton* clone = toolButton(dialog, "hostClone", "edit-copy", "Clone",
                                    "Clone (duplicate) selected host entry");
    QToolButton* remove =
        toolButton(dialog, "hostRemove", "edit-delete", "Remove", "Remove selected host entry");
    QToolButton* exchange = toolButton(dialog, "hostExchange", "document-send", "Import/Export",
                                       "Start host Import/Export tool");
    statisticsButton_ = toolButton(dialog, "hostStatistics", "x-office-spreadsheet", "Statistics",
                                   "Start host Statistics display tool");
    connect(statisticsButton_, &QToolButton::clicked, this, &HostPage::openStatisticsTool);
    connect(exchange, &QToolButton::clicked, this, [this] {
        HostExchangeDialog dialog(host_.selection().sites(), &host_.selection().passwords(), this);
        dialog.setAddedHandler([this](const std::vector<std::string>& names) {
            for (const std::string& name : names)
                host_.selection().sites().addToUrlBox(name);
            refreshUrlBox();
        });
        dialog.exec();
    });
    connect(shortcut_, &QToolButton::clicked, this, [this] { host_.selection().createShortcut(); });
    connect(clone, &QToolButton::clicked, this, [this] {
        host_.selection().cloneSite();
        refreshUrlBox();
        url_->lineEdit()->selectAll();
        url_->setFocus();
    });
    connect(remove, &QToolButton::clicked, this, [this] {
        const std::string question = host_.selection().removeQuestion();
        if (question.empty())
            return;
        QMessageBox box(QMessageBox::Question, "Remove Host Entry",
                        QString::fromStdString(question), QMessageBox::Yes | QMessageBox::No, this);
        box.setObjectName("hostRemoveQuestion");
        box.setDefaultButton(QMessageBox::No);
        if (box.exec() != QMessageBox::Yes)
            return;
        host_.selection().removeSite();
        refreshUrlBox();
    });
    auto* tools = new QHBoxLayout;
    tools->setSpacing(0);
    for (QToolButton* button : {shortcut_, clone, remove, exchange, statisticsButton_})
        tools->addWidget(button);

    user_ = new QLineEdit(dialog);
    user_->setObjectName("hostUser");
    user_->setToolTip("User name on FTP server - BLANK for \"anonymous\"");
    limitBytes(user_, kMaxCredentialBytes);
    password_ = new QLineEdit(dialog);
    password_->setObjectName("hostPassword");
    password_->setEchoMode(QLineEdit::Password);
    for (QLineEdit* edit : {user_, password_})
        edit->setMinimumWidth(fontMetrics().averageCharWidth() * 14);
    password_->setToolTip("Password - BLANK with \"anonymous\" login");
    limitBytes(password_, kMaxCredentialBytes);
    save_ = new QCheckBox("&Save password", dialog);
    save_->setObjectName("hostSavePassword");
    save_->setToolTip(kSaveTip);
    // Shown when no keyring answers: what "Save password" then does, in its tooltip.
    keyringState_ = new QLabel(dialog);
    keyringState_->setObjectName("hostKeyringState");
    const int stateSize = fontMetrics().height();
    keyringState_->setPixmap(themeIcon("dialog-warning").pixmap(stateSize, stateSize));
    keyringState_->setToolTip(SitePasswords::kScrambledNote);
    keyringState_->hide();
    // What the user types is the controller's at once: a refresh of the page for
    // anything else (a setting, the end of a ping or a session) shows it unchanged.
    connect(user_, &QLineEdit::textEdited, this,
            [this] { host_.selection().setUserName(user_->text().toStdString()); });
    connect(password_, &QLineEdit::textEdited, this,
            [this] { host_.selection().setPassword(password_->text().toStdString()); });
    connect(save_, &QCheckBox::clicked, this,
            [this](bool on) { host_.selection().setSavePassword(on); });
    connect_ = new QPushButton("&Connect", dialog);
    connect_->setObjectName("hostConnect");
    connect_->setToolTip("Logon (connect) to FTP server");
    logoff_ = new QPushButton("&Logoff", dialog);
    logoff_->setObjectName("hostLogoff");
    logoff_->setToolTip("Logoff (disconnect) from FTP server");
    restart_ = new QPushButton("Re&start", dialog);
    restart_->setObjectName("hostRestart");
    restart_->setToolTip("Resume interrupted file transfer");
    connectedTo_ = new QLineEdit(dialog);
    connectedTo_->setObjectName("hostConnectedTo");
    connectedTo_->setReadOnly(true);
    auto* connectedLabel = new QLabel("&Connected To:", dialog);
    connectedLabel->setBuddy(connectedTo_);
    connect(connect_, &QPushButton::clicked, this, [this] {
        takeDialogValues();
        host_.control().connect();
        hostStateChanged();
        url_->lineEdit()->selectAll();
        url_->setFocus();  // the next site can be typed at once
    });
    // The button goes grey under the keys: the focus goes back to the URL box, not on
    // to whatever follows the button.
    connect(logoff_, &QPushButton::clicked, this, [this] {
        host_.control().logoff();
        url_->setFocus();
    });
    connect(restart_, &QPushButton::clicked, this, [this] {
        takeDialogValues();
        host_.control().restart();
        refreshUrlBox();
        hostStateChanged();
        url_->setFocus();
    });

    auto* urlLabel = new QLabel("&URL:", dialog);
    urlLabel->setBuddy(url_);
    grid->addWidget(urlLabel, 0, 0);
    grid->addWidget(url_, 0, 1, 1, 3);
    grid->addLayout(tools, 0, 4);
    auto* userLabel = new QLabel("User &name:", dialog);
    userLabel->setBuddy(user_);
    auto* passwordLabel = new QLabel("Pass&word:", dialog);
    passwordLabel->setBuddy(password_);
    grid->addWidget(userLabel, 1, 0);
    grid->addWidget(user_, 1, 1);
    grid->addWidget(passwordLabel, 1, 2);
    grid->addWidget(password_, 1, 3);
    auto* saveRow = new QHBoxLayout;
    saveRow->setSpacing(2);
    saveRow->addWidget(save_);
    saveRow->addWidget(keyringState_);
    saveRow->addStretch();
    grid->addLayout(saveRow, 1, 4);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(connect_);
    buttons->addWidget(logoff_);
    buttons->addWidget(restart_);
    if (classic_) {
        ping_ = new QPushButton("&Ping", dialog);
        ping_->setObjectName("hostPing");
        buttons->addWidget(ping_);
    }
    buttons->addStretch();
    grid->addLayout(buttons, 2, 0, 1, 5);
    grid->addWidget(connectedLabel, 3, 0);
    grid->addWidget(connectedTo_, 3, 1, 1, 4);
    grid->setColumnStretch(1, 1);
    // Why the last session failed or ended, in the log's words; empty otherwise.
    message_ = new QLabel(dialog);
    message_->setObjectName("hostMessage");
    message_->setWordWrap(true);
    message_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    message_->setTextFormat(Qt::PlainText);
    messageIcon_ = new QLabel(dialog);
    messageIcon_->setObjectName("hostMessageIcon");
    const int iconSize = fontMetrics().height();
    messageIcon_->setPixmap(themeIcon("dialog-warning").pixmap(iconSize, iconSize));
    messageIcon_->hide();
    auto* messageRow = new QHBoxLayout;
    messageRow->addWidget(messageIcon_, 0, Qt::AlignTop);
    messageRow->addWidget(message_, 1);
    grid->addLayout(messageRow, 4, 0, 1, 5);
    grid->setColumnStretch(3, 1);

    // Tab goes through the fields and buttons first; the tool buttons beside the URL box
    // come last, so that Tab from the URL box reaches the user name.
    std::vector<QWidget*> order = {url_, user_, password_, save_, connect_, logoff_, restart_};
    if (classic_)
        order.push_back(ping_);
    order.push_back(connectedTo_);
    for (QToolButton* button : {shortcut_, clone, remove, exchange, statisticsButton_})
        order.push_back(button);
    for (size_t i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
    return dialog;
}

QWidget* HostPage::buildGraphs() {
    auto* box = new QWidget;
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(0, 0, 0, 0);
    dataGraph_ = new HistoryGraph(box);
    controlGraph_ = new HistoryGraph(box);
    dataScale_ = new QComboBox(box);
    controlScale_ = new QComboBox(box);
    for (const std::string& label : GraphScale::comboLabels(true))
        dataScale_->addItem(QString::fromStdString(label));
    for (const std::string& label : GraphScale::comboLabels(false))
        controlScale_->addItem(QString::fromStdString(label));
    dataScale_->setToolTip("Scale of the DATA connection graph");
    controlScale_->setToolTip("Scale of the CONTROL connection graph");
    feed_.dataScale().choose(0);
    feed_.controlScale().choose(0);
    connect(dataScale_, QOverload<int>::of(&QComboBox::activated), this, [this](int index) {
        feed_.dataScale().choose(index);
        dataGraph_->setScale(feed_.dataScale().scale());
    });
    connect(controlScale_, QOverload<int>::of(&QComboBox::activated), this, [this](int index) {
        feed_.controlScale().choose(index);
        controlGraph_->setScale(feed_.controlScale().scale());
    });
    const auto legend = [box](QColor read, QColor write) {
        auto* row = new QHBoxLayout;
        row->addWidget(new ColorSwatch(read, box));
        row->addWidget(new QLabel("Read", box));
        row->addWidget(new ColorSwatch(write, box));
        row->addWidget(new QLabel("Write", box));
        row->addStretch();
        return row;
    };
    grid->addWidget(new QLabel("DATA", box), 0, 0);
    grid->addLayout(legend(Qt::green, Qt::red), 0, 1);
    grid->addWidget(dataScale_, 0, 2);
    grid->addWidget(dataGraph_, 1, 0, 1, 3);
    grid->addWidget(new QLabel("CONTROL", box), 0, 3);
    grid->addLayout(legend(Qt::yellow, Qt::magenta), 0, 4);
    grid->addWidget(controlScale_, 0, 5);
    grid->addWidget(controlGraph_, 1, 3, 1, 3);
    rate_ = new QLabel(box);
    rate_->setObjectName("hostRate");
    remaining_ = new QLabel(box);
    remaining_->setObjectName("hostRemaining");
    cumulative_ = new QLabel(box);
    cumulative_->setObjectName("hostAverageRate");
    total_ = new QLabel(box);
    total_->setObjectName("hostTotal");
    auto* fields = new QHBoxLayout;
    for (auto [field, unit] : {std::pair{rate_, "KB/s"}, std::pair{remaining_, "remaining"},
                               std::pair{cumulative_, "KB/s"}, std::pair{total_, "total"}}) {
        field->setFrameShape(QFrame::StyledPanel);
        field->setMinimumWidth(fontMetrics().averageCharWidth() * 11);
        field->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        fields->addWidget(field);
        fields->addWidget(new QLabel(unit, box));
    }
    fields->addStretch();
    grid->addLayout(fields, 2, 0, 1, 6);
    grid->setRowStretch(1, 1);
    return box;
}

QWidget* HostPage::buildList(QTreeWidget** list, QLineEdit** target, const QStringList& columns,
                             QPushButton* button) {
    auto* tab = new QWidget(this);  // owned even while a proxy keeps it off the tabs
    auto* layout = new QVBoxLayout(tab);
    *target = new QLineEdit(tab);
    (*target)->setReadOnly(true);
    (*target)->setEnabled(false);
    (*target)->setToolTip("The host and its address");
    auto* targetRow = new QHBoxLayout;
    auto* targetLabel = new QLabel("Target:", tab);
    targetLabel->setBuddy(*target);
    targetRow->addWidget(targetLabel);
    targetRow->addWidget(*target, 1);
    layout->addLayout(targetRow);
    *list = new QTreeWidget(tab);
    (*list)->setHeaderLabels(columns);
    (*list)->setRootIsDecorated(false);
    (*list)->setUniformRowHeights(true);
    // Narrow number columns; the last one (message or name) takes the rest.
    const int unit = fontMetrics().averageCharWidth();
    for (int column = 0; column + 1 < columns.size(); ++column)
        (*list)->setColumnWidth(column, unit * (columns[column].size() > 4 ? 18 : 8));
    layout->addWidget(*list, 1);
    auto* row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(button);
    layout->addLayout(row);
    return tab;
}

void HostPage::updateProxyTabs() {
    if (tabs_ == nullptr)
        return;
    // Only a proxy takes the tabs away; without ICMP they stay, their buttons off.
    const bool allowed = host_.diagnostics().diagnosticsOffered();
    const bool shown = tabs_->indexOf(pingTab_) >= 0;
    if (allowed && !shown) {
        tabs_->addTab(pingTab_, "Pinging");
        tabs_->addTab(traceTab_, "Tracing Routes");
    } else if (!allowed && shown) {
        tabs_->setCurrentIndex(0);
        tabs_->removeTab(tabs_->indexOf(traceTab_));
        tabs_->removeTab(tabs_->indexOf(pingTab_));
    }
}

void HostPage::showIcmpRefusal() {
    const QString why = QString::fromStdString(host_.diagnostics().icmpRefusal());
    const std::pair<QPushButton*, const char*> buttons[] = {
        {ping_, "See if host is accessible"}, {trace_, "Trace the route to the host"}};
    for (const auto& [button, tip] : buttons) {
        if (button != nullptr)
            button->setToolTip(why.isEmpty() ? tip : QString(tip) + "\n\n" + why);
    }
}

void HostPage::takeDialogValues() {
    // A typed URL is taken first (leaving the box for a button takes it as well).
    if (host_.selection().selectedIndex() < 0)
        host_.selection().acceptTypedUrl();
    host_.selection().setUserName(user_->text().toStdString());
    host_.selection().setPassword(password_->text().toStdString());
    host_.selection().setSavePassword(save_->isChecked());
}

void HostPage::refreshUrlBox() {
    refreshing_ = true;
    url_->clear();
    for (const std::string& entry : host_.selection().urlBox())
        url_->addItem(QString::fromStdString(entry));
    url_->setCurrentIndex(host_.selection().selectedIndex());
    url_->setEditText(QString::fromStdString(host_.selection().urlText()));
    refreshing_ = false;
}

void HostPage::hostStateChanged() {
    // A site chosen shows its own name: a URL typed with its password in it, for a site
    // already listed, must not stay on screen as typed.
    const bool chosen = host_.selection().selectedIndex() >= 0;
    if (url_->count() != static_cast<int>(host_.selection().urlBox().size()) ||
        (chosen && url_->currentIndex() != host_.selection().selectedIndex()) ||
        (chosen && url_->currentText().toStdString() != host_.selection().urlText()))
        refreshUrlBox();
    if (user_->text().toStdString() != host_.selection().userName())
        user_->setText(QString::fromStdString(host_.selection().userName()));
    if (password_->text().toStdString() != host_.selection().password())
        password_->setText(QString::fromStdString(host_.selection().password()));
    save_->setChecked(host_.selection().savePassword());
    const bool scrambled =
        host_.selection().passwords().keyring() == SitePasswords::Keyring::Absent;
    keyringState_->setVisible(scrambled);
    save_->setToolTip(scrambled ? QString(kSaveTip) + "\n\n" + SitePasswords::kScrambledNote
                                : QString(kSaveTip));
    // The classic layout keeps Connect off while its ping line shows.
    connect_->setEnabled(host_.control().connectEnabled() &&
                         !(classic_ && (pinging_ || pingHold_.isActive())));
    logoff_->setEnabled(host_.control().logoffEnabled());
    restart_->setVisible(host_.control().restartVisible());
    connectedTo_->setText(QString::fromStdString(host_.control().connectedTo()));
    showSessionMessage();
    shortcut_->setEnabled(host_.selection().shortcutEnabled());
    if (ping_ != nullptr)
        ping_->setEnabled(host_.diagnostics().pingEnabled() && !host_.diagnostics().pingRunning());
    if (trace_ != nullptr)
        trace_->setEnabled(host_.diagnostics().pingEnabled() &&
                           !host_.diagnostics().traceRunning());
    showIcmpRefusal();
    updateProxyTabs();
    // The graph timer ends with the session; it starts in sessionReady.
    if (!host_.control().sessionActive())
        graphTimer_.stop();
}

void HostPage::sessionReady() {
    emit loggedIn();
    if (!graphsOn_ || !hostAlive_)
        return;
    refreshStatistics();
    dataGraph_->reset();
    controlGraph_->reset();
    meter_.sessionStarted();
    for (QLabel* field : {rate_, remaining_, cumulative_, total_})
        field->clear();
    feed_.sessionStarted(monotonicMilliseconds());
    // Auto chooses again for each session: another server may be a thousand times slower.
    for (auto [scale, box] : {std::pair{&feed_.dataScale(), dataScale_},
                              std::pair{&feed_.controlScale(), controlScale_}}) {
        if (scale->automatic()) {
            scale->choose(0);
            box->setCurrentIndex(0);
        }
    }
    graphTimer_.start();
}

void HostPage::sampleGraphs() {
    if (!hostAlive_)
        return;
    const SessionLink& link = host_.control().link();
    if (!link.connected() || !graphsOn_)
        return;
    const SessionLink::Traffic traffic = link.takeTraffic();
    const GraphFeed::Tick tick =
        feed_.tick(monotonicMilliseconds(), traffic.dataReceived, traffic.dataSent,
                   traffic.controlReceived, traffic.controlSent);
    dataGraph_->setScale(feed_.dataScale().scale());
    controlGraph_->setScale(feed_.controlScale().scale());
    if (tick.dataScaleChosen)
        dataScale_->setCurrentIndex(feed_.dataScale().comboIndex());
    if (tick.controlScaleChosen)
        controlScale_->setCurrentIndex(feed_.controlScale().comboIndex());
    dataGraph_->addSample({tick.dataRead, tick.dataWritten});
    controlGraph_->addSample({tick.controlRead, tick.controlWritten});
}

void HostPage::transferStarted(int64_t expectedSize, int64_t startMs) {
    meter_.transferStarted(expectedSize, startMs);
}

void HostPage::transferProgress(int64_t bytes, int64_t nowMs) {
    if (!graphsOn_)
        return;
    const RateMeter::Texts texts = meter_.progress(bytes, nowMs);
    const std::pair<QLabel*, const std::string*> fields[] = {{rate_, &texts.rate},
                                                             {remaining_, &texts.remaining},
                                                             {cumulative_, &texts.cumulative},
                                                             {total_, &texts.total}};
    for (const auto& [field, text] : fields) {
        const QString shown = QString::fromStdString(*text);
        if (field->text() != shown)
            field->setText(shown);  // rewritten only when the text changes
    }
}

void HostPage::transferEnded(int64_t bytes, int64_t endMs) {
    meter_.transferEnded(bytes, endMs);
}

void HostPage::runCurrentAction() {
    const int tab = tabs_ != nullptr ? tabs_->currentIndex() : 0;
    if (tab == 1 && ping_ != nullptr) {
        ping_->click();
    } else if (tab == 2 && trace_ != nullptr) {
        trace_->click();
    } else {
        takeDialogValues();
        host_.control().connect();
        url_->lineEdit()->selectAll();
        url_->setFocus();
    }
    hostStateChanged();
}

void HostPage::stopCurrentAction() {
    const int tab = tabs_ != nullptr ? tabs_->currentIndex() : 0;
    if (tab == 1)
        host_.diagnostics().stopPing();
    else if (tab == 2)
        host_.diagnostics().stopTraceRoute();
    else
        host_.control().cancelConnect();
}

void HostPage::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!shownBefore_) {
        // The window opens ready for a URL; the window takes its focus as it activates.
        shownBefore_ = true;
        url_->lineEdit()->selectAll();  // typing replaces the last site, as in a browser
        url_->setFocus();
    }
}

void HostPage::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        // In the URL box the box's own returnPressed has run the action already.
        if (!url_->lineEdit()->hasFocus())
            runCurrentAction();
        return;
    }
    if (event->key() == Qt::Key_Escape && !url_->view()->isVisible()) {
        stopCurrentAction();
        return;
    }
    QWidget::keyPressEvent(event);
}

}  // namespace nubo
