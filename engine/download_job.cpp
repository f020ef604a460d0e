#include <fcntl.h>
#include <strings.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "base/app_log.h"
#include "engine/download_job.h"
#include "engine/ftp_session.h"
#include "engine/ftp_url.h"
#include "engine/local_view_upkeep.h"
#include "engine/main_outlets.h"
#include "engine/path_text.h"
#include "engine/restart_record.h"
#include "engine/speed_limiter.h"
#include "engine/text_detection.h"
#include "engine/transfer_pool.h"
#include "engine/transfer_reply.h"
#include "engine/update_only_sizes.h"
#include "engine/url_defaults.h"

namespace nubo {

namespace {

// A larger block than the control connection's: fewer system calls per megabyte.
constexpr int kDownloadBufferSize = 1 << 20;
// A server's date more than this far ahead of now is not put on a local file.
constexpr int64_t kFutureSlackSeconds = 86400;

}  // namespace

int DownloadJob::refuseUnsafeName(const RemoteEntry& entry) {
    context_.log->LogExtended("*** Unsafe file name, not written locally: ", entry.name);
    session_.failFile({true, session_.currentRemoteDirectory(), entry.name, {}, -1},
                      "Unsafe file name, not written locally", exitbit::kGetFailed);
    return 550;
}

int DownloadJob::run(GetRequest& request) {
    const bool byName = request.entries.empty();
    localPath_ = absolutePath(request.localFolder);
    const std::string localDirectory = localPath_;
    letters_ = lettersOf('G', request.options.mode);
    if (session_.restartEnabled()) {
        if (session_.resumePending()) {
            logExtended("Restarting GET of " +
                        (request.names.empty() ? std::string() : request.names[0]));
            resuming_ = true;
        } else {
            writeRestartField(RestartRecord::kOperation, letters_);
        }
    }

    // Entries chosen in the view are fetched in the directory they were listed in, and
    // only while a fresh listing there still has them; names with a directory (a retry
    // of the Transfers pane) are looked up in a fresh listing of it.
    std::vector<RemoteEntry> fresh;
    FtpSession::DirectoryVisit visit;
    int result = byName && request.directory.empty()
                     ? 200
                     : session_.enterRequestDirectory(request.directory, &fresh, &visit);
    if (result / 100 != 2) {
        // Nothing was fetched: each file named fails, so that it can be tried again.
        for (size_t i = 0; i < (byName ? request.names.size() : request.entries.size()); ++i) {
            const std::string& name = byName ? request.names[i] : request.entries[i].name;
            session_.failFile({true, request.directory, name, joinPath(localDirectory, name), -1},
                              "unable to enter " + request.directory, exitbit::kGetFailed);
        }
        if (context_.outlets != nullptr)
            context_.outlets->AddExitBits(exitbit::kGetFailed);
        session_.leaveRequestDirectory(visit, result);
        session_.finishBatch();
        return result;
    }
    const ListingByName listed(fresh);
    std::vector<RemoteEntry> current;
    if (!visit.entered)
        session_.listings().listing(session_.currentRemoteDirectory(), &current);
    listedNames_ = namesOf(visit.entered ? fresh : current);
    NameSet taken;
    const size_t count = byName ? request.names.size() : request.entries.size();
    // A name in the listing just made: the fresh one of the request's directory, else the
    // session's of the current one (the command line's names, a resumption).
    const auto named = [&](const std::string& name, RemoteEntry* entry) {
        if (visit.entered) {
            const RemoteEntry* found = listed.find(name);
            if (found != nullptr)
                *entry = *found;
            return found != nullptr;
        }
        return session_.listings().find(session_.currentRemoteDirectory(), name,
                                        request.namesIgnoreCase, entry);
    };
    if (!byName) {
        prefetchExactTimes(request.entries);  // asked by name in the request's directory
    } else if (count > 1) {
        std::vector<RemoteEntry> found(1);
        for (const std::string& name : request.names) {
            if (named(name, &found.back()))
                found.emplace_back();
        }
        found.pop_back();
        prefetchExactTimes(found);
    }
    openPool();
    for (size_t i = 0; i < count && !session_.abortRequested(); ++i) {
        RemoteEntry entry;
        if (byName) {
            // A name from the command line or a resumption, in the listing just made.
            const std::string& name = request.names[i];
            if (!named(name, &entry)) {
                const std::string line =
                    (request.namesIgnoreCase && resuming_ ? "... restart failed on "
                                                          : "... unable to find ") +
                    name;
                logExtended(line);
                session_.failFile({true, session_.currentRemoteDirectory(), name,
                                   joinPath(localDirectory, name), -1},
                                  line.substr(4), exitbit::kGetFailed);
                resuming_ = false;
                result = 550;
                continue;
            }
        } else if (visit.entered) {
            const RemoteEntry* still =
                session_.stillListed(listed, request.entries[i].name, exitbit::kGetFailed);
            if (still == nullptr) {
                result = 550;
                continue;
            }
            entry = *still;
        } else {
            entry = request.entries[i];
        }
        if (!entry.valid()) {
            continue;
        }
        if (!entry.hasUsableLocalName()) {
            result = refuseUnsafeName(entry);
            continue;
        }
        if (!firstOfItsName(&taken, entry)) {
            continue;
        }
        setStatus("GET " + entry.localName());
        logExtended("GETing " + entry.remoteName() + " -> " + localDirectory);
        remoteFileName_ = entry.name;
        const std::string localFile = joinPath(localDirectory, entry.localName());
        const TransferOutcome outcome = entry.type == EntryType::File
                                            ? fetchFile(entry, localFile, request.options)
                                            : getDirectory(entry, localFile, request.options);
        result = outcome.code;
        if (stopsBatch(outcome))
            break;
    }
    if (pooled()) {
        const int last = closePool();
        result = last != 0 && result / 100 == 2 ? last : result;
    }
    session_.leaveRequestDirectory(visit, result);
    session_.finishBatch();
    return result;
}

bool DownloadJob::inspectLocalTarget(const std::string& localPath, struct stat* st, bool* regular) {
    *regular = false;
    if (::lstat(localPath.c_str(), st) != 0 || S_ISLNK(st->st_mode)) {
        return true;  // nothing there, or a link that the download replaces
    }
    if (S_ISREG(st->st_mode)) {
        *regular = true;
        return true;
    }
    logExtended("*** Not a regular file, not written: " + localPath);
    return false;
}

bool DownloadJob::openLocalForGet(const std::string& localPath, bool keep, int* fd, bool* created) {
    constexpr int kFlags = O_WRONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC;
    *created = false;
    *fd = -1;
    for (int attempt = 0; attempt < 3 && *fd < 0; ++attempt) {
        *fd = ::open(localPath.c_str(), kFlags | O_CREAT | O_EXCL, 0644);
        if (*fd >= 0) {
            *created = true;
            break;
        }
        if (errno != EEXIST)
            break;
        *fd = ::open(localPath.c_str(), kFlags);
        if (*fd < 0 && errno == ELOOP && ::unlink(localPath.c_str()) != 0)
            break;  // a link that cannot be replaced
        if (*fd < 0 && errno != ELOOP && errno != ENOENT)
            break;
    }
    struct stat st {};
    if (*fd >= 0 && (fstat(*fd, &st) != 0 || !S_ISREG(st.st_mode))) {
        ::close(*fd);
        *fd = -1;
        logExtended("*** Not a regular file, not written: " + localPath);
        return false;
    }
    if (*fd < 0) {
        logExtended("... Open failed on " + localPath);
        return false;
    }
    fcntl(*fd, F_SETFL, fcntl(*fd, F_GETFL) & ~O_NONBLOCK);
    if (!keep && !*created && ftruncate(*fd, 0) != 0) {  // a file made just now is empty
        logExtended(std::string("*** Error writing local file: ") + std::strerror(errno));
        ::close(*fd);
        *fd = -1;
        return false;
    }
    return true;
}

bool DownloadJob::openPartial(const std::string& localPath, const PartialName* own, int64_t keep,
                              std::string* partPath, PartialName* chosen, int* fd) {
    if (own != nullptr) {
        bool created = false;
        *partPath = own->pathFor(localPath);
        *chosen = *own;
        if (!openLocalForGet(*partPath, keep > 0, fd, &created)) {
            return false;
        }
        struct stat st {};
        if (keep > 0 && (created || fstat(*fd, &st) != 0 || st.st_size < keep)) {
            // Gone or cut since it was measured: its rest would land after a hole.
            logExtended("*** The partial file " + *partPath + " changed while resuming");
            ::close(*fd);
            *fd = -1;
            return false;
        }
        return true;
    }
    // A name of its own that nothing else in the folder has: not a listed file (a mirror
    // may well hold "x" and "x.part"), not another download's partial file, nothing of
    // the user's. Made exclusively, so two connections never share one.
    const size_t slash = localPath.rfind('/');
    const std::string folder = slash == std::string::npos ? "." : localPath.substr(0, slash + 1);
    const std::string target = baseName(localPath);
    const size_t longest = longestName(folder);
    for (uint32_t variant = 0; variant < PartialName::kMaxVariants; ++variant) {
        const PartialName candidate = PartialName::candidate(target, variant, longest);
        const std::string name = candidate.fileName(target);
        if (name == target || listedHere(name)) {
            continue;
        }
        const std::string path = candidate.pathFor(localPath);
        *fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644);
        if (*fd >= 0) {
            *partPath = path;
            *chosen = candidate;
            return true;
        }
        if (errno != EEXIST) {
            logExtended("... Open failed on " + path + ": " + std::strerror(errno));
            return false;
        }
    }
    logExtended("*** No free name for the partial file of " + localPath);
    return false;
}

