#include "views/ui/remote_page.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QDragEnterEvent>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QMimeData>
#include <QPointer>
#include <QSplitter>
#include <QStackedWidget>
#include <QToolBar>
#include <QToolButton>
#include <QTreeView>
#include <QVBoxLayout>
#include <algorithm>
#include <memory>
#include <string_view>

#include "base/app_log.h"
#include "base/config_store.h"
#include "engine/ftp_url.h"
#include "engine/remote_search.h"
#include "engine/session_context.h"
#include "shell/ui/theme_icon.h"
#include "sites/host_controller.h"
#include "sites/time_zone_table.h"
#include "views/drop_decision.h"
#include "views/entry_properties.h"
#include "views/remote_directory_model.h"
#include "views/session_link.h"
#include "views/type_table.h"
#include "views/ui/bookmark_menu.h"
#include "views/ui/directory_views.h"
#include "views/ui/filter_bar.h"
#include "views/ui/find_dialog.h"
#include "views/ui/properties_dialog.h"
#include "views/ui/remote_table_model.h"
#include "views/ui/transfers_pane.h"
#include "views/ui/view_box.h"

namespace nubo {

namespace {

const char* const kGetTexts[] = {"&Get file(s) as Ascii (text)...",
                                 "&Get file(s) as Image (binary)...",
                                 "&Get file(s) as \"Smart\" (auto)..."};

QStringList localPaths(const QMimeData* mime) {
    QStringList paths;
    if (mime == nullptr || !mime->hasUrls())
        return paths;
    for (const QUrl& url : mime->urls()) {
        if (url.isLocalFile())
            paths << url.toLocalFile();
    }
    return paths;
}

// Whether a drop of that data on the remote view uploads.
bool uploads(const QMimeData* mime, bool connected) {
    DropSituation situation;
    situation.target = DropView::Remote;
    situation.connected = connected;
    if (!localPaths(mime).isEmpty())
        situation.payload = DropPayload::LocalFiles;
    else if (mime != nullptr && mime->hasFormat(RemoteTableModel::kMimeType))
        situation.payload = DropPayload::RemoteEntries;
    return decideDrop(situation) == DropAction::Upload;
}

}  // namespace

RemotePage::RemotePage(RemoteDirectoryModel& model, TypeTable& types, HostController& host,
                       ConfigStore& config, AppLog& log, bool classic, QWidget* parent)
    : QWidget(parent),
      model_(model),
      types_(types),
      host_(host),
      config_(config),
      log_(log),
      classic_(classic),
      planner_(config) {
    question_ = [this](const QString& title, const QString& text,
                       QMessageBox::StandardButtons buttons) {
        return showViewBox(this, title, text, buttons);
    };
    chooser_ = [this](const QString& title, const QString& start) {
        return QFileDialog::getExistingDirectory(this, title, start);
    };
    properties_ = [this](const EntryProperties& properties) {
        const std::vector<int> chosen = selectedEntries();
        const int row = chosen.empty() ? -1 : table_->rowOf(chosen.front());
        const QIcon icon =
            properties.multiple
                ? themeIcon("edit-select-all")
                : table_->data(table_->index(row, 0), Qt::DecorationRole).value<QIcon>();
        PropertiesDialog dialog(properties, icon, this);
        dialog.exec();
        if (const std::optional<ModeChange> change = dialog.modeChange())
            model_.changeModes(model_.selection(chosen), *change);
    };
    // Sorting by type follows the names the table shows.
    model_.setTypeTable(&types_);
    types_.setLocalIcons(config_.GetInt("LocalIcons") != 0);
    localIconsWatch_ = config_.Subscribe("LocalIcons", [this](const std::string&) {
        types_.setLocalIcons(config_.GetInt("LocalIcons") != 0);
    });
    table_ = new RemoteTableModel(model_, types_, this);
    auto* layout = new QVBoxLayout(this);
    buildToolBar();
    toolRow_ = new QHBoxLayout;
    toolRow_->addWidget(tools_, 1);
    layout->addLayout(toolRow_);
    buildViews();
    // The filter box stands above the list, in every view mode.
    auto* viewArea = new QWidget(this);
    viewArea->setObjectName("remoteViewArea");
    auto* viewColumn = new QVBoxLayout(viewArea);
    viewColumn->setContentsMargins(0, 0, 0, 0);
    viewColumn->setSpacing(0);
    viewColumn->addWidget(filter_);
    viewColumn->addWidget(views_, 1);
    if (classic_) {
        buildTransfersPane(viewArea);
    } else {
        splitter_ = new QSplitter(Qt::Horizontal, this);
        splitter_->addWidget(viewArea);
        splitter_->setChildrenCollapsible(false);
        buildTransfersPane(splitter_);
    }
    layout->addWidget(paneSplitter_, 1);
    auto* bar = new QHBoxLayout;
    bar->setSpacing(2);
    // Classic: the remote text, then the FTP echo; new: local, echo, remote.
    const std::vector<int> widths =
        classic_ ? std::vector<int>{35, 65} : std::vector<int>{25, 49, 26};
    const std::vector<const char*> names =
        classic_ ? std::vector<const char*>{"remoteStatus", "echoStatus"}
                 : std::vector<const char*>{"localStatus", "echoStatus", "remoteStatus"};
    for (size_t i = 0; i < widths.size(); ++i) {
        const int width = widths[i];
        auto* part = new QLabel(this);
        part->setObjectName(names[i]);
        part->setFrameShape(QFrame::StyledPanel);
        part->setFrameShadow(QFrame::Sunken);
        // The counts are never cut short while there is room (their text is their least
        // width); the FTP echo gives way, down to nothing.
        if (std::string_view(names[i]) == "echoStatus") {
            part->setMinimumWidth(1);
            part->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
        } else {
            part->setSizePolicy(QSizePolicy::Minimum, QSizePolicy::Preferred);
        }
        bar->addWidget(part, width);
        status_.push_back(part);
    }
    layout->addLayout(bar);
    setAcceptDrops(true);

    connect(table_, &RemoteTableModel::contentsChanged, this, &RemotePage::updateStatus);
    connect(table_, &RemoteTableModel::contentsChanged, this, &RemotePage::revealWhenShown);
    connect(table_, &RemoteTableModel::pathChanged, this, &RemotePage::refreshPathBox);
    connect(table_, &RemoteTableModel::busyChangedQueued, this, &RemotePage::busy);
    connect(table_, &RemoteTableModel::connectionChangedQueued, this, &RemotePage::connected);
    connect(table_, &RemoteTableModel::entryGoneQueued, this,
            [this](const QString& directory, const QString& name) {
                if (find_ != nullptr)
                    find_->dropFound(directory.toStdString(), name.toStdString());
            });
    connect(table_, &RemoteTableModel::permissionsAppliedQueued, this,
            [this](const QStringList& refusals) {
                if (!refusals.isEmpty())
                    question_(
                        "Permissions",
                        "The server refused to change the permissions of:\n" + refusals.join('\n'),
                        QMessageBox::Ok);
            });
    connect(table_, &DirectoryTableModel::nameEdited, this, &RemotePage::nameEdited);
    connected(connectedNow());
    log_.AddListener(this);
}

RemotePage::~RemotePage() {
    delete find_;
    log_.RemoveListener(this);
    config_.Unsubscribe(localIconsWatch_);
    for (QObject* child : findChildren<QObject*>())
        disconnect(child, nullptr, this, nullptr);
}

void RemotePage::buildToolBar() {
    tools_ = new QToolBar(this);
    tools_->setObjectName("remoteTools");
    tools_->setIconSize(QSize(16, 16));
    // The mode buttons must show at a glance whether they are on.
    tools_->setStyleSheet(
        "QToolButton:checked { background-color: palette(midlight); "
        "border: 1px solid palette(dark); border-radius: 3px; }");
    const auto check = [this](const char* name, const char* text, const char* tip) {
        QAction* action = tools_->addAction(text);
        action->setObjectName(name);
        action->setToolTip(tip);
        action->setCheckable(true);
        return action;
    };
    forceAscii_ = check("remoteAscii", "ASCII", "FORCE ASCII (text) transfer mode");
    forceImage_ = check("remoteImage", "Image", "FORCE Image (binary) transfer mode");
    updateOnly_ = check("remoteUpdateOnly", "Update-ONLY", "Enable \"Update-ONLY\" transfers");
    updateOnly_->setChecked(config_.GetInt("UpdateONLY") != 0);
    tools_->addSeparator();
    path_ = new QComboBox(tools_);
    path_->setObjectName("remotePath");
    path_->setEditable(true);
    path_->setInsertPolicy(QComboBox::NoInsert);
    path_->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    path_->setToolTip("Remote folder: type a path and press Enter, or pick one seen before");
    tools_->addWidget(path_);
    tools_->addSeparator();
    const auto button = [this](const char* name, const char* icon, const char* text,
                               const char* tip) {
        QAction* action = tools_->addAction(themeIcon(icon), text);
        action->setObjectName(name);
        action->setToolTip(tip);
        return action;
    };
    back_ = button("remoteBack", "go-previous", "Back", "Back (to previous directory)");
    up_ = button("remoteUp", "go-up", "Up", "Up one level (to parent directory)");
    const QColor ink = palette().color(QPalette::ButtonText);
    back_->setIcon(solidToolIcon("go-previous", ink));
    up_->setIcon(solidToolIcon("go-up", ink));
    tools_->addSeparator();
    newFolder_ = button("remoteNewFolder", "folder-new", "New folder", "Create new REMOTE folder");
    stop_ = button("remoteStop", "process-stop", "STOP", "STOP current transfer!");
    stop_->setVisible(false);
    connect(back_, &QAction::triggered, this, [this] { model_.back(); });
    connect(up_, &QAction::triggered, this, [this] { model_.up(); });
    connect(newFolder_, &QAction::triggered, this, &RemotePage::newFolder);
    connect(stop_, &QAction::triggered, this, &RemotePage::stop);
    connect(path_->lineEdit(), &QLineEdit::returnPressed, this, [this] {
        const std::string text = path_->currentText().toStdString();
        if (!text.empty())
            model_.link().changeDirectory(text);
    });
    connect(path_, QOverload<int>::of(&QComboBox::activated), this, [this](int index) {
        const std::string picked = path_->itemText(index).toStdString();
        if (picked != model_.currentPath())
            model_.link().changeDirectory(picked);
    });
    buildBookmarks();
}

void RemotePage::buildBookmarks() {
    BookmarkMenu::Sources sources;
    sources.site = [this] {
        return connectedNow() ? host_.control().sessionSite() : std::string();
    };
    sources.remoteFolder = [this] { return model_.currentPath(); };
    sources.localFolder = [this] { return localFolder_ ? localFolder_() : std::string(); };
    sources.ask = [this](const QString& title, const QString& text,
                         QMessageBox::StandardButtons buttons) {
        return question_(title, text, buttons);
    };
    bookmarks_ = new BookmarkMenu(host_.selection().sites().bookmarks(), sources, this);
    connect(bookmarks_, &BookmarkMenu::openWanted, this,
            [this](const QString& remote, const QString& local) {
                if (!local.isEmpty() && enterLocal_)
                    enterLocal_(local.toStdString());
                if (remote.toStdString() != model_.currentPath())
                    model_.link().changeDirectory(remote.toStdString());
            });
    path_->lineEdit()->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(path_->lineEdit(), &QLineEdit::customContextMenuRequested, this,
            &RemotePage::pathBoxMenu);
    // The same list from a button beside the box, for those who never right-click.
    auto* menu = new QMenu(this);
    menu->setObjectName("remoteBookmarksMenu");
    connect(menu, &QMenu::aboutToShow, this, [this, menu] {
        menu->clear();
        bookmarks_->addTo(menu);
    });
    QAction* marks = new QAction(themeIcon("user-bookmarks"), "Bookmarks", this);
    marks->setObjectName("remoteBookmarks");
    marks->setToolTip("Bookmarks of this site");
    marks->setMenu(menu);
    tools_->insertAction(back_, marks);
    if (auto* button = qobject_cast<QToolButton*>(tools_->widgetForAction(marks)))
        button->setPopupMode(QToolButton::InstantPopup);
}

void RemotePage::pathBoxMenu(const QPoint& at) {
    std::unique_ptr<QMenu> menu(path_->lineEdit()->createStandardContextMenu());
    menu->setObjectName("remotePathMenu");
    menu->addSeparator();
    bookmarks_->addTo(menu.get());
    menu->exec(path_->lineEdit()->mapToGlobal(at));
}

void RemotePage::buildViews() {
    views_ = new DirectoryViews(table_, {15, 30, 20}, "remote", this);
    views_->watch(this);
    views_->showSortKey(model_.sortKey());
    filter_ = new FilterBar("remote", this);
    connect(filter_, &FilterBar::filterChanged, this,
            [this] { model_.setFilter(filter_->filter()); });
    connect(filter_, &FilterBar::leaveWanted, this, [this] { currentView()->setFocus(); });
    connect(views_, &DirectoryViews::columnClicked, this, [this](int column) {
        model_.sortByColumn(column);
        views_->showSortKey(model_.sortKey());
    });
    connect(views_, &DirectoryViews::contextMenuWanted, this, &RemotePage::contextMenu);
    connect(views_, &DirectoryViews::openWanted, this, &RemotePage::openSelection);
    connect(views_, &DirectoryViews::editCancelled, this,
            [this](int entry) { model_.finishEdit(entry, nullptr); });
    connect(views_, &DirectoryViews::selectionChanged, this, &RemotePage::updateStatus);
    views_->remember(
        config_, "Remote", [this] { return model_.sortKey(); },
        [this](int key) { model_.restoreSortKey(key); });
}

void RemotePage::buildTransfersPane(QWidget* above) {
    paneSplitter_ = new QSplitter(Qt::Vertical, this);
    paneSplitter_->setObjectName("transfersSplitter");
    paneSplitter_->addWidget(above);
    TransfersPane::Page page;
    page.options = [this] { return TransferPlanner::requestOptions(transferMode(), updateOnly()); };
    page.fallbackFolder = [this] {
        const std::string shown = localFolder_ ? localFolder_() : std::string();
        return shown.empty() ? planner_.transferDir() : shown;
    };
    page.stopTransfers = [this] { stop(); };
    pane_ = new TransfersPane(host_.control().transferQueue(), model_.link(), std::move(page),
                              paneSplitter_);
    paneSplitter_->addWidget(pane_);
    paneSplitter_->setChildrenCollapsible(false);
    // A larger window gives the views the room; the pane keeps its height.
    paneSplitter_->setStretchFactor(0, 1);
    paneSplitter_->setStretchFactor(1, 0);
    pane_->setCollapsed(config_.GetInt("TransfersCollapsed") != 0);
    connect(pane_, &TransfersPane::collapsedChanged, this, [this](bool collapsed) {
        config_.SetInt("TransfersCollapsed", collapsed ? 1 : 0);
        placeTransfersPane();
    });
    connect(paneSplitter_, &QSplitter::splitterMoved, this, [this] {
        if (!pane_->collapsed())
            config_.SetInt("TransfersHeight", paneSplitter_->sizes().value(1));
    });
    // A batch's progress, then what it came to, in words in the status bar, over its
    // connections' replies; why a session ended, when it did, says more.
    connect(pane_, &TransfersPane::batchRunning, this, &RemotePage::batchRunning);
    connect(pane_, &TransfersPane::batchShown, this, [this] {
        const std::optional<std::string> text =
            echoRule_.batch(pane_->model().batch(), model_.link().requestsAccepted());
        if (text && connectedNow())
            status_[1]->setText(QString::fromStdString(*text));
    });
}

void RemotePage::placeTransfersPane() {
    // The room the views and the pane share, beside the handle between them.
    const int total = paneSplitter_->height() - paneSplitter_->handleWidth();
    if (total <= 0)
        return;
    if (pane_->collapsed()) {
        paneSplitter_->setSizes({total, pane_->headerHeight()});
        return;
    }
    // As last time, else a part of the page that leaves the views the most of it.
    int height = config_.GetInt("TransfersHeight");
    if (height <= 0)
        height = pane_->defaultHeight(total);
    height = std::min(height, total * 3 / 4);
    paneSplitter_->setSizes({total - height, height});
}

void RemotePage::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!panePlaced_ && paneSplitter_->height() > 0) {
        panePlaced_ = true;
        placeTransfersPane();
    }
}

