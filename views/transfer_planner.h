#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "engine/session_request.h"

namespace nubo {

class ConfigStore;

// The decisions behind the views' transfers: the mode of the two FORCE buttons, the
// remembered mode and transfer folder ("LastXMode", "LastXDir"), the request values, the
// overwrite questions of a download, the delete confirmation and the list-to-file path.
// The views only show buttons and boxes.
class TransferPlanner {
  public:
    enum class Answer { Yes, No, Cancel };
    // Asks a question (title, text with CR LF line ends as the Windows version words it).
    using Question = std::function<Answer(const std::string& title, const std::string& text)>;
    // Tells whether something exists at a local path, and whether it is a directory.
    using LocalProbe = std::function<bool(const std::string& path, bool* directory)>;

    // A selected remote entry: its index and the local name a download gives it.
    struct Item {
        int index = 0;
        std::string localName;
    };
    struct Download {
        std::vector<int> indices;  // to queue; empty: nothing
        std::vector<int> dropped;  // answered No: deselect them
    };

    explicit TransferPlanner(ConfigStore& config);

    // Mode codes: 0 ASCII, 1 Image, 2 Smart. Both buttons or neither mean Smart.
    static int modeOf(bool forceAscii, bool forceImage);
    static void buttonsFor(int mode, bool* forceAscii, bool* forceImage);
    // The options of a Get or Put in a mode, with or without Update-ONLY.
    static TransferOptions requestOptions(int mode, bool updateOnly);

    // The mode the buttons take at a connection: the site's transfer type (1-3, 0 none)
    // minus one, else the remembered mode when "KeepXMode" is set, else ASCII.
    int modeAtConnect(uint32_t siteTransferType) const;
    // The mode in use when the session ended becomes "LastXMode".
    void disconnected(int mode);

    const std::string& transferDir() const { return transferDir_; }
    // A folder the user chose or dropped from: kept, and written to "LastXDir" when new.
    void useFolder(const std::string& folder);

    // A download into folder: remembers mode and folder, then (Update-ONLY off) asks
    // about every local name that exists. Cancel ends it all.
    Download planDownload(const std::string& folder, int mode, bool updateOnly,
                          const std::vector<Item>& items, const LocalProbe& probe,
                          const Question& ask);

    // Ctrl+T's file: "CLXDir", or "LastXDir" with "KeepXDir", then the host and ".txt";
    // empty when no folder is known (the view then asks for one).
    std::string listFilePath(const std::string& host) const;
    static std::string listFilePath(const std::string& folder, const std::string& host);

    // The question before a Delete: one item by its name and folder, several by count
    // and folder, so the question says what will go.
    static std::string deleteQuestion(const std::string& directory,
                                      const std::vector<std::string>& names);

  private:
    ConfigStore& config_;
    int remembered_ = 0;
    std::string transferDir_;
};

}  // namespace nubo
