#pragma once

#include <string>
#include <vector>

#include "views/local_entry.h"
#include "views/local_type_table.h"

namespace nubo {

// Reads what a local folder holds. Runs on a thread of its own, so a folder that takes
// long (or never answers: a stopped network mount) never holds up the window; tests put
// a reader of their own in its place.
class DirectoryReader {
  public:
    virtual ~DirectoryReader() = default;
    // Every item of the folder, hidden ones included, their types rows of the view's
    // table; false when it cannot be read.
    virtual bool read(const std::string& folder, LocalTypeTable& types,
                      std::vector<LocalEntry>* entries) = 0;
};

// The file system's reader: names, 64-bit sizes, modification times, folder flags and
// type rows, and the names' collation keys (numbers in names compare by value).
class FileSystemReader : public DirectoryReader {
  public:
    bool read(const std::string& folder, LocalTypeTable& types,
              std::vector<LocalEntry>* entries) override;
    // An entry for one path (after a rename, a new folder, a download); false when the
    // path does not exist.
    static bool entryFor(const std::string& path, LocalTypeTable& types, LocalEntry* entry);
    static std::string collationKey(const std::string& name);
};

}  // namespace nubo
