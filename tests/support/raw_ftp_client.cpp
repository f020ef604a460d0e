#include "tests/support/raw_ftp_client.h"

#include <netinet/in.h>
#include <sys/socket.h>
#include <sys/time.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "tests/support/background_process.h"

namespace nubo::test {

RawFtpClient::RawFtpClient(int timeoutMs) : timeoutMs_(timeoutMs) {}

RawFtpClient::~RawFtpClient() {
    close();
}

void RawFtpClient::close() {
    if (control_ >= 0)
        ::close(control_);
    control_ = -1;
    pending_.clear();
}

int RawFtpClient::connectTo(unsigned port) {
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    timeval timeout{timeoutMs_ / 1000, (timeoutMs_ % 1000) * 1000};
    ::setsockopt(fd, SOL_SOCKET, SO_RCVTIMEO, &timeout, sizeof timeout);
    ::setsockopt(fd, SOL_SOCKET, SO_SNDTIMEO, &timeout, sizeof timeout);
    const sockaddr_in address = loopbackAddress(port);
    if (::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}

RawFtpClient::Reply RawFtpClient::connect(unsigned port) {
    close();
    control_ = connectTo(port);
    return control_ < 0 ? Reply{} : readReply();
}

bool RawFtpClient::sendAll(int fd, const std::string& bytes) {
    size_t sent = 0;
    while (sent < bytes.size()) {
        const ssize_t n = ::send(fd, bytes.data() + sent, bytes.size() - sent, MSG_NOSIGNAL);
        if (n <= 0)
            return false;
        sent += static_cast<size_t>(n);
    }
    return true;
}

RawFtpClient::Reply RawFtpClient::readReply() {
    // A reply ends with the line that starts with its code and a space.
    Reply reply;
    std::string code;
    for (;;) {
        const size_t end = pending_.find('\n');
        if (end == std::string::npos) {
            char buffer[4096];
            const ssize_t n = control_ < 0 ? -1 : ::recv(control_, buffer, sizeof buffer, 0);
            if (n <= 0)
                return Reply{0, reply.text + pending_};
            pending_.append(buffer, static_cast<size_t>(n));
            continue;
        }
        const std::string line = pending_.substr(0, end + 1);
        pending_.erase(0, end + 1);
        reply.text += line;
        if (code.empty())
            code = line.substr(0, 3);
        if (line.size() >= 4 && line.compare(0, 3, code) == 0 && line[3] == ' ') {
            reply.code = std::atoi(code.c_str());
            return reply;
        }
    }
}

bool RawFtpClient::send(const std::string& line) {
    return control_ >= 0 && sendAll(control_, line + "\r\n");
}

RawFtpClient::Reply RawFtpClient::command(const std::string& line) {
    return send(line) ? readReply() : Reply{};
}

bool RawFtpClient::loginAnonymous() {
    const Reply user = command("USER anonymous");
    if (user.code == 230)
        return true;
    return user.code == 331 && command("PASS test@example.org").code == 230;
}

int RawFtpClient::openData(Passive passive, Reply* reply) {
    *reply = command(passive == Passive::Epsv ? "EPSV" : "PASV");
    unsigned port = 0;
    const size_t open = reply->text.find('(');
    if (open != std::string::npos) {
        const char* numbers = reply->text.c_str() + open;
        unsigned h[4], p[2];
        if (passive == Passive::Epsv && reply->code == 229)
            std::sscanf(numbers, "(|||%u|)", &port);
        else if (reply->code == 227 && std::sscanf(numbers, "(%u,%u,%u,%u,%u,%u)", &h[0], &h[1],
                                                   &h[2], &h[3], &p[0], &p[1]) == 6)
            port = p[0] * 256 + p[1];
    }
    return port == 0 ? -1 : connectTo(port);
}

RawFtpClient::Transfer RawFtpClient::retrieve(const std::string& line, Passive passive) {
    Transfer transfer;
    const int data = openData(passive, &transfer.reply);
    if (data < 0)
        return transfer;
    transfer.reply = command(line);
    if (transfer.reply.code == 125 || transfer.reply.code == 150) {
        char buffer[65536];
        for (;;) {
            const ssize_t n = ::recv(data, buffer, sizeof buffer, 0);
            if (n > 0) {
                transfer.data.append(buffer, static_cast<size_t>(n));
                continue;
            }
            transfer.reset = n < 0 && errno == ECONNRESET;
            break;
        }
        // Closed before the final reply is read: proftpd answers only once the client
        // has closed its end (a lingering close).
        ::close(data);
        transfer.reply = readReply();
        return transfer;
    }
    ::close(data);
    return transfer;
}

RawFtpClient::Reply RawFtpClient::store(const std::string& line, const std::string& bytes,
                                        Passive passive) {
    Reply reply;
    const int data = openData(passive, &reply);
    if (data < 0)
        return reply;
    reply = command(line);
    if (reply.code == 125 || reply.code == 150) {
        const bool sent = sendAll(data, bytes);
        ::close(data);
        return sent ? readReply() : Reply{};
    }
    ::close(data);
    return reply;
}

}  // namespace nubo::test
