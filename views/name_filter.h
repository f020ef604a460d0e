#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "engine/session_request.h"

namespace nubo {

// The filter box of a directory view: which names it shows. The text holds patterns
// separated by ";" ("*.txt; *.md"); "*" stands for any run of characters and "?" for one;
// a pattern without either matches names that contain it, so a name is found while it
// is typed. A pattern with a leading "!" hides the names it matches. A file is shown when
// no "!" pattern matches it and, if there are patterns without "!", one of them does; a
// folder is shown unless a "!" pattern hides it, so that the user can still go into it
// and pick it for a transfer while the filter stays. Letters match regardless of case
// unless matchCase is set. An empty text shows all.
class NameFilter : public WalkFilter {
  public:
    NameFilter() = default;
    explicit NameFilter(std::string_view text, bool matchCase = false);

    // Whether any pattern is set (without one, every name is shown).
    bool active() const { return !shown_.empty() || !hidden_.empty(); }
    bool shows(std::string_view name) const;
    bool showsEntry(std::string_view name, bool folder) const {
        return folder ? passesFolder(name) : shows(name);
    }
    // In the walk of a folder's transfer: a file goes when it is shown; a folder is left
    // out only when a "!" pattern hides it (its files are judged as they are reached).
    bool passesFile(std::string_view name) const override { return shows(name); }
    bool passesFolder(std::string_view name) const override;
    const std::string& text() const { return text_; }
    bool matchCase() const { return matchCase_; }

    // The status line's count while a filter is set: "12 of 340 shown".
    static std::string shownText(size_t shown, size_t total);

  private:
    // A pattern as case-folded characters; kAny for "*", kOne for "?".
    using Pattern = std::u32string;
    static bool matches(const Pattern& pattern, std::string_view name, bool matchCase);
    Pattern compile(std::string_view pattern) const;

    std::string text_;
    bool matchCase_ = false;
    std::vector<Pattern> shown_;
    std::vector<Pattern> hidden_;
};

}  // namespace nubo
