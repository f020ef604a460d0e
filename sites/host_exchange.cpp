#include "sites/host_exchange.h"

#include <cstdio>
#include <fstream>
#include <sstream>

#include "base/binary_fields.h"
#include "base/credential_encoding.h"
#include "platform/xdg_paths.h"
#include "sites/site_list.h"

namespace nubo {

namespace {

bool isControl(char c) {
    return static_cast<unsigned char>(c) < 32;
}

}  // namespace

std::string HostExchange::exportText(const std::vector<std::string>& names,
                                     const Passwords& passwords) const {
    const std::vector<std::string> chosen = names.empty() ? sites_.siteNames() : names;
    std::string text = "[NuboEx]\r\n";
    for (const std::string& name : chosen) {
        std::string blob = sites_.storedBlob(name);
        std::string user, ignored;
        const auto password = passwords.find(name);
        // The export carries the password as the Windows version's files do, whatever
        // keeps it here.
        if (password != passwords.end() && sites_.findCredentials(name, &user, &ignored) &&
            !encodeCredentials(&name, user, password->second, &blob))
            blob = sites_.storedBlob(name);
        const uint32_t word = sites_.settingsWord(name);
        const int kind = (blob.empty() ? 0 : 1) + (word != 0 ? 2 : 0);
        text += std::string("X") + "AUPB"[kind] + encodeSiteName(name) + "\r\n";
        if (!blob.empty()) {
            text += blob + "\r\n";
        }
        if (word != 0) {
            char hex[16];
            std::snprintf(hex, sizeof hex, "%08X", word);
            text += std::string(hex) + "\r\n";
        }
    }
    return text;
}

int HostExchange::importText(const std::string& text, std::string* status) {
    added_.clear();
    size_t at = text.find('[');
    if (at == std::string::npos) {
        *status = "No valid NuboEx import data";
        return 0;
    }
    int count = 0;
    for (;;) {
        at = text.find('X', at);
        if (at == std::string::npos || at + 1 >= text.size())
            break;
        const char kind = text[at + 1];
        const bool hasCredentials = kind == 'B' || kind == 'U';
        const bool hasSettings = kind == 'B' || kind == 'P';
        size_t lineEnd = text.find_first_of("\r\n", at + 2);
        if (lineEnd == std::string::npos)
            break;  // a line without an end
        std::string name;
        if (!decodeSiteName(text.substr(at + 2, lineEnd - at - 2), &name))
            break;
        at = lineEnd;

        std::string user, password;
        uint32_t word = 0;
        bool ok = true;
        if (hasCredentials) {
            while (at < text.size() && isControl(text[at]))
                ++at;
            size_t end = at;
            while (end < text.size() && !isControl(text[end]))
                ++end;
            ok = at < text.size() &&
                 decodeCredentials(&name, text.substr(at, end - at), &user, &password);
            at = end;
        }
        if (ok && hasSettings) {
            while (at < text.size() && isControl(text[at]))
                ++at;
            size_t digits = 0;
            uint64_t value = 0;
            while (at < text.size() && hexDigitValue(text[at]) >= 0 && digits < 8) {
                value = value << 4 | static_cast<uint64_t>(hexDigitValue(text[at]));
                ++at;
                ++digits;
            }
            ok = digits > 0 && (at >= text.size() || text[at] == ' ' || isControl(text[at]));
            word = static_cast<uint32_t>(value);
        }
        if (!ok)
            break;
        const bool known = sites_.hasSite(name);
        sites_.keepSite(name);  // an imported site is one the user chose to keep
        sites_.storeSite(name, user, password, word, false);
        if (!known) {
            added_.push_back(name);
        }
        ++count;
    }
    // The settings file is rewritten whole on every write: once for the whole import.
    if (count > 0)
        sites_.flush();
    *status = std::to_string(count) + " entries imported";
    return count;
}

int HostExchange::exportToFile(const std::string& path, const std::vector<std::string>& names,
                               std::string* status, const Passwords& passwords) const {
    const int count = static_cast<int>(names.empty() ? sites_.siteNames().size() : names.size());
    // The text holds credentials: the file is the owner's alone, and it is written whole
    // or not at all, so a full disk is reported instead of leaving half a file.
    bool opened = false;
    if (!replaceFile(path, exportText(names, passwords), 0600, &opened)) {
        *status = opened ? "Unable to write file" : "Unable to open file";
        return 0;
    }
    *status = std::to_string(count) + " entries written to file";
    return count;
}

int HostExchange::importFromFile(const std::string& path, std::string* status) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        *status = "Unable to open file";
        return 0;
    }
    // Site lists are a few kilobytes; a large file is not one, and is not read whole.
    in.seekg(0, std::ios::end);
    if (static_cast<int64_t>(in.tellg()) > kMaxImportBytes) {
        *status = "File is too large for NuboEx import data";
        return 0;
    }
    in.seekg(0, std::ios::beg);
    std::stringstream text;
    text << in.rdbuf();
    if (in.bad()) {
        *status = "Unable to read file";
        return 0;
    }
    if (text.str().empty()) {
        *status = "File is empty";
        return 0;
    }
    return importText(text.str(), status);
}

}  // namespace nubo
