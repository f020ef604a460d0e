#include "shell/options_editor.h"

#include <algorithm>

#include "base/config_store.h"
#include "platform/listing_locale.h"
#include "sites/site_list.h"

namespace nubo {

const OptionsEditor::Flag OptionsEditor::kFlags[11] = {
    {"NoUITray", &Values::noUiTray},     {"NoUIQuit", &Values::noUiQuit},
    {"LocalIcons", &Values::localIcons}, {"Statistics", &Values::statistics},
    {"Classic", &Values::classic},       {"KeepHost", &Values::keepHost},
    {"Passive", &Values::passive},       {"Restart", &Values::restart},
    {"KeepXDir", &Values::keepXDir},     {"KeepXMode", &Values::keepXMode},
    {"ShowFiles", &Values::showFiles},
};

void OptionsEditor::load(const std::string& site) {
    for (const Flag& flag : kFlags)
        values_.*flag.member = config_.GetInt(flag.name) != 0;
    values_.proxyType = std::clamp(config_.GetInt("ProxyType"), 0, 3);
    values_.simultaneousTransfers = std::clamp(config_.GetInt("SimultaneousTransfers"), 1, 10);
    values_.downloadLimit = std::clamp(config_.GetInt("DownloadLimit"), 0, kMaxSpeedLimit);
    values_.uploadLimit = std::clamp(config_.GetInt("UploadLimit"), 0, kMaxSpeedLimit);
    values_.email = config_.GetString("EMail");
    values_.proxy = config_.GetString("Proxy");
    values_.authName = config_.GetString("AuthName");
    values_.authPassword = config_.GetString("AuthPasswd");
    values_.saveProxyPassword = config_.ProxyPasswordSaved();
    values_.site = site;
    values_.locale = 1033;
    values_.timeZone = 0;
    values_.transferType = 0;
    values_.noProxy = false;
    values_.requireTls = false;
    if (!site.empty()) {
        values_.requireTls = sites_.requiresTls(site);
        const uint32_t locale = sites_.getHostSetting(&site, HostField::Locale);
        values_.locale = locale != 0 ? locale : 1033;
        values_.timeZone = sites_.getHostSetting(&site, HostField::TimeZone);
        values_.transferType = sites_.getHostSetting(&site, HostField::TransferType);
        values_.noProxy = sites_.getHostSetting(&site, HostField::NoProxy) != 0;
    }
}

void OptionsEditor::apply() {
    for (const Flag& flag : kFlags)
        config_.SetInt(flag.name, values_.*flag.member ? 1 : 0);
    config_.SetInt("ProxyType", values_.proxyType);
    config_.SetInt("SimultaneousTransfers", std::clamp(values_.simultaneousTransfers, 1, 10));
    config_.SetInt("DownloadLimit", std::clamp(values_.downloadLimit, 0, kMaxSpeedLimit));
    config_.SetInt("UploadLimit", std::clamp(values_.uploadLimit, 0, kMaxSpeedLimit));
    config_.SetString("EMail", values_.email);
    config_.SetString("AuthName", values_.authName);
    config_.SetString("AuthPasswd", values_.authPassword);
    config_.SetProxyPasswordSaved(values_.saveProxyPassword);
    config_.SetString("Proxy", values_.proxy);
    if (values_.site.empty())
        return;
    const std::string* site = &values_.site;
    sites_.setHostSetting(site, HostField::Locale, values_.locale);
    sites_.setHostSetting(site, HostField::TimeZone, values_.timeZone);
    sites_.setHostSetting(site, HostField::TransferType, values_.transferType);
    sites_.setHostSetting(site, HostField::NoProxy, values_.noProxy ? 1 : 0);
    sites_.setRequiresTls(values_.site, values_.requireTls);
    sites_.savePerHostSettings();
}

std::vector<std::pair<uint32_t, std::string>> OptionsEditor::localeList() {
    std::vector<std::pair<uint32_t, std::string>> list;
    std::string defaultName = "Default (US English)";
    for (auto& [id, name] : ListingLocale::usableLocales()) {
        if (id == 1033) {
            defaultName = name;
            continue;
        }
        list.emplace_back(id, name.substr(0, 63));
    }
    std::sort(list.begin(), list.end(),
              [](const auto& a, const auto& b) { return a.second < b.second; });
    list.insert(list.begin(), {1033u, defaultName});
    return list;
}

int OptionsEditor::localeRow(const std::vector<std::pair<uint32_t, std::string>>& list,
                             uint32_t locale) {
    for (size_t i = 0; i < list.size(); ++i) {
        if (list[i].first == locale)
            return static_cast<int>(i);
    }
    return 0;
}

}  // namespace nubo
