#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "engine/remote_entry.h"
#include "engine/transfer_job.h"

namespace nubo {

// One LIST (or MLSD) of a directory over its own data connection, kept in the session's
// listings when it came whole (or stopped at a limit). Holds what became of it: whether
// the data connection never opened, or broke or hit a limit while the lines came.
class ListingJob : public TransferJob {
  public:
    explicit ListingJob(FtpSession& session) : TransferJob(session) {}

    // Lists the current directory, the absolute `directory`. shown: the remote view gets
    // the entries as they come and the end of the listing; else it hears nothing of it.
    // With `copy`, the entries read go there too. The final reply's code (599 when no
    // data connection opened, 421 when the control connection went).
    int run(const std::string& directory, DirectoryFlags flags, bool shown,
            std::vector<RemoteEntry>* copy);
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
