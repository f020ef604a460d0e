#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "engine/main_outlets.h"
#include "engine/transfer_queue.h"

namespace nubo {

// What the main window shows of the session's status and progress: its title, the
// progress bar and the tray icon. The window applies it; the rules live here, so they
// are tested without a display.
class ProgressDisplay {
  public:
    // Icons: the program icon, the base progress icon, then progress icons 1 to 10.
    static constexpr int kProgramIcon = -1;
    static constexpr int kBaseIcon = 0;
    static constexpr int kProgressIcons = 10;
    // Longest title and tray tip, in bytes.
    static constexpr size_t kMaxTitle = 511;
    static constexpr size_t kMaxTip = 63;

    // What one ReportProgress call changes.
    struct Update {
        bool moves = false;  // the bar and the icon change (a transfer, or its end)
        int bar = 0;
        int icon = kProgramIcon;
        bool hasStatus = false;  // the title follows (not at the end)
        std::string status;
    };

    // The icon for a progress value: v < 0 the program icon, 0 the base icon, 1-9 the
    // first progress icon, 10-99 number v / 10 + 1, 100 and more the tenth.
    static int iconFor(int64_t value);
    static Update progress(const TransferProgress& progress);
    // A transfer of a running batch of several files, counted whole from the session's
    // queue, where every connection of the batch records its files: files ended of those
    // found, those that failed, and its bytes of those expected. Anything else as it
    // came.
    static TransferProgress wholeBatch(const TransferProgress& progress,
                                       const BatchProgress& batch);
    // "text - Nubo 2.2", or the title alone for no text; cut on a character boundary.
    static std::string title(std::string_view text);
    // The tray tip for a title: a title longer than 63 bytes is cut to 60 (on a
    // character boundary) followed by "...".
    static std::string trayTip(const std::string& title);
    // "GET name (37%)", "GET name (150KB)" when the size is not known, "PUT name (5%)",
    // "GET 12 of 300 files, 1 failed (4%)", "LIST name (120 entries)"; at most 511
    // bytes. Empty at the end.
    static std::string text(const TransferProgress& progress);
    // The bar's value of a transfer: its percent, else the kilobytes moved.
    static int64_t value(const TransferProgress& progress);
};

}  // namespace nubo
