#include "shell/stream_log_writer.h"

#include <string>

#include "base/app_log.h"
#include "shell/console_outlets.h"

namespace nubo {

StreamLogWriter::StreamLogWriter(AppLog& log, FILE* stream, ConsoleOutlets* outlets)
    : log_(log), stream_(stream), outlets_(outlets) {
    log_.AddListener(this);
}

StreamLogWriter::~StreamLogWriter() {
    log_.RemoveListener(this);
}

void StreamLogWriter::lineAppended(size_t, const std::string& text, LogLineKind) {
    if (outlets_ != nullptr) {
        outlets_->clearLine();
    }
    // One write per line: standard error is unbuffered, and a line and its end written
    // apart cost two system calls for every line of a busy dialogue.
    std::string line;
    line.reserve(text.size() + 1);
    line.append(text).push_back('\n');
    std::fwrite(line.data(), 1, line.size(), stream_);
    std::fflush(stream_);
}

}  // namespace nubo
