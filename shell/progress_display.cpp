#include "shell/progress_display.h"

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
            text = (progress.kind == Kind::Get ? "GET " : "PUT ") +
                   (progress.filesTotal > 0 ? std::to_string(progress.filesDone) + " of " +
                                                  std::to_string(progress.filesTotal) + " files"
                                            : progress.name) +
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