void RemotePage::setViewMode(int mode) {
    views_->setViewMode(mode);
}

int RemotePage::viewMode() const {
    return views_->viewMode();
}

QListView* RemotePage::listView() const {
    return views_->list();
}

QTreeView* RemotePage::detailsView() const {
    return views_->details();
}

QAbstractItemView* RemotePage::currentView() const {
    return views_->current();
}

void RemotePage::addSideView(QWidget* tools, QWidget* view) {
    if (splitter_ == nullptr)
        return;
    toolRow_->insertWidget(0, tools, 2);
    toolRow_->setStretch(1, 3);
    splitter_->insertWidget(0, view);
    splitter_->setStretchFactor(0, 2);
    splitter_->setStretchFactor(1, 3);
    // Tab goes through both views before the Transfers pane: the side view's widgets
    // were made after the pane, whose widgets go to the end of the window's tab order
    // by joining the page again.
    pane_->setParent(nullptr);
    paneSplitter_->addWidget(pane_);
    paneSplitter_->setCollapsible(1, false);
    paneSplitter_->setStretchFactor(1, 0);
}

void RemotePage::setStatusPart(int part, const QString& text) {
    if (part >= 0 && static_cast<size_t>(part) < status_.size())
        status_[static_cast<size_t>(part)]->setText(text);
}

