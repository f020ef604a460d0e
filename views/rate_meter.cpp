#include "views/rate_meter.h"

#include <cstdio>

#include "views/display_format.h"

namespace nubo {

namespace {

std::string twoDecimals(double value) {
    char text[64];
    std::snprintf(text, sizeof text, "%.2f", value);
    return text;
}

}  // namespace

void RateMeter::sessionStarted() {
    earlierBytes_ = 0;
    earlierMs_ = 0;
    expected_ = 0;
}

void RateMeter::transferStarted(int64_t expectedSize, int64_t startMs) {
    expected_ = expectedSize;
    startMs_ = startMs;
}

RateMeter::Texts RateMeter::progress(int64_t bytes, int64_t nowMs) const {
    Texts texts;
    const int64_t elapsed = nowMs - startMs_;
    // Bytes per millisecond are (1000-byte) kilobytes per second.
    const double rate = elapsed > 0 ? static_cast<double>(bytes) / static_cast<double>(elapsed) : 0;
    texts.rate = twoDecimals(rate);
    texts.bytesPerSecond = static_cast<int64_t>(rate * 1000);
    if (expected_ > 0 && expected_ > bytes && rate > 0) {
        const double milliseconds = static_cast<double>(expected_ - bytes) / rate;
        texts.remaining = FormatDuration(static_cast<int64_t>(milliseconds), 2);
    }
    const int64_t totalBytes = bytes + earlierBytes_;
    const int64_t totalMs = (elapsed > 0 ? elapsed : 0) + earlierMs_;
    texts.cumulative = twoDecimals(
        totalMs > 0 ? static_cast<double>(totalBytes) / static_cast<double>(totalMs) : 0);
    texts.total = FormatCount(totalBytes);
    return texts;
}

void RateMeter::transferEnded(int64_t bytes, int64_t endMs) {
    earlierBytes_ += bytes > 0 ? bytes : 0;
    earlierMs_ += endMs > startMs_ ? endMs - startMs_ : 0;
    expected_ = 0;
}

}  // namespace nubo
