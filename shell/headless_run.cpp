#include "shell/headless_run.h"

#include <unistd.h>

#include <chrono>
#include <cstdlib>

#include "base/app_log.h"
#include "base/config_store.h"
#include "base/post_queue.h"
#include "engine/batch_report.h"
#include "engine/main_outlets.h"
#include "engine/transfer_queue.h"
#include "platform/termination_signals.h"
#include "shell/app_session.h"
#include "shell/command_line_request.h"
#include "shell/console_outlets.h"
#include "shell/stream_log_writer.h"
#include "sites/host_controller.h"
#include "views/remote_directory_model.h"

namespace nubo {

HeadlessRun::HeadlessRun(const CommandLineRequest& request, ShortcutLibrary& shortcuts,
                         FILE* stream)
    : request_(request), shortcuts_(shortcuts), stream_(stream) {}

namespace {

// Waits, watching for SIGTERM and SIGINT; false when one came.
bool waitUnlessInterrupted(int milliseconds) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds);
    while (std::chrono::steady_clock::now() < end) {
        if (TerminationSignals::requested()) {
            return false;
        }
        ::usleep(50 * 1000);
    }
    return !TerminationSignals::requested();
}

}  // namespace

int HeadlessRun::run() {
    AppLog log;
    ConsoleOutlets outlets(stream_, ::isatty(::fileno(stream_)) != 0);
    StreamLogWriter writer(log, stream_, &outlets);
    AppSession app(request_, log);
    app.start();
    ConfigStore& config = app.config();

    PostQueue queue;
    config.SetPoster([&queue](std::function<void()> work) { queue.post(std::move(work)); });
    config.EnableNotifications(true);

    RemoteDirectoryModel remoteView(log);
    HostController::Context context =
        app.hostContext(outlets, remoteView, shortcuts_,
                        [&queue](std::function<void()> work) { queue.post(std::move(work)); });
    bool ended = true;
    {
        HostController host(context);
        SessionControl& control = host.control();
        CommandLineRun& run = host.commandLine();
        run.setQuitAfterRun(true);
        control.setRetryBrokenTransfers(true);
        control.setBatchSummaries(false);
        host.startUp();
        if (run.connect(request_.mode, request_.slot(0))) {
            bool interrupted = false;
            // Broken files are tried again by the batch's scheduler, on a new connection
            // when the session's is lost: the run ends with the session.
            while (control.sessionActive()) {
                if (TerminationSignals::requested()) {
                    // Killed or interrupted: the same exit as a finished run.
                    log.LogExtended("... interrupted; logging off");
                    ended = control.endSession(AppSession::kQuitGraceMs);
                    interrupted = true;
                    break;
                }
                queue.waitForWork(std::chrono::milliseconds(200));
                queue.runPending();
            }
            queue.runPending();
            // What never ended was given up or interrupted; then every failure, once.
            TransferQueue& tasks = control.transferQueue();
            tasks.finishUnfinished(
                interrupted ? TaskState::Stopped : TaskState::Failed,
                interrupted ? "interrupted" : "the connection was lost; not resumed");
            for (const std::string& line : BatchReport::lines(tasks, 1, interrupted)) {
                log.LogExtended(line);
            }
        } else {
            // Nothing could be tried: a script must not read that as success.
            outlets.AddExitBits(exitbit::kConnectFailed);
        }
        queue.runPending();
        app.finish(outlets);
        host.shutDown();
        if (!ended) {
            // A session that would not end still runs on its own thread: leave now,
            // without the destructors it could race with. The settings are saved.
            outlets.clearLine();
            std::fflush(nullptr);
            std::_Exit(request_.exitCode(outlets.exitBits() | exitbit::kConnectFailed));
        }
    }
    outlets.clearLine();
    return request_.exitCode(outlets.exitBits());
}

}  // namespace nubo
