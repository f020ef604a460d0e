#pragma once

#include <atomic>
#include <cstdint>
#include <string>

#include "shellext/nubo_shortcut.h"

namespace nubo {

// One ".nubo" shortcut: "[NuboShortcut]" followed by "URL=", "XDir=", "XMode=" and
// "Update=" entries, each after a line feed. The file is read lazily, when a value is
// first asked for after Load; a file that cannot be read leaves the values empty and
// is tried again at the next call.
class ShortcutObject : public INuboShortcut {
  public:
    static constexpr size_t kMaxPath = 259;
    static constexpr size_t kMaxUrl = 511;
    static constexpr size_t kMaxDir = 259;
    static constexpr size_t kMaxRead = 807;
    static constexpr const char* kHeader = "[NuboShortcut]";

    ShortcutObject();
    ~ShortcutObject() override;

    HRESULT SetURL(const std::string& url) override;
    HRESULT GetURL(std::string* url) override;
    HRESULT SetTransferDir(const std::string& dir) override;
    HRESULT GetTransferDir(std::string* dir) override;
    HRESULT SetTransferType(int32_t type) override;
    HRESULT GetTransferType(int32_t* type) override;
    HRESULT SetUpdateMode(int32_t mode) override;
    HRESULT GetUpdateMode(int32_t* mode) override;

    HRESULT Load(const std::string& path, uint32_t mode) override;
    HRESULT Save(const std::string& path, bool remember) override;
    HRESULT SaveCompleted(const std::string& path) override;
    HRESULT IsDirty() override;
    HRESULT GetCurFile(std::string* path) override;
    void Release() override;

    bool loaded() const { return loaded_; }
    bool dirty() const { return dirty_; }
    const std::string& filePath() const { return path_; }
    // The file's text for the current values.
    std::string fileText() const;
    // Objects alive in this process (the library may be unloaded at 0).
    static int liveObjects();

  private:
    void ensureLoaded();
    void parse(const std::string& text);

    std::string path_;
    std::string url_;
    std::string dir_;
    int32_t type_ = 0;
    int32_t update_ = 0;
    bool loaded_ = false;
    bool dirty_ = false;
    static std::atomic<int> live_;
};

}  // namespace nubo
