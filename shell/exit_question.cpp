#include "shell/exit_question.h"

namespace nubo {

namespace {

std::string files(int64_t count) {
    return std::to_string(count) + (count == 1 ? " file" : " files");
}

}  // namespace

std::string ExitQuestion::text(const TaskCounts& counts) {
    const int64_t unfinished = counts.waiting + counts.active;
    if (unfinished == 0 && counts.failed == 0) {
        return {};
    }
    std::string said;
    if (unfinished > 0) {
        said =
            files(unfinished) + (unfinished == 1 ? " has" : " have") + " not been transferred yet";
    }
    if (counts.failed > 0) {
        said += (said.empty() ? files(counts.failed) : " and " + std::to_string(counts.failed)) +
                " failed";
    }
    if (counts.stopped > 0) {
        // The Failed list holds them too: the question counts what the list shows.
        said += ", " + std::to_string(counts.stopped) + " stopped";
    }
    return said + ".\n\nQuit anyway?";
}

}  // namespace nubo
