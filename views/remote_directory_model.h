#pragma once

#include <functional>
#include <memory>
#include <mutex>
#include <set>
#include <span>
#include <string>
#include <vector>

#include "engine/remote_entry.h"
#include "engine/remote_view_contract.h"
#include "views/name_filter.h"
#include "views/session_link.h"
#include "views/sort_order.h"

namespace nubo {

class AppLog;
class RemoteDirectoryListener;
class RemoteSearch;
class TypeTable;

// The remote directory as the remote view shows it: the current listing, the rows in
// display order, the paths whose listings the session cached, the Back history, the
// sort order and the status text. The session worker tells it what to show through the
// RemoteViewContract and never reads it back (the listings it walks are its own); the
// view reads it and turns user actions into requests.
//
// Entries keep their index for the whole listing (a removed entry keeps its slot with
// an empty name), and rows hold indices, never pointers.
class RemoteDirectoryModel : public RemoteViewContract {
  public:
    using Listing = std::vector<RemoteEntry>;
    // Entries as listed, with the absolute directory they are in: what a request or a
    // drag carries, so that it acts on them wherever the view has gone since.
    struct Selection {
        std::string directory;
        std::vector<RemoteEntry> entries;
    };

    explicit RemoteDirectoryModel(AppLog& log);
    ~RemoteDirectoryModel() override;

    // ---- the session's contract ----
    void onConnected(FtpSession* session) override;
    void onDisconnected() override;
    void changeDirectoryStarted(const std::string* directory, DirectoryFlags flags) override;
    void entriesListed(std::span<const RemoteEntry> entries) override;
    void listingFinished(bool complete, DirectoryFlags flags) override;
    void listingReady(const std::string& directory, std::vector<RemoteEntry> entries,
                      DirectoryFlags flags) override;
    void showCurrentPath() override;
    void setBusy(bool busy) override;
    void updateEntry(const std::string& directory, const std::string& name, int64_t size,
                     int64_t time, EntryType type) override;
    void entryRemoved(const std::string& directory, const std::string& name) override;
    void entryRenamed(const std::string& directory, const std::string& from,
                      const std::string* to) override;
    void entryKept(const std::string& directory, const std::string& name) override;
    void placeholderDropped(const std::string& directory, const std::string& name) override;
    void modeChanged(const std::string& directory, const std::string& name, uint16_t mode) override;
    void permissionsApplied(const std::vector<std::string>& refusals) override;
    // The entry at an index of the shown listing keeps its slot with an empty name.
    void removeEntry(int index);
    // Marks an entry as cut (a delete is pending on it); entryKept clears the mark.
    void markEntry(int index);
    bool isMarked(int index) const;

    // ---- what the view shows ----
    FtpSession* session() const;
    // The connected session as the widgets may use it.
    const SessionLink& link() const { return link_; }
    bool busy() const;
    std::string currentPath() const;
    // The directory of the listing shown (the one coming in while a listing runs).
    std::string shownDirectory() const;
    // The text of the path box (the directory being entered, or the current one).
    std::string pathText() const;
    std::vector<std::string> history() const;
    // Paths with a cached listing, in alphabetical order (the path box's list).
    std::vector<std::string> cachedPaths() const;
    // Entry indices in display order; rowsFrom gives those from a row on (what a view
    // appends), without copying the rest.
    std::vector<int> rows() const;
    std::vector<int> rowsFrom(size_t first) const;
    size_t rowCount() const;
    // Copies the entry at an index of the shown listing; false when there is none.
    bool entryAt(int index, RemoteEntry* entry) const;
    // Index of the first shown entry of that name (exactly, or ignoring case), in row
    // order; -1.
    int findEntryByName(const std::string& name, bool ignoreCase) const;
    // The entries of some indices (the selection), skipping removed ones.
    std::vector<RemoteEntry> entriesAt(const std::vector<int>& indices) const;
    // The same with the directory they are listed in, read together; *kept gets the
    // indices of the entries taken, in their order.
    Selection selection(const std::vector<int>& indices, std::vector<int>* kept = nullptr) const;
    int sortKey() const;
    // "N object(s)" or "N object(s), 1.23MB" for the selected entry indices, or for
    // every shown entry when none is selected ("12 of 340 shown, 1.23MB" while a filter
    // hides some).
    std::string statusText(const std::vector<int>& selected) const;
    // The filter box's patterns: the rows are those of the listing it shows, in order
    // (a new, renamed or uploaded entry among them as it comes). Kept across changes of
    // directory.
    void setFilter(NameFilter filter);
    NameFilter filter() const;

