#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace nubo {

// How far a transfer or a listing has got, as the worker measures it; the display side
// words it (a name is data here, never part of a format).
struct TransferProgress {
    enum class Kind : uint8_t { Done, Get, Put, List };
    // Done: the transfer or listing ended, nothing is shown any more.
    Kind kind = Kind::Done;
    // The file's local name (Get, Put) or the directory listed.
    std::string name;
    // Bytes moved so far, or entries read for a listing.
    int64_t bytes = 0;
    // The whole size in bytes; -1 when not known.
    int64_t expected = -1;
    // bytes of expected, 0 to 100; -1 when the size is not known.
    int percent = -1;
    // A batch over several connections: files ended and files found so far (bytes and
    // expected then count the whole batch); 0 of 0 for one file.
    int filesDone = 0;
    int filesTotal = 0;
    // Of those ended, the files that failed (the window's title says so).
    int filesFailed = 0;
};

// What the session worker reports to the main window: status text, progress, exit
// bits and the close request. Implementations must be callable from the worker
// thread; a window forwards with queued signals, the headless runner prints.
class MainOutlets {
  public:
    virtual ~MainOutlets() = default;
    // Sets the status text; an empty text clears it.
    virtual void SetStatus(std::string_view text) = 0;
    // A transfer moved on (the bar, the title and the tray follow), a listing read more
    // entries (the title only), or either ended.
    virtual void ReportProgress(const TransferProgress& progress) = 0;
    // ORs bits into the process exit code.
    virtual void AddExitBits(uint32_t bits) = 0;
    // The session ended with a nonzero exit code: the main window closes.
    virtual void RequestClose() = 0;
};

namespace exitbit {
inline constexpr uint32_t kReceived = 1;
inline constexpr uint32_t kSent = 2;
inline constexpr uint32_t kGetSkipped = 4;
inline constexpr uint32_t kPutSkipped = 8;
inline constexpr uint32_t kGetFailed = 16;
inline constexpr uint32_t kPutFailed = 32;
inline constexpr uint32_t kLoginFailed = 64;
inline constexpr uint32_t kConnectFailed = 128;
}  // namespace exitbit

}  // namespace nubo
