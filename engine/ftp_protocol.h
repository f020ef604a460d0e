#pragma once

#include <atomic>
#include <string>

#include "engine/remote_protocol.h"

namespace nubo {

class AppLog;
class ControlChannel;
class ControlConnection;
class DataConnector;
class FtpSocket;
struct ListingLocaleData;

// FTP's commands for the operations of RemoteProtocol, on a session's control
// channel: CWD (a piece at a time for a path longer than a command line), CDUP, PWD,
// DELE, RMD, MKD, RNFR and RNTO, SITE CHMOD, MFMT, SIZE, MLST and MDTM (asked ahead in
// windows of questions sent back to back where the server answers them in order); MLSD
// where the server offers MLST (LIST from the first refusal on), its lines parsed in the
// host's listing locale, over the data connector's connections.
class FtpProtocol : public RemoteProtocol {
  public:
    // locale and rawLogging are the session's: the host's listing locale, and whether
    // every listing line goes to the log.
    FtpProtocol(ControlChannel& control, const ControlConnection& connection,
                DataConnector& connector, AppLog& log, const ListingLocaleData& locale,
                const std::atomic<bool>& rawLogging);

    int enterDirectory(const std::string& path, const std::string& current,
                       std::string* code) override;
    int enterParent(std::string* code) override;
    int askCurrentDirectory(std::string* directory) override;
    int removeEntry(const std::string& name, bool folder, std::string* reply,
                    std::string* code) override;
    int makeDirectory(const std::string& name) override;
    int rename(const std::string& from, const std::string& to, bool* fromRefused,
               std::string* code) override;
    int changeMode(const std::string& name, const std::string& octal, std::string* code) override;
    bool canSetModificationTime() const override;
    int setModificationTime(const std::string& name, int64_t time, std::string* line) override;
    int64_t fileSize(const std::string& name) override;
    bool tellsExactTimes() const override;
    bool exactTime(const RemoteEntry& entry, int64_t* time) override;
    bool askTimesAhead(const std::vector<std::string>& names,
                       const std::function<void(const std::string&, int64_t)>& answered,
                       const std::function<bool()>& stop) override;
    int prepareListing() override;
    int openListing(bool* missing) override;
    ListingStep readListing(int64_t* bytes) override;
    bool takeEntry(RemoteEntry* entry) override;
    int finishData(bool sending, bool aborted, bool failed, bool* broken,
                   const std::function<void()>& logEnd) override;
    int abandonData() override;
    void closeData() override;
    const std::string& lastReplyLine() const override;
    void quit() override;

    // The directory of a 257 reply: between the first and the last double quote, or
    // the first word after the code when a server leaves the quotes out.
    static std::string directoryOfPwdReply(const std::string& line);
    // Answers to MDTM in one window of questions sent back to back.
    static constexpr int kMdtmWindow = 64;

  private:
    bool has(const char* feature) const;

    ControlChannel& control_;
    const ControlConnection& connection_;
    DataConnector& connector_;
    FtpSocket& data_;
    AppLog& log_;
    const ListingLocaleData& locale_;
    const std::atomic<bool>& rawLogging_;
    // The listing being read: MLSD's lines or LIST's, the line read last, what a
    // multi-line entry holds so far, and the time its dates are read against.
    bool machineListing_ = false;
    bool mlsdRefused_ = false;  // MLST announced, MLSD refused: listings use LIST
    std::string line_;
    std::string pending_;
    int64_t listingNow_ = 0;
    // How many MDTM questions go out back to back: two until a server has answered a
    // pair in order, then a window; 0 once it mishandled that (one at a time).
    int mdtmWindow_ = 2;
};

}  // namespace nubo
