#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "engine/remote_entry.h"
#include "engine/transfer_job.h"

namespace nubo {

// One LIST (or MLSD) of a directory over its own data connection, into the remote view
// or into a list the worker keeps for itself. Holds what became of it: whether the data
// connection never opened, or broke or hit a limit while the lines came.
class ListingJob : public TransferJob {
  public:
    explicit ListingJob(FtpSession& session) : TransferJob(session) {}

    // Lists path: into the remote view, or, with `into`, into that list only. The final
    // reply's code (599 when no data connection opened, 421 when the control connection
    // went).
    int run(const std::string& path, DirectoryFlags flags, std::vector<RemoteEntry>* into);
    // The data connection failed or was refused as not the server's: there is no listing.
    bool missing() const { return missing_; }
    // Lines were read; broken() tells whether the listing was cut short (a lost data
    // connection or a limit of the context).
    bool read() const { return read_; }
    bool broken() const { return broken_; }

  private:
    // Ends a listing that reached a limit of the context: logs, closes the data
    // connection and aborts the transfer on the server. The final reply's code.
    int stopOverLimit(int64_t entries, int64_t bytes, int64_t startMs);

    bool missing_ = false;
    bool read_ = false;
    bool broken_ = false;
};

}  // namespace nubo
