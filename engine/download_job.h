#pragma once

#include <cstdint>
#include <string>

#include <sys/stat.h>

#include "engine/transfer_job.h"

namespace nubo {

class CrLfToLf;
struct PoolTask;

// One Get request: a batch of entries (or names), each a file or a directory tree,
// written to "NAME.part" and renamed over the target when whole. Resumes the first
// file with REST when the session has a broken download waiting.
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
    bool writeLocal(int fd, const uint8_t* data, size_t length, CrLfToLf* converter);
    // Where a broken download resumes: the partial file's size, or 0 (logged) when the
    // server's file is not known to be the one the partial came from: its size unknown,
    // or size or time other than recorded, or smaller than the partial. *remoteSize
    // becomes the server's size from SIZE where offered.
    int64_t resumeOffset(const RemoteEntry& entry, int64_t partial, int64_t* remoteSize);
    // A whole download in "NAME.part" (fd still open): the server's time unless far in
    // the future (*modified: the time given), the replaced copy's permissions, then the
    // rename over the target. False (logged) when the rename failed.
    bool installDownload(int fd, const std::string& partPath, const std::string& localPath,
                         const RemoteEntry& entry, const struct stat* replaced, int64_t* modified);

    // A file of the batch: fetched now, or handed to the pool when the batch has one.
    TransferOutcome fetchFile(const RemoteEntry& entry, const std::string& localPath,
                              const TransferOptions& options);

    // The next file resumes a broken download (the session's waiting resumption).
    bool resuming_ = false;
};

}  // namespace nubo
