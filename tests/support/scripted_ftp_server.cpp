#include "tests/support/scripted_ftp_server.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>

namespace nubo::test {

namespace {

// How long the server waits for the client at any one step before calling it a failure.
constexpr int kStepTimeoutMs = 10000;

bool waitReadable(int fd, int timeoutMs) {
    pollfd p{fd, POLLIN, 0};
    return ::poll(&p, 1, timeoutMs) > 0;
}

// An IPv4 address, or an IPv6 one ("::1") for a server of that family.
int listenOn(const std::string& address, unsigned* port) {
    sockaddr_storage storage{};
    socklen_t length = 0;
    auto* v4 = reinterpret_cast<sockaddr_in*>(&storage);
    auto* v6 = reinterpret_cast<sockaddr_in6*>(&storage);
    if (inet_pton(AF_INET6, address.c_str(), &v6->sin6_addr) == 1) {
        v6->sin6_family = AF_INET6;
        length = sizeof *v6;
    } else {
        v4->sin_family = AF_INET;
        inet_pton(AF_INET, address.c_str(), &v4->sin_addr);
        length = sizeof *v4;
    }
    int fd = ::socket(storage.ss_family, SOCK_STREAM | SOCK_CLOEXEC, 0);
    auto* sa = reinterpret_cast<sockaddr*>(&storage);
    if (::bind(fd, sa, length) != 0 || ::listen(fd, 4) != 0) {
        ::close(fd);
        return -1;
    }
    getsockname(fd, sa, &length);
    *port = ntohs(storage.ss_family == AF_INET6 ? v6->sin6_port : v4->sin_port);
    return fd;
}

std::string stripTelnet(const std::string& raw) {
    std::string out;
    for (size_t i = 0; i < raw.size(); ++i) {
        if (static_cast<unsigned char>(raw[i]) == 0xFF) {
            // IAC and the Telnet command after it; an IAC whose data mark went out of
            // band stands alone before the command.
            if (i + 1 < raw.size() && static_cast<unsigned char>(raw[i + 1]) >= 0xF0) {
                ++i;
            }
            continue;
        }
        out.push_back(raw[i]);
    }
    return out;
}

}  // namespace

ScriptedFtpServer::ScriptedFtpServer(const std::string& bindAddress) : bindAddress_(bindAddress) {
    listener_ = listenOn(bindAddress_, &port_);
}

ScriptedFtpServer::~ScriptedFtpServer() {
    stopping_ = true;
    if (thread_.joinable()) {
        thread_.join();
    }
    closeData();
    closeControl();
    if (dataListener_ >= 0)
        ::close(dataListener_);
    if (listener_ >= 0)
        ::close(listener_);
}

ScriptedFtpServer& ScriptedFtpServer::add(std::string name, std::function<bool()> action) {
    steps_.push_back({std::move(name), std::move(action)});
    return *this;
}

ScriptedFtpServer& ScriptedFtpServer::expectLogin() {
    return expectBatchLogin().expect("SYST").reply("215 UNIX");
}

ScriptedFtpServer& ScriptedFtpServer::expectBatchLogin() {
    return reply("220 hi")
        .expect("USER anonymous")
        .reply("331 pw")
        .expect("PASS *")
        .reply("230 in")
        .expectFeatRefused();
}

ScriptedFtpServer& ScriptedFtpServer::expectFeatRefused() {
    return expect("FEAT").reply("500 FEAT not understood");
}

ScriptedFtpServer& ScriptedFtpServer::expectLoginWithFeatures(
    const std::vector<std::string>& features) {
    std::string text = "211-Features:\r\n";
    for (const std::string& feature : features) {
        text += feature + "\r\n";
    }
    return reply("220 hi")
        .expect("USER anonymous")
        .reply("331 pw")
        .expect("PASS *")
        .reply("230 in")
        .expect("FEAT")
        .reply(text + "211 End")
        .expect("SYST")
        .reply("215 UNIX");
}

ScriptedFtpServer& ScriptedFtpServer::expectProxyLogin(const std::string& userArgument) {
    return reply("220 proxy")
        .expect("USER " + userArgument)
        .reply("230 in")
        .expectFeatRefused()
        .expect("SYST")
        .reply("215 UNIX");
}

ScriptedFtpServer& ScriptedFtpServer::reply(const std::string& text) {
    return sendRaw(text + "\r\n");
}

ScriptedFtpServer& ScriptedFtpServer::sendRaw(const std::string& bytes) {
    return add("send", [this, bytes] {
        if (!sendAll(control_, bytes.data(), bytes.size())) {
            fail("could not send: " + bytes);
            return false;
        }
        return true;
    });
}

ScriptedFtpServer& ScriptedFtpServer::expect(const std::string& pattern) {
    return add("expect " + pattern, [this, pattern] {
        std::string line, raw;
        if (!readCommand(&line, &raw)) {
            fail("expected " + pattern + ", connection ended");
            return false;
        }
        bool prefix = !pattern.empty() && pattern.back() == '*';
        bool match = prefix
                         ? line.compare(0, pattern.size() - 1, pattern, 0, pattern.size() - 1) == 0
                         : line == pattern;
        if (!match) {
            fail("expected " + pattern + ", got " + line);
            return false;
        }
        return true;
    });
}

ScriptedFtpServer& ScriptedFtpServer::delay(int milliseconds) {
    return add("delay", [milliseconds] {
        std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
        return true;
    });
}

ScriptedFtpServer& ScriptedFtpServer::drop() {
    return add("drop", [this] {
        closeData();
        closeControl();
        return true;
    });
}

ScriptedFtpServer& ScriptedFtpServer::expectClose() {
    return add("expect close", [this] {
        std::string line, raw;
        while (readCommand(&line, &raw)) {
        }
        closeControl();
        return true;
    });
}

ScriptedFtpServer& ScriptedFtpServer::answerAll(
    std::function<std::string(const std::string&)> answer) {
    return add("answer all", [this, answer] {
        std::string line, raw;
        while (readCommand(&line, &raw)) {
            const std::string text = answer(line);
            if (text.empty() || !sendAll(control_, (text + "\r\n").data(), text.size() + 2))
                break;
        }
        closeControl();
        return true;
    });
}

ScriptedFtpServer& ScriptedFtpServer::acceptNext() {
    return add("accept", [this] {
        closeData();
        closeControl();
        pending_.clear();
        control_ = acceptOne(listener_);
        if (control_ < 0) {
            fail("no client connected");
            return false;
        }
        return true;
    });
}

ScriptedFtpServer& ScriptedFtpServer::expectListing(const std::string& listing) {
    return expectPasv()
        .expect("LIST")
        .reply("150 Here comes the listing.")
        .sendData(listing)
        .reply("226 Listing done.");
}

ScriptedFtpServer& ScriptedFtpServer::expectPasv(const std::string& advertisedAddress) {
    return pasv(bindAddress_, advertisedAddress);
}

ScriptedFtpServer& ScriptedFtpServer::expectPasvOn(const std::string& dataAddress) {
    std::string advertised = dataAddress;
    std::replace(advertised.begin(), advertised.end(), '.', ',');
    return pasv(dataAddress, advertised);
}

ScriptedFtpServer& ScriptedFtpServer::pasv(const std::string& listenAddress,
                                           const std::string& advertisedAddress) {
    expect("PASV");
    return add("pasv", [this, listenAddress, advertisedAddress] {
        if (dataListener_ >= 0)
            ::close(dataListener_);
        unsigned dataPort = 0;
        dataListener_ = listenOn(listenAddress, &dataPort);
        passive_ = true;
        char text[128];
        std::snprintf(text, sizeof text, "227 Entering Passive Mode (%s,%u,%u)\r\n",
                      advertisedAddress.c_str(), dataPort / 256, dataPort % 256);
        return sendAll(control_, text, std::strlen(text));
    });
}

ScriptedFtpServer& ScriptedFtpServer::expectEpsv() {
    expect("EPSV");
    return add("epsv", [this] {
        if (dataListener_ >= 0)
            ::close(dataListener_);
        unsigned dataPort = 0;
        dataListener_ = listenOn(bindAddress_, &dataPort);
        passive_ = true;
        const std::string text =
            "229 Entering Extended Passive Mode (|||" + std::to_string(dataPort) + "|)\r\n";
        return sendAll(control_, text.data(), text.size());
    });
}

ScriptedFtpServer& ScriptedFtpServer::expectPort() {
    return add("port", [this] {
        std::string line, raw;
        unsigned h[4], p[2];
        if (!readCommand(&line, &raw) || std::sscanf(line.c_str(), "PORT %u,%u,%u,%u,%u,%u", &h[0],
                                                     &h[1], &h[2], &h[3], &p[0], &p[1]) != 6) {
            fail("expected PORT, got " + line);
            return false;
        }
        std::lock_guard lock(mutex_);
        portHost_ = std::to_string(h[0]) + "." + std::to_string(h[1]) + "." + std::to_string(h[2]) +
                    "." + std::to_string(h[3]);
        portPort_ = p[0] * 256 + p[1];
        passive_ = false;
        const char* ok = "200 PORT command successful.\r\n";
        return sendAll(control_, ok, std::strlen(ok));
    });
}

bool ScriptedFtpServer::openData() {
    closeData();
    if (passive_) {
        data_ = acceptOne(dataListener_);
    } else {
        data_ = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
        sockaddr_in sa{};
        sa.sin_family = AF_INET;
        inet_pton(AF_INET, portHost().c_str(), &sa.sin_addr);
        sa.sin_port = htons(static_cast<uint16_t>(portPort()));
        if (::connect(data_, reinterpret_cast<sockaddr*>(&sa), sizeof sa) != 0) {
            closeData();
        }
    }
    if (data_ < 0) {
        fail("no data connection");
        return false;
    }
    return true;
}

ScriptedFtpServer& ScriptedFtpServer::sendData(const std::string& payload, size_t dropAfter) {
    return add("send data", [this, payload, dropAfter] {
        if (!openData()) {
            return false;
        }
        size_t n = std::min(payload.size(), dropAfter);
        bool ok = sendAll(data_, payload.data(), n);
        if (dropAfter != SIZE_MAX) {
            abortData();
        } else {
            closeData();
        }
        return ok;
    });
}

ScriptedFtpServer& ScriptedFtpServer::dripData(const std::string& payload, int intervalMs) {
    return add("drip data", [this, payload, intervalMs] {
        if (!openData()) {
            return false;
        }
        for (char c : payload) {
            if (stopping_ || !sendAll(data_, &c, 1)) {
                break;  // the client gave up on the connection
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(intervalMs));
        }
        closeData();
        return true;
    });
}

ScriptedFtpServer& ScriptedFtpServer::startData(const std::string& payload) {
    return add("start data", [this, payload] {
        return openData() && sendAll(data_, payload.data(), payload.size());
    });
}

ScriptedFtpServer& ScriptedFtpServer::sendUntilClosed(const std::string& chunk, size_t maxBytes) {
    return add("send until closed", [this, chunk, maxBytes] {
        if (!openData())
            return false;
        size_t sent = 0;
        while (sent < maxBytes && !stopping_ && sendAll(data_, chunk.data(), chunk.size()))
            sent += chunk.size();
        closeData();
        return true;
    });
}

ScriptedFtpServer& ScriptedFtpServer::endData() {
    return add("end data", [this] {
        closeData();
        return true;
    });
}

ScriptedFtpServer& ScriptedFtpServer::resetData() {
    return add("reset data", [this] {
        abortData();
        return true;
    });
}

ScriptedFtpServer& ScriptedFtpServer::receiveData() {
    return add("receive data", [this] {
        if (!openData()) {
            return false;
        }
        std::string got;
        char buf[65536];
        while (!stopping_ && waitReadable(data_, kStepTimeoutMs)) {
            ssize_t n = ::recv(data_, buf, sizeof buf, 0);
            if (n <= 0)
                break;
            got.append(buf, static_cast<size_t>(n));
        }
        closeData();
        std::lock_guard lock(mutex_);
        received_.push_back(got);
        return true;
    });
}

ScriptedFtpServer& ScriptedFtpServer::expectRest() {
    return add("rest", [this] {
        std::string line, raw;
        long long offset = 0;
        if (!readCommand(&line, &raw) || std::sscanf(line.c_str(), "REST %lld", &offset) != 1) {
            fail("expected REST, got " + line);
            return false;
        }
        {
            std::lock_guard lock(mutex_);
            restOffset_ = offset;
        }
        std::string answer = "350 Restarting at " + std::to_string(offset) + ".\r\n";
        return sendAll(control_, answer.data(), answer.size());
    });
}

ScriptedFtpServer& ScriptedFtpServer::sendDataFromRest(const std::string& payload) {
    return add("send data from rest", [this, payload] {
        if (!openData())
            return false;
        size_t offset = static_cast<size_t>(restOffset());
        bool ok = offset <= payload.size() &&
                  sendAll(data_, payload.data() + offset, payload.size() - offset);
        closeData();
        return ok;
    });
}

ScriptedFtpServer& ScriptedFtpServer::receiveDataThenDrop(size_t n) {
    return add("receive data then drop", [this, n] {
        if (!openData())
            return false;
        std::string got;
        char buf[65536];
        while (got.size() < n && !stopping_ && waitReadable(data_, kStepTimeoutMs)) {
            ssize_t r = ::recv(data_, buf, std::min(sizeof buf, n - got.size()), 0);
            if (r <= 0)
                break;
            got.append(buf, static_cast<size_t>(r));
        }
        abortData();
        std::lock_guard lock(mutex_);
        received_.push_back(got);
        return true;
    });
}

ScriptedFtpServer& ScriptedFtpServer::run(std::function<void()> action) {
    return add("run", [action] {
        action();
        return true;
    });
}

void ScriptedFtpServer::start() {
    thread_ = std::thread([this] { play(); });
}

void ScriptedFtpServer::play() {
    control_ = acceptOne(listener_);
    if (control_ < 0) {
        fail("no client connected");
    } else {
        for (Step& step : steps_) {
            if (stopping_ || !step.action()) {
                break;
            }
        }
    }
    std::lock_guard lock(mutex_);
    if (!failures_.empty()) {
        closeControl();  // off script: the client sees the connection end, not a long silence
    }
    done_ = true;
    doneChanged_.notify_all();
}

bool ScriptedFtpServer::waitDone(int timeoutMs) {
    std::unique_lock lock(mutex_);
    return doneChanged_.wait_for(lock, std::chrono::milliseconds(timeoutMs),
                                 [this] { return done_; });
}

int ScriptedFtpServer::acceptOne(int listener) {
    auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(kStepTimeoutMs);
    while (!stopping_ && std::chrono::steady_clock::now() < deadline) {
        if (waitReadable(listener, 100)) {
            return ::accept4(listener, nullptr, nullptr, SOCK_CLOEXEC);
        }
    }
    return -1;
}

bool ScriptedFtpServer::readCommand(std::string* line, std::string* raw) {
    auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(kStepTimeoutMs);
    for (;;) {
        size_t lf = pending_.find('\n');
        if (lf != std::string::npos) {
            *raw = pending_.substr(0, lf + 1);
            pending_.erase(0, lf + 1);
            std::string text = raw->substr(0, raw->size() - 1);
            if (!text.empty() && text.back() == '\r')
                text.pop_back();
            *line = stripTelnet(text);
            std::lock_guard lock(mutex_);
            transcript_.push_back(*line);
            raw_.push_back(*raw);
            return true;
        }
        if (control_ < 0 || stopping_ || std::chrono::steady_clock::now() >= deadline) {
            return false;
        }
        if (!waitReadable(control_, 100)) {
            continue;
        }
        char buf[4096];
        ssize_t n = ::recv(control_, buf, sizeof buf, 0);
        if (n <= 0) {
            return false;
        }
        pending_.append(buf, static_cast<size_t>(n));
    }
}

bool ScriptedFtpServer::sendAll(int fd, const char* data, size_t size) {
    while (size > 0) {
        ssize_t n = ::send(fd, data, size, MSG_NOSIGNAL);
        if (n <= 0) {
            return false;
        }
        data += n;
        size -= static_cast<size_t>(n);
    }
    return true;
}

void ScriptedFtpServer::fail(const std::string& what) {
    std::lock_guard lock(mutex_);
    failures_.push_back(what);
}

void ScriptedFtpServer::closeControl() {
    if (control_ >= 0) {
        ::close(control_);
        control_ = -1;
    }
}

void ScriptedFtpServer::abortData() {
    if (data_ >= 0) {
        // An abortive close (RST), the way a broken line looks to the client.
        linger l{1, 0};
        setsockopt(data_, SOL_SOCKET, SO_LINGER, &l, sizeof l);
    }
    closeData();
}

void ScriptedFtpServer::closeData() {
    if (data_ >= 0) {
        ::close(data_);
        data_ = -1;
    }
}

std::vector<std::string> ScriptedFtpServer::transcript() const {
    std::lock_guard lock(mutex_);
    return transcript_;
}

std::vector<std::string> ScriptedFtpServer::rawCommands() const {
    std::lock_guard lock(mutex_);
    return raw_;
}

std::vector<std::string> ScriptedFtpServer::failures() const {
    std::lock_guard lock(mutex_);
    return failures_;
}

std::vector<std::string> ScriptedFtpServer::receivedData() const {
    std::lock_guard lock(mutex_);
    return received_;
}

int64_t ScriptedFtpServer::restOffset() const {
    std::lock_guard lock(mutex_);
    return restOffset_;
}

std::string ScriptedFtpServer::portHost() const {
    std::lock_guard lock(mutex_);
    return portHost_;
}

unsigned ScriptedFtpServer::portPort() const {
    std::lock_guard lock(mutex_);
    return portPort_;
}

}  // namespace nubo::test
