#include "base/netrc.h"

#include <strings.h>

#include <cstdlib>

#include "platform/bounded_file.h"

namespace nubo {

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\f' || c == '\v';
}

// Reads the netrc's tokens in order, knowing where lines end (comments and macro
// bodies are line-bound).
class Tokens {
  public:
    explicit Tokens(const std::string& text) : text_(text) {}

    // The next token; false at the end. *lineStart: it is the first token of its line.
    bool next(std::string* token, bool* lineStart = nullptr) {
        bool startOfLine = at_ == 0 || text_[at_ - 1] == '\n';
        for (;;) {
            while (at_ < text_.size() && (isBlank(text_[at_]) || text_[at_] == '\n')) {
                if (text_[at_] == '\n')
                    startOfLine = true;
                ++at_;
            }
            if (at_ >= text_.size())
                return false;
            if (startOfLine && text_[at_] == '#') {
                skipLine();  // a comment line
                startOfLine = true;
                continue;
            }
            break;
        }
        if (lineStart != nullptr)
            *lineStart = startOfLine;
        token->clear();
        if (text_[at_] != '"') {
            while (at_ < text_.size() && !isBlank(text_[at_]) && text_[at_] != '\n')
                token->push_back(text_[at_++]);
            return true;
        }
        // A quoted token ends at its closing quote, or at the end of its line.
        for (++at_; at_ < text_.size() && text_[at_] != '"' && text_[at_] != '\n'; ++at_) {
            char c = text_[at_];
            if (c == '\\' && at_ + 1 < text_.size() && text_[at_ + 1] != '\n') {
                c = text_[++at_];
                c = c == 'n' ? '\n' : c == 'r' ? '\r' : c == 't' ? '\t' : c;
            }
            token->push_back(c);
        }
        if (at_ < text_.size() && text_[at_] == '"')
            ++at_;
        return true;
    }

    void skipLine() {
        while (at_ < text_.size() && text_[at_] != '\n')
            ++at_;
        if (at_ < text_.size())
            ++at_;
    }

    // A macro's body: the lines after the "macdef NAME" line, up to an empty line.
    void skipMacroBody() {
        skipLine();
        while (at_ < text_.size()) {
            size_t end = text_.find('\n', at_);
            if (end == std::string::npos)
                end = text_.size();
            const bool empty = end == at_ || (end == at_ + 1 && text_[at_] == '\r');
            at_ = end < text_.size() ? end + 1 : end;
            if (empty)
                return;
        }
    }

  private:
    const std::string& text_;
    size_t at_ = 0;
};

}  // namespace

void Netrc::parse(const std::string& text) {
    entries_.clear();
    Tokens tokens(text);
    std::string token, value;
    Entry* current = nullptr;
    while (tokens.next(&token)) {
        if (token == "machine") {
            if (!tokens.next(&value))
                break;
            entries_.push_back({});
            entries_.back().machine = value;
            current = &entries_.back();
        } else if (token == "default") {
            entries_.push_back({});
            entries_.back().isDefault = true;
            current = &entries_.back();
        } else if (token == "login" || token == "password") {
            if (!tokens.next(&value))
                break;
            if (current == nullptr)
                continue;  // before any machine: belongs to nobody
            if (token == "login") {
                current->hasLogin = true;
                current->login = value;
            } else {
                current->hasPassword = true;
                current->password = value;
            }
        } else if (token == "account") {
            tokens.next(&value);
        } else if (token == "macdef") {
            tokens.skipMacroBody();
        }
        // Anything else is a word this reader does not know: skipped, as curl does.
    }
}

Netrc::Load Netrc::load(const std::string& path, std::string* reason) {
    entries_.clear();
    BoundedFileRule rule;
    rule.maxBytes = kMaxBytes;
    rule.ownerOnly = true;
    rule.secret = true;
    std::string text;
    switch (readBoundedFile(path, rule, &text, reason)) {
        case BoundedFile::Missing:
            return Load::Missing;
        case BoundedFile::Refused:
            return Load::Refused;
        case BoundedFile::Usable:
            break;
    }
    parse(text);
    return Load::Read;
}

bool Netrc::find(const std::string& host, const std::string& user, std::string* login,
                 std::string* password, bool withDefault) const {
    const auto serves = [&user](const Entry& entry) {
        return user.empty() || !entry.hasLogin || entry.login == user;
    };
    const Entry* chosen = nullptr;
    for (const Entry& entry : entries_) {
        if (!entry.isDefault && strcasecmp(entry.machine.c_str(), host.c_str()) == 0 &&
            serves(entry)) {
            chosen = &entry;
            break;
        }
    }
    for (size_t i = 0; withDefault && chosen == nullptr && i < entries_.size(); ++i) {
        if (entries_[i].isDefault && serves(entries_[i]))
            chosen = &entries_[i];
    }
    if (chosen == nullptr || !chosen->hasPassword)
        return false;
    *login = chosen->hasLogin ? chosen->login : user;
    *password = chosen->password;
    return true;
}

std::string Netrc::defaultPath() {
    const char* home = std::getenv("HOME");
    return std::string(home != nullptr ? home : "") + "/.netrc";
}

}  // namespace nubo
