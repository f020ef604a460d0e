#include "tests/support/scripted_socks_server.h"

#include "tests/support/background_process.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace nubo::test {

ScriptedSocksServer::ScriptedSocksServer() {
    listener_ = listenLoopback(&port_);
    acceptor_ = std::thread([this] { acceptLoop(); });
}

ScriptedSocksServer::~ScriptedSocksServer() {
    stopping_ = true;
    ::shutdown(listener_, SHUT_RDWR);
    acceptor_.join();
    ::close(listener_);
    {
        std::lock_guard lock(mutex_);
        for (int fd : fds_)
            ::shutdown(fd, SHUT_RDWR);
    }
    for (std::thread& worker : workers_)
        worker.join();
    for (int fd : fds_)
        ::close(fd);
}

void ScriptedSocksServer::addHandler(Handler handler) {
    std::lock_guard lock(mutex_);
    handlers_.push_back(std::move(handler));
}

void ScriptedSocksServer::acceptLoop() {
    while (!stopping_) {
        int fd = ::accept(listener_, nullptr, nullptr);
        if (fd < 0) {
            return;
        }
        std::lock_guard lock(mutex_);
        fds_.push_back(fd);
        if (nextHandler_ >= handlers_.size()) {
            ::shutdown(fd, SHUT_RDWR);
            continue;
        }
        Handler handler = handlers_[nextHandler_++];
        workers_.emplace_back([this, handler, fd] {
            handler(*this, fd);
            ::shutdown(fd, SHUT_RDWR);
        });
    }
}

std::string ScriptedSocksServer::readBytes(int fd, size_t n) {
    std::string bytes;
    char buffer[512];
    while (bytes.size() < n) {
        ssize_t got = ::recv(fd, buffer, std::min(sizeof buffer, n - bytes.size()), 0);
        if (got <= 0) {
            break;
        }
        bytes.append(buffer, static_cast<size_t>(got));
    }
    return bytes;
}

std::string ScriptedSocksServer::readUntilZero(int fd) {
    std::string bytes;
    char c;
    while (::recv(fd, &c, 1, 0) == 1) {
        bytes.push_back(c);
        if (c == '\0') {
            break;
        }
    }
    return bytes;
}

void ScriptedSocksServer::writeBytes(int fd, const std::string& bytes) {
    size_t done = 0;
    while (done < bytes.size()) {
        ssize_t sent = ::send(fd, bytes.data() + done, bytes.size() - done, MSG_NOSIGNAL);
        if (sent <= 0) {
            return;
        }
        done += static_cast<size_t>(sent);
    }
}

void ScriptedSocksServer::relay(int fd, int otherFd) {
    pollfd fds[2] = {{fd, POLLIN, 0}, {otherFd, POLLIN, 0}};
    char buffer[65536];
    for (;;) {
        if (::poll(fds, 2, 30000) <= 0) {
            return;
        }
        for (int i = 0; i < 2; ++i) {
            if (fds[i].revents == 0) {
                continue;
            }
            ssize_t got = ::recv(fds[i].fd, buffer, sizeof buffer, 0);
            if (got <= 0) {
                ::shutdown(fds[1 - i].fd, SHUT_WR);  // pass the end on, then stop
                return;
            }
            writeBytes(fds[1 - i].fd, std::string(buffer, static_cast<size_t>(got)));
        }
    }
}

int ScriptedSocksServer::connectLoopback(unsigned port) {
    int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in address = loopbackAddress(port);
    if (::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}

int ScriptedSocksServer::listenLoopback(unsigned* port) {
    int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in address = loopbackAddress(0);
    socklen_t length = sizeof address;
    if (::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
        ::listen(fd, 8) != 0 ||
        ::getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
        ::close(fd);
        return -1;
    }
    *port = ntohs(address.sin_port);
    return fd;
}

void ScriptedSocksServer::record(const std::string& what) {
    std::lock_guard lock(mutex_);
    records_.push_back(what);
}

std::vector<std::string> ScriptedSocksServer::records() const {
    std::lock_guard lock(mutex_);
    return records_;
}

}  // namespace nubo::test
