#pragma once

#include <cstdint>
#include <string_view>

namespace nubo {

// What the session worker reports to the main window: status text, progress, exit
// bits and the close request. Implementations must be callable from the worker
// thread; a window forwards with queued signals, the headless runner prints.
class MainOutlets {
  public:
    virtual ~MainOutlets() = default;
    // Sets the status text; an empty text clears it.
    virtual void SetStatus(std::string_view text) = 0;
    // A value of 0 or more also moves the progress bar; a negative value only sets the
    // text. The text is the format filled with the absolute value (no format: none).
    virtual void ReportProgress(int64_t value, const char* format) = 0;
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
