#pragma once

#include <cstdint>
#include <string>

namespace nubo {

// The address and port a 227 reply names.
struct PassiveAddress {
    uint8_t bytes[4] = {0, 0, 0, 0};
    unsigned port = 0;
    // Network order, for connecting.
    uint32_t address() const;
    std::string dotted() const;
};

// Reads "227 ... h1,h2,h3,h4,p1,p2" in any of its spellings (inside parentheses, bare,
// or followed by a double quote). False when a number is missing, not decimal or out
// of range: a failed passive set-up, never a guess.
bool parsePassiveReply(const std::string& line, PassiveAddress* result);

// Reads the port of "229 Entering Extended Passive Mode (|||6446|)": three equal
// delimiters (any printable character but a digit), the decimal port 1-65535, the
// delimiter again. False for anything else; the address is the control peer's.
bool parseExtendedPassiveReply(const std::string& line, unsigned* port);

// The argument of EPRT for an address and port: "|2|2001:db8::1|6446|" ("|1|..." for
// IPv4).
std::string extendedPortArgument(const class NetAddress& address);

// True for addresses that only mean something inside one network: unspecified
// (0/8), private (10/8, 172.16/12, 192.168/16), shared (100.64/10), loopback (127/8),
// link-local (169.254/16). Network order.
bool isLocalOnlyAddress(uint32_t address);

// The settings-file value (a number in the "Settings" group) that lets a 227 reply's own
// address count, for the rare server whose data connections come from another host.
inline constexpr const char* kPasvReplyAddressSetting = "PasvReplyAddress";

// The address to connect to for a 227 reply: the control connection's peer, which is
// where EPSV goes too. With followReply (the setting above), the reply's own address,
// unless it names a local-only address while the peer is a public one (a server behind
// NAT); then still the peer's.
uint32_t passiveConnectAddress(uint32_t replyAddress, uint32_t controlPeer, bool followReply);

}  // namespace nubo
