#include <dirent.h>
#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <memory>
#include <string>
#include <vector>

#include "base/app_log.h"
#include "engine/civil_time.h"
#include "engine/ftp_session.h"
#include "engine/main_outlets.h"
#include "engine/path_text.h"
#include "engine/restart_record.h"
#include "engine/speed_limiter.h"
#include "engine/text_detection.h"
#include "engine/transfer_pool.h"
#include "engine/update_only_sizes.h"
#include "engine/upload_job.h"
#include "engine/upload_source.h"

namespace nubo {

namespace {

constexpr int64_t kSendChunk = 1 << 20;
// With TLS a block is read into a buffer that stays in the processor's cache while it is
// encrypted.
constexpr int64_t kTlsBlock = 256 << 10;
// What Smart mode looks at to tell text from binary data.
constexpr int64_t kDetectBytes = 512;

}  // namespace

int UploadJob::run(PutRequest& request) {
    const std::vector<std::string>& paths = request.localPaths;
    letters_ = lettersOf('P', request.options.mode);
    if (session_.restartEnabled()) {
        if (session_.resumePending()) {
            logExtended("Restarting PUT of " +
                        (paths.empty() ? std::string() : baseName(paths[0])));
        } else {
            writeRestartField(RestartRecord::kOperation, letters_);
        }
    }
    // Files go into the directory they were dropped in or on, and nowhere when it
    // cannot be entered (a separate CWD request that failed would have let them land in
    // the shown directory). Its own listing tells what is there already.
    std::vector<RemoteEntry> fresh;
    FtpSession::DirectoryVisit visit;
    const int entered = session_.enterRequestDirectory(request.directory, &fresh, &visit);
    if (entered / 100 != 2) {
        logExtended("*** Unable to enter " + request.directory + ", nothing uploaded");
        for (const std::string& path : paths) {
            session_.failFile({false, request.directory, baseName(path), path, -1},
                              "unable to enter " + request.directory, exitbit::kPutFailed);
        }
        if (context_.outlets != nullptr)
            context_.outlets->AddExitBits(exitbit::kPutFailed);
        session_.leaveRequestDirectory(visit, entered);
        session_.finishBatch();
        return entered;
    }
    const ListingByName listed(fresh);
    if (visit.entered) {
        session_.setRequestListing(&listed, request.directory);
    }
    int result = 0;
    openPool();
    for (size_t i = 0; i < paths.size() && !session_.abortRequested(); ++i) {
        struct stat st {};
        if (::stat(paths[i].c_str(), &st) != 0) {
            skipFailed(paths[i], "*** Unable to get status for " + paths[i]);
            continue;
        }
        if (S_ISDIR(st.st_mode)) {
            // What the folder's links may lead to: the folder itself and what it holds.
            char* resolved = ::realpath(paths[i].c_str(), nullptr);
            treeRoot_ = resolved != nullptr ? resolved : paths[i];
            std::free(resolved);
            walkStack_.clear();
        }
        const TransferOutcome outcome = S_ISDIR(st.st_mode)
                                            ? putDirectory(paths[i], request.options)
                                            : sendFile(paths[i], request.options);
        result = outcome.code;
        if (stopsBatch(outcome))
            break;
    }
    if (pooled()) {
        const int last = closePool();
        result = last != 0 && result / 100 == 2 ? last : result;
    }
    session_.setRequestListing(nullptr, {});
    session_.leaveRequestDirectory(visit, result);
    rereadForTimes(request.directory, result);
    session_.finishBatch();
    return result;
}

void UploadJob::rereadForTimes(const std::string& directory, int result) {
    // A server that neither takes the local time nor tells its own: the rows of what
    // went up show the upload's end until the folder is read again, so the folder shown
    // is read once the uploads into it are over.
    const RemoteProtocol& protocol = session_.protocol();
    if (!context_.showsRemoteTimes || result == 421 || session_.abortRequested() ||
        protocol.canSetModificationTime() || protocol.tellsExactTimes() ||
        (!directory.empty() && directory != session_.currentRemoteDirectory()) ||
        session_.currentRemoteDirectory() != session_.listings().current()) {
        return;
    }
    DirectoryFlags again;
    again.refresh = true;
    again.noHistory = true;
    const std::string here;
    session_.changeDirectory(&here, again);
}

int64_t UploadJob::appendOffset(const std::string& name, int64_t localSize, TransferMode type) {
    if (type != TransferMode::Image) {
        logExtended("... restarting PUT of " + name +
                    " from the beginning (line ends are converted)");
        return -1;
    }
    // APPE adds to whatever is there: the partial copy must be measured, never assumed.
    int64_t remote = -1;
    RemoteEntry listed;
    if (session_.listedEntry(name, &listed) && listed.type == EntryType::File &&
        !(listed.flags & RemoteEntry::kVmsName)) {
        remote = listed.size;
    }
    if (remote < 0) {
        remote = askSize(name);
    }
    if (remote < 0) {
        logExtended("... size of the partial upload of " + name + " unknown; sending it whole");
        return -1;
    }
    // The broken attempt's headway is what the server kept of it, not what went out: a
    // server may take bytes it never stores (a TLS server keeps whole records only).
    const int64_t before = context_.restart != nullptr ? context_.restart->uploadStart() : -1;
    if (before >= 0 && remote > before && context_.observer != nullptr) {
        context_.observer->transferAdvanced();
    }
    if (remote > localSize) {
        logExtended("... " + name + " is larger on the server than here; sending it whole");
        return -1;
    }
    return remote;
}

void UploadJob::removeEmptyLeftover(const std::string& name) {
    // Only an empty file: one the server kept whole (an upload into a temporary name)
    // is not ours to remove.
    if (askSize(name) != 0)
        return;
    std::string reply, code;
    if (session_.protocol().removeEntry(name, false, &reply, &code) / 100 == 2)
        logExtended("... removed the empty " + name + " the failed upload left on the server");
}

TransferOutcome UploadJob::putFile(const std::string& path, const TransferOptions& options,
                                   const UploadTarget& target) {
    const std::string name = target.remoteName.empty() ? baseName(path) : target.remoteName;
    setStatus("PUT ...");
    logExtended("PUTing " + path);
    // A resumption belongs to the first file that gets here, whatever becomes of it.
    const bool resuming = session_.restartEnabled() && session_.resumePending();
    session_.clearResumption();
    struct stat st {};
    const bool exists = ::stat(path.c_str(), &st) == 0;
    session_.beginTask({false, session_.currentRemoteDirectory(), name, path,
                        exists && S_ISREG(st.st_mode) ? static_cast<int64_t>(st.st_size) : -1});
    UploadSource file;
    if (options.updateOnly) {
        RemoteEntry remote;
        const bool known = exists && session_.listedEntry(name, &remote);
        if (known) {
            askExactFacts(&remote);
        }
        // As for downloads, a copy of another exact size (a partial upload, dated when
        // it broke) is never up to date.
        const bool sizesDiffer =
            known && remote.type == EntryType::File && !(remote.flags & RemoteEntry::kVmsName) &&
            sizeRulesOutCopy(options.mode, false,
                             options.mode == TransferMode::Smart && localFileLooksLikeText(path),
                             remote.size, st.st_size);
        if (known && !sizesDiffer && session_.compareWithLocal(remote, st.st_mtime) >= 0) {
            logExtended("... Update-ONLY; skipping PUT of " + path);
            session_.endTask(TaskState::Skipped, "Update-ONLY: the server's copy is as new");
            if (context_.outlets != nullptr)
                context_.outlets->AddExitBits(exitbit::kPutSkipped);
            return {200, false};
        }
    }
    const UploadSource::Opened opened = file.open(path);
    if (opened != UploadSource::Opened::Ok) {
        // Only a regular file has an end: a FIFO, a device or a socket is no upload.
        logExtended(opened == UploadSource::Opened::NotRegular
                        ? "*** Not a regular file, not sent: " + path
                        : "... Open failed on " + path + ": " + std::strerror(errno));
        return session_.countTransfer(ControlChannel::kLocalFailure, false);
    }
    const int64_t size = file.size();
    TransferMode type = options.mode;
    if (size > 0) {
        if (type == TransferMode::Smart) {
            uint8_t head[kDetectBytes];
            const int64_t got = file.read(0, head, std::min(size, kDetectBytes));
            bool text = got > 0 && detectText(head, static_cast<size_t>(got)) != 0;
            logExtended(std::string("... auto-detected transfer type: ") +
                        (text ? "ASCII" : "Image"));
            type = text ? TransferMode::Ascii : TransferMode::Image;
        }
        int code = control_.setType(static_cast<int>(type));
        if (code / 100 != 2) {
            return session_.countBatchStop(code, false);
        }
    }
    setStatus("PUT " + name);
    TransferProgress progress;
    progress.kind = TransferProgress::Kind::Put;
    progress.name = name;
    progress.expected = size;
    int64_t offset = (resuming || target.append) && size > 0 ? appendOffset(name, size, type) : -1;
    const bool append = offset >= 0;
    offset = std::max<int64_t>(offset, 0);
    if (session_.restartEnabled() && context_.restart != nullptr) {
        context_.restart->setUploadStart(offset);
    }
    int connected = openDataConnection((append ? "APPE " : "STOR ") + name);
    if (connected != FtpSession::kDataOpen) {
        localPath_ = path;
        if (!append && connected == FtpSession::kDataFailed &&
            session_.connector().lastFailureAfterAcceptance())
            removeEmptyLeftover(name);
        return connected == FtpSession::kDataFailed && !session_.connector().lastFailureWasNetwork()
                   ? session_.countTransfer(ControlChannel::kLocalFailure, false)
                   : countLostSetUp(false, connected == FtpSession::kDataControlLost);
    }
    session_.setTransferActive(true);
    if (view() != nullptr)
        view()->setBusy(true);
    localPath_ = path;

    notResumable_ = false;
    if (!append && session_.restartEnabled()) {
        notResumable_ = !writeRestartField(RestartRecord::kLocalPath, localPath_);
        if (notResumable_) {
            logExtended("... names too long for the restart record; " + name +
                        " cannot be resumed if the transfer breaks");
        }
    }
    int64_t bytes = offset;
    int64_t start = reportTransferStart(size);
    int64_t shown = -1;
    int last = 0;
    // Marked before the first byte goes: a block the server took in part before the line
    // broke is never whole, and the resumption measures what it holds (SIZE) anyway.
    bool marked = false;
    if (size > 0 && session_.restartEnabled() && !notResumable_) {
        setRestartInProgress(1);
        marked = true;
    }
    // Without TLS the kernel sends the file itself; with TLS each block is read into a
    // buffer and encrypted from there.
    std::unique_ptr<uint8_t[]> block;
    if (data_.tls() != nullptr && size > bytes) {
        block = std::make_unique_for_overwrite<uint8_t[]>(
            static_cast<size_t>(std::min(size - bytes, kTlsBlock)));
    }
    // The file gave less than the size it had when it was opened (it shrank, or could
    // not be read): what went is not the file, and no resumption could make it so.
    bool shortRead = false;
    while (!session_.abortRequested()) {
        int64_t chunk = std::min(size - bytes, block == nullptr ? kSendChunk : kTlsBlock);
        if (chunk <= 0)
            break;
        // Under a speed limit a block is no larger than the limit lets go now.
        chunk = allowance(*context_.uploadLimit, chunk);
        if (chunk == 0)
            break;  // stopped while it waited
        int readError = 0;
        if (block == nullptr) {
            last = data_.sendFromFile(file.fd(), bytes, static_cast<int>(chunk));
            shortRead = last < 1 && file.currentSize() < bytes + chunk;
        } else {
            shortRead = file.read(bytes, block.get(), chunk) < chunk;
            readError = errno;
            if (!shortRead) {
                data_.setSendSource(block.get());
                last = data_.sendBlock(static_cast<int>(chunk));
            }
        }
        if (shortRead) {
            last = 0;  // the data connection itself is sound: it is ended as usual
            const int64_t now = file.currentSize();
            logExtended(now < bytes + chunk
                            ? "*** " + path + " shrank to " + std::to_string(now) +
                                  " bytes while being sent (" + std::to_string(size) +
                                  " when it began); the upload failed"
                            : "*** Error reading " + path + ": " + std::strerror(readError) +
                                  "; the upload failed");
            break;
        }
        if (last < 1)
            break;
        bytes += chunk;
        noteTransferProgress(progress, bytes, &shown, &marked);
    }
    const bool aborted = session_.abortRequested();
    bool broken = false;
    int reply = closeDataPhase(true, last, bytes, start, &broken, offset);
    data_.setSendSource(nullptr);
    if (!aborted && !broken && !shortRead && reply / 100 == 2 &&
        !sizeAsAnnounced(bytes, size, 0, "sent")) {
        broken = true;
    }
    // What an APPE made of the server's copy is measured where SIZE is offered: a
    // partial copy that was not what it seemed gives a file of another size.
    int64_t remoteSize = bytes;
    bool measuredWrong = false;
    if (append && !aborted && !broken && reply / 100 == 2) {
        const int64_t measured = askSize(name);
        if (measured >= 0 && measured != size) {
            logExtended("*** " + name + " has " + std::to_string(measured) +
                        " bytes on the server after APPE, " + std::to_string(size) + " here");
            remoteSize = measured;
            measuredWrong = true;
        }
    }
    const bool failed = aborted || broken || measuredWrong || shortRead || reply / 100 != 2;
    if (endTransfer(!aborted && !shortRead && (broken || reply / 100 != 2))) {
        return countBrokenTransfer(false);
    }
    const int64_t copyTime = failed ? file.modified() : serverCopyTime(name, file.modified());
    session_.entryUpdated(session_.currentRemoteDirectory(), name, remoteSize,
                          copyTime + session_.localZoneBias() - session_.hostZoneAdjustment(),
                          EntryType::File);
    clearTransferDisplay();
    if (failed && reply / 100 == 2) {
        reply = 426;  // the server's success does not make the transfer whole
    }
    return session_.countTransfer(reply, false);
}

int64_t UploadJob::serverCopyTime(const std::string& name, int64_t modified) {
    const int64_t ended = static_cast<int64_t>(::time(nullptr));
    if (keepModificationTime(name, modified))
        return modified;
    if (!context_.showsRemoteTimes)
        return ended;
    RemoteEntry copy;
    copy.setName(name);
    copy.setSizeAndTime(0, ended);
    // A time asked ahead for an earlier copy of the name is no longer the server's.
    exactTimes_.erase(timeKey(name));
    askExactFacts(&copy);
    return copy.time;
}

bool UploadJob::keepModificationTime(const std::string& name, int64_t modified) {
    // The server's copy takes the local file's time where it can be set (as a mirror
    // does), so Update-ONLY and later comparisons see the two as the same age.
    RemoteProtocol& protocol = session_.protocol();
    if (!protocol.canSetModificationTime() || session_.cancelled()) {
        return false;
    }
    std::string line;
    if (protocol.setModificationTime(name, modified, &line) / 100 != 2) {
        logExtended("... the server kept its own time for " + name + ": " + line);
        return false;
    }
    return true;
}

bool UploadJob::settleConflict(const std::string& path, const TransferOptions& options,
                               UploadTarget* target, TransferOutcome* ended) {
    const std::string name = baseName(path);
    RemoteEntry existing;
    struct stat st {};
    // Update-ONLY decides by itself; a folder or link of the name is the server's to
    // refuse, as before.
    if (!context_.uploadConflict || options.updateOnly || !session_.listedEntry(name, &existing) ||
        existing.type != EntryType::File || ::stat(path.c_str(), &st) != 0 ||
        !S_ISREG(st.st_mode)) {
        return false;
    }
    const int64_t remoteSize = existing.flags & RemoteEntry::kVmsName ? -1 : existing.size;
    UploadConflict conflict;
    conflict.name = name;
    conflict.remoteFolder = session_.currentRemoteDirectory();
    conflict.localPath = path;
    conflict.localSize = st.st_size;
    conflict.remoteSize = remoteSize;
    conflict.localTime = st.st_mtime;
    conflict.remoteDate = existing.dateText;
    conflict.canResume =
        options.mode == TransferMode::Image && remoteSize >= 0 && remoteSize < st.st_size;
    conflict.freeName = UploadConflicts::freeName(name, [this](const std::string& candidate) {
        RemoteEntry listed;
        return session_.listedEntry(candidate, &listed);
    });
    const ConflictAnswer answer = conflicts_.decide(conflict);
    const TaskSpec spec{false, conflict.remoteFolder, name, path, st.st_size};
    switch (answer.choice) {
        case ConflictChoice::Overwrite:
            return false;
        case ConflictChoice::OverwriteIfNewer:
            askExactFacts(&existing);
            if (session_.compareWithLocal(existing, st.st_mtime) < 0) {
                return false;
            }
            logExtended("... " + name + " on the server is as new; not sent");
            session_.skipFile(spec, "Overwrite if newer: the server's copy is as new",
                              exitbit::kPutSkipped);
            *ended = {200, false};
            return true;
        case ConflictChoice::Resume:
            target->append = true;
            logExtended("... " + name + " is resumed onto the server's " +
                        std::to_string(remoteSize) + " bytes");
            return false;
        case ConflictChoice::Rename:
            target->remoteName = answer.newName;
            logExtended("... " + name + " goes up as " + answer.newName);
            return false;
        case ConflictChoice::Skip:
            logExtended("... " + name + " exists on the server; skipped");
            session_.skipFile(spec, "you answered Skip; the file exists on the server",
                              exitbit::kPutSkipped);
            *ended = {200, false};
            return true;
        case ConflictChoice::Cancel:
            *ended = session_.cancelAt(spec);
            return true;
    }
    return false;
}

TransferOutcome UploadJob::sendFile(const std::string& path, const TransferOptions& options) {
    // A waiting resumption is this session's own (its restart record names it).
    const bool resumption = session_.restartEnabled() && session_.resumePending();
    UploadTarget target;
    TransferOutcome ended;
    if (!resumption && settleConflict(path, options, &target, &ended)) {
        return ended;
    }
    if (!pooled()) {
        return putFile(path, options, target);
    }
    PoolTask task;
    task.isGet = false;
    task.directory = session_.currentRemoteDirectory();
    session_.listedEntry(target.remoteName.empty() ? baseName(path) : target.remoteName,
                         &task.entry);
    task.localPath = path;
    task.options = options;
    task.remoteName = target.remoteName;
    task.append = target.append;
    if (resumption) {
        takeResumption(&task);  // the login's: the session's record names the file
    }
    handOut(std::move(task));
    return {200, false};
}

TransferOutcome UploadJob::putPooled(const PoolTask& task, bool resume) {
    letters_ = lettersOf('P', task.options.mode);
    if (session_.restartEnabled()) {
        writeRestartField(RestartRecord::kOperation, letters_);
    }
    session_.resumePending_ = resume;
    if (resume) {
        logExtended("Restarting PUT of " + baseName(task.localPath));
    }
    // What the walk saw of the file on the server (Update-ONLY, and where a resumption
    // from the restart record goes on). A broken try of the batch's own forgot it: the
    // walk saw the copy before that try changed it, so the resumption measures anew.
    std::vector<RemoteEntry> known;
    if (task.entry.valid()) {
        known.push_back(task.entry);
    }
    const ListingByName listing(known);
    session_.setRequestListing(&listing, task.directory);
    const TransferOutcome outcome =
        putFile(task.localPath, task.options, {task.remoteName, task.append && !resume});
    session_.setRequestListing(nullptr, {});
    return outcome;
}

UploadJob::WalkStep UploadJob::stepOf(const std::string& full) {
    struct stat st {};
    if (::lstat(full.c_str(), &st) != 0) {
        skipFailed(full, "*** Unable to get status for " + full);
        return WalkStep::Skip;
    }
    if (S_ISLNK(st.st_mode)) {
        // A link is followed only within the tree being sent: one that leads out of it
        // would send what the tree's owner never put there.
        char* resolved = ::realpath(full.c_str(), nullptr);
        if (resolved == nullptr) {
            skipFailed(full, "*** Not a regular file, not sent: " + full + " (a link to nothing)");
            return WalkStep::Skip;
        }
        const std::string target = resolved;
        std::free(resolved);
        const bool inside = treeRoot_ == "/" || target == treeRoot_ ||
                            target.compare(0, treeRoot_.size() + 1, treeRoot_ + "/") == 0;
        if (!inside) {
            logExtended("... " + full + " links out of the folder being sent (to " + target +
                        "); skipped");
            return WalkStep::Skip;
        }
        if (::stat(full.c_str(), &st) != 0) {
            skipFailed(full, "*** Unable to get status for " + full);
            return WalkStep::Skip;
        }
    }
    if (S_ISDIR(st.st_mode)) {
        for (const auto& [device, inode] : walkStack_) {
            if (device == st.st_dev && inode == st.st_ino) {
                logExtended("... " + full + " leads back into a folder being sent; skipped");
                return WalkStep::Skip;
            }
        }
        return WalkStep::Folder;
    }
    if (!S_ISREG(st.st_mode)) {
        skipFailed(full, "*** Not a regular file, not sent: " + full);
        return WalkStep::Skip;
    }
    return WalkStep::File;
}

void UploadJob::skipFailed(const std::string& path, const std::string& line) {
    logExtended(line);
    session_.failFile({false, session_.currentRemoteDirectory(), baseName(path), path, -1},
                      line.substr(4), exitbit::kPutFailed);
}

TransferOutcome UploadJob::putDirectory(const std::string& path, const TransferOptions& options) {
    const std::string name = baseName(path);
    if (!FtpSession::fitsReplyLine(joinPath(session_.currentRemoteDirectory(), name))) {
        return refuseTooDeep(joinPath(session_.currentRemoteDirectory(), name), false);
    }
    RemoteEntry existing;
    if (!session_.listedEntry(name, &existing)) {
        int code = session_.makeDirectory(MakeDirectoryRequest{{}, name});
        if (code != 257) {
            return session_.countBatchStop(code, false);
        }
    }
    const std::string startDirectory = session_.currentRemoteDirectory();
    // Listed afresh: what is there already must be what the server has now. The remote
    // view stays where it is.
    int code = session_.walkInto(name, nullptr);
    if (code / 100 != 2) {
        return session_.countBatchStop(code, false);
    }
    // The files are named by full path here; the process's current directory, which
    // other threads share, is left alone.
    std::vector<std::string> children;
    if (DIR* dir = ::opendir(path.c_str())) {
        while (dirent* e = ::readdir(dir)) {
            std::string child = e->d_name;
            if (child != "." && child != "..")
                children.push_back(path + "/" + child);
        }
        ::closedir(dir);
    }
    std::sort(children.begin(), children.end());
    struct stat own {};
    const bool walked = ::stat(path.c_str(), &own) == 0;
    if (walked) {
        walkStack_.emplace_back(own.st_dev, own.st_ino);
    }
    TransferOutcome result{code, false};
    for (const std::string& full : children) {
        if (session_.abortRequested())
            break;
        const WalkStep step = stepOf(full);
        if (step == WalkStep::Skip || !options.walkTakes(baseName(full), step == WalkStep::File))
            continue;
        result = step == WalkStep::Folder ? putDirectory(full, options) : sendFile(full, options);
        if (stopsBatch(result))
            break;
    }
    if (walked) {
        walkStack_.pop_back();
    }
    if (result.code == 421) {
        return result;
    }
    return {session_.walkBack(startDirectory), false};
}

}  // namespace nubo
