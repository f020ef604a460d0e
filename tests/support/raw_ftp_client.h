#pragma once

#include <string>

namespace nubo::test {

// A bare FTP client over blocking loopback sockets, for tests of servers and of what
// stands between client and server: one command at a time, replies read whole
// (multi-line ones too), passive data connections by PASV or EPSV. Every read and write
// gives up after the time-out, so a server that stalls fails a test instead of hanging it.
class RawFtpClient {
  public:
    struct Reply {
        int code = 0;      // 0: the connection closed, broke or timed out first
        std::string text;  // every line, CR LF included
    };
    // What a data connection brought, and how it ended.
    struct Transfer {
        Reply reply;  // the final reply (226, 426, ...)
        std::string data;
        bool reset = false;  // the data connection was broken off, not closed
    };
    enum class Passive { Pasv, Epsv };

    explicit RawFtpClient(int timeoutMs = 10000);
    ~RawFtpClient();
    RawFtpClient(const RawFtpClient&) = delete;
    RawFtpClient& operator=(const RawFtpClient&) = delete;

    // Connects to the loopback port and reads the greeting.
    Reply connect(unsigned port);
    Reply command(const std::string& line);
    // Sends a command line without waiting for its reply.
    bool send(const std::string& line);
    // USER anonymous and its password; true on 230.
    bool loginAnonymous();
    // Sends the command (RETR, LIST, ...) over a fresh passive data connection and reads
    // that connection to its end.
    Transfer retrieve(const std::string& line, Passive passive = Passive::Pasv);
    // Sends the command (STOR, APPE) and then data over a fresh passive data connection,
    // which it closes; returns the final reply.
    Reply store(const std::string& line, const std::string& data, Passive passive = Passive::Pasv);
    // Closes the control connection without QUIT.
    void close();

  private:
    int connectTo(unsigned port);
    Reply readReply();
    bool sendAll(int fd, const std::string& bytes);
    // Asks for a passive port and connects to it; -1 with *reply set when that failed.
    int openData(Passive passive, Reply* reply);

    int timeoutMs_;
    int control_ = -1;
    std::string pending_;  // control bytes read past the last reply
};

}  // namespace nubo::test
