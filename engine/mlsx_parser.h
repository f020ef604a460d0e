#pragma once

#include <cstdint>
#include <string_view>

#include "engine/remote_entry.h"

namespace nubo {

// Reads one line of an MLSD listing or of an MLST reply (RFC 3659):
// "type=file;size=1234;modify=20261208153000; name". Exact sizes, UTC times
// (RemoteEntry::kExactTime) and types; a link the server names with its target
// ("OS.unix=slink:/target") keeps it. False for lines that name no entry of the
// folder ("cdir", "pdir") and for malformed ones: no facts, no name, a fact without
// "=", a size or time that is not a number.
bool parseMlsxLine(std::string_view line, RemoteEntry& entry);

// "YYYYMMDDHHMMSS" with an optional fraction, UTC, as MLSD's "modify" and the reply
// to MDTM give it; false when the text is no such time.
bool parseMlsxTime(std::string_view text, int64_t* seconds);

}  // namespace nubo