    // ---- user actions ----
    // A column header (0 Name, 1 Size, 2 Type, 3 Date/Time): sorts by it, and the next
    // click on it sorts the other way.
    void sortByColumn(int column);
    // "Arrange Icons": sort code 1-4, ascending.
    void arrangeBy(int code);
    // A kept sort order (sortKey's code), as the window remembered it.
    void restoreSortKey(int key);
    // Queues the change into a directory or link entry; false when not connected or the
    // entry cannot be opened.
    bool openEntry(int index);
    // Back: the last directory of the history, without pushing the one left.
    bool back();
    bool up();
    // Lists the current directory again into its cached copy.
    bool refresh();
    // A new folder whose name is still being edited ("NewFolder", size -1, time 0),
    // appended as the last row; its index, or -1 when not connected.
    int addPlaceholder();
    bool isPlaceholder(int index) const;
    enum class EditEnd { Nothing, Removed, NeedName, Refused, MakeDirectory, Rename };
    // The end of an in-place edit of an entry's name (null: cancelled): a cancelled
    // placeholder goes, an empty name is refused, a placeholder's name is created on the
    // server (MakeDirectory), another entry is renamed there (Rename); its own name
    // again changes nothing. A new name another entry of the listing holds is refused
    // (Refused, nothing queued): a rename onto it would replace that entry on the server.
    EditEnd finishEdit(int index, const std::string* text);
    // Queues a Get of entries into a folder, a Put of local paths (into a directory of
    // the shown one when given), a Delete of entries after marking them.
    bool get(const std::string& folder, const std::vector<int>& indices,
             const TransferOptions& options);
    // A Get of entries chosen earlier (a drag): they are fetched from their directory.
    bool get(const std::string& folder, Selection chosen, const TransferOptions& options);
    // Queues new permissions (SITE CHMOD) for entries chosen in the properties box.
    bool changeModes(Selection chosen, const ModeChange& change);
    bool put(const std::vector<std::string>& paths, const std::string& intoDirectory,
             const TransferOptions& options);
    bool remove(const std::vector<int>& indices);
    // A Delete of entries chosen earlier (before a question was answered): they go from
    // their directory, whatever the view shows by then; withContents: folders go with
    // all they hold.
    bool remove(Selection chosen, bool withContents = false);
    // Queues the count of what the folders among entries chosen hold (the question
    // before their Delete); `counted` hears it on the session's worker.
    bool count(Selection chosen, std::function<void(const TreeCount&)> counted);
    // Queues a search from the directory shown down.
    bool find(std::shared_ptr<RemoteSearch> search);
    // STOP: the session aborts; every cut mark goes.
    void stop();

    void addListener(RemoteDirectoryListener* listener);
    void removeListener(RemoteDirectoryListener* listener);

    // The type names that sorting by type follows (the window's table); without one,
    // entries sort by kind alone ("File", "Folder", "Symbolic Link").
    void setTypeTable(TypeTable* types);

    // One entry read in place, for a view that asks for one role of it at a time: the
    // model stays locked while the view lives, so the holder calls nothing else of the
    // model meanwhile and lets it go at once.
    class EntryView {
      public:
        explicit operator bool() const { return entry_ != nullptr; }
        const RemoteEntry& operator*() const { return *entry_; }
        const RemoteEntry* operator->() const { return entry_; }

      private:
        friend class RemoteDirectoryModel;
        EntryView(std::unique_lock<std::mutex> lock, const RemoteEntry* entry)
            : lock_(std::move(lock)), entry_(entry) {}
        std::unique_lock<std::mutex> lock_;
        const RemoteEntry* entry_;
    };
    // An empty view for an index that holds no entry (a removed one included).
    EntryView viewEntry(int index) const;

  private:
    void resetLocked();
    // The shown listing when it is of that directory, else null. The index of a name in
    // a listing, or -1.
    Listing* shownListingLocked(const std::string& directory);
    static int indexOfName(const Listing& listing, const std::string& name);
    // The index of an entry other than `except` that holds the name, or -1.
    static int otherIndexOfName(const Listing& listing, const std::string& name, int except);
    // Puts an entry at the next index and shows it as the last row.
    int appendLocked(const RemoteEntry& entry);
    void refillLocked();
    void sortLocked();
    // Sorting by type: each of those rows' type rank, by entry index. The ranks of the
    // type names (typeRankOf_), and an entry's row in the type table.
    std::vector<uint32_t> typeRanksLocked(const std::vector<int>& rows);
    void rankTypesLocked();
    uint32_t typeRowLocked(int index) const;
    // Whether the filter shows an entry (a new folder being named always shows).
    bool shownLocked(const RemoteEntry& entry) const;
    // Moves an entry's row to where the order puts it, or takes it out when it is
    // removed or the filter hides it.
    void placeLocked(int index);
    template <typename Call>
    void notify(Call call);
    // Changes the order under the lock and sorts again when it took.
    template <typename Change>
    void reorder(Change change);

    AppLog& log_;
    mutable std::mutex mutex_;
    FtpSession* session_ = nullptr;
    std::shared_ptr<Listing> current_;
    int entryCount_ = 0;
    std::vector<int> rows_;
    // Each type table row's place among the type names, as the last sort or placement
    // by type made it.
    std::vector<uint32_t> typeRankOf_;
    std::vector<int> marked_;
    // The last download asked for (its folders, mode and names) and its place among the
    // session's requests: the same one asked again before it ran is not queued twice.
    struct LastGet {
        std::string key;
        uint64_t number = 0;
    } lastGet_;
    std::string currentPath_;
    std::string pathText_;
    // The directory the shown listing (current_) is of: the one being listed while a
    // listing comes in, else currentPath_.
    std::string shownDirectory_;
    std::vector<std::string> history_;
    // The directories shown whole since the login: the path box's list.
    std::set<std::string> cached_;
    // The listing of currentPath_ while another comes in: shown again when that one
    // does not come whole.
    std::shared_ptr<Listing> settled_;
    SortOrder order_;
    NameFilter filter_;
    bool busy_ = false;
    TypeTable* types_ = nullptr;

    std::mutex listenersMutex_;
    std::vector<RemoteDirectoryListener*> listeners_;
    SessionLink link_{[this] { return session(); }};
};

}  // namespace nubo
