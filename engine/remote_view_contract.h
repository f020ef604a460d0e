#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "engine/remote_entry.h"
#include "engine/session_request.h"

namespace nubo {

class FtpSession;

// The remote directory view as the session engine tells it what to show. Calls come
// from the session worker and are handled on that thread by the core model, which
// guards its own state. The engine never reads the view back: the listings it walks and
// looks names up in are its own (DirectoryCache).
class RemoteViewContract {
  public:
    virtual ~RemoteViewContract() = default;
    // Login finished: the view sends its requests to this session from now on.
    virtual void onConnected(FtpSession* session) = 0;
    // The session is gone: what is shown goes and no request may reach the session.
    virtual void onDisconnected() = 0;

    // The session followed the user into a directory (CWD/CDUP and PWD done) and lists
    // it: the shown rows go and the path shows the directory. No directory (refresh): the
    // shown directory's cached copy is flushed and listed again.
    virtual void changeDirectoryStarted(const std::string* directory, DirectoryFlags flags) = 0;
    // More entries of that listing, in the order listed: shown as they come.
    virtual void entriesListed(std::span<const RemoteEntry> entries) = 0;
    // After the LIST: a complete listing is sorted and cached; an incomplete one puts the
    // last good directory back.
    virtual void listingFinished(bool complete, DirectoryFlags flags) = 0;
    // The session followed the user into a directory whose listing it keeps: nothing is
    // listed, the listing is shown (and cached) whole.
    virtual void listingReady(const std::string& directory, std::vector<RemoteEntry> entries,
                              DirectoryFlags flags) = 0;
    // A change of directory failed: show the current directory again.
    virtual void showCurrentPath() = 0;
    // A listing or transfer runs (true) or has ended.
    virtual void setBusy(bool busy) = 0;

    // Upkeep after transfers and remote operations, so the listing shown matches the
    // server without a new LIST (the session keeps its own listings up alike). Entries
    // are named by the absolute directory they are in and their name; another directory
    // than the one shown is left alone. updateEntry changes the entry of that name or
    // appends one.
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
    // SITE CHMOD was agreed to: the entry's permissions are these now.
    virtual void modeChanged(const std::string& directory, const std::string& name, uint16_t mode) {
        (void)directory, (void)name, (void)mode;
    }
    // A change of permissions ended; what the server refused, "path: reply" each.
    virtual void permissionsApplied(const std::vector<std::string>& refusals) { (void)refusals; }
};

}  // namespace nubo
