#include "views/ui/files_page.h"

#include <QDir>
#include <QSettings>
#include <QSplitter>
#include <QStandardPaths>
#include <QToolBar>

#include "views/ui/directory_views.h"
#include "views/ui/local_view.h"
#include "views/ui/remote_table_model.h"
#include "views/volume_catalog.h"

namespace nubo {

FilesPage::FilesPage(RemoteDirectoryModel& remote, LocalDirectoryModel& local, HostController& host,
                     ConfigStore& config, AppLog& log, std::string stateFile, QWidget* parent)
    : RemotePage(remote, host, config, log, false, parent),
      local_(new LocalView(local, this)),
      stateFile_(std::move(stateFile)) {
    addLocalSide(local_->tools(), local_);
    connect(local_, &LocalView::statusChanged, this,
            [this](const QString& text) { setStatusPart(0, text); });
    connect(local_, &LocalView::stopWanted, this, &FilesPage::stop);
    // Dropped rows are fetched as they were dragged, from the directory they were in.
    connect(local_, &LocalView::remoteItemsDropped, this,
            [this](const QString& folder, const RemoteDrag& drag) {
                downloadEntries(folder, {drag.directory, drag.entries});
            });
    // Only this window's connected session's items are taken.
    local_->setRemoteSession([this](uint64_t* session) {
        *session = tableModel()->sessionId();
        return connectedNow();
    });
    setLocalSource([this](const QObject* source) { return local_->views()->viewOf(source); },
                   [this] { return local_->folder(); });
    if (!stateFile_.empty()) {
        const QSettings state(QString::fromStdString(stateFile_), QSettings::IniFormat);
        splitter()->restoreState(state.value("Files/Splitter").toByteArray());
    }
}

FilesPage::~FilesPage() {
    if (!stateFile_.empty()) {
        QSettings state(QString::fromStdString(stateFile_), QSettings::IniFormat);
        state.setValue("Files/Splitter", splitter()->saveState());
    }
}

void FilesPage::startLocalView() {
    if (local_->started())
        return;
    std::vector<LocalLocations::Volume> volumes;
    for (const VolumeCatalog::Volume& volume :
         VolumeCatalog::computer(VolumeCatalog::mounted(), QDir::homePath().toStdString()))
        volumes.push_back({volume.label, volume.path});
    local_->start(transferDir(),
                  QStandardPaths::writableLocation(QStandardPaths::DesktopLocation).toStdString(),
                  volumes);
}

void FilesPage::showEvent(QShowEvent* event) {
    RemotePage::showEvent(event);
    startLocalView();
}

}  // namespace nubo
