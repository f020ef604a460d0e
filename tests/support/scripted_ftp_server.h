#pragma once

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace nubo::test {

// A loopback FTP server that plays a script: commands it expects, replies it sends,
// data it sends or takes over PASV or PORT connections, delays, and connections it
// drops at a chosen point. It records every command line it received (the
// transcript) and every step that went other than scripted (the failures).
//
// Build the script, call start(), run the client, then waitDone() and look at
// transcript() and failures().
class ScriptedFtpServer {
  public:
    // Listens on an ephemeral port of bindAddress (data listeners too).
    explicit ScriptedFtpServer(const std::string& bindAddress = "127.0.0.1");
    ~ScriptedFtpServer();
    ScriptedFtpServer(const ScriptedFtpServer&) = delete;
    ScriptedFtpServer& operator=(const ScriptedFtpServer&) = delete;

    unsigned port() const { return port_; }

    // The greeting and an anonymous login with SYST, as servers usually answer them.
    ScriptedFtpServer& expectLogin();
    // The same without SYST, as a batch's extra connection logs in.
    ScriptedFtpServer& expectBatchLogin();
    // A proxy's greeting and a login with USER user@host[:port] answered 230, with SYST.
    ScriptedFtpServer& expectProxyLogin(const std::string& userArgument);
    // FEAT answered as a server of the 1990s does: with 500.
    ScriptedFtpServer& expectFeatRefused();
    // The greeting and an anonymous login whose FEAT lists these features (" SIZE",
    // " MLST type*;size*;modify*;", ...), then SYST.
    ScriptedFtpServer& expectLoginWithFeatures(const std::vector<std::string>& features);
    // Sends text + CR LF; "\r\n" inside text separates lines of a multi-line reply.
    ScriptedFtpServer& reply(const std::string& text);
    // Sends bytes exactly as given.
    ScriptedFtpServer& sendRaw(const std::string& bytes);
    // Waits for one command line. A pattern ending in "*" matches by prefix; anything
    // else must match the whole line (Telnet IAC sequences removed).
    ScriptedFtpServer& expect(const std::string& pattern);
    ScriptedFtpServer& delay(int milliseconds);
    // Closes the control connection at once.
    ScriptedFtpServer& drop();
    // Waits until the client closes the control connection (records what it still sent).
    ScriptedFtpServer& expectClose();
    // Answers every command line with what `answer` gives for it (a reply line without
    // CR LF), until the client closes or an answer is empty; then closes.
    ScriptedFtpServer& answerAll(std::function<std::string(const std::string&)> answer);
    // Waits for the next control connection (a new session of the same client).
    ScriptedFtpServer& acceptNext();
    // Expects PASV and answers 227 with a fresh loopback data listener. The reply's
    // address can be replaced, to play a server that names another host.
    ScriptedFtpServer& expectPasv(const std::string& advertisedAddress = "127,0,0,1");
    // The same with the data listener on another local address ("127.0.0.2"), which
    // the reply names: a data connection that goes elsewhere finds nobody.
    ScriptedFtpServer& expectPasvOn(const std::string& dataAddress);
    // Expects EPSV and answers 229 with a fresh loopback data listener's port.
    ScriptedFtpServer& expectEpsv();
    // Expects PORT, remembers its address and answers 200.
    ScriptedFtpServer& expectPort();
    // Sends payload over the data connection (accepting after PASV, connecting after
    // PORT) and closes it; with dropAfter, closes after that many bytes instead.
    ScriptedFtpServer& sendData(const std::string& payload, size_t dropAfter = SIZE_MAX);
    // A passive LIST answered with the listing.
    ScriptedFtpServer& expectListing(const std::string& listing);
    // Opens the data connection and sends payload one byte every intervalMs, until it is
    // all sent or the client closes the connection; then closes it.
    ScriptedFtpServer& dripData(const std::string& payload, int intervalMs);
    // Opens the data connection and sends payload, keeping the connection open.
    ScriptedFtpServer& startData(const std::string& payload);
    // Sends chunk over the data connection again and again until the client closes it
    // or maxBytes went out (a server that never ends), then closes it.
    ScriptedFtpServer& sendUntilClosed(const std::string& chunk, size_t maxBytes);
    // Closes the data connection.
    ScriptedFtpServer& endData();
    // Breaks the data connection off (an abortive close, RST).
    ScriptedFtpServer& resetData();
    // Reads the data connection until the client closes it; see receivedData().
    ScriptedFtpServer& receiveData();
    // Expects "REST n", remembers n and answers 350.
    ScriptedFtpServer& expectRest();
    // Sends payload from the last REST offset on and closes the data connection.
    ScriptedFtpServer& sendDataFromRest(const std::string& payload);
    // Reads n bytes of the data connection, then breaks it off (an abortive close).
    ScriptedFtpServer& receiveDataThenDrop(size_t n);
    // Runs arbitrary code on the server thread at this point.
    ScriptedFtpServer& run(std::function<void()> action);

    void start();
    // Waits until the script has been played; false on time-out.
    bool waitDone(int timeoutMs = 10000);

    std::vector<std::string> transcript() const;
    std::vector<std::string> rawCommands() const;
    std::vector<std::string> failures() const;
    std::vector<std::string> receivedData() const;
    // The PORT address the client announced last ("a.b.c.d", port).
    std::string portHost() const;
    unsigned portPort() const;
    // The offset of the last REST command.
    int64_t restOffset() const;

  private:
    struct Step {
        std::string name;
        std::function<bool()> action;  // false stops the script
    };
    ScriptedFtpServer& add(std::string name, std::function<bool()> action);
    ScriptedFtpServer& pasv(const std::string& listenAddress, const std::string& advertised);
    void play();
    bool readCommand(std::string* line, std::string* raw);
    bool sendAll(int fd, const char* data, size_t size);
    int acceptOne(int listener);
    bool openData();
    void fail(const std::string& what);
    void closeControl();
    void closeData();
    void abortData();

    std::string bindAddress_;
    int listener_ = -1;
    unsigned port_ = 0;
    int control_ = -1;
    int dataListener_ = -1;
    int data_ = -1;
    bool passive_ = true;
    std::string portHost_;
    unsigned portPort_ = 0;
    std::string pending_;  // bytes read from control but not yet consumed
    int64_t restOffset_ = 0;

    std::vector<Step> steps_;
    std::thread thread_;
    std::atomic<bool> stopping_{false};
    mutable std::mutex mutex_;
    std::condition_variable doneChanged_;
    bool done_ = false;
    std::vector<std::string> transcript_;
    std::vector<std::string> raw_;
    std::vector<std::string> failures_;
    std::vector<std::string> received_;
};

}  // namespace nubo::test