bool DownloadJob::listedHere(const std::string& name) const {
    return listedNames_ != nullptr && listedNames_->count(name) != 0;
}

size_t DownloadJob::longestName(const std::string& folder) {
    if (folder != nameLimitFolder_) {
        const long limit = ::pathconf(folder.c_str(), _PC_NAME_MAX);
        nameLimit_ = limit > 0 ? static_cast<size_t>(limit) : 255;
        nameLimitFolder_ = folder;
    }
    return nameLimit_;
}

PartialName DownloadJob::resumablePartial(const PartialName& recorded, const std::string& localPath,
                                          struct stat* st, bool say) {
    const std::string path = recorded.pathFor(localPath);
    if (path.empty() || ::lstat(path.c_str(), st) != 0 || !S_ISREG(st->st_mode)) {
        return PartialName::none();
    }
    if (listedHere(baseName(path))) {
        // The server's file of that name was fetched there since: it is no partial file.
        if (say) {
            logExtended("... " + baseName(path) + " is a file of the folder's listing; " +
                        baseName(localPath) + " starts over");
        }
        return PartialName::none();
    }
    return recorded;
}

std::shared_ptr<const DownloadJob::NameSet> DownloadJob::namesOf(
    const std::vector<RemoteEntry>& listing) {
    auto names = std::make_shared<NameSet>();
    names->reserve(listing.size());
    for (const RemoteEntry& entry : listing) {
        if (entry.valid()) {
            names->insert(entry.localName());
        }
    }
    return names;
}

