#include "views/name_filter.h"

#include "views/natural_compare.h"

namespace nubo {

namespace {

// Outside Unicode's range and below the bytes that start no character: no character of
// a name is taken for them.
constexpr char32_t kAny = 0x110001;
constexpr char32_t kOne = 0x110002;

std::string_view trimmed(std::string_view text) {
    const size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// The characters of a name one at a time, case-folded unless the case matters.
class Characters {
  public:
    Characters(std::string_view text, bool matchCase) : text_(text), matchCase_(matchCase) {}
    bool done() const { return at_ >= text_.size(); }
    size_t position() const { return at_; }
    void seek(size_t at) { at_ = at; }
    char32_t next() { return nextCharacter(text_, &at_, matchCase_); }

  private:
    std::string_view text_;
    bool matchCase_;
    size_t at_ = 0;
};

}  // namespace

NameFilter::NameFilter(std::string_view text, bool matchCase) : text_(text), matchCase_(matchCase) {
    size_t start = 0;
    while (start <= text.size()) {
        size_t end = text.find(';', start);
        if (end == std::string_view::npos)
            end = text.size();
        std::string_view pattern = trimmed(text.substr(start, end - start));
        start = end + 1;
        const bool hides = !pattern.empty() && pattern.front() == '!';
        if (hides)
            pattern = trimmed(pattern.substr(1));
        if (pattern.empty())
            continue;
        (hides ? hidden_ : shown_).push_back(compile(pattern));
    }
}

NameFilter::Pattern NameFilter::compile(std::string_view pattern) const {
    Pattern compiled;
    const bool wild = pattern.find_first_of("*?") != std::string_view::npos;
    if (!wild)
        compiled.push_back(kAny);
    Characters characters(pattern, matchCase_);
    while (!characters.done()) {
        const size_t at = characters.position();
        const char32_t c = characters.next();
        if (pattern[at] == '*')
            compiled.push_back(kAny);
        else if (pattern[at] == '?')
            compiled.push_back(kOne);
        else
            compiled.push_back(c);
    }
    if (!wild)
        compiled.push_back(kAny);
    return compiled;
}

bool NameFilter::matches(const Pattern& pattern, std::string_view name, bool matchCase) {
    // The greedy match with one step back to the last "*": linear for the patterns
    // people type, and never recursive.
    Characters characters(name, matchCase);
    size_t p = 0;
    size_t starAt = Pattern::npos;
    size_t resumeAt = 0;
    while (!characters.done()) {
        const size_t before = characters.position();
        if (p < pattern.size() && pattern[p] == kAny) {
            starAt = p++;
            resumeAt = before;
            continue;
        }
        const char32_t c = characters.next();
        if (p < pattern.size() && (pattern[p] == kOne || pattern[p] == c)) {
            ++p;
            continue;
        }
        if (starAt == Pattern::npos)
            return false;
        // The "*" takes one more character and the rest is tried again after it.
        p = starAt + 1;
        characters.seek(resumeAt);
        characters.next();
        resumeAt = characters.position();
    }
    while (p < pattern.size() && pattern[p] == kAny)
        ++p;
    return p == pattern.size();
}

bool NameFilter::shows(std::string_view name) const {
    for (const Pattern& pattern : hidden_) {
        if (matches(pattern, name, matchCase_))
            return false;
    }
    if (shown_.empty())
        return true;
    for (const Pattern& pattern : shown_) {
        if (matches(pattern, name, matchCase_))
            return true;
    }
    return false;
}

bool NameFilter::passesFolder(std::string_view name) const {
    for (const Pattern& pattern : hidden_) {
        if (matches(pattern, name, matchCase_))
            return false;
    }
    return true;
}

std::string NameFilter::shownText(size_t shown, size_t total) {
    return std::to_string(shown) + " of " + std::to_string(total) + " shown";
}

}  // namespace nubo
