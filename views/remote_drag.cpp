#include "views/remote_drag.h"

#include <charconv>

namespace nubo {

namespace {

constexpr std::string_view kMagic = "nubo-remote-drag 1\n";

// Every field is "<length>:<bytes>", so names may hold any byte, newlines included.
void putField(std::string& out, std::string_view field) {
    out += std::to_string(field.size());
    out += ':';
    out += field;
}

void putNumber(std::string& out, int64_t value) {
    putField(out, std::to_string(value));
}

bool takeField(std::string_view& in, std::string_view* field) {
    const size_t colon = in.find(':');
    size_t length = 0;
    if (colon == std::string_view::npos || colon == 0 ||
        std::from_chars(in.data(), in.data() + colon, length).ptr != in.data() + colon ||
        length > in.size() - colon - 1) {
        return false;
    }
    *field = in.substr(colon + 1, length);
    in.remove_prefix(colon + 1 + length);
    return true;
}

template <typename Number>
bool takeNumber(std::string_view& in, Number* value) {
    std::string_view field;
    return takeField(in, &field) &&
           std::from_chars(field.data(), field.data() + field.size(), *value).ptr ==
               field.data() + field.size() &&
           !field.empty();
}

}  // namespace

std::string RemoteDrag::encode() const {
    std::string out(kMagic);
    putNumber(out, processId);
    putField(out, std::to_string(sessionId));
    putField(out, directory);
    putNumber(out, static_cast<int64_t>(entries.size()));
    for (const RemoteEntry& entry : entries) {
        putField(out, entry.name);
        putField(out, entry.linkTarget);
        putNumber(out, static_cast<int64_t>(entry.type));
        putNumber(out, entry.size);
        putNumber(out, entry.time);
        putNumber(out, entry.flags);
    }
    return out;
}

bool RemoteDrag::decode(std::string_view bytes, RemoteDrag* drag) {
    if (bytes.substr(0, kMagic.size()) != kMagic) {
        return false;
    }
    bytes.remove_prefix(kMagic.size());
    RemoteDrag result;
    std::string_view directory;
    int64_t count = 0;
    if (!takeNumber(bytes, &result.processId) || !takeNumber(bytes, &result.sessionId) ||
        !takeField(bytes, &directory) || !takeNumber(bytes, &count) || count < 0) {
        return false;
    }
    result.directory = std::string(directory);
    for (int64_t i = 0; i < count; ++i) {
        std::string_view name;
        std::string_view link;
        int type = 0;
        int64_t size = 0;
        int64_t time = 0;
        uint32_t flags = 0;
        if (!takeField(bytes, &name) || !takeField(bytes, &link) || !takeNumber(bytes, &type) ||
            !takeNumber(bytes, &size) || !takeNumber(bytes, &time) || !takeNumber(bytes, &flags) ||
            type < 0 || type > 2) {
            return false;
        }
        RemoteEntry entry;
        entry.type = static_cast<EntryType>(type);
        entry.linkTarget = std::string(link);
        entry.flags = flags;
        entry.setSizeAndTime(size, time);
        entry.setName(std::string(name));
        result.entries.push_back(std::move(entry));
    }
    if (!bytes.empty()) {
        return false;
    }
    *drag = std::move(result);
    return true;
}

}  // namespace nubo
