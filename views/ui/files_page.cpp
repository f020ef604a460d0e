#include "views/ui/files_page.h"

#include <QDir>
#include <QFileInfo>
#include <QSplitter>
#include <QStandardPaths>
#include <QToolBar>
#include <QVBoxLayout>

#include "views/local_directory_model.h"
#include "views/ui/directory_views.h"
#include "views/ui/filter_bar.h"
#include "views/ui/local_view.h"
#include "views/ui/remote_page.h"
#include "views/ui/remote_table_model.h"
#include "views/volume_catalog.h"
#include "views/window_memory.h"

namespace nubo {

FilesPage::FilesPage(RemoteDirectoryModel& remote, TypeTable& types, LocalDirectoryModel& local,
                     HostController& host, ConfigStore& config, AppLog& log, QWidget* parent)
    : QWidget(parent),
      config_(config),
      remote_(new RemotePage(remote, types, host, config, log, false, this)),
      local_(new LocalView(local, this)) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(remote_);
    remote_->addSideView(local_->tools(), local_);
    connect(local_, &LocalView::statusChanged, remote_,
            [this](const QString& text) { remote_->setStatusPart(0, text); });
    connect(local_, &LocalView::stopWanted, remote_, &RemotePage::stop);
    // Dropped rows are fetched as they were dragged, from the directory they were in.
    connect(local_, &LocalView::remoteItemsDropped, remote_,
            [this](const QString& folder, const RemoteDrag& drag) {
                remote_->downloadEntries(folder, {drag.directory, drag.entries});
            });
    // Only this window's connected session's items are taken.
    local_->setRemoteSession([this](uint64_t* session) {
        *session = remote_->tableModel()->sessionId();
        return remote_->connectedNow();
    });
    remote_->setLocalWalkFilter([this] { return local_->filterBar()->walkFilter(); });
    remote_->setLocalSource(
        [this](const QObject* source) { return local_->views()->viewOf(source) != nullptr; },
        [this] { return local_->folder(); });
    remote_->setLocalEnter([this](const std::string& path) { return local_->openFolder(path); });
    local_->views()->remember(
        config, "Local", [&local] { return local.sortKey(); },
        [&local](int key) { local.restoreSortKey(key); });
    // The splitter between the views stands where the user left it last time.
    QSplitter* splitter = remote_->splitter();
    const std::vector<int> kept = WindowMemory(config).sizes("Files");
    if (kept.size() == 2)
        splitter->setSizes({kept[0], kept[1]});
    // The folder the left side shows is where it opens next time.
    connect(local_, &LocalView::folderShown, this, [&config](const QString& folder) {
        if (!folder.isEmpty())
            WindowMemory(config).setFolder("Local", folder.toStdString());
    });
    connect(splitter, &QSplitter::splitterMoved, this, [&config, splitter] {
        const QList<int> sizes = splitter->sizes();
        WindowMemory(config).setSizes("Files", {sizes.begin(), sizes.end()});
    });
}

FilesPage::~FilesPage() = default;

void FilesPage::startLocalView() {
    if (local_->started())
        return;
    std::vector<LocalLocations::Volume> volumes;
    for (const VolumeCatalog::Volume& volume :
         VolumeCatalog::computer(VolumeCatalog::mounted(), QDir::homePath().toStdString()))
        volumes.push_back({volume.label, volume.path});
    // Where the left side stood when the window closed, unless this run was given a
    // folder (the command line's), or that one is gone.
    std::string start = remote_->transferDir();
    const std::string kept = WindowMemory(config_).folder("Local");
    if (config_.GetString("CLXDir").empty() && !kept.empty() &&
        QFileInfo(QString::fromStdString(kept)).isDir())
        start = kept;
    local_->start(start,
                  QStandardPaths::writableLocation(QStandardPaths::DesktopLocation).toStdString(),
                  volumes);
}

void FilesPage::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    startLocalView();
}

}  // namespace nubo
