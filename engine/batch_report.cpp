#include "engine/batch_report.h"

#include "engine/transfer_queue.h"

namespace nubo {

std::vector<std::string> BatchReport::lines(const TransferQueue& queue, uint64_t from,
                                            bool stopped) {
    const TaskCounts counts = queue.counts(from);
    std::vector<std::string> lines;
    if (counts.total() < 2) {
        return lines;
    }
    TaskInfo first;
    const bool hasFirst = queue.task(from, &first);
    for (const TaskInfo& task : queue.tasks(TaskState::Failed, from)) {
        const std::string& folder = task.spec.remoteFolder;
        const bool sameFolder = hasFirst && folder == first.spec.remoteFolder;
        const std::string where = sameFolder || folder.empty()
                                      ? task.spec.name
                                      : folder + (folder.back() == '/' ? "" : "/") + task.spec.name;
        lines.push_back("*** " + where + ": " + task.reason);
    }
    lines.push_back(TransferQueue::summaryLine(counts, stopped));
    return lines;
}

}  // namespace nubo
