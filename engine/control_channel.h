#pragma once

#include <atomic>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/ftp_socket.h"

namespace nubo {

class AppLog;

// The control connection of a session: composes and sends commands, reads replies,
// keeps the representation type, and writes the dialogue to the log ("<" commands,
// ">" reply lines). The worker thread reads and writes; the interface thread only
// sends ABOR, serialised with the worker's commands by the send lock.
class ControlChannel {
  public:
    // Longest command line that is sent ("<" + name + " " + argument must fit 512).
    static constexpr size_t kMaxCommandLength = 510;
    // Longest reply line held; a longer one ends the reply as a failure (421).
    static constexpr int kReplyLineCapacity = 2048;
    // A reply of more lines than this is taken as a hostile stream and fails (421).
    static constexpr int kMaxReplyLines = 10000;
    // Reply code of a command that was refused locally and never sent.
    static constexpr int kLocalFailure = 599;

    explicit ControlChannel(AppLog& log);

    FtpSocket& socket() { return socket_; }

    // Sends "name" or "name argument". Refuses, with a log line, a command that would
    // not fit the command buffer or whose argument holds a line break or NUL; the next
    // readReply then returns 599 without waiting. False when refused or not sent.
    bool sendCommand(std::string_view name, std::optional<std::string_view> argument = {},
                     bool urgent = false);
    // Reads one reply; returns its code as a number (421 when the connection failed).
    int readReply(std::string* lastLine = nullptr, std::string* code = nullptr);
    // Reads one reply, every line of it into *lines (the MLST facts, say).
    int readReplyLines(std::vector<std::string>* lines);
    // Sends a command a server may not know (FEAT, a fallback EPSV) and reads its reply,
    // every line into *lines. The exchange reaches the log only when it is accepted
    // (2xx), so the log of a server that knows none of these stays as it was.
    int probe(std::string_view name, std::vector<std::string>* lines);
    // Sends TYPE unless the wanted type (0 ASCII, 1 Image) is current; 200 when not sent.
    int setType(int type);
    int currentType() const { return currentType_; }
    // Writes format, with the name of the last WinSock error as its one %s, to the
    // extended log.
    void logWinsockError(const char* format);
    // Reads and drops whole replies while five or more bytes wait. False (with the
    // "socket failure" line) when the byte count cannot be asked.
    bool discardExtraneousResponses();

    void setAborSent(bool on) { aborSent_ = on; }
    bool aborSent() const { return aborSent_; }
    // After ABOR for a transfer that stalled: reads the replies that answer it (the
    // transfer's own, then ABOR's), waiting at most waitMs for each, and leaves a
    // server that stays silent behind. Returns the last code read, 0 when none came,
    // or 421 when the connection failed.
    int readAbortReplies(int waitMs);
    // The connection failed or the server announced its end (421).
    bool lost() const { return lost_; }

    // The final line of the last reply read (a failed file's reason).
    const std::string& lastReplyLine() const { return lastReplyLine_; }
    void clearLastReplyLine() { lastReplyLine_.clear(); }

  private:
    int readOneReply(std::string* lastLine, std::string* code);
    // Writes a dialogue line to the log, or holds it while a probe runs.
    void logDialogue(std::string_view prefix, std::string_view text);

    std::string lastReplyLine_;
    AppLog& log_;
    FtpSocket socket_;
    std::mutex sendLock_;
    std::atomic<bool> aborSent_{false};
    int currentType_ = 0;
    bool refused_ = false;
    std::atomic<bool> lost_{false};
    // The server refused "TYPE A N"; ASCII is asked for as "TYPE A".
    bool plainAscii_ = false;
    // While a probe runs: its dialogue lines, held back from the log; and every line
    // of the replies read.
    std::vector<std::string>* heldLines_ = nullptr;
    std::vector<std::string>* replyLines_ = nullptr;
};

}  // namespace nubo
