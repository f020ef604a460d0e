#include "views/transfer_planner.h"

#include "base/config_store.h"

namespace nubo {

namespace {

std::string withSeparator(const std::string& folder) {
    if (folder.empty() || folder.back() == '/' || folder.back() == '\\')
        return folder;
    return folder + "/";
}

}  // namespace

TransferPlanner::TransferPlanner(ConfigStore& config) : config_(config) {
    const int commandLineMode = config_.GetInt("CLXMode");
    if (commandLineMode != 0)
        remembered_ = commandLineMode - 1;
    else if (config_.GetInt("KeepXMode") != 0)
        remembered_ = config_.GetInt("LastXMode");
    transferDir_ = config_.GetString("CLXDir");
    if (transferDir_.empty() && config_.GetInt("KeepXDir") != 0)
        transferDir_ = config_.GetString("LastXDir");
}

int TransferPlanner::modeOf(bool forceAscii, bool forceImage) {
    if (forceAscii && !forceImage)
        return 0;
    if (forceImage && !forceAscii)
        return 1;
    return 2;
}

void TransferPlanner::buttonsFor(int mode, bool* forceAscii, bool* forceImage) {
    *forceAscii = mode == 0;
    *forceImage = mode == 1;
}

TransferOptions TransferPlanner::requestOptions(int mode, bool updateOnly) {
    TransferOptions options;
    options.mode = mode == 0   ? TransferMode::Ascii
                   : mode == 1 ? TransferMode::Image
                               : TransferMode::Smart;
    options.updateOnly = updateOnly;
    return options;
}

int TransferPlanner::modeAtConnect(uint32_t siteTransferType) const {
    if (siteTransferType >= 1 && siteTransferType <= 3)
        return static_cast<int>(siteTransferType) - 1;
    if (config_.GetInt("KeepXMode") != 0)
        return remembered_;
    return 0;
}

void TransferPlanner::disconnected(int mode) {
    remembered_ = mode;
    config_.SetInt("LastXMode", mode);
}

void TransferPlanner::useFolder(const std::string& folder) {
    if (folder == transferDir_)
        return;
    transferDir_ = folder;
    config_.SetString("LastXDir", folder);
}

void TransferPlanner::planDownload(const std::string& folder, int mode) {
    remembered_ = mode;
    config_.SetInt("LastXMode", mode);
    useFolder(folder);
}

std::string TransferPlanner::listFilePath(const std::string& host) const {
    std::string folder = config_.GetString("CLXDir");
    if (folder.empty() && config_.GetInt("KeepXDir") != 0)
        folder = config_.GetString("LastXDir");
    if (folder.empty())
        folder = transferDir_;
    return folder.empty() ? std::string() : listFilePath(folder, host);
}

std::string TransferPlanner::listFilePath(const std::string& folder, const std::string& host) {
    return withSeparator(folder) + host + ".txt";
}

std::string TransferPlanner::deleteQuestion(const std::string& directory,
                                            const std::vector<std::string>& names) {
    const std::string where = directory.empty() ? std::string() : " in " + directory;
    if (names.size() == 1)
        return "Delete \"" + names.front() + "\"" + where + " from the server?";
    return "Delete " + std::to_string(names.size()) + " items" + where + " from the server?";
}

namespace {

std::string counted(int64_t count, const char* one, const char* many) {
    return std::to_string(count) + " " + (count == 1 ? one : many);
}

}  // namespace

std::string TransferPlanner::deleteQuestion(const std::string& directory,
                                            const std::vector<std::string>& names,
                                            const TreeCount& held) {
    if (held.files == 0 && held.folders == 0)
        return deleteQuestion(directory, names);
    std::string what;
    if (held.files > 0)
        what = counted(held.files, "file", "files");
    if (held.folders > 0)
        what += (what.empty() ? "" : " in ") + counted(held.folders, "folder", "folders");
    if (names.size() == 1)
        return "Delete \"" + names.front() + "\" and its " + what + " from the server?";
    return "Delete " + std::to_string(names.size()) + " items in " + directory + " and the " +
           what + " they hold from the server?";
}

}  // namespace nubo
