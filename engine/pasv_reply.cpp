#include "engine/pasv_reply.h"

#include <arpa/inet.h>

#include "engine/host_lookup.h"
#include "engine/net_address.h"

namespace nubo {

uint32_t PassiveAddress::address() const {
    return htonl(static_cast<uint32_t>(bytes[0]) << 24 | static_cast<uint32_t>(bytes[1]) << 16 |
                 static_cast<uint32_t>(bytes[2]) << 8 | bytes[3]);
}

std::string PassiveAddress::dotted() const {
    return dottedAddress(address());
}

bool parsePassiveReply(const std::string& line, PassiveAddress* result) {
    size_t at = 3;
    while (at < line.size() && !(line[at] >= '0' && line[at] <= '9')) {
        ++at;
    }
    unsigned numbers[6];
    for (int i = 0; i < 6; ++i) {
        if (i > 0) {
            if (at >= line.size() || line[at] != ',') {
                return false;
            }
            ++at;
        }
        size_t digits = 0;
        unsigned value = 0;
        while (at < line.size() && line[at] >= '0' && line[at] <= '9') {
            value = value * 10 + static_cast<unsigned>(line[at] - '0');
            ++at;
            if (++digits > 3) {
                return false;
            }
        }
        if (digits == 0 || value > 255) {
            return false;
        }
        numbers[i] = value;
    }
    // The last number ends the list: at a ")", a double quote, a blank, a dot or the
    // end of the line, never inside more digits or commas.
    if (at < line.size() && line[at] == ',') {
        return false;
    }
    for (int i = 0; i < 4; ++i) {
        result->bytes[i] = static_cast<uint8_t>(numbers[i]);
    }
    result->port = numbers[4] * 256 + numbers[5];
    return true;
}

bool parseExtendedPassiveReply(const std::string& line, unsigned* port) {
    const size_t open = line.find('(', 3);
    if (open == std::string::npos || open + 5 >= line.size()) {
        return false;
    }
    const char d = line[open + 1];
    if (d < 33 || d > 126 || (d >= '0' && d <= '9') || line[open + 2] != d || line[open + 3] != d) {
        return false;
    }
    size_t at = open + 4;
    unsigned value = 0;
    size_t digits = 0;
    while (at < line.size() && line[at] >= '0' && line[at] <= '9') {
        value = value * 10 + static_cast<unsigned>(line[at] - '0');
        ++at;
        if (++digits > 5) {
            return false;
        }
    }
    if (digits == 0 || value == 0 || value > 65535 || at + 1 >= line.size() || line[at] != d ||
        line[at + 1] != ')') {
        return false;
    }
    *port = value;
    return true;
}

std::string extendedPortArgument(const NetAddress& address) {
    return std::string(address.isIpv6() ? "|2|" : "|1|") + address.text() + "|" +
           std::to_string(address.port()) + "|";
}

bool isLocalOnlyAddress(uint32_t address) {
    uint32_t a = ntohl(address);
    auto in = [a](uint32_t net, int bits) { return (a >> (32 - bits)) == (net >> (32 - bits)); };
    return in(0x00000000, 8) || in(0x0A000000, 8) || in(0x64400000, 10) || in(0x7F000000, 8) ||
           in(0xA9FE0000, 16) || in(0xAC100000, 12) || in(0xC0A80000, 16);
}

uint32_t passiveConnectAddress(uint32_t replyAddress, uint32_t controlPeer, bool followReply) {
    if (!followReply || (isLocalOnlyAddress(replyAddress) && !isLocalOnlyAddress(controlPeer))) {
        return controlPeer;
    }
    return replyAddress;
}

}  // namespace nubo
