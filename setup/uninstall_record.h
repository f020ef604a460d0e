#pragma once

#include <string>
#include <vector>

namespace nubo {

// How the installed copy is uninstalled and what its install made: the program and its
// argument list ("-rv 1 -rf FOLDER [-rd LINK] [-rm MENU]"), and every file and folder
// the install created, so an uninstall removes those and nothing the user made beside
// them. Kept as "Uninstall.rec" in the data folder, owner-only. The Windows version
// kept one command string and split it before "-r"; here every field ends in a NUL
// byte, so no path with a blank or a quote is ever split.
class UninstallRecord {
  public:
    static constexpr const char* kFileName = "Uninstall.rec";

    // What one created path is, so each uninstall check removes its own part.
    enum class Kind : char { Menu = 'm', DesktopLink = 'd', Extra = 'x', Folder = 'f' };
    struct Item {
        Kind kind;
        std::string path;
        bool operator==(const Item&) const = default;
    };

    std::string program;
    std::vector<std::string> arguments;
    std::vector<Item> created;

    bool operator==(const UninstallRecord&) const = default;

    // The created paths of a kind, in the order they were made.
    std::vector<std::string> paths(Kind kind) const;
    // The created folders, deepest first: the order in which they can be removed.
    std::vector<std::string> foldersDeepestFirst() const;
    // Puts the created paths in one order (by kind, then path), so that two records of
    // the same install compare equal however the install went about it.
    void sortCreated();
    bool lists(Kind kind, const std::string& path) const;

    // dataFolder ends in "/". False when the record names no program, holds a NUL in a
    // field, or cannot be written.
    bool save(const std::string& dataFolder) const;
    // False when there is no record, or it is damaged or names no program, or is not
    // this user's alone to write (another user's file, or one that group or others can
    // write: what it lists would be deleted); *why (when given) then says why in words
    // that follow the record's path ("is writable by group or others"), "" when there
    // is none.
    static bool load(const std::string& dataFolder, UninstallRecord* record,
                     std::string* why = nullptr);
    static bool remove(const std::string& dataFolder);
    static bool exists(const std::string& dataFolder);
};

}  // namespace nubo