bool RemotePage::connectedNow() const {
    return model_.link().connected();
}

QMessageBox::StandardButton RemotePage::ask(const QString& title, const QString& text,
                                            QMessageBox::StandardButtons buttons) {
    return question_(title, text, buttons);
}

int RemotePage::transferMode() const {
    return TransferPlanner::modeOf(forceAscii_->isChecked(), forceImage_->isChecked());
}

void RemotePage::setTransferMode(int mode) {
    bool ascii = false, image = false;
    TransferPlanner::buttonsFor(mode, &ascii, &image);
    forceAscii_->setChecked(ascii);
    forceImage_->setChecked(image);
}

bool RemotePage::updateOnly() const {
    return updateOnly_->isChecked();
}

void RemotePage::showSessionEnd(const QString& message) {
    status_[1]->setText(message);
}

void RemotePage::apply() {
    config_.SetInt("UpdateONLY", updateOnly() ? 1 : 0);
}

std::vector<int> RemotePage::selectedEntries() const {
    return views_->selectedEntries();
}

QString RemotePage::statusText(int part) const {
    return part >= 0 && static_cast<size_t>(part) < status_.size() ? status_[part]->text()
                                                                   : QString();
}

void RemotePage::updateStatus() {
    status_[classic_ ? 0 : 2]->setText(
        QString::fromStdString(model_.statusText(selectedEntries())));
}

