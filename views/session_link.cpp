#include "views/session_link.h"

#include <cstdio>

#include "engine/ftp_session.h"

namespace nubo {

SessionLink::SessionLink(Source source) : source_(std::move(source)) {}

bool SessionLink::connected() const {
    return source_() != nullptr;
}

bool SessionLink::changeDirectory(const std::string& path) const {
    FtpSession* session = source_();
    return session != nullptr && session->enqueue(ChangeDirectoryRequest{path, {}});
}

bool SessionLink::listToFile(const std::string& directory, const std::string& path) const {
    FtpSession* session = source_();
    return session != nullptr && session->enqueue(ListToFileRequest{directory, path});
}

bool SessionLink::get(GetRequest request) const {
    FtpSession* session = source_();
    return session != nullptr && session->enqueue(std::move(request));
}

bool SessionLink::put(PutRequest request) const {
    FtpSession* session = source_();
    return session != nullptr && session->enqueue(std::move(request));
}

bool SessionLink::withdrawTask(uint64_t task) const {
    FtpSession* session = source_();
    return session != nullptr && session->withdrawPoolTask(task);
}

bool SessionLink::moveTaskToTop(uint64_t task) const {
    FtpSession* session = source_();
    return session != nullptr && session->movePoolTaskToTop(task);
}

void SessionLink::toggleRawLog() const {
    if (FtpSession* session = source_())
        session->toggleRawLogging();
}

bool SessionLink::quitWhenDone() const {
    FtpSession* session = source_();
    return session != nullptr && session->quitWhenDone();
}

void SessionLink::setQuitWhenDone(bool on) const {
    if (FtpSession* session = source_())
        session->setQuitWhenDone(on);
}

SessionLink::Traffic SessionLink::takeTraffic() const {
    FtpSession* session = source_();
    if (session == nullptr)
        return {};
    FtpSocket& control = session->control().socket();
    FtpSocket& data = session->dataSocket();
    Traffic traffic;
    traffic.dataReceived = data.takeBytesReceived();
    traffic.dataSent = data.takeBytesSent();
    traffic.controlReceived = control.takeBytesReceived();
    traffic.controlSent = control.takeBytesSent();
    // A batch's other connections count as well.
    int64_t received = 0;
    int64_t sent = 0;
    session->takePoolTraffic(&received, &sent);
    traffic.dataReceived += received;
    traffic.dataSent += sent;
    return traffic;
}

uint64_t SessionLink::requestsAccepted() const {
    const FtpSession* session = source_();
    return session != nullptr ? session->acceptedRequests() : 0;
}

uint64_t SessionLink::id() const {
    return reinterpret_cast<uintptr_t>(source_());
}

}  // namespace nubo
