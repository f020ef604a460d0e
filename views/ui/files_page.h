#pragma once

#include <QWidget>

namespace nubo {

class AppLog;
class ConfigStore;
class HostController;
class LocalDirectoryModel;
class LocalView;
class RemoteDirectoryModel;
class RemotePage;
class TypeTable;

// The large interface's "Files" tab: a local view on the left and a remote page on the
// right, a splitter between them whose position is kept, one tool row and the three
// status parts. Remote items dropped on the local view download there; local items
// dropped on the remote view upload (their folder becomes the transfer folder).
class FilesPage : public QWidget {
    Q_OBJECT

  public:
    // The splitter's position and the local view's layout are kept among the settings.
    FilesPage(RemoteDirectoryModel& remote, TypeTable& types, LocalDirectoryModel& local,
              HostController& host, ConfigStore& config, AppLog& log, QWidget* parent = nullptr);
    ~FilesPage() override;

    RemotePage* remotePage() const { return remote_; }
    LocalView* localView() const { return local_; }
    // The local view's first showing (the page's first activation does it on its own).
    void startLocalView();

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    ConfigStore& config_;
    RemotePage* remote_;
    LocalView* local_;
};

}  // namespace nubo
