#pragma once

#include <atomic>
#include <mutex>
#include <string>
#include <vector>

#include "engine/local_view_upkeep.h"
#include "engine/main_outlets.h"
#include "engine/session_observer.h"

namespace nubo::test {

// Main-window outlets that remember what the session reported.
class RecordingOutlets : public MainOutlets {
  public:
    void SetStatus(std::string_view text) override {
        std::lock_guard lock(mutex_);
        statuses_.emplace_back(text);
    }
    void ReportProgress(const TransferProgress& progress) override {
        std::lock_guard lock(mutex_);
        progress_.push_back(progress);
    }
    void AddExitBits(uint32_t bits) override { exitBits_ |= bits; }
    void RequestClose() override { closeRequests_++; }

    uint32_t exitBits() const { return exitBits_; }
    int closeRequests() const { return closeRequests_; }
    std::vector<std::string> statuses() const {
        std::lock_guard lock(mutex_);
        return statuses_;
    }
    std::vector<TransferProgress> progress() const {
        std::lock_guard lock(mutex_);
        return progress_;
    }

  private:
    mutable std::mutex mutex_;
    std::vector<std::string> statuses_;
    std::vector<TransferProgress> progress_;
    std::atomic<uint32_t> exitBits_{0};
    std::atomic<int> closeRequests_{0};
};

// Lines recorded from any thread, read as a copy.
class EventLines {
  public:
    std::vector<std::string> events() const {
        std::lock_guard lock(mutex_);
        return events_;
    }

  protected:
    void record(std::string event) {
        std::lock_guard lock(mutex_);
        events_.push_back(std::move(event));
    }

  private:
    mutable std::mutex mutex_;
    std::vector<std::string> events_;
};

// Host-page events as a list of readable lines ("loggedIn host [..]", "ended", ...).
class RecordingObserver : public SessionObserver, public EventLines {
  public:
    void sessionLoggedIn(const std::string& connectedText) override {
        record("loggedIn " + connectedText);
    }
    void sessionEnded() override { record("ended"); }
    void transferStarted(int64_t expectedSize, int64_t) override {
        record("start " + std::to_string(expectedSize));
    }
    void transferProgress(int64_t bytes) override { record("progress " + std::to_string(bytes)); }
    void transferEnded(int64_t bytes, int64_t) override { record("end " + std::to_string(bytes)); }
};

// The local view's upkeep as lines ("file DIR NAME SIZE TIME", "folder DIR NAME").
class RecordingLocalView : public LocalViewUpkeep, public EventLines {
  public:
    void localFileWritten(const std::string& directory, const std::string& name, int64_t size,
                          int64_t time) override {
        record("file " + directory + " " + name + " " + std::to_string(size) + " " +
               std::to_string(time));
    }
    void localFolderCreated(const std::string& directory, const std::string& name) override {
        record("folder " + directory + " " + name);
    }
};

}  // namespace nubo::test
