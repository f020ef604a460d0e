#include "engine/upload_conflicts.h"

namespace nubo {

ConflictAnswer UploadConflicts::decide(const UploadConflict& conflict) {
    ConflictAnswer answer;
    if (answeredForAll_) {
        answer = forAll_;
        answer.newName.clear();  // each file its own free name
    } else if (ask_) {
        answer = ask_(conflict);
        if (answer.forAll && answer.choice != ConflictChoice::Cancel) {
            answeredForAll_ = true;
            forAll_ = answer;
        }
    }
    if (answer.choice == ConflictChoice::Resume && !conflict.canResume) {
        answer.choice = ConflictChoice::Overwrite;
    }
    if (answer.choice == ConflictChoice::Rename && answer.newName.empty()) {
        answer.newName = conflict.freeName;
    }
    return answer;
}

std::string UploadConflicts::freeName(const std::string& name,
                                      const std::function<bool(const std::string&)>& taken) {
    // The number goes before the extension, so the file keeps its type.
    const size_t dot = name.rfind('.');
    const bool hasExtension = dot != std::string::npos && dot > 0;
    const std::string stem = hasExtension ? name.substr(0, dot) : name;
    const std::string extension = hasExtension ? name.substr(dot) : std::string();
    for (int n = 1;; ++n) {
        std::string candidate = stem + " (" + std::to_string(n) + ")" + extension;
        if (!taken(candidate)) {
            return candidate;
        }
    }
}

}  // namespace nubo
