#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>

#include "base/app_log.h"
#include "engine/civil_time.h"
#include "engine/ftp_session.h"
#include "engine/main_outlets.h"
#include "engine/path_text.h"
#include "engine/restart_record.h"

// Directory operations of FtpSession: changing directory, listing, listing to a file.

namespace nubo {

int FtpSession::changeDirectory(const std::string* path, DirectoryFlags flags) {
    if (path != nullptr && path->empty() && flags.refresh) {
        listings().forget(currentRemoteDirectory_);
        if (view() != nullptr) {
            view()->changeDirectoryStarted(nullptr, flags);
        }
        return listDirectory(currentRemoteDirectory_, flags, true);
    }
    if (path != nullptr && !path->empty() && *path == currentRemoteDirectory_) {
        logExtended("... skipping [extra] CWD to " + *path);
        return 257;
    }
    std::string directory;
    bool refused = false;
    const int reply = enterDirectory(path, flags.tryParent, &directory, &refused);
    if (refused && view() != nullptr) {
        view()->showCurrentPath();
    }
    if (reply != 257) {
        return reply;
    }
    int result = 257;
    listingMissing_ = false;
    listings().setCurrent(directory);
    std::vector<RemoteEntry> kept;
    if (listings().listing(directory, &kept)) {
        logExtended("... using cached copy of " + directory);
        if (view() != nullptr)
            view()->listingReady(directory, std::move(kept), flags);
    } else {
        if (view() != nullptr)
            view()->changeDirectoryStarted(&directory, flags);
        result = listDirectory(directory, flags, true);
    }
    currentRemoteDirectory_ = directory;
    if (!resumePending_) {
        writeRestartField(RestartRecord::kRemoteDir, directory);
    }
    return result;
}

int FtpSession::enterDirectory(const std::string* path, bool tryParent, std::string* directory,
                               bool* refused) {
    *refused = false;
    std::string code;
    int reply = 0;
    if (path != nullptr && !path->empty()) {
        setStatus("CD " + *path);
        reply = changeWorkingDirectory(*path, &code);
    } else if (path == nullptr) {
        setStatus("CD ..");
        reply = protocol_.enterParent(&code);
    }
    if (path == nullptr || !path->empty()) {
        setStatus({});
        if (tryParent) {
            urlFolderMissing_ = code[0] != '2';
        }
        if (code[0] != '2') {
            if (!tryParent || path == nullptr) {
                *refused = true;
                return reply;
            }
            size_t separator = path->rfind('\\');
            if (separator == std::string::npos) {
                separator = path->rfind('/');
            }
            if (separator != std::string::npos && separator > 0) {
                std::string parent = path->substr(0, separator);
                setStatus("CD " + parent);
                reply = changeWorkingDirectory(parent, &code);
                setStatus({});
                if (code[0] != '2') {
                    *refused = true;
                    return reply;
                }
            }
        }
    }

    reply = protocol_.askCurrentDirectory(directory);
    if (reply != 257) {
        return reply;
    }
    if (directory->empty()) {
        *directory = currentRemoteDirectory_;
    }
    return 257;
}

int FtpSession::walkInto(const std::string& name, std::vector<RemoteEntry>* listing, bool useKept) {
    const std::string from = currentRemoteDirectory_;
    std::string directory;
    bool refused = false;
    const int reply = enterDirectory(&name, false, &directory, &refused);
    if (reply != 257) {
        if (!refused && reply != 421)
            walkBack(from);  // PWD failed in a folder the server did enter
        return reply;
    }
    currentRemoteDirectory_ = directory;
    if (!resumePending_) {
        writeRestartField(RestartRecord::kRemoteDir, directory);
    }
    if (useKept && listing != nullptr && listings().listing(directory, listing)) {
        logExtended("... using cached copy of " + directory);
        return 226;
    }
    const int listed = listAside(directory, listing);
    if (listed / 100 != 2 && listed != 421) {
        walkBack(from);
    }
    return listed;
}

int FtpSession::walkBack(const std::string& directory) {
    std::string reached;
    bool refused = false;
    const int reply = enterDirectory(&directory, false, &reached, &refused);
    if (reply != 257) {
        logExtended("*** Unable to return to " + directory);
        return reply;
    }
    currentRemoteDirectory_ = reached;
    if (!resumePending_) {
        writeRestartField(RestartRecord::kRemoteDir, reached);
    }
    return reply;
}

int FtpSession::listAside(const std::string& directory, std::vector<RemoteEntry>* into) {
    const bool broken = listingBroken_, missing = listingMissing_;
    const int listed = listDirectory(directory, {}, false, into);
    listingBroken_ = broken;
    listingMissing_ = missing;
    return listed;
}

int FtpSession::changeWorkingDirectory(const std::string& path, std::string* code) {
    return protocol_.enterDirectory(path, currentRemoteDirectory_, code);
}

bool FtpSession::fitsReplyLine(const std::string& path) {
    // "257 "PATH" is the current directory.": a quote in the path is doubled, and the
    // server's words after it are given room.
    constexpr size_t kWordsRoom = 64;
    const size_t quoted =
        path.size() + static_cast<size_t>(std::count(path.begin(), path.end(), '"'));
    return quoted + 6 + kWordsRoom < static_cast<size_t>(ControlChannel::kReplyLineCapacity);
}

int FtpSession::listToFile(const ListToFileRequest& request) {
    const std::string& filePath = request.path;
    if (request.urlFolder && urlFolderMissing_) {
        logExtended("*** Unable to enter " + target_.decodedPath() + "; no listing written to " +
                    filePath);
        return countListingFailure();
    }
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
    std::vector<RemoteEntry> kept;
    if (listing == nullptr) {
        listings().listing(currentRemoteDirectory_, &kept);
        listing = &kept;
    }
    for (const RemoteEntry& entry : *listing) {
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
