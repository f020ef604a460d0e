#pragma once

#include <atomic>
#include <cstdint>
#include <cstdio>
#include <mutex>
#include <string>

#include "engine/main_outlets.h"
#include "engine/session_observer.h"

namespace nubo {

// The main window's outlets for a run without windows: the exit bits are gathered for
// the exit code, the close request is remembered, and status and progress are shown
// as one line on a terminal (nothing is written when the stream is not a terminal, so
// scripts and logs stay clean).
class ConsoleOutlets : public MainOutlets, public SessionObserver {
  public:
    // `stream` is where the progress line goes; `terminal` whether it is a terminal.
    ConsoleOutlets(FILE* stream, bool terminal);

    void SetStatus(std::string_view text) override;
    void ReportProgress(const TransferProgress& progress) override;
    void AddExitBits(uint32_t bits) override { exitBits_ |= bits; }
    void RequestClose() override { closeRequested_ = true; }

    void sessionLoggedIn(const std::string&) override {}
    void sessionEnded() override { ended_ = true; }
    void transferStarted(int64_t, int64_t) override {}
    void transferProgress(int64_t) override {}
    void transferEnded(int64_t, int64_t) override {}

    uint32_t exitBits() const { return exitBits_; }
    bool closeRequested() const { return closeRequested_; }
    bool sessionHasEnded() const { return ended_; }
    // Clears the progress line before other output goes to the stream.
    void clearLine();

  private:
    void show(const std::string& raw);

    FILE* stream_;
    bool terminal_;
    std::mutex mutex_;
    size_t shownWidth_ = 0;
    std::atomic<uint32_t> exitBits_{0};
    std::atomic<bool> closeRequested_{false};
    std::atomic<bool> ended_{false};
};

}  // namespace nubo
