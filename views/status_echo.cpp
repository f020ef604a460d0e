#include "views/status_echo.h"

#include <cctype>

namespace nubo {

bool StatusEcho::fromExtraConnection(const std::string& line) {
    if (line.size() < 4 || line[0] != '[')
        return false;
    size_t at = 1;
    while (at < line.size() && std::isdigit(static_cast<unsigned char>(line[at])) != 0)
        ++at;
    return at > 1 && at + 1 < line.size() && line[at] == ']' && line[at + 1] == ' ';
}

std::optional<std::string> StatusEcho::heard(const std::string& line, uint64_t requests) {
    if (fromExtraConnection(line))
        return std::nullopt;
    if (held(requests)) {
        lastHeard_ = line;
        return std::nullopt;
    }
    holding_ = false;
    shown_ = line;
    return line;
}

std::optional<std::string> StatusEcho::batch(const TransferPaneModel::BatchTexts& batch,
                                             uint64_t requests) {
    if (batch.serial == 0)
        return std::nullopt;
    std::string text;
    if (batch.running) {
        if (batch.status.empty())
            return std::nullopt;  // one file: its dialogue shows as it comes
        running_ = true;
        serial_ = batch.serial;
        text = batch.status;
    } else {
        const bool told = running_;
        if (!told && batch.serial == serial_)
            return std::nullopt;  // told already
        running_ = false;
        serial_ = batch.serial;
        if (batch.outcome.empty()) {
            // No words to end on (one file, or a batch waiting for the next login): the
            // dialogue again, from its last line.
            holding_ = false;
            if (!told)
                return std::nullopt;
            text = lastHeard_;
        } else {
            holding_ = true;
            heldUpTo_ = requests;
            text = batch.outcome;
        }
    }
    if (text == shown_)
        return std::nullopt;
    shown_ = text;
    return text;
}

}  // namespace nubo
