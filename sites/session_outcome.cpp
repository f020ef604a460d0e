#include "sites/session_outcome.h"

#include <cctype>
#include <utility>

namespace nubo {

namespace {

constexpr const char kConnectFailed[] = "... failed to connect, WinSock err = ";
constexpr const char kProxyRefused[] = "... unable to CONNECT to proxy server ";
constexpr const char kWinsockError[] = ", WinSock err = ";
constexpr const char kControl[] = "... [CONTROL] ";
constexpr const char kLoginAborted[] = "... login aborted";

bool startsWith(const std::string& text, const char* start) {
    return text.rfind(start, 0) == 0;
}

std::string lowerFirst(std::string text) {
    if (!text.empty())
        text[0] = static_cast<char>(std::tolower(static_cast<unsigned char>(text[0])));
    return text;
}

// The reply's text when the line is the last line of a reply ("530 Login incorrect."),
// empty otherwise.
std::string finalReply(const std::string& line) {
    const std::string text = startsWith(line, ">") ? line.substr(1) : line;
    if (text.size() < 4 || text[3] != ' ')
        return {};
    for (int i = 0; i < 3; ++i) {
        if (!std::isdigit(static_cast<unsigned char>(text[i])))
            return {};
    }
    return text;
}

}  // namespace

std::string SessionOutcome::errorPhrase(const std::string& winsockName) {
    static const std::pair<const char*, const char*> kPhrases[] = {
        {"WSAHOST_NOT_FOUND", "Host not found"},
        {"WSATRY_AGAIN", "Host name not resolved (try again)"},
        {"WSANO_RECOVERY", "Host name not resolved"},
        {"WSANO_DATA", "Host has no address"},
        {"WSAECONNREFUSED", "Connection refused"},
        {"WSAETIMEDOUT", "Timed out"},
        {"WSAECONNRESET", "Connection reset"},
        {"WSAECONNABORTED", "Connection aborted"},
        {"WSAENETUNREACH", "Network unreachable"},
        {"WSAEHOSTUNREACH", "Host unreachable"},
        {"WSAENETDOWN", "Network down"},
        {"WSAEHOSTDOWN", "Host down"},
        {"WSAEADDRNOTAVAIL", "Address not available"},
        {"WSAENOTCONN", "Not connected"},
        {"WSAESHUTDOWN", "Connection shut down"},
    };
    for (const auto& [name, phrase] : kPhrases) {
        if (winsockName == name)
            return phrase;
    }
    return winsockName;
}

void SessionOutcome::started(const std::string& host) {
    std::lock_guard lock(mutex_);
    running_ = true;
    loggedIn_ = false;
    endRequested_ = false;
    host_ = host;
    refusal_.clear();
    connectError_.clear();
    lostError_.clear();
    tlsFailure_.clear();
    aborted_ = false;
    quitSent_ = false;
    message_.clear();
}

void SessionOutcome::loggedIn() {
    std::lock_guard lock(mutex_);
    loggedIn_ = true;
    // What the login dialogue refused on its way (a first USER form, say) is no reason
    // for a later end.
    refusal_.clear();
}

void SessionOutcome::endRequested() {
    std::lock_guard lock(mutex_);
    endRequested_ = true;
}

void SessionOutcome::forget() {
    std::lock_guard lock(mutex_);
    message_.clear();
}

void SessionOutcome::refused(const std::string& why) {
    std::lock_guard lock(mutex_);
    message_ = why;
}

std::string SessionOutcome::message() const {
    std::lock_guard lock(mutex_);
    return message_;
}

void SessionOutcome::lineAppended(size_t, const std::string& text, LogLineKind kind) {
    std::lock_guard lock(mutex_);
    if (!running_)
        return;
    if (kind == LogLineKind::Reply) {
        const std::string reply = finalReply(text);
        // Before the login every refusal counts; after it only the server's goodbye.
        if (!reply.empty() && (reply[0] == '4' || reply[0] == '5') &&
            (!loggedIn_ || reply.rfind("421", 0) == 0))
            refusal_ = reply;
        return;
    }
    if (kind == LogLineKind::Command) {
        if (text == "<QUIT")
            quitSent_ = true;
        return;
    }
    if (startsWith(text, kConnectFailed)) {
        connectError_ = errorPhrase(text.substr(sizeof kConnectFailed - 1));
    } else if (startsWith(text, kProxyRefused)) {
        host_ = "proxy server " + text.substr(sizeof kProxyRefused - 1);
    } else if (startsWith(text, kControl) && lostError_.empty()) {
        const size_t at = text.find(kWinsockError);
        if (at != std::string::npos)
            lostError_ = errorPhrase(text.substr(at + sizeof kWinsockError - 1));
    } else if (text == kLoginAborted) {
        aborted_ = true;
    } else if (!loggedIn_ && startsWith(text, "*** ") &&
               (text.find("TLS") != std::string::npos ||
                text.find("ertificate") != std::string::npos)) {
        if (tlsFailure_.empty())
            tlsFailure_ = text.substr(4);
    }
}

void SessionOutcome::ended() {
    std::lock_guard lock(mutex_);
    if (!running_)
        return;
    running_ = false;
    if (!loggedIn_) {
        if (aborted_)
            message_ = "Login aborted";
        else if (!connectError_.empty())
            message_ = connectError_ + ": " + host_;
        else if (!tlsFailure_.empty())
            message_ = tlsFailure_;
        else if (!refusal_.empty())
            message_ = refusal_;
        else if (!lostError_.empty())
            message_ = "Connection lost: " + lowerFirst(lostError_);
        else if (!endRequested_)
            message_ = "Not logged in to " + host_;
        return;
    }
    if (endRequested_ || quitSent_)
        return;
    if (!refusal_.empty())
        message_ = refusal_;
    else if (!lostError_.empty())
        message_ = "Connection lost: " + lowerFirst(lostError_);
    else
        message_ = "Connection to " + host_ + " closed";
}

}  // namespace nubo