bool DownloadJob::firstOfItsName(NameSet* taken, const RemoteEntry& entry) {
    if (taken->insert(entry.localName()).second) {
        return true;
    }
    logExtended("... " + entry.localName() + " is listed twice; fetched once");
    return false;
}

bool DownloadJob::writeLocal(int fd, const uint8_t* data, size_t length, CrLfToLf* converter) {
    std::string converted;
    if (converter != nullptr) {
        converted.reserve(length);
        converter->convert(data, length, converted);
        data = reinterpret_cast<const uint8_t*>(converted.data());
        length = converted.size();
    }
    while (length > 0) {
        ssize_t n = ::write(fd, data, length);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            logExtended(std::string("*** Error writing local file: ") + std::strerror(errno));
            if (context_.outlets != nullptr)
                context_.outlets->AddExitBits(exitbit::kGetFailed);
            return false;
        }
        data += n;
        length -= static_cast<size_t>(n);
    }
    return true;
}

int DownloadJob::receiveBlock() {
    SpeedLimiter& limit = *context_.downloadLimit;
    const int64_t allowed = allowance(limit, kDownloadBufferSize);
    if (allowed == 0)
        return 0;
    const int n = data_.readBlock(static_cast<int>(allowed));
    if (n < allowed)
        limit.giveBack(allowed - std::max(n, 0));  // the rest may go in the next block
    return n;
}

int64_t DownloadJob::resumeOffset(const RemoteEntry& entry, int64_t partial, int64_t* remoteSize) {
    if (partial <= 0) {
        return 0;
    }
    const std::string name = entry.remoteName();
    const int64_t asked = askSize(name);  // the size now, not the listing's of some time ago
    if (asked >= 0) {
        *remoteSize = asked;
    }
    if (*remoteSize < 0) {
        logExtended("... size of " + name + " unknown on the server; starting over");
        return 0;
    }
    int64_t size = 0;
    int64_t time = 0;
    const bool recorded =
        context_.restart != nullptr && context_.restart->remoteFacts(&size, &time);
    if ((recorded && (size != *remoteSize || time != entry.time)) || partial > *remoteSize) {
        logExtended("... " + name + " changed on the server since the partial download; " +
                    "starting over");
        return 0;
    }
    return partial;
}

