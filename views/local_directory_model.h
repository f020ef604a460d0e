#pragma once

#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "engine/local_view_upkeep.h"
#include "views/directory_reader.h"
#include "views/local_entry.h"
#include "views/name_filter.h"
#include "views/sort_order.h"

namespace nubo {

class LocalDirectoryListener;

// The local view's folder without the widget: its entries (read off the GUI thread by a
// DirectoryReader), the rows in display order, the sort order (folders first; names as
// a person compares them, numbers by value), the status text, new
// folders, renames that never overwrite, deletion to the trash, and the session's
// upkeep calls after downloads. Entries keep their index while a folder is shown; a
// removed entry keeps its slot with an empty name.
class LocalDirectoryModel : public LocalViewUpkeep {
  public:
    explicit LocalDirectoryModel(
        std::shared_ptr<DirectoryReader> reader = std::make_shared<FileSystemReader>());
    ~LocalDirectoryModel() override;
    LocalDirectoryModel(const LocalDirectoryModel&) = delete;
    // The type names and icons of this view's rows (entries hold a row of it).
    const LocalTypeTable& types() const { return *types_; }
    LocalDirectoryModel& operator=(const LocalDirectoryModel&) = delete;

    // Starts reading a folder; the rows come when it is read. A read still running for
    // an earlier folder is forgotten (its result dropped whenever it comes).
    void browse(const std::string& folder);
    // Shows a list of volumes (Computer, Network) as folder items. The list is made on
    // the reading thread as well: finding network shares may ask a mount that hangs.
    struct Volume {
        std::string label;
        std::string path;
    };
    void showVolumes(std::function<std::vector<Volume>()> list, const std::string& typeName,
                     const std::string& iconName);
    // Reads the shown folder again and merges what it finds: entries keep their index
    // (and so their place in a selection or an edit), new names are added, vanished ones
    // go. Until the first read of a folder is done, it starts that read again.
    void refresh();
    // The folder shown (empty for a list of volumes), thread-safe.
    std::string folder() const;
    bool reading() const;

    std::vector<int> rows() const;
    std::vector<int> rowsFrom(size_t first) const;
    size_t rowCount() const;
    bool entryAt(int index, LocalEntry* entry) const;
    std::vector<LocalEntry> entriesAt(const std::vector<int>& indices) const;
    int findByName(const std::string& name) const;

    // Column header (0 Name, 1 Size, 2 Type, 3 Date/Time): sorts by it; the next click on
    // it sorts the other way. arrangeBy: code 1-4, ascending.
    void sortByColumn(int column);
    void arrangeBy(int code);
    // A kept sort order (sortKey's code), as the window remembered it.
    void restoreSortKey(int key);
    int sortKey() const;
    // "N object(s)" with the total size unless only folders are selected ("12 of 340
    // shown, 1.23MB" while a filter hides some); "Reading ..." while a folder is read.
    std::string statusText(const std::vector<int>& selected) const;
    // The filter box's patterns: the rows are the entries it shows, in order (a new,
    // renamed or downloaded one among them at once). Kept across folders.
    void setFilter(NameFilter filter);
    NameFilter filter() const;

    // Creates "New Folder", "New Folder (2)", ... in the shown folder and adds it as a
    // placeholder row to be named; its index, or -1 when it could not be created.
    int newFolder();
    enum class EditEnd { Nothing, NeedName, Refused, Renamed };
    // The end of an in-place edit (null: cancelled). A placeholder takes its real size and
    // time either way. A name holding "/", or naming something that exists, is refused.
    EditEnd finishEdit(int index, const std::string* text);
    // To the trash (or for good); rows whose file is gone afterwards go. The paths that
    // could not be removed.
    std::vector<std::string> remove(const std::vector<int>& indices, bool permanently);
    // The same for entries taken earlier (before a question was answered): each goes by
    // its path, and its row only while it is still the one shown at that path.
    std::vector<std::string> removeEntries(const std::vector<LocalEntry>& chosen, bool permanently);

    // LocalViewUpkeep: the session wrote a file or made a folder (worker thread).
    void localFileWritten(const std::string& directory, const std::string& name, int64_t size,
                          int64_t time) override;
    void localFolderCreated(const std::string& directory, const std::string& name) override;

    void addListener(LocalDirectoryListener* listener);
    void removeListener(LocalDirectoryListener* listener);

  private:
    struct Shared;
    // Starts a read of the shown folder's entries on a thread of its own.
    void startReading(const std::string& folder, std::function<std::vector<LocalEntry>()> read);
    // Runs a read on a thread of its own; its result replaces the rows or is merged.
    void readAway(uint64_t generation, std::function<std::vector<LocalEntry>()> read, bool merge);
    void deliver(uint64_t generation, std::vector<LocalEntry> entries);
    void merge(uint64_t generation, std::vector<LocalEntry> entries);
    class RowOrder;
    void sortLocked();
    // The rows again from every entry the filter shows, sorted.
    void refillLocked();
    bool shownLocked(const LocalEntry& entry) const;
    // Moves an entry's row to where the order puts it (out when the filter hides it).
    void placeLocked(int index);
    int appendLocked(LocalEntry entry);
    void upkeep(const std::string& directory, LocalEntry entry);
    template <typename Call>
    void notify(Call call);
    // Changes the order under the lock and sorts again when it took.
    template <typename Change>
    void reorder(Change change);

    std::shared_ptr<DirectoryReader> reader_;
    // Shared with reads still running after the model is gone.
    std::shared_ptr<LocalTypeTable> types_;
    std::shared_ptr<Shared> shared_;
    mutable std::mutex mutex_;
    std::vector<LocalEntry> entries_;
    std::vector<int> rows_;
    std::string folder_;
    uint64_t generation_ = 0;
    bool reading_ = false;
    SortOrder order_;
    NameFilter filter_;

    std::mutex listenersMutex_;
    std::vector<LocalDirectoryListener*> listeners_;
};

}  // namespace nubo
