#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <unordered_set>
#include <vector>

#include <sys/stat.h>

#include "engine/conflict_answers.h"
#include "engine/partial_name.h"
#include "engine/transfer_job.h"

namespace nubo {

class CrLfToLf;
class RestartRecord;
struct PoolTask;

// One Get request: a batch of entries (or names), each a file or a directory tree,
// written to "NAME.part" and renamed over the target when whole. Resumes the first
// file with REST when the session has a broken download waiting. A local file of a
// file's name is asked about (SessionContext::downloadConflict) before anything is done.
class DownloadJob : public TransferJob {
  public:
    explicit DownloadJob(FtpSession& session) : TransferJob(session) {}

    // The whole request; the last FTP reply code.
    int run(GetRequest& request);
    // One file into localPath, one directory tree into the folder localPath.
    TransferOutcome getFile(const RemoteEntry& entry, const std::string& localPath,
                            const TransferOptions& options);
    TransferOutcome getDirectory(const RemoteEntry& entry, const std::string& localPath,
                                 const TransferOptions& options);
    // One file of a pool's batch on this job's connection; resume: its last try broke.
    TransferOutcome getPooled(const PoolTask& task, bool resume);

  private:
    int refuseUnsafeName(const RemoteEntry& entry);
    // A download's local path before the transfer: false (logged) for a directory, FIFO,
    // device or socket. A symbolic link is no file of the folder: *regular tells
    // whether a regular file is there, *st holds its status.
    bool inspectLocalTarget(const std::string& localPath, struct stat* st, bool* regular);
    // Opens the local file once the server has accepted the transfer, never through a
    // link (a link is replaced) and never blocking; only a regular file is written. With
    // keep, the content stays for a resumption, else the file is emptied.
    bool openLocalForGet(const std::string& localPath, bool keep, int* fd, bool* created);
    // The partial file of a download to localPath, open for writing: `own` (a broken
    // try's, which the restart record names) kept from `keep` bytes on, or else made
    // exclusively under the first candidate name that is free, fits the folder's name
    // length and is no name of the folder's listing. *partPath and *chosen name it.
    bool openPartial(const std::string& localPath, const PartialName* own, int64_t keep,
                     std::string* partPath, PartialName* chosen, int* fd);
    // The names of the listing the file in hand belongs to: never taken for a partial.
    bool listedHere(const std::string& name) const;
    // The longest file name the folder takes (NAME_MAX of its file system).
    size_t longestName(const std::string& folder);
    // The partial file a resumption continues: the one a restart record names
    // (`recorded`), when it is a regular file and no name of the listing (said in the log
    // when `say`); kind None otherwise.
    PartialName resumablePartial(const PartialName& recorded, const std::string& localPath,
                                 struct stat* st, bool say);
    bool writeLocal(int fd, const uint8_t* data, size_t length, CrLfToLf* converter);
    // One receive of what the download limit lets through now (a whole buffer without
    // one); 0 when the transfer was stopped while it waited.
    int receiveBlock();
    // Where a broken download resumes: the partial file's size, or 0 (logged) when the
    // server's file is not known to be the one the partial came from: its size unknown,
    // or size or time other than recorded, or smaller than the partial. *remoteSize
    // becomes the server's size from SIZE where offered.
    int64_t resumeOffset(const RemoteEntry& entry, int64_t partial, int64_t* remoteSize);
    // Whether a restart record is of a download of this file into the folder in hand,
    // from this server.
    std::function<bool(const RestartRecord&)> recordOf(const RemoteEntry& listed) const;
    // A download of this file from this server that the user stopped, kept aside with its
    // partial file: its record becomes the session's, so this Get resumes it (or, with
    // resume false, writes its partial file anew).
    bool adoptStopped(const RemoteEntry& listed, bool resume);
    // Whether such a stopped download is kept for this file; *bytes: the size of its
    // partial file when it can go on from there (else -1): the file is there, written as
    // the data came (Image, or Smart found it binary or LF text), and the server's file
    // still has the size and time recorded (*entry gets its exact time).
    bool findStopped(RemoteEntry* entry, const std::string& localPath, TransferMode mode,
                     int64_t* bytes);
    // The local file exists: the user's answer (or the batch's) decides. True when the
    // file ends here (*ended: skipped, or the batch cancelled).
    bool settleConflict(RemoteEntry* entry, const std::string& localPath,
                        const TransferOptions& options, TransferOutcome* ended);
    // Stopped with data written as it came and restart on: the record is kept aside for a
    // later Get of the file (its partial file stays); true when it was.
    bool keepStopped(const std::string& name, const std::string& partPath, int64_t bytes);
    // A whole download in "NAME.part" (fd still open): the server's time unless far in
    // the future (*modified: the time given), the replaced copy's permissions, then the
    // rename over the target. False (logged) when the rename failed.
    bool installDownload(int fd, const std::string& partPath, const std::string& localPath,
                         const RemoteEntry& entry, const struct stat* replaced, int64_t* modified);

    // A file of the batch: fetched now, or handed to the pool when the batch has one.
    TransferOutcome fetchFile(const RemoteEntry& entry, const std::string& localPath,
                              const TransferOptions& options);

    // The folder listing's local names, shared with the pool's tasks of that folder.
    using NameSet = std::unordered_set<std::string>;
    static std::shared_ptr<const NameSet> namesOf(const std::vector<RemoteEntry>& listing);
    // False (logged) for a name already fetched from this listing: a name a listing
    // holds twice is fetched once.
    bool firstOfItsName(NameSet* taken, const RemoteEntry& entry);

    // The next file resumes a broken download (the session's waiting resumption).
    bool resuming_ = false;
    // The answers of this batch's conflicts.
    ConflictAnswers conflicts_;
    // The file in hand has a stopped download kept, and the user chose to overwrite: its
    // partial file is written anew rather than resumed.
    bool startOver_ = false;
    std::shared_ptr<const NameSet> listedNames_;
    std::string nameLimitFolder_;
    size_t nameLimit_ = 255;
};

}  // namespace nubo
