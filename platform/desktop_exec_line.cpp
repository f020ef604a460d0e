#include "platform/desktop_exec_line.h"

namespace nubo {

namespace {

// Characters that oblige an Exec argument to be quoted.
bool isReserved(char c) {
    static const std::string reserved = " \t\n\"'\\><~|&;$*?#()`";
    return reserved.find(c) != std::string::npos;
}

std::string quoteArgument(const std::string& argument) {
    bool quote = argument.empty();
    for (char c : argument)
        quote = quote || isReserved(c);
    std::string out = quote ? "\"" : "";
    for (char c : argument) {
        if (quote && (c == '"' || c == '`' || c == '$' || c == '\\'))
            out += '\\';
        out += c == '%' ? std::string("%%") : std::string(1, c);
    }
    return quote ? out + "\"" : out;
}

}  // namespace

bool DesktopExecLine::build(const std::vector<std::string>& command, const std::string& fieldCode,
                            std::string* value) {
    value->clear();
    if (command.empty() || command.front().empty())
        return false;
    for (const std::string& argument : command) {
        if (argument.find_first_of(std::string("\n\r\0", 3)) != std::string::npos)
            return false;
    }
    std::vector<std::string> words = command;
    // GIO looks the program up by the Exec line's first word before it turns "%%" into
    // "%", so a program whose path holds a "%" is found under no name at all. The shell
    // runs it instead, handed the path as an argument, where "%%" is undone first.
    if (command.front().find('%') != std::string::npos)
        words.insert(words.begin(), {"/bin/sh", "-c", "exec \"$0\" \"$@\""});
    std::string line;
    for (const std::string& word : words) {
        if (!line.empty())
            line += ' ';
        line += quoteArgument(word);
    }
    if (!fieldCode.empty())
        line += ' ' + fieldCode;
    // The key file reads "\\" as one backslash, under the Exec quoting.
    for (char c : line)
        *value += c == '\\' ? std::string("\\\\") : std::string(1, c);
    return true;
}

}  // namespace nubo
