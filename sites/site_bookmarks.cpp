#include "sites/site_bookmarks.h"

#include <algorithm>

#include "base/credential_encoding.h"

namespace nubo {

namespace {

void appendEscaped(std::string* out, const std::string& text) {
    for (char c : text) {
        if (c == '\\')
            *out += "\\\\";
        else if (c == '\t')
            *out += "\\t";
        else if (c == '\n')
            *out += "\\n";
        else
            *out += c;
    }
}

}  // namespace

SiteBookmarks::SiteBookmarks(const RegistryKey& appKey) : key_(appKey.subkey("PerHostBookmarks")) {}

std::vector<Bookmark> SiteBookmarks::of(const std::string& site) const {
    std::string text;
    if (site.empty() || !key_.getString(encodeSiteName(site), &text))
        return {};
    return decode(text);
}

bool SiteBookmarks::add(const std::string& site, const Bookmark& bookmark) {
    if (site.empty() || bookmark.remote.empty())
        return false;
    std::vector<Bookmark> bookmarks = of(site);
    const auto kept = std::find_if(bookmarks.begin(), bookmarks.end(),
                                   [&](const Bookmark& b) { return b.remote == bookmark.remote; });
    if (kept != bookmarks.end()) {
        // A folder bookmarked again without a local folder (the Classic interface has
        // none to give) keeps the one it was paired with.
        if (!bookmark.local.empty())
            kept->local = bookmark.local;
    } else
        bookmarks.push_back(bookmark);
    store(site, bookmarks);
    return true;
}

void SiteBookmarks::remove(const std::string& site, size_t index) {
    std::vector<Bookmark> bookmarks = of(site);
    if (index >= bookmarks.size())
        return;
    bookmarks.erase(bookmarks.begin() + static_cast<std::ptrdiff_t>(index));
    store(site, bookmarks);
}

void SiteBookmarks::removeSite(const std::string& site) {
    store(site, {});
}

void SiteBookmarks::store(const std::string& site, const std::vector<Bookmark>& bookmarks) {
    const std::string name = encodeSiteName(site);
    if (bookmarks.empty())
        key_.deleteValue(name);
    else
        key_.setString(name, encode(bookmarks));
    key_.flush();
}

std::string SiteBookmarks::label(const Bookmark& bookmark) {
    return bookmark.local.empty() ? bookmark.remote
                                  : bookmark.remote + "  \u2194  " + bookmark.local;
}

std::string SiteBookmarks::encode(const std::vector<Bookmark>& bookmarks) {
    std::string text;
    for (const Bookmark& bookmark : bookmarks) {
        if (!text.empty())
            text += '\n';
        appendEscaped(&text, bookmark.remote);
        text += '\t';
        appendEscaped(&text, bookmark.local);
    }
    return text;
}

std::vector<Bookmark> SiteBookmarks::decode(const std::string& text) {
    std::vector<Bookmark> bookmarks;
    Bookmark bookmark;
    std::string* field = &bookmark.remote;
    const auto endLine = [&] {
        if (!bookmark.remote.empty())
            bookmarks.push_back(bookmark);
        bookmark = {};
        field = &bookmark.remote;
    };
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\\' && i + 1 < text.size()) {
            const char next = text[++i];
            *field += next == 't' ? '\t' : next == 'n' ? '\n' : next;
        } else if (c == '\t' && field == &bookmark.remote) {
            field = &bookmark.local;
        } else if (c == '\n') {
            endLine();
        } else {
            *field += c;
        }
    }
    endLine();
    return bookmarks;
}

}  // namespace nubo
