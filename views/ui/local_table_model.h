#pragma once

#include "views/local_directory_listener.h"
#include "views/ui/directory_table_model.h"

class QMimeData;

namespace nubo {

class LocalDirectoryModel;

// The local folder as a table for the local view's list and tree views. Dragged rows
// carry their paths as text/uri-list, which file managers, editors and mail programs take.
class LocalTableModel : public DirectoryTableModel, public LocalDirectoryListener {
    Q_OBJECT

  public:
    explicit LocalTableModel(LocalDirectoryModel& core, QObject* parent = nullptr);
    ~LocalTableModel() override;

    LocalDirectoryModel& core() const { return core_; }
    QStringList mimeTypes() const override;
    QMimeData* mimeData(const QModelIndexList& indexes) const override;

    // LocalDirectoryListener, on any thread.
    void rowsReset() override;
    void rowsUpdated() override;
    void rowsAppended() override;
    void readingChanged(bool reading) override;

  signals:
    void readingChangedQueued(bool reading);

  protected:
    std::vector<int> fetchRows() const override;
    std::vector<int> fetchRowsFrom(size_t first) const override;
    QVariant entryData(int entryIndex, int column, int role) const override;

  private:
    LocalDirectoryModel& core_;
};

}  // namespace nubo
