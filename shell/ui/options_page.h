#pragma once

#include <QWidget>
#include <functional>
#include <string>

#include "shell/options_editor.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QHBoxLayout;
class QSpinBox;
class QLineEdit;
class QPushButton;
class QTabWidget;

namespace nubo {

class ConfigStore;
class SiteList;

// The "Options" page: four inner tabs over OptionsEditor. Shown values are loaded when
// the page becomes the active tab and applied when it is left (another tab, a minimise,
// the exit); showing the window again (a restore) keeps what the controls hold.
class OptionsPage : public QWidget {
    Q_OBJECT

  public:
    // selectedSite names the site selected on the Host page ("" for none).
    OptionsPage(ConfigStore& config, SiteList& sites, std::function<std::string()> selectedSite,
                QWidget* parent = nullptr);

    // Activation: the store's and the selected site's values into the controls.
    void activate();
    // Leaving: the controls into the store and the site list.
    void apply();

    QTabWidget* tabs() const { return tabs_; }
    QCheckBox* check(const char* setting) const;
    QLineEdit* emailEdit() const { return email_; }
    QComboBox* proxyTypeBox() const { return proxyType_; }
    QComboBox* timeZoneBox() const { return timeZone_; }
    QCheckBox* requireTlsBox() const { return requireTls_; }
    QComboBox* localeBox() const { return locale_; }
    QLineEdit* hostEdit() const { return host_; }
    // Shows the note given when there is nothing to uninstall; tests replace the box.
    void setNotice(std::function<void(const QString&)> notice) { notice_ = std::move(notice); }

  signals:
    void reloadDefaultSitesRequested();
    void uninstallRequested();

  private:
    QCheckBox* addCheck(QWidget* tab, const char* setting, const char* text, const char* tip);
    // A labelled number box of a setting (object name "option" + setting) into a row.
    QSpinBox* addNumber(QHBoxLayout* row, const char* setting, const char* text, const char* tip,
                        int least, int most);

    OptionsEditor editor_;
    ConfigStore& config_;
    SiteList& sites_;
    std::function<std::string()> selectedSite_;
    std::function<void(const QString&)> notice_;
    QTabWidget* tabs_;
    std::vector<std::pair<std::string, QCheckBox*>> checks_;
    QLineEdit* email_;
    QLineEdit* proxy_;
    QSpinBox* simultaneous_ = nullptr;
    QSpinBox* downloadLimit_ = nullptr;
    QSpinBox* uploadLimit_ = nullptr;
    QComboBox* proxyType_;
    QLineEdit* authName_;
    QLineEdit* authPassword_;
    QCheckBox* saveProxyPassword_;
    QLineEdit* host_;
    QComboBox* locale_;
    QComboBox* timeZone_;
    QButtonGroup* transferType_;
    QCheckBox* noProxy_;
    QCheckBox* requireTls_;
    bool firstActivation_ = true;
};

}  // namespace nubo
