#include "shell/progress_display.h"

#include <algorithm>

#include "base/utf8_cut.h"
#include "nubo_version.h"

namespace nubo {

int ProgressDisplay::iconFor(int64_t value) {
    if (value < 0)
        return kProgramIcon;
    if (value == 0)
        return kBaseIcon;
    if (value < 10)
        return 1;
    if (value < 100)
        return static_cast<int>(value / 10 + 1);
    return kProgressIcons;
}

int64_t ProgressDisplay::value(const TransferProgress& progress) {
    return progress.percent >= 0 ? progress.percent : progress.bytes / 1024;
}

ProgressDisplay::Update ProgressDisplay::progress(const TransferProgress& progress) {
    using Kind = TransferProgress::Kind;
    Update update;
    if (progress.kind == Kind::Done) {
        update.moves = true;  // the bar empties and the idle program icon comes back
        return update;
    }
    if (progress.kind != Kind::List) {
        const int64_t shown = value(progress);
        update.moves = true;
        update.bar = static_cast<int>(shown > 100 ? shown % 100 : shown);
        update.icon = iconFor(shown);
    }
    update.hasStatus = true;
    update.status = text(progress);
    return update;
}

TransferProgress ProgressDisplay::wholeBatch(const TransferProgress& progress,
                                             const BatchProgress& batch) {
    using Kind = TransferProgress::Kind;
    if ((progress.kind != Kind::Get && progress.kind != Kind::Put) || !batch.running ||
        batch.filesTotal < 2)
        return progress;
    TransferProgress whole = progress;
    whole.filesDone = static_cast<int>(batch.filesEnded);
    whole.filesTotal = static_cast<int>(batch.filesTotal);
    whole.filesFailed = static_cast<int>(batch.filesFailed);
    whole.bytes = batch.bytes;
    whole.expected = batch.expected > 0 ? batch.expected : -1;
    whole.percent =
        batch.expected > 0
            ? static_cast<int>(std::min<int64_t>(batch.bytes * 100 / batch.expected, 100))
            : -1;
    return whole;
}

std::string ProgressDisplay::text(const TransferProgress& progress) {
    using Kind = TransferProgress::Kind;
    std::string text;
    switch (progress.kind) {
        case Kind::Done:
            return {};
        case Kind::List:
            text = "LIST " + progress.name + " (" + std::to_string(progress.bytes) + " entries)";
            break;
        case Kind::Get:
        case Kind::Put:
            text =
                (progress.kind == Kind::Get ? "GET " : "PUT ") +
                (progress.filesTotal > 0 ? std::to_string(progress.filesDone) + " of " +
                                               std::to_string(progress.filesTotal) + " files"
                                         : progress.name) +
                (progress.filesFailed > 0 ? ", " + std::to_string(progress.filesFailed) + " failed"
                                          : std::string()) +
                " (" + std::to_string(value(progress)) + (progress.percent >= 0 ? "%)" : "KB)");
            break;
    }
    return nubo::cutUtf8(text, kMaxTitle);
}

std::string ProgressDisplay::title(std::string_view text) {
    if (text.empty())
        return kProgramTitle;
    return nubo::cutUtf8(std::string(text) + " - " + kProgramTitle, kMaxTitle);
}

std::string ProgressDisplay::trayTip(const std::string& title) {
    if (title.size() <= kMaxTip)
        return title;
    return nubo::cutUtf8(title, kMaxTip - 3) + "...";
}

}  // namespace nubo
