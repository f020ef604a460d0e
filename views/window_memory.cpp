#include "views/window_memory.h"

#include <algorithm>
#include <charconv>
#include <cstdlib>

#include "base/config_store.h"

namespace nubo {

namespace {

// Reads numbers separated by commas from the start of text, at most `most` of them;
// *end gets where the reading stopped. False on anything but a number where one belongs.
bool readNumbers(const std::string& text, size_t most, std::vector<int>* numbers,
                 size_t* end = nullptr) {
    numbers->clear();
    size_t at = 0;
    while (at < text.size() && numbers->size() < most) {
        int value = 0;
        const char* first = text.data() + at;
        const auto [stop, error] = std::from_chars(first, text.data() + text.size(), value);
        if (error != std::errc() || stop == first)
            return false;
        numbers->push_back(value);
        at = static_cast<size_t>(stop - text.data());
        if (at < text.size()) {
            if (text[at] != ',')
                return false;
            ++at;
        }
    }
    if (end != nullptr)
        *end = at;
    return true;
}

std::string joined(const std::vector<int>& numbers) {
    std::string text;
    for (int number : numbers)
        text += (text.empty() ? "" : ",") + std::to_string(number);
    return text;
}

std::string viewSetting(const std::string& name) {
    return "WindowView" + name;
}

std::string splitSetting(const std::string& name) {
    return "WindowSplit" + name;
}

}  // namespace

std::optional<WindowMemory::Placement> WindowMemory::placement() const {
    return parsePlacement(config_.GetString("WindowPlacement"));
}

void WindowMemory::setPlacement(const Placement& placement) {
    config_.SetString("WindowPlacement", placementText(placement));
}

WindowMemory::ViewLayout WindowMemory::view(const std::string& name) const {
    return parseLayout(config_.GetString(viewSetting(name)));
}

void WindowMemory::setView(const std::string& name, const ViewLayout& layout) {
    config_.SetString(viewSetting(name), layoutText(layout));
}

std::vector<int> WindowMemory::sizes(const std::string& name) const {
    std::vector<int> numbers;
    if (!readNumbers(config_.GetString(splitSetting(name)), 16, &numbers) ||
        std::any_of(numbers.begin(), numbers.end(), [](int size) { return size < 0; }))
        numbers.clear();
    return numbers;
}

void WindowMemory::setSizes(const std::string& name, const std::vector<int>& sizes) {
    config_.SetString(splitSetting(name), joined(sizes));
}

std::string WindowMemory::folder(const std::string& name) const {
    return config_.GetString("WindowFolder" + name);
}

void WindowMemory::setFolder(const std::string& name, const std::string& folder) {
    config_.SetString("WindowFolder" + name, folder);
}

std::optional<WindowMemory::Rect> WindowMemory::fit(const Placement& kept,
                                                    const std::string& screen, const Rect& area,
                                                    const Margins& frame, int leastWidth,
                                                    int leastHeight) {
    if (kept.screen != screen || kept.normal.width <= 0 || kept.normal.height <= 0)
        return std::nullopt;
    // The room the window itself has once its frame is inside the area.
    const int left = area.x + frame.left;
    const int top = area.y + frame.top;
    const int roomWidth = area.width - frame.left - frame.right;
    const int roomHeight = area.height - frame.top - frame.bottom;
    Rect rect;
    rect.width = std::max(std::min(kept.normal.width, roomWidth), leastWidth);
    rect.height = std::max(std::min(kept.normal.height, roomHeight), leastHeight);
    rect.x = std::max(left, std::min(kept.normal.x, left + roomWidth - rect.width));
    rect.y = std::max(top, std::min(kept.normal.y, top + roomHeight - rect.height));
    return rect;
}

std::string WindowMemory::placementText(const Placement& placement) {
    const Rect& r = placement.normal;
    return joined({r.x, r.y, r.width, r.height, placement.maximised ? 1 : 0}) + "," +
           placement.screen;
}

std::optional<WindowMemory::Placement> WindowMemory::parsePlacement(const std::string& text) {
    std::vector<int> numbers;
    size_t end = 0;
    if (!readNumbers(text, 5, &numbers, &end) || numbers.size() != 5 || numbers[2] <= 0 ||
        numbers[3] <= 0)
        return std::nullopt;
    Placement placement;
    placement.normal = {numbers[0], numbers[1], numbers[2], numbers[3]};
    placement.maximised = numbers[4] != 0;
    placement.screen = text.substr(end);
    return placement;
}

std::string WindowMemory::layoutText(const ViewLayout& layout) {
    std::vector<int> numbers = {layout.mode, layout.sortKey};
    numbers.insert(numbers.end(), layout.widths.begin(), layout.widths.end());
    return joined(numbers);
}

WindowMemory::ViewLayout WindowMemory::parseLayout(const std::string& text) {
    std::vector<int> numbers;
    ViewLayout layout;
    if (!readNumbers(text, 5, &numbers) || numbers.size() < 2)
        return layout;
    if (numbers[0] >= 1 && numbers[0] <= 4)
        layout.mode = numbers[0];
    if (numbers[1] != 0 && std::abs(numbers[1]) <= 4)
        layout.sortKey = numbers[1];
    if (numbers.size() == 5 &&
        std::all_of(numbers.begin() + 2, numbers.end(), [](int width) { return width > 0; }))
        layout.widths.assign(numbers.begin() + 2, numbers.end());
    return layout;
}

}  // namespace nubo