bool DownloadJob::installDownload(int fd, const std::string& partPath, const std::string& localPath,
                                  const RemoteEntry& entry, const struct stat* replaced,
                                  int64_t* modified) {
    // Only a whole file takes the server's time: Update-ONLY must never take a broken
    // one for up to date. A time far in the future is a server's mistake, and would
    // make the file look newer than anything for ever.
    int64_t remoteTime = entry.time;
    if ((entry.flags & RemoteEntry::kHasTimeOfDay) && !(entry.flags & RemoteEntry::kExactTime)) {
        remoteTime += session_.hostZoneAdjustment() - session_.localZoneBias();
    }
    if (remoteTime > static_cast<int64_t>(::time(nullptr)) + kFutureSlackSeconds) {
        logExtended("... the server dates " + baseName(localPath) +
                    " in the future; it keeps the time of writing");
    } else {
        timespec times[2];
        times[0].tv_sec = static_cast<time_t>(remoteTime);
        times[0].tv_nsec = 0;
        times[1] = times[0];
        if (futimens(fd, times) == 0) {
            *modified = remoteTime;
        }
    }
    if (replaced != nullptr) {
        fchmod(fd, replaced->st_mode & 07777);  // the copy it replaces was the user's to set
    }
    // The name changes hands in one step: a link there is replaced, never followed.
    if (::rename(partPath.c_str(), localPath.c_str()) != 0) {
        logExtended("*** Unable to rename " + partPath + " to " + baseName(localPath) + ": " +
                    std::strerror(errno));
        return false;
    }
    return true;
}

std::function<bool(const RestartRecord&)> DownloadJob::recordOf(const RemoteEntry& listed) const {
    return [&here = session_.target(), defaults = UrlDefaults::of(*context_.config),
            directory = session_.currentRemoteDirectory(), name = listed.name,
            folder = localPath_](const RestartRecord& record) {
        const std::string operation = record.getField(RestartRecord::kOperation);
        if (operation.empty() || operation[0] != 'G' ||
            record.getField(RestartRecord::kRemoteFile) != name ||
            record.getField(RestartRecord::kRemoteDir) != directory ||
            record.getField(RestartRecord::kLocalPath) != folder) {
            return false;
        }
        const FtpUrl server(record.getField(RestartRecord::kUrl), defaults);
        return strcasecmp(server.host.c_str(), here.host.c_str()) == 0 &&
               server.portNumber() == here.portNumber();
    };
}

bool DownloadJob::adoptStopped(const RemoteEntry& listed, bool resume) {
    if (!session_.restartEnabled() || context_.restart == nullptr || context_.config == nullptr ||
        !context_.restart->adoptKept(recordOf(listed))) {
        return false;
    }
    // The record is the session's now: it names this session's transfer from here on.
    context_.restart->setField(RestartRecord::kUrl, session_.currentUrl());
    writeRestartField(RestartRecord::kOperation, letters_);
    logExtended("... " + listed.name +
                (resume ? " was left unfinished before; resuming what arrived then"
                        : " was left unfinished before; what arrived then is fetched anew"));
    return true;
}

bool DownloadJob::findStopped(RemoteEntry* entry, const std::string& localPath, TransferMode mode,
                              int64_t* bytes) {
    *bytes = -1;
    if (!session_.restartEnabled() || context_.restart == nullptr || context_.config == nullptr) {
        return false;
    }
    const auto matches = recordOf(*entry);
    bool hasFacts = false;
    int64_t size = -1;
    int64_t time = 0;
    char detected = 0;
    PartialName partial = PartialName::none();
    if (!context_.restart->findKept([&](const RestartRecord& record) {
            if (!matches(record))
                return false;
            hasFacts = record.remoteFacts(&size, &time);
            detected = record.detectedType();
            partial = record.partialName();
            return true;
        })) {
        return false;
    }
    struct stat st {};
    // Converted line ends make the local size no offset on the server.
    const bool asItCame = mode == TransferMode::Image ||
                          (mode == TransferMode::Smart && (detected == 'i' || detected == 'l'));
    if (!asItCame ||
        resumablePartial(partial, localPath, &st, false).kind == PartialName::Kind::None ||
        st.st_size <= 0) {
        return true;
    }
    askExactFacts(entry);
    const int64_t listedSize =
        entry->type == EntryType::File && !(entry->flags & RemoteEntry::kVmsName) ? entry->size
                                                                                  : -1;
    if ((hasFacts && (time != entry->time || (listedSize >= 0 && size != listedSize))) ||
        (listedSize >= 0 && st.st_size > listedSize)) {
        return true;  // another file on the server now: it starts over
    }
    *bytes = st.st_size;
    return true;
}