void RemotePage::refreshPathBox() {
    const QString text = QString::fromStdString(model_.pathText());
    path_->clear();
    for (const std::string& path : model_.cachedPaths())
        path_->addItem(QString::fromStdString(path));
    path_->setEditText(text);
}

void RemotePage::connected(bool on) {
    for (QAbstractItemView* view : {static_cast<QAbstractItemView*>(views_->list()),
                                    static_cast<QAbstractItemView*>(views_->details())})
        view->setEnabled(on);
    if (on) {
        setTransferMode(
            planner_.modeAtConnect(perhost::transferType(host_.control().sessionSettings())));
    } else if (wasConnected_) {
        // Only a real disconnection records the mode (the page starts disconnected too).
        planner_.disconnected(transferMode());
        forceAscii_->setChecked(false);
        forceImage_->setChecked(false);
        busy(false);
    }
    wasConnected_ = on;
    echoRule_.sessionChanged();
    updateStatus();
}

void RemotePage::busy(bool on) {
    busy_ = on;
    showStop();
}

void RemotePage::batchRunning(bool on) {
    batchRunning_ = on;
    showStop();
}

void RemotePage::showStop() {
    const bool on = busy_ || batchRunning_;
    stop_->setVisible(on);
    newFolder_->setVisible(!on);
    revealWhenShown();
}

