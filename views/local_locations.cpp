#include "views/local_locations.h"

namespace nubo {

namespace {

std::string lastComponent(const std::string& path) {
    const size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// Whether path lies in folder (or is it).
bool within(const std::string& path, const std::string& folder) {
    if (folder == "/")
        return !path.empty() && path[0] == '/';
    return path.compare(0, folder.size(), folder) == 0 &&
           (path.size() == folder.size() || path[folder.size()] == '/');
}

}  // namespace

void LocalLocations::fill(const std::string& desktopPath, const std::vector<Volume>& volumes) {
    items_.clear();
    items_.push_back({"Desktop", desktopPath, 0, true, Kind::Desktop});
    items_.push_back({"Computer", {}, 1, true, Kind::Computer});
    for (const Volume& volume : volumes)
        items_.push_back({volume.label, volume.path, 2, true, Kind::Folder});
    items_.push_back({"Network", {}, 1, true, Kind::Network});
    current_ = 1;
}

void LocalLocations::insertTemporary(size_t at, const std::string& path, const std::string& label,
                                     int level) {
    items_.insert(items_.begin() + static_cast<std::ptrdiff_t>(at),
                  Item{label, path, level, false, Kind::Folder});
}

bool LocalLocations::openPath(const std::string& path) {
    // The deepest permanent item holding the path (a volume, else the desktop).
    int base = -1;
    size_t baseLength = 0;
    for (size_t i = 0; i < items_.size(); ++i) {
        const Item& item = items_[i];
        if (!item.fixed || item.path.empty() || !within(path, item.path))
            continue;
        if (base < 0 || item.path.size() > baseLength) {
            base = static_cast<int>(i);
            baseLength = item.path.size();
        }
    }
    if (base < 0)
        return false;
    select(base);
    std::string built = items_[static_cast<size_t>(base)].path;
    size_t at = static_cast<size_t>(base) + 1;
    int level = items_[static_cast<size_t>(base)].level;
    size_t position = baseLength;
    while (position < path.size()) {
        while (position < path.size() && path[position] == '/')
            ++position;
        if (position >= path.size())
            break;
        const size_t end = path.find('/', position);
        const std::string component = path.substr(position, end - position);
        built += (built.empty() || built.back() != '/' ? "/" : "") + component;
        insertTemporary(at++, built, component, ++level);
        position = end == std::string::npos ? path.size() : end;
    }
    current_ = static_cast<int>(at) - 1;
    return true;
}

void LocalLocations::enterChild(const std::string& childPath, const std::string& childLabel) {
    if (items_.empty())
        return;
    const Item item = currentItem();
    const bool lastItem = static_cast<size_t>(current_) + 1 == items_.size();
    if (item.kind == Kind::Computer) {
        // A volume: the permanent item that shows it.
        for (size_t i = static_cast<size_t>(current_) + 1;
             i < items_.size() && items_[i].level > item.level; ++i) {
            if (items_[i].path == childPath) {
                current_ = static_cast<int>(i);
                return;
            }
        }
    }
    if (item.kind == Kind::Desktop || item.level >= 2 || (item.level == 1 && lastItem) ||
        item.kind == Kind::Computer) {
        const size_t at = static_cast<size_t>(current_) + 1;
        insertTemporary(at, childPath, childLabel.empty() ? lastComponent(childPath) : childLabel,
                        item.level + 1);
        current_ = static_cast<int>(at);
    }
}

const LocalLocations::Item& LocalLocations::currentItem() const {
    static const Item none{};
    return items_.empty() ? none : items_[static_cast<size_t>(current_)];
}

bool LocalLocations::goUp() {
    if (items_.empty())
        return false;
    const int level = currentItem().level;
    if (level == 0)
        return false;
    int target = 0;
    if (level >= 2) {
        target = current_ - 1;
        while (target > 0 && items_[static_cast<size_t>(target)].level >= level)
            --target;
    }
    select(target);
    return true;
}

void LocalLocations::select(int index) {
    if (index < 0 || static_cast<size_t>(index) >= items_.size())
        return;
    // Temporary items go from the current one towards the target.
    int position = current_;
    while (position != index && position > 0 && position < static_cast<int>(items_.size()) &&
           !items_[static_cast<size_t>(position)].fixed) {
        items_.erase(items_.begin() + position);
        if (index > position) {
            --index;
        } else {
            --position;
        }
    }
    current_ = index;
}

}  // namespace nubo