bool DownloadJob::settleConflict(RemoteEntry* entry, const std::string& localPath,
                                 const TransferOptions& options, TransferOutcome* ended) {
    startOver_ = false;
    struct stat st {};
    // Update-ONLY decides by itself; a folder or a device of the name is refused later,
    // as before, and a link there is replaced like a file.
    if (!context_.downloadConflict || options.updateOnly || ::lstat(localPath.c_str(), &st) != 0 ||
        !(S_ISREG(st.st_mode) || S_ISLNK(st.st_mode))) {
        return false;
    }
    DownloadConflict conflict;
    conflict.name = entry->name;
    conflict.remoteFolder = session_.currentRemoteDirectory();
    conflict.localPath = localPath;
    conflict.localSize = st.st_size;
    conflict.localTime = st.st_mtime;
    conflict.remoteSize = entry->type == EntryType::File && !(entry->flags & RemoteEntry::kVmsName)
                              ? entry->size
                              : -1;
    const bool kept = findStopped(entry, localPath, options.mode, &conflict.partialSize);
    conflict.canResume = conflict.partialSize > 0;
    const ConflictAnswer answer =
        conflicts_.decide([&] { return context_.downloadConflict(conflict); }, conflict.canResume);
    const TaskSpec spec{true, conflict.remoteFolder, entry->name, localPath, conflict.remoteSize};
    switch (answer.choice) {
        case ConflictChoice::Overwrite:
            startOver_ = kept;
            return false;
        case ConflictChoice::Resume:
            logExtended("... " + entry->name + " goes on from the " +
                        std::to_string(conflict.partialSize) + " bytes of its stopped download");
            return false;
        case ConflictChoice::Cancel:
            *ended = session_.cancelAt(spec);
            return true;
        default:
            // Skip (the question offers nothing else): the local file stays as it is.
            logExtended("... " + localPath + " exists here; skipped");
            session_.skipFile(spec, "you answered No; the file exists here", exitbit::kGetSkipped);
            *ended = {200, false};
            return true;
    }
}

bool DownloadJob::keepStopped(const std::string& name, const std::string& partPath, int64_t bytes) {
    if (!session_.restartEnabled() || notResumable_ || context_.restart == nullptr) {
        return false;
    }
    // Kept marked in progress, so that the record says a transfer waits; it names the
    // server and folder, which a pool's connection does not write for each file. The
    // fresh record carries on the session's own fields.
    const auto nameWhere = [this] {
        context_.restart->setField(RestartRecord::kUrl, session_.currentUrl());
        context_.restart->setField(RestartRecord::kRemoteDir, session_.currentRemoteDirectory());
    };
    setRestartInProgress(1);
    nameWhere();
    if (!context_.restart->setAside()) {
        setRestartInProgress(0);
        return false;
    }
    nameWhere();
    logExtended("... stopped; " + baseName(partPath) + " keeps the " + std::to_string(bytes) +
                " bytes that arrived: a later Get of " + name + " resumes it");
    return true;
}

