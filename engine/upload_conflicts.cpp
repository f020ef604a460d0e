#include "engine/upload_conflicts.h"

namespace nubo {

ConflictAnswer UploadConflicts::decide(const UploadConflict& conflict) {
    const auto ask = [this, &conflict] { return ask_(conflict); };
    ConflictAnswer answer =
        answers_.decide(ask_ ? std::function<ConflictAnswer()>(ask) : nullptr, conflict.canResume);
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
