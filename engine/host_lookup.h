#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "engine/net_address.h"

namespace nubo {

// True when every character is a digit or "." (an empty text counts as dotted); such
// a text is used as an address directly and never looked up.
bool isDottedAddress(const std::string& text);

// Converts a dotted text to an IPv4 address in network order; false when it forms no
// valid address.
bool parseDottedAddress(const std::string& text, uint32_t* address);

// Resolves a name to its first IPv4 address (network order) and its official name.
// On failure returns false and leaves the WinSock code of the failure as the thread's
// last error (WSAHOST_NOT_FOUND for an unknown name).
bool lookupHostByName(const std::string& name, uint32_t* address, std::string* officialName);

// Reverse-resolves a dotted address; false (with the last error set) when no name is
// known for it.
bool lookupHostByAddress(const std::string& dotted, uint32_t* address, std::string* hostName);

// Reverse-resolves an IPv4 or IPv6 address; false (with the last error set) when no
// name is known for it.
bool reverseLookup(const NetAddress& address, std::string* hostName);

// Resolves a host the way connections do: dotted texts directly, names by lookup.
bool resolveHost(const std::string& host, uint32_t* address);

// Every address a host stands for, IPv4 and IPv6, in the resolver's order of
// preference: a literal (dotted IPv4 or IPv6) is itself, a name is looked up. False,
// with the WinSock code as the last error, when there is none.
bool resolveAll(const std::string& host, unsigned port, std::vector<NetAddress>* addresses);

// "a.b.c.d" of an address in network order.
std::string dottedAddress(uint32_t address);

}  // namespace nubo
