#pragma once

#include <string>

#include "engine/session_request.h"

namespace nubo::test {

inline const TransferOptions kAscii{TransferMode::Ascii, false, nullptr};
inline const TransferOptions kImage{TransferMode::Image, false, nullptr};
inline const TransferOptions kSmart{TransferMode::Smart, false, nullptr};

inline TransferOptions updateOnly(TransferOptions options) {
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
