#include "shell/ui/options_page.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>

#include "base/config_store.h"
#include "platform/program_path.h"
#include "setup/uninstall_advice.h"
#include "setup/uninstall_command.h"
#include "sites/time_zone_table.h"

namespace nubo {

namespace {

QWidget* newTab(QTabWidget* tabs, const char* title, const char* tip) {
    auto* tab = new QWidget;
    new QVBoxLayout(tab);
    const int index = tabs->addTab(tab, title);
    tabs->setTabToolTip(index, tip);
    return tab;
}

QVBoxLayout* layoutOf(QWidget* tab) {
    return static_cast<QVBoxLayout*>(tab->layout());
}

}  // namespace

OptionsPage::OptionsPage(ConfigStore& config, SiteList& sites,
                         std::function<std::string()> selectedSite, QWidget* parent)
    : QWidget(parent),
      editor_(config, sites),
      config_(config),
      sites_(sites),
      selectedSite_(std::move(selectedSite)),
      tabs_(new QTabWidget(this)) {
    setObjectName("optionsPage");
    tabs_->setObjectName("optionsTabs");
    // "General"
    QWidget* general = newTab(tabs_, "General", "General option settings/controls");
    addCheck(general, "NoUITray", "Use &Tray when minimized",
             "Place \"minimized\" icon in Tray (next to clock)");
    addCheck(general, "NoUIQuit", "Enable \"&auto\" Logoff and Exit",
             "Quit when \"non-interactive\" operation is complete");
    addCheck(general, "LocalIcons", "Use Local (Linux) &Icons",
             "Apply \"local\" type conventions to remote files");
    addCheck(general, "Statistics", "Enable &Statistics gathering",
             "Gather host connection and data-transfer statistics");
    addCheck(general, "Classic", "Start with \"Nubo &Classic\" interface",
             "Use \"Nubo Classic\" (small) interface when program is started");
    addCheck(general, "ShowFiles", "Show the &files after login",
             "Bring the server's files to the front once Connect has listed them");
    auto* reload = new QPushButton("&Reload default FTP sites", general);
    reload->setToolTip("Merge default FTP sites with current site list");
    auto* uninstall = new QPushButton("Quit and &Uninstall Nubo PRO", general);
    uninstall->setToolTip("Exit current session and invoke the Nubo PRO Uninstaller");
    connect(reload, &QPushButton::clicked, this, &OptionsPage::reloadDefaultSitesRequested);
    reload->setObjectName("reloadSitesButton");
    uninstall->setObjectName("uninstallButton");
    // Without an uninstall record this copy was not installed by "-i": quitting would
    // uninstall nothing, so the page says how it was installed instead.
    connect(uninstall, &QPushButton::clicked, this, [this] {
        std::vector<std::string> arguments;
        std::string why;
        if (UninstallCommand::forRunningProgram(config_.GetString("AppData"), programPath(),
                                                &arguments, &why))
            emit uninstallRequested();
        else if (why.empty())
            notice_(QString::fromStdString(UninstallAdvice::withoutRecord(programPath())));
        else
            notice_(QString::fromStdString(why));
    });
    notice_ = [this](const QString& text) {
        QMessageBox box(QMessageBox::Information, "Uninstall Nubo PRO", text, QMessageBox::Ok,
                        this);
        box.setObjectName("uninstallNotice");
        box.exec();
    };
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(reload);
    buttons->addWidget(uninstall);
    buttons->addStretch();
    layoutOf(general)->addLayout(buttons);
    layoutOf(general)->addStretch();

    // "Host Connections"
    QWidget* connections = newTab(tabs_, "Host Connections", "Host connection/proxy setup");
    auto* emailLabel = new QLabel(
        "Internet &E-Mail Address (used as \"password\" with &Anonymous logins):", connections);
    email_ = new QLineEdit(connections);
    email_->setToolTip("you@your-provider.example");
    emailLabel->setBuddy(email_);
    layoutOf(connections)->addWidget(emailLabel);
    layoutOf(connections)->addWidget(email_);
    auto* proxyGroup =
        new QGroupBox("Proxy Server / Fire&wall (including optional :port#)", connections);
    auto* proxyRow = new QHBoxLayout(proxyGroup);
    proxy_ = new QLineEdit(proxyGroup);
    proxy_->setToolTip("Proxy server (host name or IP address)");
    proxyType_ = new QComboBox(proxyGroup);
    for (const char* type : OptionsEditor::kProxyTypes)
        proxyType_->addItem(QString::fromUtf8(type));
    proxyType_->setToolTip("Proxy server type (when using a proxy)");
    proxyRow->addWidget(proxy_, 1);
    proxyRow->addWidget(proxyType_);
    layoutOf(connections)->addWidget(proxyGroup);
    auto* authGroup = new QGroupBox("Proxy Authentication (MAY be optional)", connections);
    auto* authRow = new QHBoxLayout(authGroup);
    authName_ = new QLineEdit(authGroup);
    authName_->setToolTip("User name for Proxy server");
    authPassword_ = new QLineEdit(authGroup);
    authPassword_->setEchoMode(QLineEdit::Password);
    authPassword_->setToolTip("Password for Proxy server");
    saveProxyPassword_ = new QCheckBox("Save", authGroup);
    saveProxyPassword_->setToolTip("Remember password for this Proxy server");
    authRow->addWidget(new QLabel("Name:", authGroup));
    authRow->addWidget(authName_, 1);
    authRow->addWidget(new QLabel("Password:", authGroup));
    authRow->addWidget(authPassword_, 1);
    authRow->addWidget(saveProxyPassword_);
    layoutOf(connections)->addWidget(authGroup);
    addCheck(connections, "KeepHost", "Remember Last &Host", "Start with same host next time");
    layoutOf(connections)->addStretch();

    // "File Transfers"
    QWidget* transfers = newTab(tabs_, "File Transfers", "File transfer options");
    addCheck(transfers, "Passive", "Use \"&Passive\" FTP Server data connections",
             "Have FTP server do \"passive\" transfers (default)");
    addCheck(transfers, "Restart", "Enable &Error Recovery / Restart",
             "Enable \"automagic\" recovery / restart feature");
    addCheck(transfers, "KeepXDir", "Remember Last Transfer &Dir",
             "Start with same transfer directory next time");
    addCheck(transfers, "KeepXMode", "Remember Last Transfer &Type",
             "Start with same transfer type next time");
    auto* simultaneousRow = new QHBoxLayout;
    simultaneous_ = addNumber(simultaneousRow, "SimultaneousTransfers", "&Simultaneous transfers:",
                              "Connections used at once for several files or a folder (one "
                              "file always uses one)",
                              1, 10);
    simultaneousRow->addStretch();
    layoutOf(transfers)->addLayout(simultaneousRow);
    // The limits hold for all connections of a session together; 0 shows as "Off".
    auto* limitRow = new QHBoxLayout;
    downloadLimit_ = addNumber(limitRow, "DownloadLimit", "Do&wnload limit:",
                               "Highest download speed of all connections together (0: no limit)",
                               0, OptionsEditor::kMaxSpeedLimit);
    uploadLimit_ = addNumber(limitRow, "UploadLimit", "&Upload limit:",
                             "Highest upload speed of all connections together (0: no limit)", 0,
                             OptionsEditor::kMaxSpeedLimit);
    for (QSpinBox* limit : {downloadLimit_, uploadLimit_}) {
        limit->setSpecialValueText("Off");
        limit->setSuffix(" KB/s");
    }
    limitRow->addStretch();
    layoutOf(transfers)->addLayout(limitRow);
    layoutOf(transfers)->addStretch();

    // "Advanced": the selected site's own settings.
    QWidget* advanced =
        newTab(tabs_, "Advanced", "Host-specific (including \"locale\" and time zone) options");
    auto* form = new QFormLayout;
    host_ = new QLineEdit(advanced);
    host_->setReadOnly(true);
    host_->setToolTip("Site currently selected on Host page (if any)");
    locale_ = new QComboBox(advanced);
    for (const auto& [id, name] : OptionsEditor::localeList())
        locale_->addItem(QString::fromStdString(name), id);
    locale_->setToolTip("Language for this FTP server (default is US English)");
    timeZone_ = new QComboBox(advanced);
    for (int row = 0; row < TimeZoneTable::kRows; ++row)
        timeZone_->addItem(QString::fromUtf8(TimeZoneTable::label(row)));
    timeZone_->setToolTip("World \"standard\" time zone for this FTP server (default is LOCAL)");
    form->addRow("Host:", host_);
    form->addRow("Locale:", locale_);
    form->addRow("Time:", timeZone_);
    layoutOf(advanced)->addLayout(form);
    auto* typeGroup = new QGroupBox("Set Transfer Type at Connect", advanced);
    auto* typeRow = new QHBoxLayout(typeGroup);
    transferType_ = new QButtonGroup(this);
    const char* const types[4][2] = {
        {"None", "No host-specific transfer type setting for this host (default)"},
        {"ASCII (Text)", "Start with \"ASCII\" transfers for this host"},
        {"Image (Binary)", "Start with \"Image\" transfers for this host"},
        {"Smart (Auto)", "Do \"Smart\" (auto-detect) transfers for this host"}};
    for (int i = 0; i < 4; ++i) {
        auto* button = new QRadioButton(types[i][0], typeGroup);
        button->setToolTip(types[i][1]);
        transferType_->addButton(button, i);
        typeRow->addWidget(button);
    }
    layoutOf(advanced)->addWidget(typeGroup);
    noProxy_ = new QCheckBox("No Proxy Required for Host (direct &connect)", advanced);
    noProxy_->setToolTip("Ignore proxy settings and connect directly to this host");
    layoutOf(advanced)->addWidget(noProxy_);
    requireTls_ = new QCheckBox("Require encrypted connection (explicit &TLS, FTPES)", advanced);
    requireTls_->setToolTip(
        "Log in to this host only over TLS; its certificate must verify or be trusted");
    layoutOf(advanced)->addWidget(requireTls_);
    layoutOf(advanced)->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs_);
}

