#include "setup/program_manifest.h"

#include <limits.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <set>
#include <sstream>

#include "platform/bounded_file.h"

namespace nubo {

namespace {

std::string resolved(const std::string& path) {
    char buffer[PATH_MAX];
    return ::realpath(path.c_str(), buffer) != nullptr ? std::string(buffer) : std::string();
}

bool isInside(const std::string& path, const std::string& folder) {
    if (folder == "/")
        return path.size() > 1 && path[0] == '/';
    return path == folder ||
           (path.size() > folder.size() && path.compare(0, folder.size(), folder) == 0 &&
            path[folder.size()] == '/');
}

std::string parentOf(const std::string& path) {
    const size_t slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

std::string joined(const std::string& folder, const std::string& relative) {
    return folder == "/" ? "/" + relative : folder + "/" + relative;
}

}  // namespace

bool ProgramManifest::isPlainRelative(const std::string& relative) {
    if (relative.empty() || relative.front() == '/')
        return false;
    size_t start = 0;
    while (start <= relative.size()) {
        size_t end = relative.find('/', start);
        if (end == std::string::npos)
            end = relative.size();
        const std::string part = relative.substr(start, end - start);
        if (part.empty() || part == "." || part == "..")
            return false;
        start = end + 1;
    }
    return relative.find('\0') == std::string::npos;
}

bool ProgramManifest::load(const std::string& folder, const std::string& runningProgram) {
    *this = ProgramManifest();
    folder_ = resolved(folder);
    if (folder_.empty()) {
        why_ = "the folder " + folder + " is not there";
        return false;
    }
    const std::string program = resolved(runningProgram);
    if (!isInside(program, folder_) || program == folder_) {
        why_ = "the folder " + folder + " does not hold the running program";
        return false;
    }
    pinned_ = PinnedFolder(folder_);
    if (!pinned_.isAt(folder_)) {
        why_ = "the folder " + folder + " changed while it was read";
        return false;
    }
    const std::string list = joined(folder_, kListPath);
    BoundedFileRule rule;
    rule.maxBytes = kMaxListBytes;
    std::string text, reason;
    if (readBoundedFile(list, rule, &text, &reason) != BoundedFile::Usable) {
        why_ = "the folder " + folder + " has no list of its files";
        return false;
    }
    struct stat status {};
    std::istringstream in(text);
    bool listsProgram = false;
    const std::string programRelative =
        folder_ == "/" ? program.substr(1) : program.substr(folder_.size() + 1);
    std::set<std::string> seen;
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.empty() || !seen.insert(line).second)
            continue;
        if (!isPlainRelative(line)) {
            refused_.push_back(line);
            continue;
        }
        const std::string path = joined(folder_, line);
        // The file's own folder, links followed, must still be inside the copy.
        const std::string parent = resolved(parentOf(path));
        if (parent.empty() || !isInside(parent, folder_)) {
            refused_.push_back(line);
            continue;
        }
        listsProgram = listsProgram || line == programRelative;
        if (::lstat(path.c_str(), &status) == 0 && !S_ISDIR(status.st_mode)) {
            relative_.push_back(line);
            files_.push_back(path);
        }
    }
    if (!listsProgram) {
        why_ = "the list of " + folder + " does not name the running program";
        relative_.clear();
        files_.clear();
        return false;
    }
    return true;
}

int ProgramManifest::undeletableCount() const {
    int count = 0;
    for (const std::string& file : files_)
        count += ::access(parentOf(file).c_str(), W_OK) == 0 ? 0 : 1;
    return count;
}

int ProgramManifest::removeAll() const {
    int failed = 0;
    std::set<std::string> folders;
    for (size_t i = 0; i < files_.size(); ++i) {
        if (!pinned_.removeFile(relative_[i]))
            ++failed;
        for (std::string up = parentOf(relative_[i]); !up.empty(); up = parentOf(up))
            folders.insert(up);
    }
    // Deepest first, so a folder is empty by the time its turn comes; a folder that
    // still holds something (a file of the user's) stays.
    std::vector<std::string> ordered(folders.begin(), folders.end());
    std::sort(ordered.begin(), ordered.end(), [](const std::string& a, const std::string& b) {
        return std::count(a.begin(), a.end(), '/') > std::count(b.begin(), b.end(), '/');
    });
    for (const std::string& relative : ordered)
        pinned_.removeEmptyFolder(relative);
    if (pinned_.isAt(folder_))
        ::rmdir(folder_.c_str());
    return failed;
}

}  // namespace nubo
