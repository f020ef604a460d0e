#pragma once

#include <functional>
#include <string>

namespace nubo {

// What the user may answer when a transfer would replace a file that is there already
// (on the server for an upload, here for a download).
enum class ConflictChoice { Overwrite, OverwriteIfNewer, Resume, Rename, Skip, Cancel };

struct ConflictAnswer {
    ConflictChoice choice = ConflictChoice::Overwrite;
    // The same for every later conflict of the batch.
    bool forAll = false;
    // Rename: the name chosen (empty: the free name offered).
    std::string newName;
};

// The answers of one batch, either direction: each conflict is asked about until an
// answer is given for all, which then holds for the rest of the batch (a Cancel never
// does: it ends the batch).
class ConflictAnswers {
  public:
    // The answer for one conflict: the one given for all, else what `ask` answers, else
    // (nobody to ask: the command line) Overwrite, as it always was. Resume only where
    // this file can be resumed: elsewhere it overwrites (so a Resume for all does too).
    ConflictAnswer decide(const std::function<ConflictAnswer()>& ask, bool canResume);

  private:
    bool answeredForAll_ = false;
    ConflictAnswer forAll_;
};

}  // namespace nubo
