#include "tests/support/scripted_transfer.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "engine/session_worker.h"

namespace nubo::test {

ScriptedTransfer::ScriptedTransfer() : folder(temp.path()), local(folder + "/local") {
    std::filesystem::create_directories(local);
    std::filesystem::create_directories(folder + "/outside");
    std::filesystem::create_directories(folder + "/data");
    db = std::make_unique<RestartDatabase>(folder + "/data/");
    db->takeSlot(false);
}

ScriptedTransfer::~ScriptedTransfer() = default;

std::string ScriptedTransfer::fileLine(const std::string& name, int64_t size,
                                       const std::string& date) {
    return "-rw-r--r-- 1 u g " + std::to_string(size) + " " + date + " " + name + "\r\n";
}

ScriptedFtpServer& ScriptedTransfer::scriptStart(const std::string& listing,
                                                 const std::vector<std::string>& features) {
    bool machine = false;
    for (const std::string& feature : features)
        machine = machine || feature.find("MLST") != std::string::npos;
    if (features.empty())
        server.expectLogin();
    else
        server.expectLoginWithFeatures(features);
    server.expect("PWD").reply("257 \"/\" is the current directory").expectPasv();
    return server.expect(machine ? "MLSD" : "LIST")
        .reply("150 Here comes the listing.")
        .sendData(listing)
        .reply("226 Listing done.");
}

void ScriptedTransfer::runSession(SessionHarness& h,
                                  const std::function<void(FtpSession&)>& requests,
                                  const std::function<void(FtpSession&)>& prepare) {
    if (!started_) {
        server.start();
        started_ = true;
    }
    SessionContext context = h.context();
    context.restart = db.get();
    context.localView = &localView;
    context.retriesBrokenTransfers = retries;
    SessionWorker worker(std::make_unique<FtpSession>(
        FtpUrl("ftp://127.0.0.1:" + std::to_string(server.port()), SessionHarness::urlDefaults()),
        context));
    FtpSession* session = worker.session();
    if (prepare)
        prepare(*session);
    worker.start();
    EXPECT_TRUE(waitFor([&] { return session->completedRequests() >= 1 || worker.finished(); }));
    if (!worker.finished()) {
        if (requests)
            requests(*session);
        session->setQuitWhenDone(true);
    }
    if (!waitFor([&] { return worker.finished(); }, 60000)) {
        ADD_FAILURE() << "the session did not end:\n" << h.logText();
        session->abort();
    }
    worker.join();
}

void ScriptedTransfer::expectScriptPlayed(SessionHarness& h) {
    EXPECT_TRUE(server.waitDone()) << h.logText();
    for (const std::string& failure : server.failures())
        ADD_FAILURE() << failure << "\n" << h.logText();
}

void ScriptedTransfer::get(FtpSession& s, const std::string& into, const std::string& name,
                           TransferOptions options) {
    s.enqueue(namedGet(into, name, options));
}

void ScriptedTransfer::put(FtpSession& s, const std::string& path, TransferOptions options) {
    s.enqueue(pathPut(path, options));
}

}  // namespace nubo::test
