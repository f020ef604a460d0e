#pragma once

#include <sys/types.h>

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "engine/transfer_job.h"
#include "engine/upload_conflicts.h"

namespace nubo {

// One Put request: local files and folders sent into the directory the request names,
// regular files only (UploadSource). Resumes the first file with APPE when the session
// has a broken upload waiting. A folder's links are followed only within its tree.
// Where one file goes: the remote name (the local one unless the user chose another) and
// whether it is appended to the server's smaller copy (the user's Resume).
struct UploadTarget {
    std::string remoteName;
    bool append = false;
};

class UploadJob : public TransferJob {
  public:
    explicit UploadJob(FtpSession& session)
        : TransferJob(session), conflicts_(context_.uploadConflict) {}

    // The whole request; the last FTP reply code.
    int run(PutRequest& request);
    // One file, one directory tree (made on the server where it is not listed).
    TransferOutcome putFile(const std::string& path, const TransferOptions& options,
                            const UploadTarget& target = {});
    TransferOutcome putDirectory(const std::string& path, const TransferOptions& options);
    // One file of a pool's batch on this job's connection; resume: its last try broke.
    TransferOutcome putPooled(const PoolTask& task, bool resume);

  private:
    // A file of the batch: sent now, or handed to the pool when the batch has one.
    TransferOutcome sendFile(const std::string& path, const TransferOptions& options);
    // A name the server's folder holds already: the user's answer (or the batch's)
    // decides. True when the file ends here (*ended: skipped, or the batch cancelled).
    bool settleConflict(const std::string& path, const TransferOptions& options,
                        UploadTarget* target, TransferOutcome* ended);
    // Where a broken upload resumes with APPE: the server's size of the partial copy
    // (listing, else SIZE), or -1 (logged) to send it whole with STOR: size unknown,
    // larger than the local file, or line ends converted.
    int64_t appendOffset(const std::string& name, int64_t localSize, TransferMode mode);
    // MFMT where the server offers it: the server's copy dated as the local file.
    // True when the server took the time.
    bool keepModificationTime(const std::string& name, int64_t modified);
    // The time the server's copy has now: the local file's where MFMT set it, else the
    // server's own, asked with MLST or MDTM; without either, the time the upload ended
    // (the server dates a copy as it writes it), never the local file's.
    // Reads the folder shown again after uploads into it, where the server could
    // neither take nor tell the copies' times.
    void rereadForTimes(const std::string& directory, int result);
    int64_t serverCopyTime(const std::string& name, int64_t modified);
    // STOR was accepted but no data connection came of it: the empty file the server
    // made (or left) is removed, so that nothing takes it for the upload.
    void removeEmptyLeftover(const std::string& name);

    // What a folder upload does with one entry of a folder: sends a file, walks a
    // folder, or skips it with a line: a link out of the tree being sent (or to a folder
    // the walk is in already), and anything but a file or folder (with the failure bit).
    enum class WalkStep { File, Folder, Skip };
    WalkStep stepOf(const std::string& full);
    // A file of the walk that cannot be sent: its line, a failed task and its bit.
    void skipFailed(const std::string& path, const std::string& line);

    // The real path of the folder being sent, and the folders the walk is in (device,
    // inode), so that a link inside the tree never leads it round in a loop.
    std::string treeRoot_;
    std::vector<std::pair<dev_t, ino_t>> walkStack_;
    UploadConflicts conflicts_;
};

}  // namespace nubo
