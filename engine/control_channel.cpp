#include "engine/control_channel.h"

#include <cstdio>
#include <vector>

#include "base/app_log.h"
#include "engine/winsock_error.h"

namespace nubo {

namespace {

constexpr const char* kTypeCommands[2] = {"TYPE A N", "TYPE I"};

}  // namespace

ControlChannel::ControlChannel(AppLog& log) : log_(log) {}

bool ControlChannel::sendCommand(std::string_view name, std::optional<std::string_view> argument,
                                 bool urgent) {
    std::string line(name);
    if (argument) {
        line += ' ';
        line += *argument;
    }
    // A file name from a listing ends up here: it must never smuggle a second command
    // in, nor be cut so that another file is named.
    const char* refusal = nullptr;
    if (line.size() > kMaxCommandLength) {
        refusal = "*** Command not sent, too long: ";
    } else if (line.find_first_of(std::string_view("\r\n\0", 3)) != std::string::npos) {
        refusal = "*** Command not sent, line break in argument: ";
    }
    if (refusal != nullptr) {
        log_.LogExtended(refusal, name);
        refused_ = true;
        return false;
    }

    logDialogue("<", name == "PASS" ? std::string_view("PASS ****") : std::string_view(line));

    bool ok = true;
    {
        std::lock_guard lock(sendLock_);
        if (urgent) {
            static const unsigned char kInterruptProcess[2] = {0xFF, 0xF4};
            static const unsigned char kDataMark[2] = {0xFF, 0xF2};
            ok = socket_.writeExact(kInterruptProcess, 2) == 2 &&
                 socket_.writeUrgent(kDataMark, 2) == 2;
        }
        ok = ok && socket_.writeLine(line) >= 0;
    }
    if (!ok) {
        lost_ = true;
        logWinsockError("... [CONTROL] Send failed, WinSock err = %s");
    }
    return ok;
}

int ControlChannel::readReply(std::string* lastLine, std::string* code) {
    if (refused_) {
        refused_ = false;
        if (code != nullptr) {
            *code = std::to_string(kLocalFailure);
        }
        return kLocalFailure;
    }
    std::string replyCode;
    std::string finalLine;
    bool dropped = false;
    for (;;) {
        int value = readOneReply(&finalLine, &replyCode);
        // While ABOR is outstanding the 426/225 answering the aborted transfer is
        // dropped and the reply behind it read. Only one: a second such reply is the
        // answer to ABOR itself (426 then 225 from some servers), and nothing follows it.
        if (value != 421 && aborSent_ && !dropped && (replyCode == "426" || replyCode == "225")) {
            dropped = true;
            continue;
        }
        if (lastLine != nullptr) {
            *lastLine = finalLine;
        }
        if (code != nullptr) {
            *code = replyCode;
        }
        lastReplyLine_ = finalLine;
        return value;
    }
}

int ControlChannel::readOneReply(std::string* lastLine, std::string* code) {
    *code = "421";
    lastLine->clear();
    std::vector<char> line(kReplyLineCapacity);
    std::string endMarker;
    bool multiLine = false;
    bool first = true;
    bool failed = false;
    for (int count = 0;; ++count) {
        if (count >= kMaxReplyLines) {
            setLastWinsockError(wsa::kMessageSize);
            failed = true;
            break;
        }
        int n = socket_.readLine(line.data(), kReplyLineCapacity);
        if (n < 0) {
            failed = true;
            break;
        }
        std::string_view text(line.data(), static_cast<size_t>(n));
        if (n < 4) {
            if (first) {
                failed = true;
                break;
            }
            continue;  // a short line inside a multi-line reply is skipped
        }
        if (first) {
            *code = std::string(text.substr(0, 3));
            endMarker = *code + " ";
            multiLine = text[3] == '-';
            first = false;
        }
        logDialogue(">", text);
        if (replyLines_ != nullptr) {
            replyLines_->emplace_back(text);
        }
        if (!multiLine || text.substr(0, 4) == endMarker) {
            *lastLine = std::string(text);
            break;
        }
    }
    if (failed) {
        logWinsockError("... [CONTROL] Receive failed, WinSock err = %s");
        *code = "421";
        lost_ = true;
        return 421;
    }
    int value = 0;
    for (char c : *code) {
        if (c < '0' || c > '9') {
            break;
        }
        value = value * 10 + (c - '0');
    }
    if (value == 421) {
        lost_ = true;  // the server closes the connection behind this reply
    }
    return value;
}

void ControlChannel::logDialogue(std::string_view prefix, std::string_view text) {
    if (heldLines_ != nullptr) {
        heldLines_->push_back(std::string(prefix) + std::string(text));
    } else {
        log_.LogCommand(prefix, text);
    }
}

int ControlChannel::readReplyLines(std::vector<std::string>* lines) {
    replyLines_ = lines;
    const int code = readReply();
    replyLines_ = nullptr;
    return code;
}

int ControlChannel::probe(std::string_view name, std::vector<std::string>* lines) {
    std::vector<std::string> held;
    heldLines_ = &held;
    int code = sendCommand(name) ? readReplyLines(lines) : 421;
    heldLines_ = nullptr;
    if (code / 100 == 2) {
        for (const std::string& line : held) {
            log_.LogCommand(line);
        }
    }
    return code;
}

int ControlChannel::readAbortReplies(int waitMs) {
    int last = 0;
    for (int i = 0; i < 2 && socket_.waitReadable(waitMs); ++i) {
        std::string line, code;
        last = readOneReply(&line, &code);
        if (last == 421) {
            break;
        }
    }
    return last;
}

int ControlChannel::setType(int type) {
    if (type == currentType_) {
        return 200;
    }
    if (type < 0 || type > 1) {
        return kLocalFailure;
    }
    std::string code;
    sendCommand(type == 0 && plainAscii_ ? "TYPE A" : kTypeCommands[type]);
    int value = readReply(nullptr, &code);
    if (type == 0 && !plainAscii_ && value >= 500 && value <= 504) {
        // Some servers know only the short form; they keep it for the session.
        plainAscii_ = true;
        sendCommand("TYPE A");
        value = readReply(nullptr, &code);
    }
    if (!code.empty() && code[0] == '2') {
        currentType_ = type;
    }
    return value;
}

void ControlChannel::logWinsockError(const char* format) {
    char text[512];
    std::snprintf(text, sizeof text, format, winsockErrorName());
    log_.LogExtended(text);
}

bool ControlChannel::discardExtraneousResponses() {
    for (;;) {
        int waiting = socket_.bytesWaiting();
        if (waiting < 0) {
            logWinsockError("... [CONTROL] socket failure, WinSock err = %s");
            return false;
        }
        if (waiting < 5) {
            return true;
        }
        log_.LogExtended("... (discarding extraneous response)");
        if (readReply() == 421) {
            return true;  // the loss shows at the next command
        }
    }
}

}  // namespace nubo
