#include "engine/remote_tree_walk.h"

#include <algorithm>

#include "engine/ftp_session.h"
#include "engine/path_text.h"

namespace nubo {

namespace {

// What a listing holds that a walk may act on: no ".", "..", nor removed slots.
void keepUsable(std::vector<RemoteEntry>& entries) {
    entries.erase(std::remove_if(entries.begin(), entries.end(),
                                 [](const RemoteEntry& entry) {
                                     return !entry.valid() || entry.name == "." ||
                                            entry.name == "..";
                                 }),
                  entries.end());
}

// The server's words for a refusal: its last reply line when that is the refusal's.
std::string replyText(const ControlChannel& control, int code) {
    const std::string& line = control.lastReplyLine();
    const std::string digits = std::to_string(code);
    return line.starts_with(digits) ? line : digits;
}

}  // namespace

RemoteTreeWalk::RemoteTreeWalk(FtpSession& session, Visitor visitor)
    : session_(session), visitor_(std::move(visitor)) {}

bool RemoteTreeWalk::stopNow() {
    if (!stopped_ && (session_.abortRequested() || (stop_ && stop_())))
        stopped_ = true;
    return stopped_;
}

int RemoteTreeWalk::walk(const RemoteEntry& folder) {
    bool whole = true;
    const std::string start = session_.currentRemoteDirectory();  // a copy: the walk moves
    return walkFolder(start, folder, 0, &whole);
}

int RemoteTreeWalk::walkHere() {
    if (stopNow())
        return 0;
    const std::string directory = session_.currentRemoteDirectory();
    std::vector<RemoteEntry> entries;
    int code = 226;
    if (!useKept_ || !session_.listings().listing(directory, &entries))
        code = session_.listAside(directory, &entries);
    if (code / 100 != 2)
        return code;
    ++listed_;
    keepUsable(entries);
    bool whole = !visitor_.entered || visitor_.entered(directory, 0, entries);
    const int last = descend(directory, 0, entries, &whole);
    return last != 0 ? last : code;
}

int RemoteTreeWalk::walkFolder(const std::string& parent, const RemoteEntry& folder, int depth,
                               bool* whole) {
    const std::string directory = joinPath(parent, folder.changeDirectoryName());
    if (stopNow()) {
        *whole = false;
        return 0;
    }
    if (!FtpSession::fitsReplyLine(directory)) {
        *whole = false;
        if (visitor_.refused)
            visitor_.refused(parent, folder, "too deep for the control connection's lines");
        return ControlChannel::kLocalFailure;
    }
    std::vector<RemoteEntry> entries;
    int code = session_.walkInto(folder.changeDirectoryName(), &entries, useKept_);
    if (code / 100 != 2) {
        *whole = false;
        if (visitor_.refused && code != 421)
            visitor_.refused(parent, folder, replyText(session_.control(), code));
        return code;
    }
    ++listed_;
    keepUsable(entries);
    const std::string here = session_.currentRemoteDirectory();
    bool below = !visitor_.entered || visitor_.entered(here, depth, entries);
    code = descend(here, depth, entries, &below);
    if (code == 421)
        return code;
    const int back = session_.walkBack(parent);
    if (back != 257) {
        // Not where the walk left off: nothing more is done in the wrong folder.
        stopped_ = true;
        *whole = false;
        return back;
    }
    *whole = *whole && below;
    if (visitor_.left)
        visitor_.left(parent, folder, below);
    return code != 0 ? code : back;
}

int RemoteTreeWalk::descend(const std::string& directory, int depth,
                            std::vector<RemoteEntry>& entries, bool* whole) {
    if (maxDepth_ >= 0 && depth >= maxDepth_) {
        return 0;
    }
    int last = 0;
    for (const RemoteEntry& entry : entries) {
        if (entry.type != EntryType::Directory)
            continue;
        if (stopNow()) {
            *whole = false;
            break;
        }
        last = walkFolder(directory, entry, depth + 1, whole);
        if (last == 421 || stopped_)
            break;
    }
    return last;
}

}  // namespace nubo
