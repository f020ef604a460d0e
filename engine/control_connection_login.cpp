#include <cctype>
#include <string>

#include "base/app_log.h"
#include "engine/control_channel.h"
#include "engine/control_connection.h"
#include "engine/ftp_url.h"
#include "engine/proxy_route.h"
#include "engine/session_context.h"

// The greeting and the USER/PASS dialogue of the control connection.

namespace nubo {

namespace {

enum class Next { Success, Password, Fail, QuitAndFail };

// What a reply to USER or PASS writes and where the dialogue goes next.
struct ReplyRule {
    int code;            // 0: any other code
    bool afterUserLine;  // the message follows "... user NAME"
    const char* message;
    const char* secondMessage;
    Next next;
};

constexpr const char* kNoAccount = " ... \"account\" feature NOT supported!";

constexpr ReplyRule kUserRules[] = {
    {230, true, " logged in", nullptr, Next::Success},
    {331, false, "... user OK, need passwd", nullptr, Next::Password},
    {530, true, " NOT logged in", nullptr, Next::Fail},
    {332, false, "... user OK, need acct", kNoAccount, Next::QuitAndFail},
    {421, false, "... service not available", nullptr, Next::Fail},
    {500, false, "... command error, try again", nullptr, Next::QuitAndFail},
    {501, false, "... command error, try again", nullptr, Next::QuitAndFail},
    {0, false, "... <undefined response>", nullptr, Next::QuitAndFail},
};

constexpr ReplyRule kPassRules[] = {
    {202, false, " ... password NOT required", nullptr, Next::Success},
    {230, true, " logged in", nullptr, Next::Success},
    {332, false, " ... passwd OK, need account", kNoAccount, Next::QuitAndFail},
    {421, false, " ... service not available", nullptr, Next::Fail},
    {500, false, " ... command error, try again", nullptr, Next::QuitAndFail},
    {501, false, " ... command error, try again", nullptr, Next::QuitAndFail},
    {503, false, " ... command error, try again", nullptr, Next::QuitAndFail},
    {530, true, " NOT logged in", nullptr, Next::Fail},
    {0, false, " ... <undefined response>", nullptr, Next::QuitAndFail},
};

}  // namespace

bool ControlConnection::login() {
    if (cancelled()) {
        return false;
    }
    refusedForLoad_ = false;
    std::string greetingLine;
    int greeting = control_.readReply(&greetingLine);
    refusedForLoad_ = greeting == 421 || greeting == 120;
    switch (greeting) {
        case 120:
            logExtended("... cannot connect at this time");
            return false;
        case 220:
            logExtended("... connected, logging in");
            break;
        case 421:
            logExtended("... service not available");
            return false;
        default:
            logExtended("... <undefined response>");
            return false;
    }
    if (target_.tls() == FtpUrl::Tls::Explicit && !requestTls())
        return false;
    if (!sendUserAndPassword())
        return false;
    return target_.tls() == FtpUrl::Tls::None || protectData();
}

template <size_t N>
static Next applyRule(const ReplyRule (&rules)[N], int code, const std::string& userLine,
                      AppLog& log) {
    const ReplyRule* rule = &rules[N - 1];
    for (const ReplyRule& r : rules) {
        if (r.code == code) {
            rule = &r;
            break;
        }
    }
    log.LogExtended(rule->afterUserLine ? userLine + rule->message : std::string(rule->message));
    if (rule->secondMessage != nullptr) {
        log.LogExtended(rule->secondMessage);
    }
    return rule->next;
}

bool ControlConnection::sendUserAndPassword() {
    std::string argument = target_.user;
    if (route_.type == ProxyType::FtpProxy) {
        argument += "@" + target_.host;
        if (!target_.portDefaulted) {
            argument += ":" + std::to_string(target_.portNumber());
        }
    }
    const std::string userLine = "... user " + target_.user;

    if (cancelled()) {
        return false;
    }
    control_.sendCommand("USER", argument);
    if (cancelled()) {
        return false;
    }
    std::string line;
    int code = control_.readReply(&line);
    Next next = applyRule(kUserRules, code, userLine, *context_.log);

    if (next == Next::Password) {
        if (cancelled()) {
            return false;
        }
        control_.sendCommand("PASS", target_.password);
        if (cancelled()) {
            return false;
        }
        code = control_.readReply(&line);
        next = applyRule(kPassRules, code, userLine, *context_.log);
    }
    refusedForLoad_ = code == 421 || (code == 530 && speaksOfLoad(line));

    if (next == Next::QuitAndFail && !cancelled()) {
        control_.sendCommand("QUIT");
    }
    return next == Next::Success && !cancelled();
}

bool ControlConnection::speaksOfLoad(const std::string& text) {
    // What servers say when they take no more connections: vsftpd "There are too many
    // connections from your internet address", proftpd's MaxClientsPerHost "Too many
    // connections", pure-ftpd "Sorry, the maximum number of clients", "Try again later",
    // "Server overloaded".
    static const char* const kWords[] = {"too many", "maximum number", "try again later",
                                         "overloaded"};
    std::string lower(text);
    for (char& c : lower) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    for (const char* word : kWords) {
        if (lower.find(word) != std::string::npos)
            return true;
    }
    return false;
}

}  // namespace nubo
