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

namespace {

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
        if (flags.tryParent) {
            urlFolderMissing_ = code[0] != '2';
        }
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
    if (!resumePending_) {
        writeRestartField(RestartRecord::kRemoteDir, directory);
    }
    return result;
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
