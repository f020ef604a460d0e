#pragma once

#include <sys/socket.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>

// The fuzz input as what a peer sent: the reading end of a socket pair that holds the
// whole input and then reports the end. -1 when the input is too big or no pair.
// With `peer`, the other end stays open (only its sending side is shut), so that what
// the code under test sends is taken; the caller closes it.
inline int inputSocket(const uint8_t* data, size_t size, int* peer = nullptr) {
    if (size > 100000)
        return -1;
    int fds[2];
    if (socketpair(AF_UNIX, SOCK_STREAM, 0, fds) != 0)
        return -1;
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
    if (peer != nullptr) {
        shutdown(fds[0], SHUT_WR);
        *peer = fds[0];
    } else {
        close(fds[0]);
    }
    return fds[1];
}
