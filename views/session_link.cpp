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
    return session != nullptr && session->enqueue(RequestKind::ChangeDirectory, path, {}, 0);
}

bool SessionLink::listToFile(const std::string& path) const {
    FtpSession* session = source_();
    return session != nullptr && session->enqueue(RequestKind::ListToFile, path, {}, 0);
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
    return traffic;
}

std::string SessionLink::tag() const {
    char text[2 * sizeof(uintptr_t) + 1];
    std::snprintf(text, sizeof text, "%jx",
                  static_cast<uintmax_t>(reinterpret_cast<uintptr_t>(source_())));
    return text;
}

}  // namespace nubo
