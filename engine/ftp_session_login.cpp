#include <string>

#include "engine/ftp_session.h"
#include "shell/app_log.h"

// The USER/PASS dialogue of FtpSession.

namespace nubo {

namespace {

enum class Next { Success, Password, Fail, QuitAndFail };

}  // namespace

bool FtpSession::login() {
    if (cancelled()) {
        return false;
    }
    int greeting = control_.readReply();
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
    return sendUserAndPassword();
}

bool FtpSession::sendUserAndPassword() {
    std::string argument = target_.user;
    if (proxyType_ == ProxyType::FtpProxy) {
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
    Next next;
    switch (control_.readReply()) {
        case 230:
            logExtended(userLine + " logged in");
            next = Next::Success;
            break;
        case 331:
            logExtended("... user OK, need passwd");
            next = Next::Password;
            break;
        case 530:
            logExtended(userLine + " NOT logged in");
            next = Next::Fail;
            break;
        case 332:
            logExtended("... user OK, need acct");
            logExtended(" ... \"account\" feature NOT supported!");
            next = Next::QuitAndFail;
            break;
        case 421:
            logExtended("... service not available");
            next = Next::Fail;
            break;
        case 500:
        case 501:
            logExtended("... command error, try again");
            next = Next::QuitAndFail;
            break;
        default:
            logExtended("... <undefined response>");
            next = Next::QuitAndFail;
            break;
    }

    if (next == Next::Password) {
        if (cancelled()) {
            return false;
        }
        control_.sendCommand("PASS", target_.password);
        if (cancelled()) {
            return false;
        }
        switch (control_.readReply()) {
            case 202:
                logExtended(" ... password NOT required");
                next = Next::Success;
                break;
            case 230:
                logExtended(userLine + " logged in");
                next = Next::Success;
                break;
            case 332:
                logExtended(" ... passwd OK, need account");
                logExtended(" ... \"account\" feature NOT supported!");
                next = Next::QuitAndFail;
                break;
            case 421:
                logExtended(" ... service not available");
                next = Next::Fail;
                break;
            case 500:
            case 501:
            case 503:
                logExtended(" ... command error, try again");
                next = Next::QuitAndFail;
                break;
            case 530:
                logExtended(userLine + " NOT logged in");
                next = Next::Fail;
                break;
            default:
                logExtended(" ... <undefined response>");
                next = Next::QuitAndFail;
                break;
        }
    }

    if (next == Next::QuitAndFail && !cancelled()) {
        control_.sendCommand("QUIT");
    }
    return next == Next::Success && !cancelled();
}

}  // namespace nubo