TransferOutcome DownloadJob::getFile(const RemoteEntry& listed, const std::string& localPath,
                                     const TransferOptions& options) {
    const TransferMode type = options.mode;
    // A resumption belongs to the first file that gets here, whatever becomes of it.
    bool resuming = resuming_;
    // The partial file of a broken or stopped try is this download's even when it starts
    // over: it is written again from byte 0 rather than left beside a new one.
    const bool ownPartial = resuming_ || startOver_;
    resuming_ = false;
    startOver_ = false;
    session_.clearResumption();
    session_.beginTask({true, session_.currentRemoteDirectory(), listed.name, localPath,
                        listed.type == EntryType::File ? listed.size : -1});
    setRestart(false, 0);
    partialName_ = PartialName::none();
    // The data goes to a partial file beside the target and takes the name only when
    // whole, so a broken or failed download never costs the copy it was to replace.
    struct stat st {};
    bool regular = false;
    if (!inspectLocalTarget(localPath, &st, &regular)) {
        return session_.countTransfer(ControlChannel::kLocalFailure, true);
    }
    if (regular && ::access(localPath.c_str(), W_OK) != 0) {
        logExtended("... Open failed on " + localPath);  // a read-only copy stays as it is
        return session_.countTransfer(ControlChannel::kLocalFailure, true);
    }
    RemoteEntry entry = listed;
    askExactFacts(&entry);
    // The file's size on the server where it is known to the byte: a plain file's
    // listed size (a VMS listing counts blocks), SIZE for a link, whose listing gives
    // the link's own size.
    int64_t remoteSize =
        entry.type == EntryType::File && !(entry.flags & RemoteEntry::kVmsName) ? entry.size : -1;
    if (options.updateOnly && regular && session_.compareWithLocal(entry, st.st_mtime) < 1 &&
        !sizeRulesOutCopy(type, true,
                          type == TransferMode::Smart && localFileLooksLikeText(localPath),
                          remoteSize, st.st_size)) {
        logExtended("... Update-ONLY; skipping GET of " + localPath);
        session_.endTask(TaskState::Skipped, "Update-ONLY: the copy here is as new");
        if (context_.outlets != nullptr)
            context_.outlets->AddExitBits(exitbit::kGetSkipped);
        return {200, false};
    }
    // Line-end conversion makes the local size differ from the server's offset, so only
    // data written as it came can be resumed where it broke: an Image download, or a
    // Smart one whose start was found to be binary or text already in LF form.
    const char detected = resuming && type == TransferMode::Smart && context_.restart != nullptr
                              ? context_.restart->detectedType()
                              : 0;
    if (resuming && type != TransferMode::Image && detected != 'i' && detected != 'l') {
        logExtended("... restarting " + localPath +
                    " from the beginning (line ends are converted)");
        resuming = false;
    }
    int code = control_.setType(type == TransferMode::Smart ? 1 : static_cast<int>(type));
    if (code / 100 != 2) {
        return session_.countBatchStop(code, true);
    }
    data_.setBufferSize(kDownloadBufferSize);
    if (entry.type == EntryType::Link && type != TransferMode::Ascii) {
        remoteSize = askSize(entry.remoteName());
    }
    struct stat partSt {};
    const PartialName own =
        ownPartial && context_.restart != nullptr
            ? resumablePartial(context_.restart->partialName(), localPath, &partSt, true)
            : PartialName::none();
    const bool ownExists = own.kind != PartialName::Kind::None;
    int64_t offset =
        resuming ? resumeOffset(entry, ownExists ? partSt.st_size : 0, &remoteSize) : 0;
    setRestart(offset > 0, offset);  // REST goes out with the transfer command
    std::string replyLine;
    // The local files are left alone until the server has accepted the transfer.
    int opened = openDataConnection("RETR " + entry.remoteName(), &replyLine);
    offset = restartActive_ ? restartOffset_ : 0;  // a refused REST starts over
    setRestart(false, 0);
    if (opened != FtpSession::kDataOpen) {
        return opened == FtpSession::kDataFailed && !session_.connector().lastFailureWasNetwork()
                   ? session_.countTransfer(ControlChannel::kLocalFailure, true)
                   : countLostSetUp(true, opened == FtpSession::kDataControlLost);
    }
    int fd = -1;
    std::string partPath;
    if (!openPartial(localPath, ownExists ? &own : nullptr, offset, &partPath, &partialName_,
                     &fd)) {
        data_.close();
        control_.readReply();  // whatever the server says of the transfer cut short
        return session_.countTransfer(ControlChannel::kLocalFailure, true);
    }

    int pending = 0;
    bool convert = type == TransferMode::Ascii;
    if (type == TransferMode::Smart && offset > 0) {
        // The rest of the file is written as its start was: as it comes.
        logExtended(std::string("... resuming with the \"effective\" transfer type found at "
                                "its start: ") +
                    (detected == 'i' ? "Image" : "Local-ASCII"));
    } else if (type == TransferMode::Smart) {
        pending = receiveBlock();
        int k = pending > 0 ? detectText(data_.buffer(), static_cast<size_t>(pending)) : 0;
        // Text already in this system's LF form is written as it comes.
        logExtended(std::string("... auto-detected \"effective\" transfer type: ") +
                    (k == 0 ? "Image" : (k == 1 ? "Local-ASCII" : "ASCII")));
        convert = k == 2;
        if (context_.restart != nullptr) {
            context_.restart->setDetectedType(k == 0 ? 'i' : (k == 1 ? 'l' : 'a'));
        }
    }
    session_.setTransferActive(true);
    if (view() != nullptr)
        view()->setBusy(true);
    // The whole file's size: after REST the server's (its 150 reply may count the whole
    // file or the rest), else the size it states for this transfer or the listing's.
    int64_t whole = offset > 0 ? remoteSize : sizeInReply(replyLine, entry.remoteName());
    if (whole < 0) {
        whole = remoteSize;
    }
    const int64_t expected = whole >= 0 ? whole : -1;
    // Over an Image connection every byte counts (a Smart download travels as Image).
    const bool counted = type != TransferMode::Ascii;

    int64_t bytes = offset;
    const std::string name = baseName(localPath);
    const std::string folder = localPath.substr(0, localPath.rfind('/'));
    notResumable_ = false;
    if (offset > 0) {
        ::lseek(fd, offset, SEEK_SET);
    } else if (session_.restartEnabled()) {
        notResumable_ = !writeRestartField(RestartRecord::kRemoteFile, remoteFileName_) ||
                        !writeRestartField(RestartRecord::kLocalPath, localPath_);
        if (notResumable_) {
            logExtended("... names too long for the restart record; " + name +
                        " cannot be resumed if the transfer breaks");
        } else if (context_.restart != nullptr) {
            context_.restart->setRemoteFacts(remoteSize, entry.time);
            context_.restart->setPartialName(partialName_);
        }
    }
    TransferProgress progress;
    progress.kind = TransferProgress::Kind::Get;
    progress.name = name;
    progress.expected = expected > 0 ? expected : -1;
    int64_t start = reportTransferStart(expected > 0 ? expected : -1);

    CrLfToLf converter;
    int last = 0;
    int64_t shown = -1;
    bool marked = false;
    bool writeFailed = false;
    bool overflow = false;
    while (!session_.abortRequested()) {
        int n = pending != 0 ? pending : receiveBlock();
        pending = 0;
        last = n;
        if (n <= 0)
            break;
        if (counted && whole >= 0 && bytes + n > whole) {
            overflow = true;  // more than the file holds: nothing more of it is kept
            bytes += n;
            break;
        }
        if (!writeLocal(fd, data_.buffer(), static_cast<size_t>(n),
                        convert ? &converter : nullptr)) {
            writeFailed = true;
            break;
        }
        bytes += n;
        noteTransferProgress(progress, bytes, &shown, &marked);
    }
    if (convert && !writeFailed) {
        std::string rest = converter.finish();
        writeFailed =
            !writeLocal(fd, reinterpret_cast<const uint8_t*>(rest.data()), rest.size(), nullptr);
    }
    const bool aborted = session_.abortRequested();
    bool broken = false;
    int reply = closeDataPhase(false, last, bytes, start, &broken, offset);
    if (overflow && offset > 0) {
        // The server took REST and sent from elsewhere, most likely from byte 0.
        logExtended("*** More data than the rest of " + name +
                    ": the server did not resume at byte " + std::to_string(offset) +
                    "; it starts over next time");
        broken = true;
    } else if (!aborted && !broken && !writeFailed && reply / 100 == 2 && counted &&
               !sizeAsAnnounced(bytes, whole, 0, "received")) {
        broken = true;  // a different total is a broken transfer, whatever the reply says
    } else if (overflow) {
        broken = true;
    }
    const bool failed = aborted || broken || writeFailed || reply / 100 != 2;
    const bool resumable = endTransfer(!aborted && !writeFailed && (broken || reply / 100 != 2));
    clearTransferDisplay();

    struct stat written {};
    fstat(fd, &written);
    int64_t modified = written.st_mtime;
    bool installed = false;
    if (!failed) {
        installed =
            installDownload(fd, partPath, localPath, entry, regular ? &st : nullptr, &modified);
    }
    ::close(fd);
    // Stopped by the user, what arrived as it came stays for a later Get of the file.
    const bool keptStopped = aborted && !installed && !writeFailed && !overflow &&
                             written.st_size > 0 && !convert &&
                             keepStopped(name, partPath, written.st_size);
    // A partial file stays only to be resumed; what overran the file is of no use.
    const bool keepPart = !installed && ((resumable && !overflow) || !failed || keptStopped);
    if (!keepPart) {
        ::unlink(partPath.c_str());
    }
    if (context_.localView != nullptr && (installed || keepPart)) {
        context_.localView->localFileWritten(folder, installed ? name : baseName(partPath),
                                             written.st_size, modified);
    }
    if (resumable) {
        return countBrokenTransfer(true);
    }
    if (!failed && !installed) {
        return session_.countTransfer(ControlChannel::kLocalFailure, true);
    }
    if (failed && reply / 100 == 2) {
        reply = 426;  // the server's success does not make the transfer whole
    }
    return session_.countTransfer(reply, true);
}

