#include "engine/session_worker.h"

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

void SessionWorker::join() {
    if (thread_.joinable()) {
        thread_.join();
    }
}

}  // namespace nubo
