// Any bytes from a SOCKS server, through every dialogue the client runs.
#include <unistd.h>

#include <cstddef>
#include <cstdint>

#include "base/app_log.h"
#include "engine/ftp_socket.h"
#include "engine/socks_client.h"
#include "fuzz/input_socket.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1)
        return 0;
    int peer = -1;
    const int fd = inputSocket(data + 1, size - 1, &peer);
    if (fd < 0)
        return 0;
    nubo::AppLog log;
    nubo::SocksClient::Server server;
    server.type = (data[0] & 1) ? nubo::ProxyType::Socks5 : nubo::ProxyType::Socks4;
    server.host = "proxy";
    server.user = (data[0] & 2) ? "user" : "";
    server.password = (data[0] & 4) ? "secret" : "";
    nubo::SocksClient socks(server, log);
    nubo::FtpSocket socket;
    socket.adopt(fd);
    if (data[0] & 8) {
        uint32_t bound = 0;
        unsigned port = 0;
        if (socks.bind(socket, 0x0100007F, 21, 0x0100007F, &bound, &port))
            socks.awaitBoundPeer(socket);
    } else {
        socks.connectTo(socket, 0x0100007F, 21);
    }
    close(peer);
    return 0;
}