TransferOutcome DownloadJob::fetchFile(const RemoteEntry& listed, const std::string& localPath,
                                       const TransferOptions& options) {
    RemoteEntry entry = listed;
    TransferOutcome ended;
    if (!resuming_ && settleConflict(&entry, localPath, options, &ended)) {
        return ended;
    }
    if (!pooled()) {
        return getFile(entry, localPath, options);
    }
    PoolTask task;
    task.isGet = true;
    task.directory = session_.currentRemoteDirectory();
    task.entry = entry;
    usePrefetchedTime(&task.entry);  // a file without one asks on its own connection
    task.localPath = localPath;
    task.options = options;
    task.folderNames = listedNames_;
    // The login's resumption, or a file stopped or given up before (fetched anew when
    // the user chose to overwrite it): the session's record names it, and the task takes
    // it, with its partial file, to whichever connection runs it.
    const bool startOver = !resuming_ && startOver_;
    if (resuming_ || adoptStopped(entry, !startOver)) {
        takeResumption(&task);
        task.resume = !startOver;
    }
    resuming_ = false;
    startOver_ = false;
    handOut(std::move(task));
    return {200, false};
}

TransferOutcome DownloadJob::getPooled(const PoolTask& task, bool resume) {
    letters_ = lettersOf('G', task.options.mode);
    localPath_ = task.localPath.substr(0, task.localPath.rfind('/'));
    remoteFileName_ = task.entry.name;
    listedNames_ = task.folderNames;
    resuming_ = resume;
    // A kept partial file handed over with a fresh start is written anew from byte 0.
    startOver_ = !resume && task.partial.kind != PartialName::Kind::None;
    if (session_.restartEnabled()) {
        writeRestartField(RestartRecord::kOperation, letters_);
        if (resume) {
            // The partial name the pool hands over is this file's: the record names the
            // file as the broken try's did, so a try lost at its start keeps it too.
            writeRestartField(RestartRecord::kRemoteFile, remoteFileName_);
            writeRestartField(RestartRecord::kLocalPath, localPath_);
        }
    }
    if (resume) {
        logExtended("Restarting GET of " + task.entry.name);
    }
    return getFile(task.entry, task.localPath, task.options);
}

