#pragma once

#include <QObject>
#include <atomic>

#include "engine/main_outlets.h"

namespace nubo {

class MainSheet;

// The main window's outlets for the session worker: every call is forwarded to the
// sheet as a queued call, so the worker never touches a widget and never waits for the
// GUI thread. Exit bits are gathered here, for the process exit code.
class QtMainOutlets : public MainOutlets {
  public:
    explicit QtMainOutlets(MainSheet* sheet);

    void SetStatus(std::string_view text) override;
    void ReportProgress(const TransferProgress& progress) override;
    void AddExitBits(uint32_t bits) override { exitBits_ |= bits; }
    void RequestClose() override;

    uint32_t exitBits() const { return exitBits_; }

  private:
    MainSheet* const sheet_;  // outlives every session: the exit ends them first
    std::atomic<uint32_t> exitBits_{0};
};

}  // namespace nubo
