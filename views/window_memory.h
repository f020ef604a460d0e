#pragma once

#include <optional>
#include <string>
#include <vector>

namespace nubo {

class ConfigStore;

// What the main window remembers from one run to the next, kept as texts among the
// settings (written with them at the exit): where it stood, whether it was maximised
// and on which screen, the position of a splitter, and per directory view its mode,
// sort and the details' column widths. The widgets write what changes as it changes
// and read it back as they are made; the rules of a restore are here.
class WindowMemory {
  public:
    struct Rect {
        int x = 0, y = 0, width = 0, height = 0;
        bool operator==(const Rect&) const = default;
    };
    // The window manager's frame around the window's own rectangle.
    struct Margins {
        int left = 0, top = 0, right = 0, bottom = 0;
    };
    struct Placement {
        Rect normal;  // the window's rectangle when neither maximised nor minimised
        bool maximised = false;
        std::string screen;  // the name of the screen it stood on
    };
    struct ViewLayout {
        int mode = 0;     // the view mode (1-4); 0: none kept
        int sortKey = 0;  // the sort order's signed code; 0: none kept
        // The details' columns past the name (Size, Type, Date/Time) as sized by hand;
        // empty: fitted to the width.
        std::vector<int> widths;
    };

    explicit WindowMemory(ConfigStore& config) : config_(config) {}

    std::optional<Placement> placement() const;
    void setPlacement(const Placement& placement);
    // A directory view's layout by its name ("Remote", "Local").
    ViewLayout view(const std::string& name) const;
    void setView(const std::string& name, const ViewLayout& layout);
    // A splitter's sizes by its name ("Files"); empty when none kept.
    std::vector<int> sizes(const std::string& name) const;
    void setSizes(const std::string& name, const std::vector<int>& sizes);
    // The folder a view showed last, by the view's name ("Local"); empty when none kept.
    std::string folder(const std::string& name) const;
    void setFolder(const std::string& name, const std::string& folder);

    // Where the window opens on the screen it starts on: the kept rectangle, moved and
    // then shrunk (never below least) so that it and its frame lie within the screen's
    // free area. Nothing when none was kept or it stood on another screen.
    static std::optional<Rect> fit(const Placement& kept, const std::string& screen,
                                   const Rect& area, const Margins& frame, int leastWidth,
                                   int leastHeight);

    // The texts as stored: "x,y,width,height,maximised,screen"; "mode,sort[,widths...]";
    // "size,size...". A text that does not parse gives nothing.
    static std::string placementText(const Placement& placement);
    static std::optional<Placement> parsePlacement(const std::string& text);
    static std::string layoutText(const ViewLayout& layout);
    static ViewLayout parseLayout(const std::string& text);

  private:
    ConfigStore& config_;
};

}  // namespace nubo