TransferOutcome DownloadJob::getDirectory(const RemoteEntry& entry, const std::string& localPath,
                                          const TransferOptions& options) {
    const std::string startDirectory = session_.currentRemoteDirectory();
    const std::string remote = entry.changeDirectoryName();
    if (!FtpSession::fitsReplyLine(joinPath(startDirectory, remote))) {
        return refuseTooDeep(joinPath(startDirectory, remote), true);
    }
    // Listed afresh even when the session keeps a listing of the folder: Update-ONLY and
    // the files chosen must be what the server has now. The remote view stays where it is.
    std::vector<RemoteEntry> children;
    int code = session_.walkInto(remote, &children);
    if (code / 100 != 2) {
        if (entry.type == EntryType::Link) {
            return getFile(entry, localPath, options);
        }
        return session_.countBatchStop(code, true);
    }
    // A linked folder is made under the link's own name, like every download.
    const std::string& path = localPath;
    // Never descend through a link: the tree must land inside the chosen folder.
    struct stat st {};
    bool made = true;
    if (::lstat(path.c_str(), &st) != 0) {
        logExtended("Creating LOCAL directory " + path);
        made = ::mkdir(path.c_str(), 0755) == 0;
        if (made && context_.localView != nullptr) {
            context_.localView->localFolderCreated(path.substr(0, path.rfind('/')), baseName(path));
        }
    } else if (!S_ISDIR(st.st_mode)) {
        made = false;
    }
    if (!made) {
        logExtended("*** Unable to create [directory] " + path);
        const TransferOutcome stop = session_.countBatchStop(ControlChannel::kLocalFailure, true);
        session_.walkBack(startDirectory);
        return stop;
    }

    const std::string previous = localPath_;
    localPath_ = path;
    TransferOutcome result{257, false};
    // The folder's listing as it is now: the walk into its subfolders lists them in turn.
    children.erase(std::remove_if(children.begin(), children.end(),
                                  [](const RemoteEntry& child) {
                                      return !child.valid() || child.name == "." ||
                                             child.name == "..";
                                  }),
                   children.end());
    prefetchExactTimes(children);
    const std::shared_ptr<const NameSet> outerNames = listedNames_;
    listedNames_ = namesOf(children);
    NameSet taken;
    for (RemoteEntry& child : children) {
        if (session_.abortRequested())
            break;
        if (!child.hasUsableLocalName()) {
            result = {refuseUnsafeName(child), false};
            continue;
        }
        if (!firstOfItsName(&taken, child) ||
            !options.walkTakes(child.name, child.type == EntryType::File)) {
            continue;
        }
        remoteFileName_ = child.name;
        const std::string sub = joinPath(path, child.localName());
        result = child.type == EntryType::File ? fetchFile(child, sub, options)
                                               : getDirectory(child, sub, options);
        if (stopsBatch(result))
            break;
    }
    localPath_ = previous;
    listedNames_ = outerNames;
    if (result.code == 421) {
        return result;
    }
    return {session_.walkBack(startDirectory), false};
}

}  // namespace nubo
