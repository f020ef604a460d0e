// Any bytes from a server as control-connection replies.
#include <cstddef>
#include <cstdint>
#include <string>

#include "base/app_log.h"
#include "engine/control_channel.h"
#include "fuzz/input_socket.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const int fd = inputSocket(data, size);
    if (fd < 0)
        return 0;

    nubo::AppLog log;
    nubo::ControlChannel channel(log);
    channel.socket().adopt(fd);
    channel.socket().setBufferSize(4096);
    channel.setAborSent(size > 0 && (data[0] & 1));
    for (int i = 0; i < 1000; ++i) {
        std::string last, code;
        if (channel.readReply(&last, &code) == 421)
            break;
    }
    return 0;
}
