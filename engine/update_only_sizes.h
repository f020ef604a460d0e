#pragma once

#include <cstdint>
#include <string>

#include "engine/session_request.h"

namespace nubo {

// Update-ONLY's size rule: a copy at the far end that the transfer could not have made
// is never up to date, whatever its date. An Image copy, and a Smart one of a file that
// Smart mode sends as Image, has the same size. A Smart text copy may differ by the CRs
// of its line ends, but only one way: a download is never larger than the server's
// file, an upload's copy never smaller than the local file. ASCII keeps dates alone.
bool sizeRulesOutCopy(TransferMode mode, bool isGet, bool localIsText, int64_t remoteSize,
                      int64_t localSize);

// Whether Smart mode takes the local file for text (its first 512 bytes). A file that
// is not a regular file, or cannot be read, counts as binary: sizes are compared.
bool localFileLooksLikeText(const std::string& path);

}  // namespace nubo
