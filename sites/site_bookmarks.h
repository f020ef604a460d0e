#pragma once

#include <string>
#include <vector>

#include "platform/registry_key.h"

namespace nubo {

// A remote folder the user keeps for a site, perhaps with the local folder that goes
// with it.
struct Bookmark {
    std::string remote;
    std::string local;  // empty: the remote folder alone

    bool operator==(const Bookmark&) const = default;
};

// The bookmarks of each site, kept in the settings file beside the site's other words:
// a group "PerHostBookmarks" of its own, valued by the site's encoded name like the
// others, so that files written before it read as they did (no bookmarks), and the
// Windows version's values stay as they are. Read from the file each time: another
// instance may have added one.
class SiteBookmarks {
  public:
    // The application's key; the group is made when the first bookmark is written.
    explicit SiteBookmarks(const RegistryKey& appKey);

    std::vector<Bookmark> of(const std::string& site) const;
    // Adds a bookmark at the end, or gives a remote folder kept already its new local
    // folder (one given without keeps its old); false (nothing kept) without a site or a
    // remote folder.
    bool add(const std::string& site, const Bookmark& bookmark);
    void remove(const std::string& site, size_t index);
    void removeSite(const std::string& site);

    // What the menu shows of one: the remote folder, and the local one after an arrow.
    static std::string label(const Bookmark& bookmark);
    // The value written for a site's list, and the list read from one (lines of the
    // remote and local folder, tab-separated, "\", tab and line break escaped); a
    // damaged value gives what of it can be read.
    static std::string encode(const std::vector<Bookmark>& bookmarks);
    static std::vector<Bookmark> decode(const std::string& text);

  private:
    void store(const std::string& site, const std::vector<Bookmark>& bookmarks);

    mutable RegistryKey key_;
};

}  // namespace nubo
