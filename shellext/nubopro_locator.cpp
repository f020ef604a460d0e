#include "shellext/nubopro_locator.h"

#include <sys/stat.h>
#include <unistd.h>

#include <QSettings>
#include <QString>
#include <cstdlib>
#include <filesystem>

#include "platform/bounded_file.h"
#include "platform/xdg_paths.h"

namespace nubo {

namespace {

// The settings file may hold many hosts; anything this large is no settings file.
constexpr size_t kMaxSettingsBytes = 16 << 20;

bool isExecutableFile(const std::string& path) {
    struct stat st {};
    return !path.empty() && path.front() == '/' && ::stat(path.c_str(), &st) == 0 &&
           S_ISREG(st.st_mode) && ::access(path.c_str(), X_OK) == 0;
}

}  // namespace

NuboproLocator::NuboproLocator(std::string settingsFile, std::string pathVariable,
                               std::string ownFolder)
    : settingsFile_(std::move(settingsFile)),
      pathVariable_(std::move(pathVariable)),
      ownFolder_(std::move(ownFolder)) {}

NuboproLocator NuboproLocator::forThisUser() {
    const char* path = std::getenv("PATH");
    std::error_code error;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
    return NuboproLocator(xdgConfigHome() + "/Tkwa/Nubo.conf", path != nullptr ? path : "",
                          error ? std::string() : self.parent_path().string());
}

std::string NuboproLocator::appFile() const {
    BoundedFileRule rule;
    rule.maxBytes = kMaxSettingsBytes;
    std::string reason;
    int fd = -1;
    if (openBoundedFile(settingsFile_, rule, &fd, &reason) != BoundedFile::Usable) {
        return "";
    }
    // QSettings opens by name: given the descriptor's name it reads the file judged
    // above, not whatever (a FIFO) took the path's place since. Read only: a QSettings
    // that is never given a value never writes its file.
    std::string value;
    {
        const QSettings settings(QString::fromStdString("/proc/self/fd/" + std::to_string(fd)),
                                 QSettings::IniFormat);
        value = settings.value("Settings/AppFile").toString().toStdString();
    }
    ::close(fd);
    return value;
}

bool NuboproLocator::locate(std::string* program, std::string* error) const {
    const std::string recorded = appFile();
    if (isExecutableFile(recorded)) {
        *program = recorded;
        return true;
    }
    if (!ownFolder_.empty() && isExecutableFile(ownFolder_ + "/nubopro")) {
        *program = ownFolder_ + "/nubopro";
        return true;
    }
    size_t start = 0;
    while (start <= pathVariable_.size()) {
        size_t end = pathVariable_.find(':', start);
        if (end == std::string::npos) {
            end = pathVariable_.size();
        }
        // Only absolute folders: an empty or relative entry would mean the current
        // folder, which is wherever the file manager happens to stand.
        const std::string folder = pathVariable_.substr(start, end - start);
        if (!folder.empty() && folder.front() == '/' && isExecutableFile(folder + "/nubopro")) {
            *program = folder + "/nubopro";
            return true;
        }
        start = end + 1;
    }
    *error = recorded.empty() ? "NuboPRO not found: no \"AppFile\" in " + settingsFile_ +
                                    " and no nubopro on the PATH"
                              : "NuboPRO not found: \"AppFile\" (" + recorded +
                                    ") is no executable file and no nubopro is on the PATH";
    return false;
}

}  // namespace nubo
