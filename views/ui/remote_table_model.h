#pragma once

#include <QStringList>

#include <string>
#include <vector>

#include "views/remote_directory_listener.h"
#include "views/ui/directory_table_model.h"

class QMimeData;

namespace nubo {

class RemoteDirectoryModel;
class TypeTable;

// The remote directory as a table for the remote view's list and tree views. Entries
// are read in place, one role at a time; their type names and icons come from the
// window's type table (cached per extension there). Dragged rows carry a private MIME
// type with the entries as listed, their directory, and this process and session, so
// that only the local view of the same window takes them.
class RemoteTableModel : public DirectoryTableModel, public RemoteDirectoryListener {
    Q_OBJECT

  public:
    static constexpr const char* kMimeType = "application/x-nubopro-remote-items";

    RemoteTableModel(RemoteDirectoryModel& core, TypeTable& types, QObject* parent = nullptr);
    ~RemoteTableModel() override;

    RemoteDirectoryModel& core() const { return core_; }
    // The session this model's drags come from (0: none).
    uint64_t sessionId() const;

    QStringList mimeTypes() const override;
    QMimeData* mimeData(const QModelIndexList& indexes) const override;

    // RemoteDirectoryListener, on any thread.
    void rowsAppended(size_t first, size_t count) override;
    void rowsReset() override;
    void rowsUpdated() override;
    void pathTextChanged() override;
    void busyChanged(bool busy) override;
    void connectionChanged(bool connected) override;
    void permissionsApplied(const std::vector<std::string>& refusals) override;
    void entryGone(const std::string& directory, const std::string& name) override;

  signals:
    // Forwarded from the core, on the GUI thread.
    void pathChanged();
    void busyChangedQueued(bool busy);
    void connectionChangedQueued(bool connected);
    void permissionsAppliedQueued(const QStringList& refusals);
    void entryGoneQueued(const QString& directory, const QString& name);

  protected:
    std::vector<int> fetchRows() const override;
    std::vector<int> fetchRowsFrom(size_t first) const override;
    QVariant entryData(int entryIndex, int column, int role) const override;

  private:
    RemoteDirectoryModel& core_;
    TypeTable& types_;
};

}  // namespace nubo
