#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class QSettings;

namespace nubo {

// A key of the per-user settings, as the program's registry key is kept on this
// platform: an INI file ($XDG_CONFIG_HOME/Tkwa/Nubo.conf) whose groups are the subkeys
// ("Settings", "Hosts", "PerHost", "Restart"). Values are strings or 32-bit numbers;
// numbers are stored as "dword:XXXXXXXX" so that their type survives the text file.
// The file is readable by its owner only, since it holds scrambled credentials.
class RegistryKey {
  public:
    // A settings file larger than this is not read (see refusal()).
    static constexpr size_t kMaxFileBytes = 16 << 20;

    // The application's key in the settings file at `path`.
    explicit RegistryKey(const std::string& path);
    // The application's key at its usual place.
    static RegistryKey application();
    static std::string defaultPath();

    // Opens a subkey (created when a value is first written into it).
    RegistryKey subkey(const std::string& name) const;

    bool getString(const std::string& name, std::string* value) const;
    void setString(const std::string& name, const std::string& value);
    // False when absent or when the value is not a number.
    bool getDword(const std::string& name, uint32_t* value) const;
    void setDword(const std::string& name, uint32_t value);
    std::vector<std::string> valueNames() const;
    void deleteValue(const std::string& name);
    void deleteSubkey(const std::string& name);
    bool hasSubkeys() const;
    // Writes pending changes to the file (merged with other instances' changes).
    void flush();
    // The file was found damaged when opened and mended (see SettingsFileRepair);
    // damagedCopy() names the copy of the damaged file ("" when none could be made).
    bool wasRepaired() const { return repaired_; }
    const std::string& damagedCopy() const { return damagedCopy_; }
    // Not empty when the file at the path could not be used (not a regular file, a
    // link to a device, larger than kMaxFileBytes, unreadable): "<path> <why>". The
    // key then starts empty and keeps this run's changes in a private scratch file
    // that goes with it; the file at the path is neither read nor written.
    const std::string& refusal() const { return refusal_; }

  private:
    RegistryKey(std::shared_ptr<QSettings> settings, std::string group);
    std::string fullName(const std::string& name) const;

    std::shared_ptr<QSettings> settings_;
    std::string group_;
    bool repaired_ = false;
    std::string damagedCopy_;
    std::string refusal_;
};

}  // namespace nubo
