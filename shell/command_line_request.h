#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "sites/command_line_mode.h"

namespace nubo {

class ConfigStore;
class ShortcutFolderRule;

// What a shortcut file given with "-o" contributes to the command line.
struct ShortcutValues {
    std::string url;
    std::string transferDir;
    int32_t transferType = 0;
    int32_t updateMode = 0;
};

// The command line, parsed: what to do with the URL, the transfer type, the flags,
// and the argument slots (0 the URL, 1 the transfer folder or version, 2 and up the
// file names or the uninstall paths).
//
// Switches start with "-" and only their first one or two letters count, in either
// case; "/" starts a path here, never a switch.
class CommandLineRequest {
  public:
    static constexpr uint32_t kUpdateOnly = 1u;
    static constexpr uint32_t kUninstall = 1u << 29;
    static constexpr uint32_t kInstall = 1u << 30;
    static constexpr uint32_t kRegisterFailed = 1u << 31;

    // Modes.
    using Mode = CommandLineMode;
    static constexpr Mode kNothing = Mode::Nothing;
    static constexpr Mode kConnect = Mode::Connect;
    static constexpr Mode kTransferListed = Mode::TransferListed;
    static constexpr Mode kFetch = Mode::Fetch;
    static constexpr Mode kPutNames = Mode::PutNames;
    static constexpr Mode kGetNames = Mode::GetNames;

    // Reads a shortcut file, its folder made absolute (a relative one belongs to the
    // shortcut's own folder); false, with a one-line *refusal when the file could not be
    // read (the switch then has no effect).
    using ShortcutReader =
        std::function<bool(const std::string& path, ShortcutValues* values, std::string* refusal)>;

    // Parses the arguments that follow the program name.
    void parse(const std::vector<std::string>& arguments, const ShortcutReader& readShortcut = {});
    // Leaves "CLConnect", "CLStart", "CLOnly", "CLXMode", "CLXFlags" and "CLXDir" in the
    // store for the rest of the program.
    void storeInto(ConfigStore& config) const;
    // The process exit code for the gathered exit bits.
    int exitCode(uint32_t exitBits) const;
    // A slot's text ("" when never set).
    const std::string& slot(size_t index) const;
    bool setupMode() const { return (flags & (kInstall | kUninstall)) != 0; }
    // Started on a shortcut: by "-o" or by the desktop handlers (startedByHandler). Such
    // a run is told by a file that may come from anywhere, so it is served no netrc
    // "default" login.
    bool fromShortcut() const { return startedByHandler || shortcutGiven_; }
    // The transfer folder (slot 1) came from a shortcut: vetted by vetShortcutFolder.
    bool folderFromShortcut() const { return folderFromShortcut_; }
    // A shortcut's folder that the rule refuses is replaced by the downloads folder, and
    // folderRefusal says why (one line for the log, the window and the terminal).
    // `downloads` is asked only then.
    void vetShortcutFolder(const ShortcutFolderRule& rule,
                           const std::function<std::string()>& downloads);
    // "scheme://...": a plain argument that names a site rather than a file.
    static bool isUrl(const std::string& text);
    // Which of the arguments (indices into parse's vector) give the URL: the one after
    // "-u" or "-f", or a site given alone. Their passwords are masked in the process's
    // argument memory.
    static std::vector<size_t> urlArguments(const std::vector<std::string>& arguments);

    Mode mode = kNothing;
    int transferType = 0;
    uint32_t flags = 0;
    bool fullExitCode = false;
    std::vector<std::string> args;
    size_t nextSlot = 2;
    // The switch that waits for its argument: its letter, or two for "-rv" and the like.
    std::string pending;
    // "--help" and "--version", which the switch table leaves free.
    bool helpRequested = false;
    bool versionRequested = false;
    // The URL's password handed over in the environment (kHandedPasswordVariable), as
    // the URL writes it; empty: none.
    std::string handedPassword;
    // Set before parse when the desktop handlers started the run (kShortcutStartVariable):
    // every "-d" then comes from a shortcut.
    bool startedByHandler = false;
    // Why the "-o" file was not read; empty when it was (or none was given).
    std::string shortcutRefusal;
    // Why the shortcut's folder was not used; empty when it was.
    std::string folderRefusal;
    // A transfer started on a shortcut that names no folder goes to the downloads
    // folder, and this log line says so.
    std::string folderNote;
    // The window's question before a transfer into the downloads folder instead.
    std::string folderQuestion;

  private:
    void setSlot(size_t index, const std::string& text);
    // The argument being read, and those that set the URL.
    size_t argumentIndex_ = 0;
    std::vector<size_t> urlArguments_;
    bool shortcutGiven_ = false;
    bool folderFromShortcut_ = false;
    void applyArgument(const std::string& value, const ShortcutReader& readShortcut);
    void applySwitch(const std::string& text);
};

}  // namespace nubo
