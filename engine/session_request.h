#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "engine/mode_change.h"
#include "engine/remote_entry.h"

namespace nubo {

// How a file travels: ASCII converts line ends, Image moves bytes, Smart looks at the
// first block and picks one of the two.
enum class TransferMode : uint8_t { Ascii = 0, Image = 1, Smart = 2 };

// Which entries a folder's walk takes: the filter of the view a transfer starts from,
// when the user applies it to transfers.
class WalkFilter {
  public:
    virtual ~WalkFilter() = default;
    virtual bool passesFile(std::string_view name) const = 0;
    virtual bool passesFolder(std::string_view name) const = 0;
};

struct TransferOptions {
    TransferMode mode = TransferMode::Image;
    // Only what is newer than the copy at the other end (or of another size) moves.
    bool updateOnly = false;
    // Null: a folder's walk takes everything in it.
    std::shared_ptr<const WalkFilter> walkFilter;

    // Whether a folder's walk takes an entry it meets (a link counts as a folder).
    bool walkTakes(std::string_view name, bool file) const {
        return !walkFilter ||
               (file ? walkFilter->passesFile(name) : walkFilter->passesFolder(name));
    }
};

// How one file or folder of a batch ended: the last FTP reply code (or a local
// failure's), and whether the batch must not go on (the control connection went, or a
// folder could not be made or entered).
struct TransferOutcome {
    int code = 0;
    bool stopsBatch = false;
};

// What a change of directory does beside entering the path.
struct DirectoryFlags {
    // A path that cannot be entered is tried once more without its last component (a
    // URL that names a file).
    bool tryParent = false;
    // The directory left is not pushed on the Back history.
    bool noHistory = false;
    // With an empty path: the current directory is listed again into its cached copy.
    bool refresh = false;
};

struct ChangeDirectoryRequest {
    std::string path;
    DirectoryFlags flags;
};

struct ChangeDirectoryUpRequest {};

// A download. Entries chosen in the remote view come with the directory they were
// listed in and as they were listed (a snapshot): the worker goes to that directory,
// fetches what of them is still there and comes back. Names from the command line or a
// resumed download are looked up in the directory the session is in when it runs.
struct GetRequest {
    std::string directory;  // absolute; empty: wherever the session is
    std::vector<RemoteEntry> entries;
    std::vector<std::string> names;
    bool namesIgnoreCase = false;
    TransferOptions options;
    std::string localFolder;
};

// An upload of local files and folders. With a directory (a folder of the shown one the
// files were dropped on) they go into it and the session comes back with CDUP; nothing
// is sent when it cannot be entered.
struct PutRequest {
    std::string directory;
    std::vector<std::string> localPaths;
    TransferOptions options;
};

// Entries as listed: a directory goes with RMD, anything else with DELE. With its
// contents, a directory's tree goes first, depth first (DELE its files, RMD its folders,
// the deepest first); what the server refuses stays, and so do the folders above it.
struct DeleteRequest {
    std::string directory;
    std::vector<RemoteEntry> entries;
    bool withContents = false;
};

// What the folders of a Delete hold, walked before the user is asked: files (links and
// anything else that goes with DELE included) and folders below them.
struct TreeCount {
    int64_t files = 0;
    int64_t folders = 0;
    // Every folder was entered and listed: none refused, nothing stopped.
    bool complete = true;
};

// Walks the folders among the entries (as listed in the directory) and counts what they
// hold; `counted` hears the count on the session's worker, also when the walk failed.
struct CountRequest {
    std::string directory;
    std::vector<RemoteEntry> entries;
    std::function<void(const TreeCount&)> counted;
};

struct RenameRequest {
    std::string directory;
    std::string from;
    std::string to;
};

struct MakeDirectoryRequest {
    std::string directory;
    std::string name;
};

// New permissions (SITE CHMOD) for entries as listed, folders perhaps with everything
// below them.
struct ChmodRequest {
    std::string directory;
    std::vector<RemoteEntry> entries;
    ModeChange change;
};

// The listing of a directory into a local text file (empty directory: the current one,
// as last listed).
struct ListToFileRequest {
    std::string directory;
    std::string path;
    // The folder the session's URL names, and no other: when the login could not enter
    // it (the view shows its parent instead), no file is written.
    bool urlFolder = false;
};

class RemoteSearch;

// Find on the server: the search runs from its directory down (the session comes back
// where it was), and the window reads what it finds as it goes.
struct FindRequest {
    std::string directory;
    std::shared_ptr<RemoteSearch> search;
};

// Ends the session; a nonzero exit code also closes the main window.
struct LogoffRequest {
    int exitCode = 0;
};

// One queued request. The order of the kinds is the order of RequestKind.
using SessionRequest =
    std::variant<ChangeDirectoryRequest, ChangeDirectoryUpRequest, DeleteRequest, GetRequest,
                 PutRequest, LogoffRequest, MakeDirectoryRequest, RenameRequest, ListToFileRequest,
                 CountRequest, FindRequest, ChmodRequest>;

enum class RequestKind : uint8_t {
    ChangeDirectory = 0,
    ChangeDirectoryUp = 1,
    Delete = 2,
    Get = 3,
    Put = 4,
    Logoff = 5,
    MakeDirectory = 6,
    Rename = 7,
    ListToFile = 8,
    Count = 9,
    Find = 10,
    Chmod = 11,
};
inline constexpr size_t kRequestKindCount = std::variant_size_v<SessionRequest>;

inline RequestKind kindOf(const SessionRequest& request) {
    return static_cast<RequestKind>(request.index());
}

}  // namespace nubo
