#include "engine/text_detection.h"

namespace nubo {

int detectText(const uint8_t* sample, size_t length) {
    size_t n = length < 512 ? length : 512;
    bool crlf = false;
    for (size_t i = 0; i < n; ++i) {
        if (sample[i] < 0x07 || sample[i] > 0x7F) {
            return 0;
        }
        if (sample[i] == '\r' && i + 1 < n && sample[i + 1] == '\n') {
            crlf = true;
        }
    }
    return crlf ? 2 : 1;
}

void CrLfToLf::convert(const uint8_t* data, size_t length, std::string& out) {
    size_t i = 0;
    if (pendingCr_) {
        pendingCr_ = false;
        if (length > 0 && data[0] == '\n') {
            out.push_back('\n');
            i = 1;
        } else {
            out.push_back('\r');
        }
    }
    for (; i < length; ++i) {
        if (data[i] == '\r') {
            if (i + 1 == length) {
                pendingCr_ = true;
            } else if (data[i + 1] == '\n') {
                out.push_back('\n');
                ++i;
            } else {
                out.push_back('\r');
            }
        } else {
            out.push_back(static_cast<char>(data[i]));
        }
    }
}

std::string CrLfToLf::finish() {
    bool pending = pendingCr_;
    pendingCr_ = false;
    return pending ? std::string("\r") : std::string();
}

}  // namespace nubo
