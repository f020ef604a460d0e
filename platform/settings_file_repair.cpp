#include "platform/settings_file_repair.h"

#include <fcntl.h>
#include <unistd.h>

#include "platform/bounded_file.h"
#include "platform/registry_key.h"
#include "platform/xdg_paths.h"

namespace nubo {

namespace {

bool readWhole(const std::string& path, std::string* text) {
    // Never a blocking open: the path is judged on what was opened.
    BoundedFileRule rule;
    rule.maxBytes = RegistryKey::kMaxFileBytes;
    std::string reason;
    return readBoundedFile(path, rule, text, &reason) == BoundedFile::Usable;
}

// Writes the copy of the damaged file once, owner-only; an existing copy of the same
// second is kept.
bool writeCopy(const std::string& path, const std::string& text) {
    int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd < 0) {
        return false;
    }
    bool written = ::write(fd, text.data(), text.size()) == static_cast<ssize_t>(text.size());
    return ::close(fd) == 0 && written;
}

}  // namespace

bool SettingsFileRepair::quotesBalanced(const std::string& line) {
    const size_t equals = line.find('=');
    if (equals == std::string::npos || (!line.empty() && (line[0] == '[' || line[0] == ';'))) {
        return true;
    }
    bool quoted = false;
    for (size_t i = equals + 1; i < line.size(); ++i) {
        if (line[i] == '\\') {
            ++i;
        } else if (line[i] == '"') {
            quoted = !quoted;
        }
    }
    return !quoted;
}

bool SettingsFileRepair::repair(const std::string& path, std::string* copyPath) {
    copyPath->clear();
    std::string text;
    if (!readWhole(path, &text)) {
        return false;
    }
    std::string mended;
    mended.reserve(text.size() + 8);
    bool damaged = false;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        const size_t next = end == std::string::npos ? text.size() : end + 1;
        if (end == std::string::npos)
            end = text.size();
        std::string line = text.substr(start, end - start);
        const bool carriageReturn = !line.empty() && line.back() == '\r';
        if (carriageReturn)
            line.pop_back();
        if (!quotesBalanced(line)) {
            damaged = true;
            // A trailing backslash would escape the closing quote: it goes first.
            while (!line.empty() && !quotesBalanced(line + '"'))
                line.pop_back();
            line += '"';
        }
        mended += line;
        if (carriageReturn)
            mended += '\r';
        if (end < text.size())
            mended += '\n';
        start = next;
    }
    if (!damaged) {
        return false;
    }
    const std::string copy = setAsideName(path);
    if (writeCopy(copy, text)) {
        *copyPath = copy;
    }
    replaceFile(path, mended, 0600);
    return true;
}

}  // namespace nubo
