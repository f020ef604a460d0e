#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "engine/download_conflict.h"
#include "engine/upload_conflicts.h"

namespace nubo {

class AppLog;
class ConfigStore;
class DirectoryCache;
class MainOutlets;
class SessionObserver;
class RemoteViewContract;
class RestartRecord;
class TransferQueue;
class LocalViewUpkeep;
class SpeedLimiter;

// Everything a session reports to or reads from. The log, the store and the outlets
// are required; the observer and the view may be absent (a headless run has no view).
// What a certificate question shows.
struct TlsCertificateFacts {
    std::string subject;
    std::string issuer;
    std::string notBefore;
    std::string notAfter;
    std::string fingerprint;
    std::string problem;
};

struct SessionContext {
    AppLog* log = nullptr;
    ConfigStore* config = nullptr;
    MainOutlets* outlets = nullptr;
    SessionObserver* observer = nullptr;
    RemoteViewContract* remoteView = nullptr;
    // The listings the session makes and reads: a session given none keeps its own, and
    // the connections of its pool share it (their sends show there too).
    DirectoryCache* listings = nullptr;
    // The Host page's cancel flag: set by the user cancelling a connect, only read here.
    const std::atomic<bool>* cancel = nullptr;
    // This instance's restart slot; null when there is none.
    RestartRecord* restart = nullptr;
    // Every file the session moves, a task each; may be null.
    TransferQueue* queue = nullptr;
    // Which connection of a batch this session is: 1 the session's own, 2... a pool's.
    int connection = 1;
    // Asked when an upload's name is taken on the server; none: it is overwritten.
    ConflictQuestion uploadConflict;
    // Asked when a download's local file exists; none: it is replaced.
    DownloadConflictQuestion downloadConflict;
    // The end of a batch of several files is summed up in the log ("... batch done:
    // ..."); off where the owner sums up a whole run itself.
    bool batchSummaries = true;
    // The local view, told about files the engine writes; may be null.
    LocalViewUpkeep* localView = nullptr;
    // Someone looks at the remote rows (the window): after an upload the server is asked
    // its copy's time (MLST, MDTM) where MFMT could not set the local one, so the row
    // shows what the server holds. A command line shows no rows and asks nothing: the
    // question waits for the server to finish with the file (vsftpd: a quarter second
    // after 512 MiB) and costs a round trip per file over a long line.
    bool showsRemoteTimes = false;
    // The target host's per-host settings word: bits 0-15 listing locale, 16-17
    // start-up transfer type, 18 bypass the proxy, 19-25 server time-zone code.
    uint32_t perHostSettings = 0;
    // An idle session sends NOOP after this many milliseconds without a request, so that
    // NAT routers keep the control connection (a window's session); 0: never.
    int keepAliveMs = 0;
    // A command-line run that logs in again after a broken connection: a transfer that
    // broke with its restart mark kept is not counted as failed yet (the run counts it
    // when it gives up).
    bool retriesBrokenTransfers = false;
    // Certificate fingerprints the user trusted for this run only ("Trust once").
    const std::vector<std::string>* trustedOnce = nullptr;
    // A listing stops after this many entries, or this many bytes of listing text, so
    // that no server can fill memory with one; the part read is shown.
    int64_t listingEntryLimit = 5'000'000;
    // Connections a batch of several files may use at once ("SimultaneousTransfers",
    // lowered to what the host is known to take); 1: the session's own alone.
    int simultaneousTransfers = 1;
    // How many connections the host was found to take (0: not known); a batch never
    // asks for more.
    int knownConnectionLimit = 0;
    // The pool learned how many connections the host takes (called on any thread).
    std::function<void(int)> connectionLimitLearned;
    // The waits before a pool retries a file whose connection broke; empty: the
    // command line's.
    std::vector<int> poolRetryDelaysMs;
    // Files a pool lets wait before its walk takes some itself; 0: the pool's own.
    int poolMostQueued = 0;
    // The speed limits of downloads and uploads, shared by every connection of a session
    // (a pool's connections take the session's); a session given none has its own. The
    // session sets them from "DownloadLimit" and "UploadLimit", a pool's connections not.
    SpeedLimiter* downloadLimit = nullptr;
    SpeedLimiter* uploadLimit = nullptr;
    // A connection of a pool: it logs in, takes files and says nothing of the session
    // (no view, no login hook, no exit bits of its own for a refused login).
    bool poolMember = false;
    int64_t listingByteLimit = int64_t{1} << 30;
};

namespace perhost {
inline constexpr uint16_t locale(uint32_t word) {
    return static_cast<uint16_t>(word & 0xFFFF);
}
inline constexpr uint32_t transferType(uint32_t word) {
    return (word >> 16) & 3;
}
inline constexpr bool bypassProxy(uint32_t word) {
    return (word >> 18) & 1;
}
inline constexpr uint32_t timeZoneCode(uint32_t word) {
    return (word >> 19) & 0x7F;
}
}  // namespace perhost

}  // namespace nubo
