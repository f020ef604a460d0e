#pragma once

#include <cstdint>
#include <string>

#include "shellext/shortcut_object.h"

namespace nubo {

// The "Nubo Shortcut" property page without its widgets: the shortcut's values as the
// page shows them, edited by the page, and written back by Apply only when one of them
// differs from the file's.
class ShortcutProperties {
  public:
    enum class Applied { Unchanged, Saved, Failed };

    // Binds to a shortcut file and reads it; false when it is no readable shortcut,
    // which the page must not write over.
    bool load(const std::string& path);

    const std::string& path() const { return path_; }
    // The file's name without folder and extension, the page's title line.
    std::string name() const;

    std::string url;
    std::string folder;
    int32_t type = 0;  // 0 none, 1 ASCII, 2 image, 3 smart
    bool update = false;

    // The edited values that differ from the shortcut's mark it changed; a changed
    // shortcut is saved. Text longer than the file keeps is cut to its limit.
    Applied apply();
    // Something differs from the shortcut (what Apply would save).
    bool differs();

  private:
    // Hands the edited values to the object when one of them is new.
    void transfer();

    std::string path_;
    ShortcutObject object_;
};

}  // namespace nubo
