#pragma once

#include <string>
#include <vector>

namespace nubo {

// Where the transfer folder of a ".nubo" shortcut may send files. A shortcut comes from
// anywhere (an archive, a download, a share), so its folder is taken only when it lies
// in the user's home outside every hidden folder (no part of it below the home starts
// with "."), or on a mounted volume; judged where it really leads, every symbolic link
// followed, and only when no other user could change a folder on the way (and so swap it
// for a link before the files are written). Plain C++: the desktop handlers resolve
// shortcut folders too.
class ShortcutFolderRule {
  public:
    // home: the user's home; volumes: the folders removable and other volumes are
    // mounted below.
    ShortcutFolderRule(std::string home, std::vector<std::string> volumes);
    // $HOME and /media, /mnt, /run/media.
    static ShortcutFolderRule forThisUser();

    // The shortcut's folder as an absolute path: a relative one belongs to the
    // shortcut's own folder (shortcutFile is absolute), not to whatever folder the
    // program that opened it stands in. "" stays "".
    static std::string resolve(const std::string& shortcutFile, const std::string& folder);

    // True when files may go to the absolute folder; else *reason says why, in words
    // that follow "it": "lies in a hidden folder of the home (.config)".
    bool allows(const std::string& folder, std::string* reason) const;

  private:
    // True when no existing folder from base down along rest can be changed by another
    // user (else *reason says which, after led).
    static bool notChangeable(const std::string& base, const std::string& rest,
                              const std::string& led, std::string* reason);

    std::string home_;
    std::vector<std::string> volumes_;
};

}  // namespace nubo
