#include "setup/uninstall_record.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>

#include "platform/bounded_file.h"
#include "platform/xdg_paths.h"

namespace nubo {

namespace {

// A record is small; anything larger is not one of ours.
constexpr size_t kMaxRecordBytes = 1 << 20;

bool isKind(char c) {
    return c == 'm' || c == 'd' || c == 'x' || c == 'f';
}

}  // namespace

std::vector<std::string> UninstallRecord::paths(Kind kind) const {
    std::vector<std::string> found;
    for (const Item& item : created) {
        if (item.kind == kind)
            found.push_back(item.path);
    }
    return found;
}

std::vector<std::string> UninstallRecord::foldersDeepestFirst() const {
    std::vector<std::string> folders = paths(Kind::Folder);
    std::stable_sort(
        folders.begin(), folders.end(), [](const std::string& a, const std::string& b) {
            return std::count(a.begin(), a.end(), '/') > std::count(b.begin(), b.end(), '/');
        });
    return folders;
}

void UninstallRecord::sortCreated() {
    std::sort(created.begin(), created.end(), [](const Item& a, const Item& b) {
        return a.kind != b.kind ? a.kind < b.kind : a.path < b.path;
    });
}

bool UninstallRecord::lists(Kind kind, const std::string& path) const {
    for (const Item& item : created) {
        if (item.kind == kind && item.path == path)
            return true;
    }
    return false;
}

bool UninstallRecord::save(const std::string& dataFolder) const {
    if (program.empty())
        return false;
    // Layout: the program, the number of arguments, the arguments, then one field per
    // created path: its kind letter, ':' and the path.
    std::string text = program + '\0' + std::to_string(arguments.size()) + '\0';
    for (const std::string& argument : arguments)
        text += argument + '\0';
    for (const Item& item : created) {
        if (item.path.empty())
            return false;
        text += std::string(1, static_cast<char>(item.kind)) + ':' + item.path + '\0';
    }
    const size_t fields = 2 + arguments.size() + created.size();
    size_t nuls = 0;
    for (char c : text)
        nuls += c == '\0' ? 1 : 0;
    if (nuls != fields)  // a NUL inside a field would shift every later one
        return false;
    return replaceFile(dataFolder + kFileName, text, 0600);
}

bool UninstallRecord::load(const std::string& dataFolder, UninstallRecord* record,
                           std::string* why) {
    std::string text, reason;
    BoundedFileRule rule;
    rule.maxBytes = kMaxRecordBytes;
    rule.ownerOnly = true;
    const BoundedFile found = readBoundedFile(dataFolder + kFileName, rule, &text, &reason);
    if (why != nullptr)
        *why = found == BoundedFile::Refused ? reason : std::string();
    if (found != BoundedFile::Usable)
        return false;
    std::vector<std::string> fields;
    size_t start = 0;
    for (size_t end; (end = text.find('\0', start)) != std::string::npos; start = end + 1)
        fields.push_back(text.substr(start, end - start));
    if (fields.size() < 2 || fields[0].empty() || start != text.size())
        return false;
    char* end = nullptr;
    const unsigned long count = std::strtoul(fields[1].c_str(), &end, 10);
    if (fields[1].empty() || *end != '\0' || count > fields.size() - 2)
        return false;
    UninstallRecord read;
    read.program = fields[0];
    read.arguments.assign(fields.begin() + 2, fields.begin() + 2 + static_cast<long>(count));
    for (size_t i = 2 + count; i < fields.size(); ++i) {
        const std::string& field = fields[i];
        if (field.size() < 3 || !isKind(field[0]) || field[1] != ':')
            return false;
        read.created.push_back({static_cast<Kind>(field[0]), field.substr(2)});
    }
    *record = std::move(read);
    return true;
}

bool UninstallRecord::remove(const std::string& dataFolder) {
    return ::unlink((dataFolder + kFileName).c_str()) == 0;
}

bool UninstallRecord::exists(const std::string& dataFolder) {
    UninstallRecord record;
    return load(dataFolder, &record);
}

}  // namespace nubo