void RemotePage::openSelection() {
    const std::vector<int> chosen = selectedEntries();
    if (!connectedNow() || chosen.empty())
        return;
    if (chosen.size() == 1 && model_.openEntry(chosen.front()))
        return;
    downloadSelection();
}

bool RemotePage::downloadSelection(const QString& given) {
    const std::vector<int> chosen = selectedEntries();
    if (!connectedNow() || chosen.empty())
        return false;
    return download(given, model_.selection(chosen));
}

bool RemotePage::downloadEntries(const QString& folder, RemoteDirectoryModel::Selection chosen) {
    return connectedNow() && !chosen.entries.empty() && download(folder, std::move(chosen));
}

bool RemotePage::download(const QString& given, RemoteDirectoryModel::Selection chosen) {
    QString folder = given;
    // The Files page downloads into the folder its left side shows; the chooser asks
    // when there is none (Classic, or Computer and Network on the left).
    if (folder.isEmpty() && localFolder_)
        folder = QString::fromStdString(localFolder_());
    if (folder.isEmpty()) {
        folder = chooser_("Select folder for downloaded files",
                          QString::fromStdString(planner_.transferDir()));
        if (folder.isEmpty())
            return false;
    }
    planner_.planDownload(folder.toStdString(), transferMode());
    TransferOptions options = TransferPlanner::requestOptions(transferMode(), updateOnly());
    options.walkFilter = filter_->walkFilter();
    return model_.get(folder.toStdString(), std::move(chosen), options);
}

bool RemotePage::upload(const QStringList& paths, int directoryEntry,
                        std::shared_ptr<const WalkFilter> walkFilter) {
    if (!connectedNow() || paths.isEmpty())
        return false;
    // The directory shown, or a folder of it the files were dropped on (only a directory
    // takes them; on a file or a link they go to the one shown): named absolutely, so
    // that they land there even when a change of directory runs first.
    const RemoteDirectoryModel::Selection target = model_.selection({directoryEntry});
    std::string into = target.directory;
    if (!target.entries.empty() && target.entries.front().type == EntryType::Directory) {
        const RemoteEntry& folder = target.entries.front();
        into = folder.flags & RemoteEntry::kVmsName
                   ? folder.changeDirectoryName()  // a VMS path does not join with "/"
                   : (into.empty() || into.back() != '/' ? into + "/" : into) + folder.name;
    }
    std::vector<std::string> names;
    for (const QString& path : paths)
        names.push_back(path.toStdString());
    TransferOptions options = TransferPlanner::requestOptions(transferMode(), updateOnly());
    options.walkFilter = std::move(walkFilter);
    return model_.put(names, into, options);
}

void RemotePage::deleteSelection() {
    const std::vector<int> rows = selectedEntries();
    if (!connectedNow() || rows.empty())
        return;
    // What the user chose, taken now: the view may move to another folder while the
    // question is open, and its rows then hold other entries.
    deleteEntries(model_.selection(rows));
}

