// The session's TransferQueue with a huge batch: a million files (1,000 folders of 1,000,
// names of about 20 bytes, local paths mirroring the tree under one folder) added as the
// walk finds them, then each taken, moved and ended as a connection does. Prints the
// bytes per task (growth of the resident set, of the heap in use, and the queue's own
// accounting) with every task waiting and with every task ended, and the time of each
// phase.
// Usage: bench_queue_memory [FOLDERS] [FILES_PER_FOLDER]
#include <malloc.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

#include "engine/transfer_queue.h"

namespace {

using Clock = std::chrono::steady_clock;

double msSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// The resident set in bytes, from /proc/self/statm (its second field, in pages).
size_t residentBytes() {
    std::ifstream statm("/proc/self/statm");
    size_t total = 0, resident = 0;
    statm >> total >> resident;
    return resident * 4096;
}

// The heap in use: small blocks from the arenas and large ones mapped on their own.
size_t heapInUse() {
    const struct mallinfo2 info = mallinfo2();
    return info.uordblks + info.hblkhd;
}

struct Mark {
    size_t resident = residentBytes();
    size_t heap = heapInUse();
};

std::string folderName(int folder) {
    char text[32];
    std::snprintf(text, sizeof text, "album-%04d", folder);
    return text;
}

// "IMG_20230412_000123.jpg": 23 bytes, as a camera names its files.
std::string fileName(int folder, int file) {
    char text[32];
    std::snprintf(text, sizeof text, "IMG_2023%04d_%06d.jpg", folder % 10000, file);
    return text;
}

nubo::TaskSpec specOf(int folder, int file) {
    const std::string sub = folderName(folder);
    const std::string name = fileName(folder, file);
    return {true, "/pub/photos/archive/" + sub, name,
            "/home/someone/Downloads/archive/" + sub + "/" + name, 1000 + file};
}

void report(const char* phase, const Mark& from, size_t queueBytes, int64_t tasks, double ms) {
    const Mark now;
    const double n = static_cast<double>(tasks);
    std::printf("%-26s %8.0f ms  bytes/task: resident %6.1f  heap %6.1f  queue's own %6.1f\n",
                phase, ms, (static_cast<double>(now.resident) - from.resident) / n,
                (static_cast<double>(now.heap) - from.heap) / n, queueBytes / n);
}

}  // namespace

int main(int argc, char** argv) {
    const int folders = argc > 1 ? std::atoi(argv[1]) : 1000;
    const int files = argc > 2 ? std::atoi(argv[2]) : 1000;
    const int64_t tasks = int64_t{folders} * files;
    const Mark before;
    nubo::TransferQueue queue;

    Clock::time_point start = Clock::now();
    for (int folder = 0; folder < folders; ++folder)
        for (int file = 0; file < files; ++file)
            queue.add(specOf(folder, file));
    report("added (all waiting)", before, queue.memoryBytes(), tasks, msSince(start));

    // As a connection takes a file: found again by its spec, moved, ended; one in a
    // hundred fails with the server's reason.
    start = Clock::now();
    for (int folder = 0; folder < folders; ++folder) {
        for (int file = 0; file < files; ++file) {
            const nubo::TaskSpec spec = specOf(folder, file);
            const uint64_t id = queue.begin(spec, 1 + file % 4);
            queue.progress(id, spec.size);
            if (file % 100 == 99)
                queue.finish(id, nubo::TaskState::Failed, "550 Permission denied.");
            else
                queue.finish(id, nubo::TaskState::Done, {});
        }
    }
    report("taken and ended", before, queue.memoryBytes(), tasks, msSince(start));
    malloc_trim(0);
    report("(after malloc_trim)", before, queue.memoryBytes(), tasks, 0);

    const nubo::TaskCounts counts = queue.counts();
    std::printf("%lld tasks: %lld done, %lld failed\n", static_cast<long long>(counts.total()),
                static_cast<long long>(counts.done), static_cast<long long>(counts.failed));
    return counts.total() == tasks && counts.waiting == 0 && counts.active == 0 ? 0 : 1;
}
