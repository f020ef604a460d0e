#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "engine/conflict_answers.h"

namespace nubo {

// A file of an upload whose name the server's folder holds already: what the question
// shows.
struct UploadConflict {
    std::string name;
    std::string remoteFolder;
    std::string localPath;
    int64_t localSize = -1;
    int64_t remoteSize = -1;
    // The server's copy is smaller and the file goes as Image: it can be appended to.
    bool canResume = false;
    // A name the folder does not hold, offered for Rename.
    std::string freeName;
    // The local file's time, and the server copy's date as its listing shows it (empty
    // when the listing gave none): what Overwrite if newer compares.
    int64_t localTime = 0;
    std::string remoteDate;
};

// Asks the user (the window); without one a conflict is overwritten, as the command
// line always did.
using ConflictQuestion = std::function<ConflictAnswer(const UploadConflict&)>;

// The conflicts of one batch: each asked, until an answer is given for all of them.
class UploadConflicts {
  public:
    explicit UploadConflicts(ConflictQuestion ask) : ask_(std::move(ask)) {}

    // The answer for this conflict; Rename always comes with its name, and Resume only
    // where the copy can be resumed (a Resume for all overwrites the others).
    ConflictAnswer decide(const UploadConflict& conflict);

    // "name (1).ext", "name (2).ext", ... the first that `taken` says is free.
    static std::string freeName(const std::string& name,
                                const std::function<bool(const std::string&)>& taken);

  private:
    ConflictQuestion ask_;
    ConflictAnswers answers_;
};

}  // namespace nubo
