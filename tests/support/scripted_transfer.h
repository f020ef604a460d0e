#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "engine/ftp_session.h"
#include "sites/restart_database.h"
#include "tests/support/recording_ports.h"
#include "tests/support/requests.h"
#include "tests/support/scripted_ftp_server.h"
#include "tests/support/session_harness.h"
#include "tests/support/test_util.h"

namespace nubo::test {

// Sessions of the engine, run by their worker, against one ScriptedFtpServer: a
// restart slot and a local folder of their own, and the scripts every transfer test
// begins with. A session that breaks leaves its slot for the next one, as a lost
// connection does.
class ScriptedTransfer {
  public:
    // "Jun 21 2020": the date of every listing line made here.
    static constexpr const char* kListingDate = "Jun 21 2020";

    ScriptedTransfer();
    ~ScriptedTransfer();

    // A Unix listing line of a file.
    static std::string fileLine(const std::string& name, int64_t size,
                                const std::string& date = kListingDate);
    // Login (FEAT refused, or answered with `features`), PWD and the listing of "/" (by
    // MLSD when a feature names MLST, else by LIST).
    ScriptedFtpServer& scriptStart(const std::string& listing,
                                   const std::vector<std::string>& features = {});
    // Runs one session to its end: `requests` queues what it wants once logged in (a
    // resumption is already queued by then), and the session quits when done. `prepare`
    // sees the session before it starts. Starts the server on the first call.
    void runSession(SessionHarness& h, const std::function<void(FtpSession&)>& requests = {},
                    const std::function<void(FtpSession&)>& prepare = {});
    // Checks that the server played its whole script.
    void expectScriptPlayed(SessionHarness& h);

    static void get(FtpSession& s, const std::string& into, const std::string& name,
                    TransferOptions options = kImage);
    static void put(FtpSession& s, const std::string& path, TransferOptions options = kImage);

    TempFolder temp{"nubo-transfer"};
    std::string folder;  // holds "local", "outside" and the restart database's "data"
    std::string local;
    std::unique_ptr<RestartDatabase> db;
    ScriptedFtpServer server;
    RecordingLocalView localView;
    // The sessions run as a command-line run's do: broken transfers are left to a retry.
    bool retries = false;

  private:
    bool started_ = false;
};

}  // namespace nubo::test