void RemotePage::deleteEntries(RemoteDirectoryModel::Selection chosen) {
    if (!connectedNow() || chosen.entries.empty())
        return;
    const bool folders =
        std::any_of(chosen.entries.begin(), chosen.entries.end(),
                    [](const RemoteEntry& e) { return e.type == EntryType::Directory; });
    if (!folders) {
        confirmDelete(std::move(chosen), {});
        return;
    }
    // The session walks the folders first; the question comes when the count does (on
    // this thread, and only while the page lives).
    QPointer<RemotePage> self(this);
    model_.count(chosen, [self, chosen](const TreeCount& held) {
        QMetaObject::invokeMethod(
            qApp,
            [self, chosen, held]() mutable {
                if (self)
                    self->confirmDelete(std::move(chosen), held);
            },
            Qt::QueuedConnection);
    });
}

void RemotePage::confirmDelete(RemoteDirectoryModel::Selection chosen, const TreeCount& held) {
    std::vector<std::string> names;
    for (const RemoteEntry& entry : chosen.entries)
        names.push_back(entry.name);
    // Nothing brings a file deleted on the server back: one question first.
    const std::string question = TransferPlanner::deleteQuestion(chosen.directory, names, held);
    if (ask("Delete", QString::fromStdString(question), QMessageBox::Yes | QMessageBox::No) !=
        QMessageBox::Yes)
        return;
    model_.remove(std::move(chosen), held.files > 0 || held.folders > 0);
}

void RemotePage::openFind() {
    if (find_ == nullptr) {
        FindDialog::Actions actions;
        actions.start = [this](std::shared_ptr<RemoteSearch> search) {
            return connectedNow() && model_.find(std::move(search));
        };
        actions.get = [this](const std::vector<FindDialog::Found>& found) {
            for (RemoteSearch::InFolder& folder : RemoteSearch::byFolder(found))
                downloadEntries({}, {std::move(folder.directory), std::move(folder.entries)});
        };
        actions.reveal = [this](const FindDialog::Found& found) {
            reveal(found.directory, found.entry.name);
        };
        actions.remove = [this](const std::vector<FindDialog::Found>& found) {
            for (RemoteSearch::InFolder& folder : RemoteSearch::byFolder(found))
                deleteEntries({std::move(folder.directory), std::move(folder.entries)});
        };
        // A window of its own, not one kept above the main window: Reveal must be able to
        // bring the row it selects to the front. Owned by the page all the same.
        find_ = new FindDialog(std::move(actions), nullptr);
        find_->setWindowFlag(Qt::Window);
        find_->setAttribute(Qt::WA_QuitOnClose, false);
    }
    find_->show();
    find_->raise();
    find_->activateWindow();
}

void RemotePage::reveal(const std::string& directory, const std::string& name) {
    if (!connectedNow())
        return;
    revealDirectory_ = directory;
    revealName_ = name;
    if (model_.currentPath() != directory)
        model_.link().changeDirectory(directory);
    revealWhenShown();
}

void RemotePage::revealWhenShown() {
    if (revealDirectory_.empty() || model_.busy() || model_.currentPath() != revealDirectory_ ||
        model_.shownDirectory() != revealDirectory_)
        return;
    table_->flush();
    const int entry = model_.findEntryByName(revealName_, false);
    revealDirectory_.clear();
    if (entry < 0)
        return;
    views_->selectEntry(entry);
    window()->raise();
    activateWindow();
    currentView()->setFocus();
    updateStatus();
}

void RemotePage::showProperties() {
    const std::vector<int> chosen = selectedEntries();
    if (!connectedNow() || chosen.empty())
        return;
    const uint32_t zone = perhost::timeZoneCode(host_.control().sessionSettings());
    const std::string zoneName =
        zone == 0 ? std::string() : TimeZoneTable::label(TimeZoneTable::rowOfCode(zone));
    const std::vector<RemoteEntry> entries = model_.entriesAt(chosen);
    std::vector<std::string> typeNames;
    for (const RemoteEntry& entry : entries)
        typeNames.push_back(types_.typeNameOf(entry));
    properties_(EntryProperties::of(entries, typeNames, zoneName));
}

void RemotePage::newFolder() {
    if (!connectedNow())
        return;
    currentView()->setFocus();
    const int entry = model_.addPlaceholder();
    table_->flush();
    views_->editEntry(entry);
}

void RemotePage::renameSelection() {
    const std::vector<int> chosen = selectedEntries();
    if (chosen.size() == 1)
        views_->editEntry(chosen.front());
}

void RemotePage::refuseEditedName() {
    QMetaObject::invokeMethod(
        this, [this] { ask("Rename", "Rename failed.", QMessageBox::Ok | QMessageBox::Cancel); },
        Qt::QueuedConnection);
}

void RemotePage::nameEdited(int entry, const QString& text) {
    const std::string name = text.toStdString();
    switch (model_.finishEdit(entry, &name)) {
        case RemoteDirectoryModel::EditEnd::NeedName:
            ask("Rename", "You must enter a name.", QMessageBox::Ok | QMessageBox::Cancel);
            break;
        case RemoteDirectoryModel::EditEnd::Refused:
            refuseEditedName();
            break;
        default:
            break;
    }
}

