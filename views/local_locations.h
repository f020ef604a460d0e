#pragma once

#include <string>
#include <vector>

namespace nubo {

// The local view's location combo without the widget: the permanent items Desktop
// (level 0), Computer (level 1) with its volumes (level 2) and Network (level 1), and the
// temporary items inserted while browsing below them, one level deeper per folder.
class LocalLocations {
  public:
    enum class Kind { Desktop, Computer, Network, Folder };
    struct Item {
        std::string label;
        std::string path;  // empty for Computer and Network
        int level = 0;
        bool fixed = false;
        Kind kind = Kind::Folder;
    };
    struct Volume {
        std::string label;
        std::string path;
    };

    // The initial contents; Computer becomes current.
    void fill(const std::string& desktopPath, const std::vector<Volume>& computerVolumes);
    // Shows a file-system path: below the deepest volume (or the desktop) holding it, one
    // temporary item per further component; the deepest becomes current. False (nothing
    // changed) when no permanent item holds the path.
    bool openPath(const std::string& path);
    // A folder item of the current location was opened.
    void enterChild(const std::string& childPath, const std::string& childLabel);
    // Up one level; false at the desktop.
    bool goUp();
    // Picking an item: temporary items between the current one and it go.
    void select(int index);

    const std::vector<Item>& items() const { return items_; }
    int current() const { return current_; }
    // The current item (an empty Desktop item before fill).
    const Item& currentItem() const;

  private:
    void insertTemporary(size_t at, const std::string& path, const std::string& label, int level);

    std::vector<Item> items_;
    int current_ = 0;
};

}  // namespace nubo
