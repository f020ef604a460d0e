#include "tests/support/tcp_delay_relay.h"

#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <condition_variable>
#include <deque>

#include "tests/support/background_process.h"

namespace nubo::test {

namespace {

using Clock = std::chrono::steady_clock;
constexpr size_t kHighWater = 16u << 20;
constexpr size_t kReadSize = 256u << 10;

}  // namespace

// One direction: a reader thread queues what it reads with the time it is due, a writer
// thread passes it on then. An empty block is the end.
struct TcpDelayRelay::Lane {
    int from = -1;
    int to = -1;
    Clock::duration delay{};
    std::mutex mutex;
    std::condition_variable changed;
    std::deque<std::pair<Clock::time_point, std::string>> queue;
    size_t queued = 0;
    bool stopping = false;

    void read() {
        std::string buffer(kReadSize, '\0');
        for (;;) {
            const ssize_t got = ::recv(from, buffer.data(), buffer.size(), 0);
            std::unique_lock lock(mutex);
            changed.wait(lock, [&] { return queued < kHighWater || stopping; });
            if (stopping)
                return;
            queue.emplace_back(
                Clock::now() + delay,
                got > 0 ? buffer.substr(0, static_cast<size_t>(got)) : std::string());
            queued += got > 0 ? static_cast<size_t>(got) : 0;
            changed.notify_all();
            if (got <= 0)
                return;
        }
    }

    void write() {
        for (;;) {
            std::unique_lock lock(mutex);
            changed.wait(lock, [&] { return !queue.empty() || stopping; });
            if (stopping)
                return;
            const Clock::time_point due = queue.front().first;
            if (changed.wait_until(lock, due, [&] { return stopping; }))
                return;
            std::string block = std::move(queue.front().second);
            queue.pop_front();
            queued -= block.size();
            changed.notify_all();
            lock.unlock();
            if (block.empty()) {
                ::shutdown(to, SHUT_WR);
                return;
            }
            for (size_t done = 0; done < block.size();) {
                const ssize_t sent =
                    ::send(to, block.data() + done, block.size() - done, MSG_NOSIGNAL);
                if (sent <= 0) {
                    ::shutdown(from, SHUT_RD);  // the reader ends at once
                    return;
                }
                done += static_cast<size_t>(sent);
            }
        }
    }

    void stop() {
        std::lock_guard lock(mutex);
        stopping = true;
        changed.notify_all();
    }
};

TcpDelayRelay::TcpDelayRelay(unsigned targetPort, double oneWayMs)
    : targetPort_(targetPort), oneWayMs_(oneWayMs) {
    listener_ = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address = loopbackAddress(0);
    socklen_t length = sizeof address;
    if (::bind(listener_, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
        ::listen(listener_, 64) != 0 ||
        ::getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
        error_ = "the relay could not listen";
        return;
    }
    port_ = ntohs(address.sin_port);
    acceptor_ = std::thread([this] { acceptLoop(); });
}

TcpDelayRelay::~TcpDelayRelay() {
    stopping_ = true;
    if (acceptor_.joinable())
        acceptor_.join();
    ::close(listener_);
    std::lock_guard lock(mutex_);
    for (const std::shared_ptr<Lane>& lane : lanes_) {
        lane->stop();
        ::shutdown(lane->from, SHUT_RDWR);  // a reader blocked in recv returns
    }
    for (std::thread& thread : threads_)
        thread.join();
    // Each socket is the source of one lane.
    for (const std::shared_ptr<Lane>& lane : lanes_)
        ::close(lane->from);
}

void TcpDelayRelay::acceptLoop() {
    while (!stopping_) {
        pollfd waiting{listener_, POLLIN, 0};
        if (::poll(&waiting, 1, 100) <= 0)
            continue;
        const int client = ::accept(listener_, nullptr, nullptr);
        if (client < 0)
            continue;
        const int server = ::socket(AF_INET, SOCK_STREAM, 0);
        const sockaddr_in target = loopbackAddress(targetPort_);
        if (::connect(server, reinterpret_cast<const sockaddr*>(&target), sizeof target) != 0) {
            ::close(client);
            ::close(server);
            continue;
        }
        const int on = 1;
        for (const int fd : {client, server})
            ::setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &on, sizeof on);
        ++accepted_;
        const auto delay = std::chrono::duration_cast<Clock::duration>(
            std::chrono::duration<double, std::milli>(oneWayMs_));
        std::lock_guard lock(mutex_);
        for (const auto& [from, to] : {std::pair{client, server}, std::pair{server, client}}) {
            auto lane = std::make_shared<Lane>();
            lane->from = from;
            lane->to = to;
            lane->delay = delay;
            lanes_.push_back(lane);
            threads_.emplace_back([lane] { lane->read(); });
            threads_.emplace_back([lane] { lane->write(); });
        }
    }
}

}  // namespace nubo::test
