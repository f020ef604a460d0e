#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace nubo {

class SiteList;

// The "[NuboEx]" text that carries sites between installations: per site an entry
// line ("X", a kind letter from "AUPB", the encoded name), the credential blob when
// there is one, and the settings word as eight hex digits when it is not 0. Names and
// passwords travel only in their encoded forms.
class HostExchange {
  public:
    // An import file larger than this is refused.
    static constexpr int64_t kMaxImportBytes = 1 << 20;

    explicit HostExchange(SiteList& sites) : sites_(sites) {}

    // Passwords kept outside the settings file (the keyring's), by site, to export in
    // the blobs that hold only the user.
    using Passwords = std::map<std::string, std::string>;

    // The text for the named sites, or for every site when names is empty.
    std::string exportText(const std::vector<std::string>& names,
                           const Passwords& passwords = {}) const;
    // Stores the entries of a text; the status says how many ("%d entries imported")
    // or why none ("No valid NuboEx import data"). Stops at the first faulty entry and
    // keeps the ones before it. Returns the count.
    int importText(const std::string& text, std::string* status);

    // The same through files; the status texts of the tool. The exported file is
    // written whole with mode 0600 (it holds credentials); an import over
    // kMaxImportBytes is refused.
    int exportToFile(const std::string& path, const std::vector<std::string>& names,
                     std::string* status, const Passwords& passwords = {}) const;
    int importFromFile(const std::string& path, std::string* status);

    // Names added to the site list by the last import (for the URL box).
    const std::vector<std::string>& addedNames() const { return added_; }

  private:
    SiteList& sites_;
    std::vector<std::string> added_;
};

}  // namespace nubo
