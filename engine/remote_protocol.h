#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "engine/remote_entry.h"

namespace nubo {

// What an outcome code says to a caller, whatever the protocol.
enum class RemoteOutcome {
    Done,            // 1xx-3xx
    Refused,         // 4xx or 5xx: the server's words are in lastReplyLine()
    ConnectionLost,  // 421
    LocalFailure,    // 599: refused here, never sent
};
RemoteOutcome outcomeOf(int code);

// One connection to a server in the protocol of its URL, as the session's requests and
// transfer jobs use it. Names are of the current directory, the one enterDirectory last
// entered, as an FTP server keeps it. Outcomes are reply codes in FTP's terms whatever
// the protocol (outcomeOf), so exit bits, log lines and the restart record read the
// same for every protocol; the server's words of the last reply are in lastReplyLine().
class RemoteProtocol {
  public:
    virtual ~RemoteProtocol() = default;

    // ---- the current directory ----
    // Enters a directory (absolute, or a name of the current one); *code: the reply's
    // code as text. `current` is where the server is now: a path entered only part way
    // (a protocol that enters long paths a piece at a time) goes back there.
    virtual int enterDirectory(const std::string& path, const std::string& current,
                               std::string* code) = 0;
    virtual int enterParent(std::string* code) = 0;
    // 257 with the directory the server is in (empty when its reply does not say one),
    // else the refusal.
    virtual int askCurrentDirectory(std::string* directory) = 0;

    // ---- entries of the current directory ----
    // Removes a file, or an empty folder; *reply: the reply's last line, *code its code.
    virtual int removeEntry(const std::string& name, bool folder, std::string* reply,
                            std::string* code) = 0;
    // 257 when the folder was made.
    virtual int makeDirectory(const std::string& name) = 0;
    // *fromRefused: the server refused the old name (nothing was asked of the new one).
    virtual int rename(const std::string& from, const std::string& to, bool* fromRefused,
                       std::string* code) = 0;
    // The mode as octal ("644", "4755").
    virtual int changeMode(const std::string& name, const std::string& octal,
                           std::string* code) = 0;
    // Whether the server can take a file's time; setModificationTime gives it (UTC
    // seconds), its reply's line in *line.
    virtual bool canSetModificationTime() const = 0;
    virtual int setModificationTime(const std::string& name, int64_t time, std::string* line) = 0;
    // The size of a file in the current representation type; -1 when the server does
    // not say.
    virtual int64_t fileSize(const std::string& name) = 0;
    // Whether the server can tell a file's exact time at all; exactTime asks it of one
    // entry (false when it did not say).
    virtual bool tellsExactTimes() const = 0;
    virtual bool exactTime(const RemoteEntry& entry, int64_t* time) = 0;
    // The exact times of many files asked at once where the protocol can do that
    // faster than one question each; each answer is handed to `answered`. False when
    // the connection went meanwhile.
    virtual bool askTimesAhead(const std::vector<std::string>& names,
                               const std::function<void(const std::string&, int64_t)>& answered,
                               const std::function<bool()>& stop) = 0;

    // ---- listings of the current directory ----
    // What reading a listing gave: a record (an entry or not: takeEntry tells), its end,
    // or the connection broke off.
    enum class ListingStep { Record, End, Broken };
    // Before a listing: the representation it comes in (FTP: TYPE A). 2xx, or the refusal.
    virtual int prepareListing() = 0;
    // Opens the listing: 150 when its data comes, else the refusal, 599 (nothing came:
    // *missing when no data connection opened or the server's 1xx came before a refusal)
    // or 421.
    virtual int openListing(bool* missing) = 0;
    // Reads the next record; *bytes: what it took on the line.
    virtual ListingStep readListing(int64_t* bytes) = 0;
    // The record read last as an entry; false when it is none (a total, a blank line).
    virtual bool takeEntry(RemoteEntry* entry) = 0;

    // ---- the data of a listing or a transfer ----
    // Ends the data phase: a failure is told in the log (a stall aborted on the server),
    // `logEnd` writes the transfer's own line before the connection closes, and the
    // server's final word is returned. aborted: the user stopped it; failed: the data
    // broke off; *broken: it did (a send that could not finish counts too).
    virtual int finishData(bool sending, bool aborted, bool failed, bool* broken,
                           const std::function<void()>& logEnd) = 0;
    // Leaves a data phase before its end (a limit reached): the data dropped, the
    // server told; its final word.
    virtual int abandonData() = 0;
    // The data connection closed, whatever became of it.
    virtual void closeData() = 0;

    // ---- the connection ----
    virtual const std::string& lastReplyLine() const = 0;
    // Ends the session politely and closes the connection.
    virtual void quit() = 0;
};

}  // namespace nubo
