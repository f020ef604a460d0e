#include "engine/ftp_protocol.h"

#include <algorithm>
#include <cstdio>
#include <string_view>
#include <utility>

#include <ctime>

#include "base/app_log.h"
#include "engine/civil_time.h"
#include "engine/control_channel.h"
#include "engine/control_connection.h"
#include "engine/data_connector.h"
#include "engine/ftp_socket.h"
#include "engine/listing_parser.h"
#include "engine/low_speed_guard.h"
#include "engine/mlsx_parser.h"
#include "engine/winsock_error.h"

namespace nubo {

namespace {

// Longest listing line read; a longer one is skipped.
constexpr int kListingLineBuffer = 512;
constexpr int kListingBufferSize = 4096;

// The time of a 213 answer to MDTM; false when it holds none.
bool mdtmTime(const std::string& line, int64_t* time) {
    return line.size() > 4 && parseMlsxTime(std::string_view(line).substr(4), time);
}

}  // namespace

RemoteOutcome outcomeOf(int code) {
    if (code == 421)
        return RemoteOutcome::ConnectionLost;
    if (code == ControlChannel::kLocalFailure)
        return RemoteOutcome::LocalFailure;
    return code >= 100 && code < 400 ? RemoteOutcome::Done : RemoteOutcome::Refused;
}

FtpProtocol::FtpProtocol(ControlChannel& control, const ControlConnection& connection,
                         DataConnector& connector, AppLog& log, const ListingLocaleData& locale,
                         const std::atomic<bool>& rawLogging)
    : control_(control),
      connection_(connection),
      connector_(connector),
      data_(connector.socket()),
      log_(log),
      locale_(locale),
      rawLogging_(rawLogging) {}

bool FtpProtocol::has(const char* feature) const {
    return connection_.features().has(feature);
}

std::string FtpProtocol::directoryOfPwdReply(const std::string& line) {
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

int FtpProtocol::enterDirectory(const std::string& path, const std::string& current,
                                std::string* code) {
    constexpr size_t kRoom = ControlChannel::kMaxCommandLength - 4;  // after "CWD "
    std::string replyCode;
    if (path.size() <= kRoom || path[0] != '/') {
        control_.sendCommand("CWD", path);
        const int reply = control_.readReply(nullptr, &replyCode);
        if (code != nullptr)
            *code = replyCode;
        return reply;
    }
    int reply = 0;
    bool moved = false;
    for (size_t at = 0; at < path.size();) {
        size_t end = std::min(path.size(), at + kRoom);
        if (end < path.size()) {
            const size_t slash = path.rfind('/', end);
            // A single name longer than a command line is sent whole, and refused.
            end = slash != std::string::npos && slash > at ? slash : path.size();
        }
        const std::string piece = at == 0 ? path.substr(0, end) : path.substr(at + 1, end - at - 1);
        if (piece.empty()) {
            break;  // a "/" at the end
        }
        control_.sendCommand("CWD", piece);
        reply = control_.readReply(nullptr, &replyCode);
        if (replyCode[0] != '2') {
            break;
        }
        moved = true;
        at = end;
    }
    if (replyCode[0] != '2' && moved && reply != 421 && current != path) {
        enterDirectory(current, current, nullptr);  // not left half way
    }
    if (code != nullptr)
        *code = replyCode;
    return reply;
}

int FtpProtocol::enterParent(std::string* code) {
    control_.sendCommand("CDUP");
    return control_.readReply(nullptr, code);
}

int FtpProtocol::askCurrentDirectory(std::string* directory) {
    std::string line;
    control_.sendCommand("PWD");
    const int reply = control_.readReply(&line);
    if (reply == 257)
        *directory = directoryOfPwdReply(line);
    return reply;
}

int FtpProtocol::removeEntry(const std::string& name, bool folder, std::string* reply,
                             std::string* code) {
    control_.sendCommand(folder ? "RMD" : "DELE", name);
    return control_.readReply(reply, code);
}

int FtpProtocol::makeDirectory(const std::string& name) {
    control_.sendCommand("MKD", name);
    return control_.readReply();
}

int FtpProtocol::rename(const std::string& from, const std::string& to, bool* fromRefused,
                        std::string* code) {
    control_.sendCommand("RNFR", from);
    const int accepted = control_.readReply(nullptr, code);
    *fromRefused = accepted != 350;
    if (*fromRefused)
        return accepted;
    control_.sendCommand("RNTO", to);
    return control_.readReply(nullptr, code);
}

int FtpProtocol::changeMode(const std::string& name, const std::string& octal, std::string* code) {
    control_.sendCommand("SITE", "CHMOD " + octal + " " + name);
    return control_.readReply(nullptr, code);
}

bool FtpProtocol::canSetModificationTime() const {
    return has("MFMT");
}

int FtpProtocol::setModificationTime(const std::string& name, int64_t time, std::string* line) {
    const CivilTime t = secondsToCivil(time);
    char stamp[32];
    std::snprintf(stamp, sizeof stamp, "%04d%02d%02d%02d%02d%02d", t.year, t.month, t.day, t.hour,
                  t.minute, t.second);
    control_.sendCommand("MFMT", std::string(stamp) + " " + name);
    return control_.readReply(line);
}

int64_t FtpProtocol::fileSize(const std::string& name) {
    if (!has("SIZE"))
        return -1;
    std::string line;
    control_.sendCommand("SIZE", name);
    if (control_.readReply(&line) != 213 || line.size() <= 4) {
        return -1;
    }
    int64_t size = 0;
    for (char c : std::string_view(line).substr(4)) {
        if (c < '0' || c > '9' || size > (INT64_MAX - 9) / 10) {
            return -1;
        }
        size = size * 10 + (c - '0');
    }
    return size;
}

bool FtpProtocol::tellsExactTimes() const {
    return has("MLST") || has("MDTM");
}

bool FtpProtocol::exactTime(const RemoteEntry& entry, int64_t* time) {
    if (has("MLST")) {
        std::vector<std::string> lines;
        control_.sendCommand("MLST", entry.remoteName());
        if (control_.readReplyLines(&lines) / 100 != 2) {
            return false;
        }
        for (const std::string& line : lines) {
            RemoteEntry facts;
            // The facts line starts with one space; the name in it is a path.
            if (line.size() > 1 && line[0] == ' ' && parseMlsxLine(line.substr(1), facts)) {
                if (!(facts.flags & RemoteEntry::kExactTime))
                    return false;
                *time = facts.time;
                return true;
            }
        }
        return false;
    }
    if (!has("MDTM"))
        return false;
    std::string line;
    control_.sendCommand("MDTM", entry.remoteName());
    return control_.readReply(&line) == 213 && mdtmTime(line, time);
}

bool FtpProtocol::askTimesAhead(const std::vector<std::string>& wanted,
                                const std::function<void(const std::string&, int64_t)>& answered,
                                const std::function<bool()>& stop) {
    if (has("MLST") || !has("MDTM")) {
        return true;  // MLSD listings give exact times; MLST stays a question per file
    }
    std::vector<std::string> names;
    for (const std::string& name : wanted) {
        // A name the control channel would refuse is left to the question per file,
        // which says so: a refused command must not shift the answers in order.
        if (name.size() + 5 <= ControlChannel::kMaxCommandLength &&
            name.find_first_of(std::string("\r\n\0", 3)) == std::string::npos) {
            names.push_back(name);
        }
    }
    size_t next = 0;
    while (names.size() - next >= 2 && mdtmWindow_ > 0 && !stop()) {
        const size_t count = std::min(names.size() - next, static_cast<size_t>(mdtmWindow_));
        size_t sent = 0;
        while (sent < count && control_.sendCommand("MDTM", names[next + sent])) {
            ++sent;
        }
        bool inOrder = sent == count;
        std::vector<std::pair<std::string, int64_t>> times;
        for (size_t i = 0; i < sent; ++i) {
            std::string line;
            int64_t time = 0;
            const int code = control_.readReply(&line);
            if (code == 421) {
                return false;  // the connection is gone; the transfers find out themselves
            }
            if (code == 213 && mdtmTime(line, &time)) {
                times.emplace_back(names[next + i], time);
            } else if (code != 550) {
                inOrder = false;
            }
        }
        // A window answered out of turn may have paired times with the wrong names:
        // none of it is kept, and those files are asked one at a time.
        if (inOrder) {
            for (const auto& [name, time] : times)
                answered(name, time);
        }
        next += sent;
        mdtmWindow_ = inOrder ? kMdtmWindow : 0;
        if (sent < count) {
            return true;
        }
    }
    return true;
}

int FtpProtocol::prepareListing() {
    return control_.setType(0);
}

int FtpProtocol::openListing(bool* missing) {
    // MLSD where the server offers it: exact sizes, UTC times, plain types. A server
    // that announces MLST and still refuses MLSD is asked with LIST from then on.
    machineListing_ = has("MLST") && !mlsdRefused_;
    std::string refusal;
    int opened = connector_.open(machineListing_ ? "MLSD" : "LIST", nullptr, &refusal);
    if (machineListing_ && opened == DataConnector::kFailed && !refusal.empty() &&
        refusal[0] == '5') {
        mlsdRefused_ = true;
        machineListing_ = false;
        refusal.clear();
        opened = connector_.open("LIST", nullptr, &refusal);
    }
    if (opened != DataConnector::kOpen) {
        // Not the server refusing the listing (its reply is in `refusal`), but a data
        // connection that never opened or was refused after the server's 1xx.
        *missing = opened == DataConnector::kControlLost || refusal.empty() || refusal[0] == '1';
        return opened == DataConnector::kFailed ? ControlChannel::kLocalFailure : 421;
    }
    *missing = false;
    data_.setBufferSize(kListingBufferSize);
    pending_.clear();
    listingNow_ = static_cast<int64_t>(::time(nullptr));
    return 150;
}

RemoteProtocol::ListingStep FtpProtocol::readListing(int64_t* bytes) {
    char line[kListingLineBuffer];
    for (;;) {
        int n = data_.readLine(line, sizeof line);
        if (n == FtpSocket::kError && lastWinsockError() == wsa::kMessageSize) {
            // No entry has a line this long (a hostile or broken server): skipped.
            log_.LogExtended("... listing line too long; skipped");
            n = data_.skipLine();
            if (n == 0)
                continue;
        }
        if (n < 0)
            return n == FtpSocket::kError ? ListingStep::Broken : ListingStep::End;
        line_.assign(line, static_cast<size_t>(n));
        *bytes = n + 2;
        return ListingStep::Record;
    }
}

bool FtpProtocol::takeEntry(RemoteEntry* entry) {
    if (rawLogging_) {
        log_.LogExtended(line_);
    }
    return !line_.empty() &&
           (machineListing_ ? parseMlsxLine(line_, *entry)
                            : parseListingLine(line_, pending_, *entry, locale_, listingNow_));
}

int FtpProtocol::finishData(bool sending, bool aborted, bool failed, bool* broken,
                            const std::function<void()>& logEnd) {
    failed = failed && !aborted;  // a transfer the user stopped did not fail
    if (sending && !aborted && !failed && !data_.finishSending()) {
        failed = true;
    }
    const bool stalled = failed && lastWinsockError() == wsa::kTimedOut;
    if (failed && data_.lowSpeedTripped()) {
        const LowSpeedGuard& limit = data_.lowSpeedLimit();
        log_.LogExtendedFormat(
            "... [DATA] fewer than %lld bytes in %g seconds: the transfer is stalled",
            static_cast<long long>(limit.floorBytes()), limit.windowMs() / 1000.0);
    }
    if (failed) {
        control_.logWinsockError(sending ? "... [DATA] Send failed, WinSock err = %s"
                                         : "... [DATA] Receive failed, WinSock err = %s");
    }
    if (logEnd)
        logEnd();
    data_.close();
    *broken = failed;
    return stalled ? connector_.abortStalledTransfer() : control_.readReply();
}

int FtpProtocol::abandonData() {
    // The server still sends: its data connection goes, and ABOR with the replies to it
    // keeps the control connection in step for the next command.
    data_.close();
    return connector_.abortStalledTransfer();
}

void FtpProtocol::closeData() {
    data_.close();
}

const std::string& FtpProtocol::lastReplyLine() const {
    return control_.lastReplyLine();
}

void FtpProtocol::quit() {
    if (control_.sendCommand("QUIT")) {
        control_.readReply();
    }
}

}  // namespace nubo
