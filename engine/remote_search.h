#pragma once

#include <atomic>
#include <cstdint>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

#include "engine/remote_entry.h"

namespace nubo {

class FtpSession;

// Find on the server: the names that match a pattern (wildcards "*" and "?", letter case
// ignored), from a folder down to a depth, over the session's listings (a folder the
// session keeps a listing of is not listed again). A FindRequest runs it on the
// session's worker; the window reads its progress and results from its own thread, and
// may stop it at any time.
class RemoteSearch {
  public:
    // A name found, with the folder (absolute) it is in.
    struct Found {
        std::string directory;
        RemoteEntry entry;
    };

    // maxDepth: levels below the start searched at most (0: the start alone), -1 all.
    RemoteSearch(std::string pattern, int maxDepth);

    // Results grouped by their folder, in the order the folders first come: a request
    // (Get, Delete) acts in one folder.
    struct InFolder {
        std::string directory;
        std::vector<RemoteEntry> entries;
    };
    static std::vector<InFolder> byFolder(const std::vector<Found>& found);

    // Whether a name matches a pattern: "*" any run of characters, "?" one character,
    // letters of either case alike (ASCII).
    static bool matches(std::string_view pattern, std::string_view name);

    // ---- the worker ----
    // Searches from the session's current directory down; the last reply code.
    int run(FtpSession& session);

    // ---- any thread ----
    void stop() { stop_ = true; }
    // The request was flushed before it ran (Escape on a busy session): it ends stopped,
    // so that whoever reads it stops waiting.
    void dropUnrun() {
        stop_ = true;
        finished_ = true;
    }
    bool stopRequested() const { return stop_; }
    bool finished() const { return finished_; }
    int64_t foldersSearched() const { return folders_; }
    size_t resultCount() const;
    // The results from position `from` on, in the order they were found.
    std::vector<Found> results(size_t from = 0) const;
    // "searched 120 folders" and what came of it so far.
    std::string progressText() const;

  private:
    std::string pattern_;
    int maxDepth_;
    std::atomic<bool> stop_{false};
    std::atomic<bool> finished_{false};
    std::atomic<int64_t> folders_{0};
    mutable std::mutex lock_;
    std::vector<Found> found_;
};

}  // namespace nubo
