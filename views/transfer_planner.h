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
// delete confirmation and the list-to-file path. The views only show buttons and boxes.
// (Whether a download replaces a local file is asked by the session, file by file.)
class TransferPlanner {
  public:
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

    // A download into folder: remembers its mode and the folder.
    void planDownload(const std::string& folder, int mode);

    // Ctrl+T's file: "CLXDir", or "LastXDir" with "KeepXDir", then the host and ".txt";
    // empty when no folder is known (the view then asks for one).
    std::string listFilePath(const std::string& host) const;
    static std::string listFilePath(const std::string& folder, const std::string& host);

    // The question before a Delete: one item by its name and folder, several by count
    // and folder, so the question says what will go.
    static std::string deleteQuestion(const std::string& directory,
                                      const std::vector<std::string>& names);
    // The same when the folders chosen hold something: what they hold goes too, and the
    // question says how much ("Delete "docs" and its 42 files in 7 folders from the
    // server?"). Nothing held: the question above.
    static std::string deleteQuestion(const std::string& directory,
                                      const std::vector<std::string>& names, const TreeCount& held);

  private:
    ConfigStore& config_;
    int remembered_ = 0;
    std::string transferDir_;
};

}  // namespace nubo