void RemotePage::listToFile() {
    if (!connectedNow())
        return;
    const std::string host = FtpUrl(host_.selection().urlText(), UrlDefaults::of(config_)).host;
    // On the Files page the listing goes where the downloads go: the folder on the left.
    const std::string shown = localFolder_ ? localFolder_() : std::string();
    std::string path =
        shown.empty() ? planner_.listFilePath(host) : TransferPlanner::listFilePath(shown, host);
    if (path.empty()) {
        // No transfer folder yet: ask rather than write into whatever folder is current.
        const QString folder = chooser_("Select folder for the listing file", QDir::homePath());
        if (folder.isEmpty())
            return;
        planner_.useFolder(folder.toStdString());
        path = TransferPlanner::listFilePath(folder.toStdString(), host);
    }
    // The listing shown, even when a change of directory is queued before it.
    model_.link().listToFile(model_.shownDirectory(), path);
}

void RemotePage::stop() {
    if (connectedNow())
        model_.stop();
}

void RemotePage::contextMenu(QAbstractItemView* view, const QPoint& at) {
    const std::vector<int> chosen = selectedEntries();
    const bool on = connectedNow();
    QMenu menu(this);
    menu.setObjectName("remoteMenu");
    const auto add = [&menu, this](const char* name, const QString& text, auto slot) {
        QAction* item = menu.addAction(text, this, slot);
        item->setObjectName(name);
        return item;
    };
    if (!chosen.empty() && view->indexAt(at).isValid()) {
        const std::vector<RemoteEntry> entries = model_.entriesAt(chosen);
        if (entries.size() == 1 && entries.front().type != EntryType::File)
            add("menuOpen", "&Open", [this] { openSelection(); });
        add("menuGet", kGetTexts[transferMode()], [this] { downloadSelection(); });
        menu.addSeparator();
        add("menuDelete", "&Delete", [this] { deleteSelection(); });
        if (chosen.size() == 1)
            add("menuRename", "Rena&me", [this] { renameSelection(); });
        menu.addSeparator();
        add("menuProperties", "P&roperties", [this] { showProperties(); });
    } else {
        views_->addViewMenus(menu, [this](int code) {
            model_.arrangeBy(code);
            views_->showSortKey(model_.sortKey());
        });
        menu.addSeparator();
        add("menuNewFolder", "New &Folder", [this] { newFolder(); })->setEnabled(on);
        menu.addSeparator();
        add("menuRefresh", "Re&fresh", [this] { model_.refresh(); })->setEnabled(on);
        add("menuFind", "F&ind on the Server...\tCtrl+Shift+F", [this] {
            openFind();
        })->setEnabled(on);
        menu.addSeparator();
        add("menuLogoff", "&Logoff", [this] { host_.control().logoff(); })->setEnabled(on);
        const SessionLink& link = model_.link();
        QAction* exit = add("menuLogoffExit", "Logoff and E&xit",
                            [&link] { link.setQuitWhenDone(!link.quitWhenDone()); });
        exit->setEnabled(on);
        exit->setCheckable(true);
        exit->setChecked(link.quitWhenDone());
    }
    menu.exec(view->viewport()->mapToGlobal(at));
}

bool RemotePage::handleKey(QKeyEvent* key) {
    const bool on = connectedNow();
    const Qt::KeyboardModifiers mods = key->modifiers() & ~Qt::KeypadModifier;
    const bool selection = !selectedEntries().empty();
    switch (key->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            if (on && selection)
                mods == Qt::AltModifier ? showProperties() : openSelection();
            return true;
        case Qt::Key_Delete:
            if (on && selection)
                deleteSelection();
            return true;
        case Qt::Key_Backspace:
            if (mods != Qt::NoModifier)
                return false;
            model_.up();
            return true;
        case Qt::Key_F2:
            if (on)
                renameSelection();
            return true;
        case Qt::Key_Escape:
            stop();
            return true;
        default:
            break;
    }
    if (handlePageKey(key))
        return true;
    if (key->key() == Qt::Key_F && mods == (Qt::ControlModifier | Qt::ShiftModifier)) {
        if (on)
            openFind();
        return true;
    }
    if (mods != Qt::ControlModifier)
        return false;
    switch (key->key()) {
        case Qt::Key_R:
            model_.link().toggleRawLog();
            return true;
        case Qt::Key_A:
            currentView()->selectAll();
            updateStatus();
            return true;
        case Qt::Key_T:
            listToFile();
            return true;
        default:
            return false;
    }
}

