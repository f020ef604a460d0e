#pragma once

#include "engine/remote_protocol.h"

namespace nubo {

class ControlChannel;
class ControlConnection;

// FTP's commands for the operations of RemoteProtocol, on a session's control
// channel: CWD (a piece at a time for a path longer than a command line), CDUP, PWD,
// DELE, RMD, MKD, RNFR and RNTO, SITE CHMOD, MFMT, SIZE, MLST and MDTM (asked ahead in
// windows of questions sent back to back where the server answers them in order).
class FtpProtocol : public RemoteProtocol {
  public:
    FtpProtocol(ControlChannel& control, const ControlConnection& connection);

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
    // How many MDTM questions go out back to back: two until a server has answered a
    // pair in order, then a window; 0 once it mishandled that (one at a time).
    int mdtmWindow_ = 2;
};

}  // namespace nubo