QCheckBox* OptionsPage::addCheck(QWidget* tab, const char* setting, const char* text,
                                 const char* tip) {
    auto* box = new QCheckBox(text, tab);
    box->setObjectName(QString("option") + setting);  // "optionNoUITray"
    box->setToolTip(tip);
    layoutOf(tab)->addWidget(box);
    checks_.emplace_back(setting, box);
    return box;
}

QSpinBox* OptionsPage::addNumber(QHBoxLayout* row, const char* setting, const char* text,
                                 const char* tip, int least, int most) {
    auto* box = new QSpinBox;
    box->setObjectName(QString("option") + setting);  // "optionDownloadLimit"
    box->setRange(least, most);
    box->setToolTip(tip);
    auto* label = new QLabel(text);
    label->setBuddy(box);
    row->addWidget(label);
    row->addWidget(box);
    return box;
}

QCheckBox* OptionsPage::check(const char* setting) const {
    for (const auto& [name, box] : checks_) {
        if (name == setting)
            return box;
    }
    return nullptr;
}

void OptionsPage::activate() {
    editor_.load(selectedSite_ ? selectedSite_() : std::string());
    const OptionsEditor::Values& v = editor_.values();
    for (const OptionsEditor::Flag& flag : OptionsEditor::kFlags)
        check(flag.name)->setChecked(v.*flag.member);
    email_->setText(QString::fromStdString(v.email));
    proxy_->setText(QString::fromStdString(v.proxy));
    proxyType_->setCurrentIndex(v.proxyType);
    simultaneous_->setValue(v.simultaneousTransfers);
    downloadLimit_->setValue(v.downloadLimit);
    uploadLimit_->setValue(v.uploadLimit);
    authName_->setText(QString::fromStdString(v.authName));
    authPassword_->setText(QString::fromStdString(v.authPassword));
    saveProxyPassword_->setChecked(v.saveProxyPassword);
    host_->setText(QString::fromStdString(v.site));
    const int localeRow = locale_->findData(v.locale);
    locale_->setCurrentIndex(localeRow < 0 ? 0 : localeRow);
    timeZone_->setCurrentIndex(TimeZoneTable::rowOfCode(v.timeZone));
    transferType_->button(static_cast<int>(v.transferType & 3))->setChecked(true);
    noProxy_->setChecked(v.noProxy);
    requireTls_->setChecked(v.requireTls);
    const bool site = !v.site.empty();
    for (QWidget* w : {static_cast<QWidget*>(locale_), static_cast<QWidget*>(timeZone_),
                       static_cast<QWidget*>(noProxy_), static_cast<QWidget*>(requireTls_)})
        w->setEnabled(site);
    for (QAbstractButton* button : transferType_->buttons())
        button->setEnabled(site);
    if (firstActivation_) {
        tabs_->setCurrentIndex(0);
        firstActivation_ = false;
    }
}

void OptionsPage::apply() {
    OptionsEditor::Values& v = editor_.values();
    for (const OptionsEditor::Flag& flag : OptionsEditor::kFlags)
        v.*flag.member = check(flag.name)->isChecked();
    v.email = email_->text().toStdString();
    v.proxy = proxy_->text().toStdString();
    v.proxyType = proxyType_->currentIndex();
    v.simultaneousTransfers = simultaneous_->value();
    v.downloadLimit = downloadLimit_->value();
    v.uploadLimit = uploadLimit_->value();
    v.authName = authName_->text().toStdString();
    v.authPassword = authPassword_->text().toStdString();
    v.saveProxyPassword = saveProxyPassword_->isChecked();
    v.locale = locale_->currentData().toUInt();
    v.timeZone = TimeZoneTable::codeOfRow(timeZone_->currentIndex());
    v.transferType = static_cast<uint32_t>(std::max(0, transferType_->checkedId()));
    v.noProxy = noProxy_->isChecked();
    v.requireTls = requireTls_->isChecked();
    editor_.apply();
}

}  // namespace nubo
