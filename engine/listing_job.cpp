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

// Longest listing line read; a longer one ends the listing.
constexpr int kListingLineBuffer = 512;
constexpr int kListingBufferSize = 4096;
// Entries go to the view and the progress display in batches of this many.
constexpr int64_t kShownBatch = 10;

}  // namespace

int ListingJob::run(const std::string& directory, DirectoryFlags flags, bool shown,
                    std::vector<RemoteEntry>* copy) {
    missing_ = false;
    int result = control_.setType(0);
    if (result / 100 != 2) {
        return result;
    }
    size_t slash = directory.rfind('/');
    std::string title = slash == std::string::npos || slash == 0 || slash + 1 == directory.size()
                            ? directory
                            : directory.substr(slash + 1);
    setStatus("LIST " + title);
    logExtended("LISTing " + directory);

    // MLSD where the server offers it: exact sizes, UTC times, plain types. A server
    // that announces MLST and still refuses MLSD is asked with LIST from then on.
    bool machineListing = session_.features().has("MLST") && !session_.mlsdRefused();
    std::string refusal;
    int opened = openDataConnection(machineListing ? "MLSD" : "LIST", &refusal);
    if (machineListing && opened == FtpSession::kDataFailed && !refusal.empty() &&
        refusal[0] == '5') {
        session_.noteMlsdRefused();
        machineListing = false;
        refusal.clear();
        opened = openDataConnection("LIST", &refusal);
    }
    if (opened != FtpSession::kDataOpen) {
        result = opened == FtpSession::kDataFailed ? ControlChannel::kLocalFailure : 421;
        // Not the server refusing the listing (its reply is in `refusal`), but a data
        // connection that never opened or was refused after the server's 1xx.
        missing_ = opened == FtpSession::kDataControlLost || refusal.empty() || refusal[0] == '1';
    } else {
        session_.setTransferActive(true);
        RemoteViewContract* const seen = shown ? view() : nullptr;
        if (view() != nullptr)
            view()->setBusy(true);
        data_.setBufferSize(kListingBufferSize);
        TransferProgress progress;
        progress.kind = TransferProgress::Kind::List;
        progress.name = title;
        std::string pending;
        int64_t start = reportTransferStart(0);
        int64_t bytes = 0;
        int64_t accepted = 0;
        std::vector<RemoteEntry> entries;
        size_t told = 0;  // entries the view was given
        const ListingLocaleData& locale = session_.listingLocaleData();
        const int64_t now = static_cast<int64_t>(::time(nullptr));
        char line[kListingLineBuffer];
        int last = 0;
        bool overLimit = false;
        while (!session_.abortRequested()) {
            int n = data_.readLine(line, sizeof line);
            if (n == FtpSocket::kError && lastWinsockError() == wsa::kMessageSize) {
                // No entry has a line this long (a hostile or broken server): skipped.
                logExtended("... listing line too long; skipped");
                n = data_.skipLine();
                if (n == 0)
                    continue;
            }
            last = n;
            if (n < 0) {
                break;
            }
            bytes += n + 2;
            if (bytes > context_.listingByteLimit) {
                overLimit = true;
                break;
            }
            reportTransferProgress(bytes);
            std::string_view text(line, static_cast<size_t>(n));
            if (session_.rawLogging()) {
                context_.log->LogExtended(text);
            }
            RemoteEntry entry;
            if (n > 0 && (machineListing ? parseMlsxLine(text, entry)
                                         : parseListingLine(text, pending, entry, locale, now))) {
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
                closeDataPhase(false, last == FtpSocket::kError ? last : 0, bytes, start, &broken);
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
    data_.close();
    return result;
}

int ListingJob::stopOverLimit(int64_t entries, int64_t bytes, int64_t startMs) {
    context_.log->LogExtendedFormat(
        "*** The listing is longer than this program takes (%lld entries or %lld bytes): "
        "the first %lld entries are shown, the rest was not read",
        static_cast<long long>(context_.listingEntryLimit),
        static_cast<long long>(context_.listingByteLimit), static_cast<long long>(entries));
    logTransferTime("received", bytes, startMs);
    // The server still sends: its data connection goes, and ABOR with the replies to it
    // keeps the control connection in step for the next command.
    data_.close();
    return session_.connector().abortStalledTransfer();
}

}  // namespace nubo
