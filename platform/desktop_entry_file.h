#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace nubo {

// A freedesktop key file (desktop entries, mimeapps.list): groups in brackets and
// "Key=Value" lines. Lines this class does not change are written back as they were,
// so editing one key leaves what other programs wrote alone.
class DesktopEntryFile {
  public:
    // Larger files are no desktop entry or application list.
    static constexpr size_t kMaxBytes = 4 << 20;

    explicit DesktopEntryFile(std::string path);

    // Reads the file; false when it cannot be read or is no regular file of at most
    // kMaxBytes (the entry is then empty).
    bool load();
    // Writes the whole file through a temporary file and a rename; false on failure.
    bool save() const;

    bool value(const std::string& group, const std::string& key, std::string* value) const;
    // Replaces the key's value, or adds the key (and the group) when missing.
    void setValue(const std::string& group, const std::string& key, const std::string& value);
    // True when the key was there.
    bool removeKey(const std::string& group, const std::string& key);
    const std::string& path() const { return path_; }

  private:
    // Index of the key's line, or -1; `groupEnd` receives the line after the group
    // (-1 when the group is missing).
    int findKey(const std::string& group, const std::string& key, int* groupEnd) const;

    std::string path_;
    std::vector<std::string> lines_;
};

}  // namespace nubo
