#include "engine/session_worker.h"

#include <chrono>

#include "engine/ftp_session.h"
#include "engine/main_outlets.h"
#include "engine/remote_view_contract.h"
#include "engine/session_observer.h"

namespace nubo {

SessionWorker::SessionWorker(std::unique_ptr<FtpSession> session) : session_(std::move(session)) {}

SessionWorker::~SessionWorker() {
    join();
}

void SessionWorker::start() {
    thread_ = std::thread([this] {
        int code = session_->run();
        exitCode_ = code;
        const SessionContext& context = session_->context();
        finished_ = true;
        if (context.observer != nullptr) {
            context.observer->sessionEnded();
        }
        if (context.remoteView != nullptr) {
            context.remoteView->onDisconnected();
        }
        if (code != 0 && context.outlets != nullptr) {
            context.outlets->RequestClose();
        }
    });
}

bool SessionWorker::waitFinished(int milliseconds) const {
    const auto deadline =
        std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds);
    while (!finished_) {
        if (std::chrono::steady_clock::now() >= deadline)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return true;
}

void SessionWorker::abandon(std::unique_ptr<SessionWorker> worker) {
    if (worker->thread_.joinable())
        worker->thread_.detach();
    (void)worker.release();  // deliberately kept: the detached thread still uses it
}

void SessionWorker::join() {
    if (thread_.joinable()) {
        thread_.join();
    }
}

}  // namespace nubo
