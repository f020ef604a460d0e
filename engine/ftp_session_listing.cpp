#include <cerrno>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <string>

#include "base/app_log.h"
#include "engine/civil_time.h"
#include "engine/ftp_session.h"
#include "engine/listing_parser.h"
#include "engine/main_outlets.h"
#include "engine/mlsx_parser.h"
#include "engine/path_text.h"
#include "engine/restart_record.h"
#include "engine/winsock_error.h"

// Directory operations of FtpSession: changing directory, listing, listing to a file.

namespace nubo {

namespace {

// Longest listing line read; a longer one ends the listing.
constexpr int kListingLineBuffer = 512;
constexpr int kListingBufferSize = 4096;

// The directory of a 257 reply: between the first and the last double quote, or the
// first word after the code when a server leaves the quotes out.
std::string directoryOfPwdReply(const std::string& line) {
    size_t first = line.find('"');
    size_t last = line.rfind('"');
    if (first != std::string::npos && last > first) {
        return line.substr(first + 1, last - first - 1);
    }
    size_t start = line.find_first_not_of(' ', 4);
    if (line.size() <= 4 || start == std::string::npos) {
        return {};
    }
    size_t end = line.find(' ', start);
    return line.substr(start, end == std::string::npos ? std::string::npos : end - start);
}

}  // namespace

void FtpSession::installOperations() {
    // Each kind's operation, by the kind's place in the request variant.
    setRequestHandler(RequestKind::ChangeDirectory, [](FtpSession& s, SessionRequest& r) {
        auto& request = std::get<ChangeDirectoryRequest>(r);
        return s.changeDirectory(&request.path, request.flags);
    });
    setRequestHandler(RequestKind::ChangeDirectoryUp, [](FtpSession& s, SessionRequest&) {
        return s.changeDirectory(nullptr, {});
    });
    setRequestHandler(RequestKind::ListToFile, [](FtpSession& s, SessionRequest& r) {
        return s.listToFile(std::get<ListToFileRequest>(r));
    });
    setRequestHandler(RequestKind::Get, [](FtpSession& s, SessionRequest& r) {
        return s.getBatch(std::get<GetRequest>(r));
    });
    setRequestHandler(RequestKind::Put, [](FtpSession& s, SessionRequest& r) {
        return s.putBatch(std::get<PutRequest>(r));
    });
    setRequestHandler(RequestKind::Delete, [](FtpSession& s, SessionRequest& r) {
        return s.deleteEntries(std::get<DeleteRequest>(r));
    });
    setRequestHandler(RequestKind::MakeDirectory, [](FtpSession& s, SessionRequest& r) {
        return s.makeDirectory(std::get<MakeDirectoryRequest>(r));
    });
    setRequestHandler(RequestKind::Rename, [](FtpSession& s, SessionRequest& r) {
        return s.renameRemote(std::get<RenameRequest>(r));
    });
}

int FtpSession::changeDirectory(const std::string* path, DirectoryFlags flags) {
    if (path != nullptr && path->empty() && flags.refresh) {
        if (view() != nullptr) {
            view()->changeDirectoryStarted(nullptr, flags);
        }
        return listDirectory(".", flags);
    }
    if (path != nullptr && !path->empty()) {
        if (*path == currentRemoteDirectory_) {
            logExtended("... skipping [extra] CWD to " + *path);
            return 257;
        }
        setStatus("CD " + *path);
        control_.sendCommand("CWD", *path);
    } else if (path == nullptr) {
        setStatus("CD ..");
        control_.sendCommand("CDUP");
    }
    if (path == nullptr || !path->empty()) {
        std::string code;
        int reply = control_.readReply(nullptr, &code);
        setStatus({});
        if (code[0] != '2') {
            if (!flags.tryParent || path == nullptr) {
                if (view() != nullptr)
                    view()->showCurrentPath();
                return reply;
            }
            size_t separator = path->rfind('\\');
            if (separator == std::string::npos) {
                separator = path->rfind('/');
            }
            if (separator != std::string::npos && separator > 0) {
                std::string parent = path->substr(0, separator);
                setStatus("CD " + parent);
                control_.sendCommand("CWD", parent);
                reply = control_.readReply(nullptr, &code);
                setStatus({});
                if (code[0] != '2') {
                    if (view() != nullptr)
                        view()->showCurrentPath();
                    return reply;
                }
            }
        }
    }

    std::string pwdLine;
    control_.sendCommand("PWD");
    int reply = control_.readReply(&pwdLine);
    if (reply != 257) {
        return reply;
    }
    std::string directory = directoryOfPwdReply(pwdLine);
    if (directory.empty()) {
        directory = currentRemoteDirectory_;
    }
    int result = 257;
    listingMissing_ = false;
    if (view() != nullptr) {
        ++viewDirectoryChanges_;
    }
    if (view() != nullptr && view()->changeDirectoryStarted(&directory, flags)) {
        logExtended("... using cached copy of " + directory);
    } else {
        result = listDirectory(directory, flags);
    }
    currentRemoteDirectory_ = directory;
    if (restartPending_ == 0) {
        writeRestartField(RestartRecord::kRemoteDir, directory);
    }
    return result;
}

int FtpSession::listDirectory(const std::string& path, DirectoryFlags flags,
                              std::vector<RemoteEntry>* into) {
    listingMissing_ = false;
    int result = control_.setType(0);
    if (result / 100 != 2) {
        return result;
    }
    size_t slash = path.rfind('/');
    std::string shown = slash == std::string::npos || slash == 0 || slash + 1 == path.size()
                            ? path
                            : path.substr(slash + 1);
    setStatus("LIST " + shown);
    logExtended("LISTing " + path);

    // MLSD where the server offers it: exact sizes, UTC times, plain types. A server
    // that announces MLST and still refuses MLSD is asked with LIST from then on.
    bool machineListing = features().has("MLST") && !mlsdRefused_;
    std::string refusal;
    int opened = openDataConnection(machineListing ? "MLSD" : "LIST", &refusal);
    if (machineListing && opened == kDataFailed && !refusal.empty() && refusal[0] == '5') {
        mlsdRefused_ = true;
        machineListing = false;
        refusal.clear();
        opened = openDataConnection("LIST", &refusal);
    }
    if (opened != kDataOpen) {
        result = opened == kDataFailed ? ControlChannel::kLocalFailure : 421;
        // Not the server refusing the listing (its reply is in `refusal`), but a data
        // connection that never opened or was refused after the server's 1xx.
        listingMissing_ = opened == kDataControlLost || refusal.empty() || refusal[0] == '1';
    } else {
        transferActive_ = true;
        if (view() != nullptr)
            view()->setBusy(true);
        data_.setBufferSize(kListingBufferSize);
        TransferProgress progress;
        progress.kind = TransferProgress::Kind::List;
        progress.name = shown;
        std::string pending;
        int64_t start = reportTransferStart(0);
        int64_t bytes = 0;
        int64_t accepted = 0;
        const ListingLocaleData& locale = listingLocaleData_;
        const int64_t now = static_cast<int64_t>(::time(nullptr));
        char line[kListingLineBuffer];
        int last = 0;
        bool overLimit = false;
        while (!abortRequested_) {
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
            if (rawLogging_) {
                context_.log->LogExtended(text);
            }
            RemoteEntry entry;
            if (n > 0 && (machineListing ? parseMlsxLine(text, entry)
                                         : parseListingLine(text, pending, entry, locale, now))) {
                if (accepted >= context_.listingEntryLimit) {
                    overLimit = true;
                    break;
                }
                if (into != nullptr)
                    into->push_back(std::move(entry));
                else if (view() != nullptr)
                    view()->addEntry(entry);
                if (++accepted % 10 == 0 && context_.outlets != nullptr) {
                    progress.bytes = accepted;
                    context_.outlets->ReportProgress(progress);
                }
            }
        }
        const bool aborted = abortRequested_;
        if (!aborted && context_.outlets != nullptr) {
            progress.bytes = accepted;
            context_.outlets->ReportProgress(progress);
        }
        // A listing cut off by a receive error is no listing of the directory, whatever
        // the final reply says: it is neither shown nor cached.
        bool broken = false;
        if (overLimit) {
            result = stopListingOverLimit(accepted, bytes, start);
        } else {
            result =
                closeDataPhase(false, last == FtpSocket::kError ? last : 0, bytes, start, &broken);
            if (broken && result / 100 == 2) {
                result = 426;
            }
        }
        // A listing cut at the limit is shown as far as it got, but a listing into a file
        // counts it as incomplete.
        listingBroken_ = broken || overLimit;
        transferActive_ = false;
        if (view() != nullptr) {
            view()->setBusy(false);
            if (into == nullptr)
                view()->listingFinished(!aborted && !broken, flags);
        }
    }
    abortRequested_ = false;
    setStatus({});
    if (context_.outlets != nullptr) {
        context_.outlets->ReportProgress({});
    }
    data_.close();
    return result;
}

int FtpSession::stopListingOverLimit(int64_t entries, int64_t bytes, int64_t startMs) {
    context_.log->LogExtendedFormat(
        "*** The listing is longer than this program takes (%lld entries or %lld bytes): "
        "the first %lld entries are shown, the rest was not read",
        static_cast<long long>(context_.listingEntryLimit),
        static_cast<long long>(context_.listingByteLimit), static_cast<long long>(entries));
    logTransferTime("received", bytes, startMs);
    // The server still sends: its data connection goes, and ABOR with the replies to it
    // keeps the control connection in step for the next command.
    data_.close();
    return connector_.abortStalledTransfer();
}

int FtpSession::listToFile(const ListToFileRequest& request) {
    const std::string& filePath = request.path;
    // Another directory than the current one is listed afresh for the file alone.
    std::vector<RemoteEntry> fresh;
    DirectoryVisit visit;
    const int code = enterRequestDirectory(request.directory, &fresh, &visit);
    if (code / 100 != 2) {
        leaveRequestDirectory(visit, code);
        return code == 421 ? code : countListingFailure();
    }
    const int result = writeListingFile(filePath, visit.entered ? &fresh : nullptr);
    leaveRequestDirectory(visit, result);
    return result;
}

int FtpSession::writeListingFile(const std::string& filePath,
                                 const std::vector<RemoteEntry>* listing) {
    logExtended("Listing directory to " + filePath);
    if (listingMissing_) {
        logExtended("*** No listing to write: its data connection failed");
        return countListingFailure();
    }
    FILE* file = std::fopen(filePath.c_str(), "w");
    if (file == nullptr) {
        logExtended("... Open failed on " + filePath);
        return countListingFailure();
    }
    if (listingBroken_) {
        logExtended("*** The listing is incomplete: its data connection failed");
    }
    int index = -1;
    size_t next = 0;
    RemoteEntry entry;
    const auto nextEntry = [&] {
        if (listing != nullptr) {
            if (next >= listing->size())
                return false;
            entry = (*listing)[next++];
            return true;
        }
        return view() != nullptr && view()->nextValidEntry(&index) &&
               view()->entryAt(index, &entry);
    };
    while (nextEntry()) {
        CivilTime t = secondsToLocalCivil(entry.time);
        // Local text files end their lines with LF here.
        if (std::fprintf(file, "%04d/%02d/%02d %02d:%02d %11lld %s\n", t.year, t.month, t.day,
                         t.hour, t.minute, static_cast<long long>(entry.size),
                         entry.displayName().c_str()) < 0) {
            logExtended(std::string("*** Error writing listing file: ") + std::strerror(errno));
            std::fclose(file);
            return countListingFailure();
        }
    }
    if (std::fclose(file) != 0) {
        logExtended(std::string("*** Error writing listing file: ") + std::strerror(errno));
        return countListingFailure();
    }
    return listingBroken_ ? countListingFailure() : 200;
}

int FtpSession::countListingFailure() {
    // A listing that a script asked for and did not get is a failed download.
    if (context_.outlets != nullptr) {
        context_.outlets->AddExitBits(exitbit::kGetFailed);
    }
    return ControlChannel::kLocalFailure;
}

void FtpSession::toggleRawLogging() {
    bool on = !rawLogging_;
    rawLogging_ = on;
    logExtended(std::string("[\"raw\" directory data logging ") + (on ? "ON" : "OFF") + "]");
}

}  // namespace nubo
