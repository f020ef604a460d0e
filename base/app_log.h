#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

namespace nubo {

class AppLogListener;
enum class LogLineKind;

// The program's log: an ordered list of lines, appended from any thread. FTP
// dialogue goes through LogCommand, every other message through LogExtended; the
// three flags decide which kinds are kept.
class AppLog {
  public:
    static constexpr size_t kMaxLineLength = 511;

    AppLog() = default;
    AppLog(const AppLog&) = delete;
    AppLog& operator=(const AppLog&) = delete;

    // The FTP dialogue: appended when logging and commands are on.
    void LogCommand(std::string_view text, std::string_view suffix = {});
    // Every other message: appended when logging and extended are on.
    void LogExtended(std::string_view text, std::string_view suffix = {});
    // LogExtended of a printf format filled in (cut at kMaxLineLength).
    void LogExtendedFormat(const char* format, ...) __attribute__((format(printf, 2, 3)));
    // Appended whatever the flags say (banner lines).
    void AppendLine(std::string_view text);
    void Wipe();
    // Lines appended by the calling thread from now on start with this tag (the
    // connections of a pool tell their lines apart); empty: none.
    static void SetThreadTag(std::string tag);

    void SetFlags(bool logging, bool commands, bool extended);
    bool Logging() const { return logging_; }
    bool Commands() const { return commands_; }
    bool Extended() const { return extended_; }

    size_t LineCount() const;
    std::string Line(size_t index) const;
    // Which wipe the lines belong to: every Wipe starts a new generation.
    uint64_t Generation() const { return generation_; }
    // Line `index` of that generation; false when the log has been wiped since or has
    // no such line. What a view reads its rows through instead of keeping copies.
    bool LineOf(uint64_t generation, size_t index, std::string* line) const;
    std::vector<std::string> Lines() const;

    void AddListener(AppLogListener* listener);
    // Adds a listener that reads lines by index and returns, in one step (no line is
    // missed or told twice), the number of lines before it, their generation and the
    // length in characters of the longest.
    struct Extent {
        size_t count = 0;
        uint64_t generation = 0;
        size_t widest = 0;
    };
    Extent ExtentAndListen(AppLogListener* listener);
    // Characters of a line, not bytes: continuation bytes of UTF-8 letters do not count.
    static size_t CharacterCount(std::string_view line);
    // The text the Log page copies: the selected lines (all when none is selected) in
    // list order, each ending in LF.
    static std::string ClipboardText(const std::vector<std::string>& lines,
                                     std::vector<size_t> selected);
    void RemoveListener(AppLogListener* listener);

    // The text a line is stored as: cut to kMaxLineLength bytes on a character
    // boundary, control characters (C0, DEL, C1) and bidirectional overrides shown as
    // "?" (cleanForDisplay) so that no server text can drive the terminal or reorder
    // the list that shows it.
    static std::string MakeLine(std::string_view text, std::string_view suffix);

  private:
    void append(std::string_view text, std::string_view suffix, LogLineKind kind);

    std::atomic<bool> logging_{true};
    std::atomic<bool> commands_{true};
    std::atomic<bool> extended_{true};
    mutable std::mutex mutex_;
    std::vector<std::string> lines_;
    std::atomic<uint64_t> generation_{0};
    std::vector<AppLogListener*> listeners_;
};

}  // namespace nubo
