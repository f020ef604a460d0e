// Any bytes from a server as control-connection replies.
#include <sys/socket.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <string>

#include "engine/control_channel.h"
#include "shell/app_log.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // A socket pair holds the whole input, so the writer never blocks.
    if (size > 100000)
        return 0;
    int fds[2];
    if (socketpair(AF_UNIX, SOCK_STREAM, 0, fds) != 0)
        return 0;
    int buffer = 1 << 20;
    setsockopt(fds[0], SOL_SOCKET, SO_SNDBUF, &buffer, sizeof buffer);
    setsockopt(fds[1], SOL_SOCKET, SO_RCVBUF, &buffer, sizeof buffer);
    size_t written = 0;
    while (written < size) {
        ssize_t n = write(fds[0], data + written, size - written);
        if (n <= 0)
            break;
        written += static_cast<size_t>(n);
    }
    close(fds[0]);

    nubo::AppLog log;
    nubo::ControlChannel channel(log);
    channel.socket().adopt(fds[1]);
    channel.socket().setBufferSize(4096);
    channel.setAborSent(size > 0 && (data[0] & 1));
    for (int i = 0; i < 1000; ++i) {
        std::string last, code;
        if (channel.readReply(&last, &code) == 421)
            break;
    }
    return 0;
}