bool RemotePage::handlePageKey(QKeyEvent* key) {
    const Qt::KeyboardModifiers mods = key->modifiers() & ~Qt::KeypadModifier;
    const int pressed = key->key();
    if (pressed == Qt::Key_F5 && mods == Qt::NoModifier) {
        if (connectedNow())
            model_.refresh();
        updateStatus();
    } else if (pressed == Qt::Key_Up && mods == Qt::AltModifier) {
        model_.up();
    } else if (pressed == Qt::Key_Left && mods == Qt::AltModifier) {
        model_.back();
    } else if (pressed == Qt::Key_F && mods == Qt::ControlModifier) {
        filter_->takeFocus();
    } else {
        return false;
    }
    return true;
}

void RemotePage::keyPressEvent(QKeyEvent* event) {
    // Keys no widget of the page took (the tool bar, the status bar): the page's own.
    if (!handlePageKey(event))
        QWidget::keyPressEvent(event);
}

bool RemotePage::eventFilter(QObject* watched, QEvent* event) {
    QAbstractItemView* view = views_->viewOf(watched);
    const bool isViewport = views_->isViewport(watched);
    const bool isView = view != nullptr && !isViewport;
    // While a name is edited, the editor's keys pass through the view (its Enter as well):
    // they are not the list's.
    if (isView && event->type() == QEvent::KeyPress)
        return !views_->editing() && handleKey(static_cast<QKeyEvent*>(event));
    if (!isViewport)
        return QWidget::eventFilter(watched, event);
    switch (event->type()) {
        case QEvent::DragEnter:
        case QEvent::DragMove: {
            auto* drag = static_cast<QDragMoveEvent*>(event);
            if (!uploads(drag->mimeData(), connectedNow())) {
                drag->ignore();
                table_->setDropTarget(-1);
                return true;
            }
            drag->acceptProposedAction();
            // A directory under the pointer is where the files would go: highlighted.
            const QModelIndex under = view->indexAt(drag->position().toPoint());
            const std::vector<RemoteEntry> target =
                model_.entriesAt({under.isValid() ? table_->entryIndex(under.row()) : -1});
            table_->setDropTarget(
                !target.empty() && target.front().type == EntryType::Directory ? under.row() : -1);
            return true;
        }
        case QEvent::DragLeave:
            table_->setDropTarget(-1);
            return true;
        case QEvent::Drop: {
            auto* drop = static_cast<QDropEvent*>(event);
            if (!uploads(drop->mimeData(), connectedNow()))
                return true;
            const QStringList paths = localPaths(drop->mimeData());
            const QModelIndex under = view->indexAt(drop->position().toPoint());
            table_->setDropTarget(-1);
            // Local items from the Files page: their folder becomes the transfer folder,
            // and the local view's filter goes with them when it applies to transfers.
            const bool fromSide = localFolder_ && isLocal_ && isLocal_(drop->source());
            if (fromSide)
                planner_.useFolder(localFolder_());
            upload(paths, under.isValid() ? table_->entryIndex(under.row()) : -1,
                   fromSide && localWalkFilter_ ? localWalkFilter_() : nullptr);
            drop->acceptProposedAction();
            return true;
        }
        default:
            return QWidget::eventFilter(watched, event);
    }
}

void RemotePage::dragEnterEvent(QDragEnterEvent* event) {
    if (uploads(event->mimeData(), connectedNow()))
        event->acceptProposedAction();
}

void RemotePage::dragMoveEvent(QDragMoveEvent* event) {
    if (uploads(event->mimeData(), connectedNow()))
        event->acceptProposedAction();
}

void RemotePage::dropEvent(QDropEvent* event) {
    if (uploads(event->mimeData(), connectedNow()) && upload(localPaths(event->mimeData())))
        event->acceptProposedAction();
}

void RemotePage::lineAppended(size_t, const std::string& text, LogLineKind kind) {
    if (kind != LogLineKind::Command && kind != LogLineKind::Reply)
        return;
    std::lock_guard lock(echoMutex_);
    // The idle session's NOOP and its reply would push the last real message away.
    if (kind == LogLineKind::Command && text == "<NOOP") {
        keepAliveReply_ = true;
        return;
    }
    if (keepAliveReply_) {
        // ">200-..." lines continue a reply; ">200 ..." ends it.
        keepAliveReply_ = text.size() > 4 && text[4] == '-';
        return;
    }
    if (StatusEcho::fromExtraConnection(text))
        return;
    echo_ = text;
    if (echoQueued_)
        return;
    echoQueued_ = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            std::string line;
            {
                std::lock_guard lock(echoMutex_);
                line = echo_;
                echoQueued_ = false;
            }
            if (const auto shown = echoRule_.heard(line, model_.link().requestsAccepted()))
                status_[1]->setText(QString::fromStdString(*shown));
        },
        Qt::QueuedConnection);
}

}  // namespace nubo
