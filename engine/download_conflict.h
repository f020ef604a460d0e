#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "engine/conflict_answers.h"

namespace nubo {

// A file of a download whose local target exists already: what the question shows. The
// answers it takes are Overwrite, Resume (only with canResume), Skip and Cancel.
struct DownloadConflict {
    std::string name;          // on the server
    std::string remoteFolder;  // the server's folder it is in
    std::string localPath;     // the local file it would replace
    int64_t localSize = -1;
    int64_t localTime = 0;  // seconds since 1970, UTC
    int64_t remoteSize = -1;
    // A download of this file that was stopped kept its partial file, and the server's
    // file is still the one it came from: it can be resumed from partialSize bytes.
    bool canResume = false;
    int64_t partialSize = -1;
};

// Asks the user (the window); without one the local file is replaced, as the command
// line always did.
using DownloadConflictQuestion = std::function<ConflictAnswer(const DownloadConflict&)>;

}  // namespace nubo
