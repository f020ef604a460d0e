#pragma once

#include <functional>
#include <string>
#include <vector>

#include "engine/remote_entry.h"

namespace nubo {

class FtpSession;

// A depth-first walk of a remote folder tree on the session's own connection, by the
// folder walk that downloads use: CWD into each folder, its listing taken into the
// session's listings (or the one kept there, when asked), and back with CWD. The remote
// view is not told and shows what it showed. What a Delete's count, the removal of a
// folder's tree and a search read; it runs on the session's worker.
class RemoteTreeWalk {
  public:
    struct Visitor {
        // A folder entered and listed (".", ".." and unusable entries left out), `depth`
        // levels below where the walk began. The walk then goes into the folders that
        // `entries` still holds, in order: a visitor may take entries out. Links to
        // folders are never followed. False: something here stays as it was, so the
        // folder and those above it are not whole.
        std::function<bool(const std::string& directory, int depth,
                           std::vector<RemoteEntry>& entries)>
            entered;
        // Back in `directory` from its folder `folder`: whole when it was entered and
        // nothing below it was refused or stopped.
        std::function<void(const std::string& directory, const RemoteEntry& folder, bool whole)>
            left;
        // A folder of `directory` that could not be entered or listed: the reply.
        std::function<void(const std::string& directory, const RemoteEntry& folder,
                           const std::string& reply)>
            refused;
    };

    RemoteTreeWalk(FtpSession& session, Visitor visitor);

    // Levels below the start walked at most (0: the start alone); -1: no limit.
    void setMaxDepth(int depth) { maxDepth_ = depth; }
    // Asked before each folder: true stops the walk, as the session's STOP does.
    void setStop(std::function<bool()> stop) { stop_ = std::move(stop); }
    // The listings the session keeps are read rather than taken again.
    void useKeptListings(bool on) { useKept_ = on; }

    // The walk of a folder of the current directory (its entry as listed), and of the
    // current directory itself with all below it. The last reply code; 421 when the
    // connection went.
    int walk(const RemoteEntry& folder);
    int walkHere();
    // The walk stopped before its end (the stop, or the session's STOP).
    bool stopped() const { return stopped_; }
    // Folders entered and listed so far.
    int64_t foldersListed() const { return listed_; }

  private:
    int walkFolder(const std::string& parent, const RemoteEntry& folder, int depth, bool* whole);
    // The folders of a listing taken in turn; the folders entered stay as they are.
    int descend(const std::string& directory, int depth, std::vector<RemoteEntry>& entries,
                bool* whole);
    bool stopNow();

    FtpSession& session_;
    Visitor visitor_;
    int maxDepth_ = -1;
    std::function<bool()> stop_;
    bool useKept_ = false;
    bool stopped_ = false;
    int64_t listed_ = 0;
};

}  // namespace nubo
