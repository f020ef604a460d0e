// Listing parser throughput and filling the remote directory model.
#include <benchmark/benchmark.h>

#include <ctime>
#include <string>
#include <vector>

#include "base/app_log.h"
#include "engine/listing_parser.h"
#include "engine/mlsx_parser.h"
#include "views/remote_directory_model.h"

namespace {

// A realistic mix of Unix listing lines: files and folders, recent and old dates,
// links, long names.
std::vector<std::string> unixLines(size_t count) {
    static const char* kMonths[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                    "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    std::vector<std::string> lines;
    lines.reserve(count);
    for (size_t i = 0; i < count; ++i) {
        std::string month = kMonths[i % 12];
        std::string day = std::to_string(1 + i % 28);
        std::string when = i % 3 == 0
                               ? std::to_string(1995 + i % 30)
                               : "1" + std::to_string(i % 10) + ":3" + std::to_string(i % 10);
        switch (i % 5) {
            case 0:
                lines.push_back("drwxr-xr-x    2 ftp      ftp          4096 " + month + " " + day +
                                " " + when + " directory-" + std::to_string(i));
                break;
            case 1:
                lines.push_back("lrwxrwxrwx    1 ftp      ftp            19 " + month + " " + day +
                                " " + when + " latest-" + std::to_string(i) +
                                " -> releases/v1/pkg.tar.gz");
                break;
            default:
                lines.push_back("-rw-r--r--    1 ftp      ftp      " +
                                std::to_string(100000 + i * 7919) + " " + month + " " + day + " " +
                                when + " file number " + std::to_string(i) + ".tar.gz");
                break;
        }
    }
    return lines;
}

void BM_ParseUnixLines(benchmark::State& state) {
    const std::vector<std::string> lines = unixLines(10000);
    const nubo::ListingLocaleData locale;
    const int64_t now = static_cast<int64_t>(time(nullptr));
    std::string pending;
    size_t accepted = 0;
    for (auto _ : state) {
        for (const std::string& line : lines) {
            nubo::RemoteEntry entry;
            accepted += nubo::parseListingLine(line, pending, entry, locale, now);
        }
    }
    benchmark::DoNotOptimize(accepted);
    state.SetItemsProcessed(static_cast<int64_t>(state.iterations() * lines.size()));
    state.counters["lines/s"] = benchmark::Counter(
        static_cast<double>(state.iterations() * lines.size()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_ParseUnixLines)->Unit(benchmark::kMillisecond);

// The same entries as MLSD lines (pyftpdlib's facts and order).
std::vector<std::string> mlsdLines(size_t count) {
    std::vector<std::string> lines;
    lines.reserve(count);
    for (size_t i = 0; i < count; ++i) {
        const std::string modify = "modify=20" + std::to_string(10 + i % 16) + "0" +
                                   std::to_string(1 + i % 9) + "1" + std::to_string(i % 10) + "1" +
                                   std::to_string(i % 10) + "3" + std::to_string(i % 10) + "2" +
                                   std::to_string(i % 10) + ";";
        switch (i % 5) {
            case 0:
                lines.push_back(modify + "perm=eldfmMTcp;size=4096;type=dir;unique=fe00g" +
                                std::to_string(i) + ";unix.mode=0755; directory-" +
                                std::to_string(i));
                break;
            case 1:
                lines.push_back(modify +
                                "perm=radfwMT;size=19;type=OS.unix=slink:releases/v1/"
                                "pkg.tar.gz;unique=fe00g" +
                                std::to_string(i) + "; latest-" + std::to_string(i));
                break;
            default:
                lines.push_back(modify + "perm=radfwMT;size=" + std::to_string(100000 + i * 7919) +
                                ";type=file;unique=fe00g" + std::to_string(i) +
                                ";unix.mode=0644; file number " + std::to_string(i) + ".tar.gz");
                break;
        }
    }
    return lines;
}

void BM_ParseMlsdLines(benchmark::State& state) {
    const std::vector<std::string> lines = mlsdLines(10000);
    size_t accepted = 0;
    for (auto _ : state) {
        for (const std::string& line : lines) {
            nubo::RemoteEntry entry;
            accepted += nubo::parseMlsxLine(line, entry);
        }
    }
    if (accepted != state.iterations() * lines.size()) {
        state.SkipWithError("an MLSD line was refused");
    }
    state.SetItemsProcessed(static_cast<int64_t>(state.iterations() * lines.size()));
    state.counters["lines/s"] = benchmark::Counter(
        static_cast<double>(state.iterations() * lines.size()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_ParseMlsdLines)->Unit(benchmark::kMillisecond);

void BM_FillModel100k(benchmark::State& state) {
    const std::vector<std::string> lines = unixLines(100000);
    const nubo::ListingLocaleData locale;
    const int64_t now = static_cast<int64_t>(time(nullptr));
    std::vector<nubo::RemoteEntry> entries;
    std::string pending;
    for (const std::string& line : lines) {
        nubo::RemoteEntry entry;
        if (nubo::parseListingLine(line, pending, entry, locale, now))
            entries.push_back(entry);
    }
    nubo::AppLog log;
    for (auto _ : state) {
        nubo::RemoteDirectoryModel model(log);
        const std::string path = "/big";
        model.changeDirectoryStarted(&path, nubo::DirectoryFlags{});
        model.entriesListed(entries);
        model.listingFinished(true, nubo::DirectoryFlags{});  // sorts and caches
        benchmark::DoNotOptimize(model.rows().size());
    }
    state.SetItemsProcessed(static_cast<int64_t>(state.iterations() * entries.size()));
}
BENCHMARK(BM_FillModel100k)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
