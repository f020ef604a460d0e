#pragma once

#include <cstdint>
#include <string>

#include "engine/remote_entry.h"
#include "engine/session_request.h"

namespace nubo {

class FtpSession;

// The remote directory view as the session engine uses it. Calls come from the
// session worker and are answered on that thread by the core model, which guards its
// own state.
class RemoteViewContract {
  public:
    virtual ~RemoteViewContract() = default;
    // Login finished: the view sends its requests to this session from now on.
    virtual void onConnected(FtpSession* session) = 0;
    // The session is gone: cached listings are freed and no request may reach it.
    virtual void onDisconnected() = 0;

    // Appends an entry to the current listing; returns its index.
    virtual int addEntry(const RemoteEntry& entry) = 0;
    // Copies the entry at an index of the current listing; false when there is none.
    virtual bool entryAt(int index, RemoteEntry* entry) const = 0;
    // Index of the first shown entry of that name (exactly, or ignoring case); -1.
    virtual int findEntryByName(const std::string& name, bool ignoreCase) const = 0;
    // Moves index to the next entry with a name; false after the last. Start at -1.
    virtual bool nextValidEntry(int* index) const = 0;
    // After CWD/CDUP and PWD: true when a cached listing of the directory was put
    // back. No directory (refresh): the cached copy is flushed.
    virtual bool changeDirectoryStarted(const std::string* directory, DirectoryFlags flags) = 0;
    // After a LIST: a complete listing is sorted and cached; an incomplete one puts the
    // last good directory back.
    virtual void listingFinished(bool complete, DirectoryFlags flags) = 0;
    // A change of directory failed: show the current directory again.
    virtual void showCurrentPath() = 0;
    // A listing or transfer runs (true) or has ended.
    virtual void setBusy(bool busy) = 0;

    // Upkeep after transfers and remote operations, so the listings match the server
    // without a new LIST. Entries are named by the absolute directory they are in (shown
    // or cached; a directory the view has no listing of is left alone) and their name.
    // updateEntry changes the entry of that name or appends one.
    virtual void updateEntry(const std::string& directory, const std::string& name, int64_t size,
                             int64_t time, EntryType type) = 0;
    // Deleted on the server: the entry keeps its slot with an empty name.
    virtual void entryRemoved(const std::string& directory, const std::string& name) = 0;
    // Renamed (its icon recomputed), or not (null): the old name shows again.
    virtual void entryRenamed(const std::string& directory, const std::string& from,
                              const std::string* to) = 0;
    // A delete did not happen: the cut mark goes.
    virtual void entryKept(const std::string& directory, const std::string& name) = 0;
    // A new folder was refused: its placeholder row of that name goes.
    virtual void placeholderDropped(const std::string& directory, const std::string& name) = 0;
};

}  // namespace nubo
