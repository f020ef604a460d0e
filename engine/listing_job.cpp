#include "engine/listing_job.h"

#include <ctime>
#include <string>
#include <string_view>
#include <vector>

#include "base/app_log.h"
#include "engine/ftp_session.h"
#include "engine/listing_parser.h"
#include "engine/mlsx_parser.h"
#include "engine/remote_view_contract.h"
#include "engine/winsock_error.h"

namespace nubo {

namespace {

// Entries go to the view and the progress display in batches of this many.
constexpr int64_t kShownBatch = 10;

}  // namespace

int ListingJob::run(const std::string& directory, DirectoryFlags flags, bool shown,
                    std::vector<RemoteEntry>* copy) {
    missing_ = false;
    RemoteProtocol& protocol = session_.protocol();
    int result = protocol.prepareListing();
    if (result / 100 != 2) {
        return result;
    }
    size_t slash = directory.rfind('/');
    std::string title = slash == std::string::npos || slash == 0 || slash + 1 == directory.size()
                            ? directory
                            : directory.substr(slash + 1);
    setStatus("LIST " + title);
    logExtended("LISTing " + directory);

    const int opened = protocol.openListing(&missing_);
    if (outcomeOf(opened) != RemoteOutcome::Done) {
        result = opened;
    } else {
        session_.setTransferActive(true);
        RemoteViewContract* const seen = shown ? view() : nullptr;
        if (view() != nullptr)
            view()->setBusy(true);
        TransferProgress progress;
        progress.kind = TransferProgress::Kind::List;
        progress.name = title;
        int64_t start = reportTransferStart(0);
        int64_t bytes = 0;
        int64_t accepted = 0;
        std::vector<RemoteEntry> entries;
        size_t told = 0;  // entries the view was given
        RemoteProtocol::ListingStep last = RemoteProtocol::ListingStep::End;
        bool overLimit = false;
        while (!session_.abortRequested()) {
            int64_t taken = 0;
            last = protocol.readListing(&taken);
            if (last != RemoteProtocol::ListingStep::Record) {
                break;
            }
            bytes += taken;
            if (bytes > context_.listingByteLimit) {
                overLimit = true;
                break;
            }
            reportTransferProgress(bytes);
            RemoteEntry entry;
            if (protocol.takeEntry(&entry)) {
                if (accepted >= context_.listingEntryLimit) {
                    overLimit = true;
                    break;
                }
                entries.push_back(std::move(entry));
                if (++accepted % kShownBatch == 0) {
                    if (seen != nullptr) {
                        seen->entriesListed({entries.data() + told, entries.size() - told});
                        told = entries.size();
                    }
                    if (context_.outlets != nullptr) {
                        progress.bytes = accepted;
                        context_.outlets->ReportProgress(progress);
                    }
                }
            }
        }
        const bool aborted = session_.abortRequested();
        if (!aborted && context_.outlets != nullptr) {
            progress.bytes = accepted;
            context_.outlets->ReportProgress(progress);
        }
        // A listing cut off by a receive error is no listing of the directory, whatever
        // the final reply says: it is neither shown nor cached.
        bool broken = false;
        if (overLimit) {
            result = stopOverLimit(accepted, bytes, start);
        } else {
            result =
                protocol.finishData(false, aborted, last == RemoteProtocol::ListingStep::Broken,
                                    &broken, [&] { logTransferTime("received", bytes, start); });
            if (broken && result / 100 == 2) {
                result = 426;
            }
        }
        // A listing cut at the limit is shown as far as it got, but a listing into a file
        // counts it as incomplete.
        broken_ = broken || overLimit;
        read_ = true;
        session_.setTransferActive(false);
        const bool complete = !aborted && !broken;
        if (seen != nullptr && told < entries.size())
            seen->entriesListed({entries.data() + told, entries.size() - told});
        if (copy != nullptr)
            *copy = entries;
        if (complete)
            session_.listings().store(directory, std::move(entries));
        if (view() != nullptr)
            view()->setBusy(false);
        if (seen != nullptr)
            seen->listingFinished(complete, flags);
    }
    session_.clearAbort();
    clearTransferDisplay();
    protocol.closeData();
    return result;
}

int ListingJob::stopOverLimit(int64_t entries, int64_t bytes, int64_t startMs) {
    context_.log->LogExtendedFormat(
        "*** The listing is longer than this program takes (%lld entries or %lld bytes): "
        "the first %lld entries are shown, the rest was not read",
        static_cast<long long>(context_.listingEntryLimit),
        static_cast<long long>(context_.listingByteLimit), static_cast<long long>(entries));
    logTransferTime("received", bytes, startMs);
    return session_.protocol().abandonData();
}

}  // namespace nubo
