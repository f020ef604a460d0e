#include "engine/remote_search.h"

#include <algorithm>

#include "engine/ftp_session.h"
#include "engine/remote_tree_walk.h"

namespace nubo {

namespace {

char folded(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

std::string counted(int64_t count, const char* one, const char* many) {
    return std::to_string(count) + " " + (count == 1 ? one : many);
}

}  // namespace

RemoteSearch::RemoteSearch(std::string pattern, int maxDepth)
    : pattern_(std::move(pattern)), maxDepth_(maxDepth) {}

bool RemoteSearch::matches(std::string_view pattern, std::string_view name) {
    // One pass with a single point to come back to: the last "*" seen takes one more
    // character each time what follows it fails.
    size_t p = 0, n = 0;
    size_t star = std::string_view::npos, resume = 0;
    while (n < name.size()) {
        if (p < pattern.size() && pattern[p] == '*') {
            star = p++;
            resume = n;
        } else if (p < pattern.size() &&
                   (pattern[p] == '?' || folded(pattern[p]) == folded(name[n]))) {
            ++p;
            ++n;
        } else if (star != std::string_view::npos) {
            p = star + 1;
            n = ++resume;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == '*')
        ++p;
    return p == pattern.size();
}

std::vector<RemoteSearch::InFolder> RemoteSearch::byFolder(const std::vector<Found>& found) {
    std::vector<InFolder> folders;
    for (const Found& one : found) {
        auto at = std::find_if(folders.begin(), folders.end(), [&one](const InFolder& folder) {
            return folder.directory == one.directory;
        });
        if (at == folders.end())
            at = folders.insert(folders.end(), InFolder{one.directory, {}});
        at->entries.push_back(one.entry);
    }
    return folders;
}

int RemoteSearch::run(FtpSession& session) {
    RemoteTreeWalk::Visitor visitor;
    visitor.entered = [this](const std::string& directory, int, std::vector<RemoteEntry>& entries) {
        std::vector<Found> here;
        for (const RemoteEntry& entry : entries) {
            if (matches(pattern_, entry.name))
                here.push_back({directory, entry});
        }
        ++folders_;
        if (!here.empty()) {
            std::lock_guard lock(lock_);
            found_.insert(found_.end(), here.begin(), here.end());
        }
        return true;
    };
    RemoteTreeWalk walk(session, std::move(visitor));
    walk.setMaxDepth(maxDepth_);
    walk.setStop([this] { return stop_.load(); });
    walk.useKeptListings(true);
    const int code = walk.walkHere();
    if (walk.stopped())
        stop_ = true;
    finished_ = true;
    return code;
}

size_t RemoteSearch::resultCount() const {
    std::lock_guard lock(lock_);
    return found_.size();
}

std::vector<RemoteSearch::Found> RemoteSearch::results(size_t from) const {
    std::lock_guard lock(lock_);
    if (from >= found_.size())
        return {};
    return {found_.begin() + static_cast<std::ptrdiff_t>(from), found_.end()};
}

std::string RemoteSearch::progressText() const {
    const std::string text = "searched " + counted(folders_, "folder", "folders") + ", " +
                             std::to_string(resultCount()) + " found";
    if (!finished_)
        return text;
    return (stop_ ? "Stopped: " : "Done: ") + text;
}

}  // namespace nubo
