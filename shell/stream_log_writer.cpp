#include "shell/stream_log_writer.h"

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
    std::fputs(text.c_str(), stream_);
    std::fputc('\n', stream_);
    std::fflush(stream_);
}

}  // namespace nubo
