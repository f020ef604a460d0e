#pragma once

#include <string>

#include "engine/session_request.h"

namespace nubo::test {

inline constexpr TransferOptions kAscii{TransferMode::Ascii, false};
inline constexpr TransferOptions kImage{TransferMode::Image, false};
inline constexpr TransferOptions kSmart{TransferMode::Smart, false};

inline constexpr TransferOptions updateOnly(TransferOptions options) {
    options.updateOnly = true;
    return options;
}

// A Get of one file named (as the command line or a resumption names it), looked up in
// the directory the session is in, into a local folder.
inline GetRequest namedGet(const std::string& folder, const std::string& name,
                           TransferOptions options = kImage) {
    GetRequest request;
    request.names.push_back(name);
    request.namesIgnoreCase = true;
    request.options = options;
    request.localFolder = folder;
    return request;
}

// A Put of one local file or folder into the directory the session is in.
inline PutRequest pathPut(const std::string& path, TransferOptions options = kImage) {
    return PutRequest{{}, {path}, options};
}

}  // namespace nubo::test
