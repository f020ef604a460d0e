// The Host page and a real desktop keyring: a private session bus with GNOME Keyring's
// Secret Service, pyftpdlib to log in to, the settings file and `secret-tool` read
// from outside.
//
// Each run of the window is a child process (this binary, running one of the
// DISABLED_KeyringRun scenarios below), as each start of the program is: a process
// keeps its D-Bus connection for life, so a keyring locked, gone or never there must
// meet a fresh process. The parent starts the bus, the keyring and the server, runs
// the children one after the other and looks at what they left behind.
#include <gtest/gtest.h>
#include <unistd.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolTip>
#include <cstdlib>
#include <filesystem>

#include "base/app_log.h"
#include "base/config_store.h"
#include "base/credential_encoding.h"
#include "engine/ftp_url.h"
#include "platform/keyring_password_store.h"
#include "platform/registry_key.h"
#include "sites/host_controller.h"
#include "sites/site_passwords.h"
#include "sites/ui/host_page.h"
#include "sites/ui/qt_diagnostics_sink.h"
#include "tests/gui/gui_test_util.h"
#include "tests/gui/view_input.h"
#include "tests/support/pyftpd_fixture.h"
#include "tests/support/recording_ports.h"
#include "tests/support/secret_service.h"
#include "tests/support/test_home.h"
#include "tests/support/test_util.h"
#include "views/remote_directory_model.h"

namespace nubo {
namespace {

using test::pumpUntil;
using test::PyFtpdServer;

constexpr const char* kSiteVariable = "NUBO_KEYRING_SITE";
// Where a run leaves its screenshots, when set.
constexpr const char* kShotsVariable = "NUBO_KEYRING_SHOTS";

// ---- one start of the window, in a child process ----

std::string xdgDataHome() {
    const char* folder = std::getenv("XDG_DATA_HOME");
    return folder != nullptr ? folder : "/nonexistent";
}

// The window's Host page as WindowRun makes it, over the home and keyring the parent
// set up, with the real keyring store.
class KeyringWindow : public ::testing::Test {
  protected:
    void SetUp() override {
        const char* site = std::getenv(kSiteVariable);
        ASSERT_NE(site, nullptr) << "runs only as a child of HostPageKeyringTest";
        url_ = site;
        siteName_ = FtpUrl(url_, UrlDefaults::standard({})).toString();
        config.SetInt("XAppVersion", 0x02020000);
        config.SetString("EMail", "tester@example.org");
        context.log = &log;
        context.config = &config;
        context.outlets = &outlets;
        context.remoteView = &remoteView;
        context.appKey = &appKey;
        context.dataFolder = dataFolder_;
        context.passwords = &keyring;
        context.poster = [this](std::function<void()> work) {
            QMetaObject::invokeMethod(&postTarget, std::move(work), Qt::QueuedConnection);
        };
        std::filesystem::create_directories(dataFolder_);
        host = std::make_unique<HostController>(context);
        host->startUp();
        page = std::make_unique<HostPage>(*host, sink, false);
        page->show();
    }
    void TearDown() override {
        if (host != nullptr && host->control().sessionActive()) {
            host->control().logoff();
            pumpUntil([&] { return !host->control().sessionActive(); });
        }
        // What the keyring still owes is waited for, as the exit does.
        pumpUntil([&] { return !host->selection().passwords().busy(); });
        page.reset();
        host->shutDown();
        host.reset();
    }

    template <class Widget>
    Widget* named(const char* name) const {
        return page->findChild<Widget*>(name);
    }
    QLineEdit* urlEdit() const { return named<QComboBox>("hostUrl")->lineEdit(); }
    QLineEdit* passwordField() const { return named<QLineEdit>("hostPassword"); }
    static void typeOver(QLineEdit* field, const std::string& text) {
        QTest::mouseClick(field, Qt::LeftButton);
        QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(field, QString::fromStdString(text));
    }
    void click(const char* name) const {
        auto* button = named<QAbstractButton>(name);
        ASSERT_NE(button, nullptr) << name;
        QTest::mouseClick(button, Qt::LeftButton);
    }
    // Picks the site in the URL box's list, as a person does.
    void chooseSite() {
        auto* box = named<QComboBox>("hostUrl");
        const int row = box->findText(QString::fromStdString(siteName_));
        ASSERT_GE(row, 0) << siteName_;
        box->showPopup();
        ASSERT_TRUE(pumpUntil([&] { return box->view()->isVisible(); }));
        test::clickItem(box->view(), row);
        ASSERT_TRUE(pumpUntil([&] { return !box->view()->isVisible(); }));
    }
    // Types the site, alice's name and password, ticks "Save password" and connects.
    void saveAndConnect() {
        typeOver(urlEdit(), url_);
        typeOver(named<QLineEdit>("hostUser"), PyFtpdServer::kUser);
        typeOver(passwordField(), PyFtpdServer::kPassword);
        click("hostSavePassword");
        ASSERT_TRUE(named<QCheckBox>("hostSavePassword")->isChecked());
        click("hostConnect");
        ASSERT_TRUE(pumpUntil([&] { return page->logoffButton()->isEnabled(); })) << logText();
        ASSERT_TRUE(pumpUntil([&] { return !host->selection().passwords().busy(); }));
    }
    QString message() const { return named<QLabel>("hostMessage")->text(); }
    std::string logText() const {
        std::string text;
        for (const std::string& line : log.Lines())
            text += line + "\n";
        return text;
    }
    size_t logCount(const std::string& text) const {
        size_t count = 0;
        for (const std::string& line : log.Lines())
            count += line.find(text) != std::string::npos ? 1 : 0;
        return count;
    }
    SitePasswords::Keyring keyringState() const { return host->selection().passwords().keyring(); }
    // Waits until the keyring has said whether it is there.
    bool keyringKnown() {
        return pumpUntil([&] { return keyringState() != SitePasswords::Keyring::Unknown; });
    }
    void screenshot(QWidget* widget, const std::string& name) const {
        if (const char* folder = std::getenv(kShotsVariable))
            widget->grab().save(QString::fromStdString(std::string(folder) + "/" + name));
    }

    std::string url_;
    std::string siteName_;
    const std::string dataFolder_ = xdgDataHome() + "/Tkwa/Nubo/";
    AppLog log;
    ConfigStore config;
    RegistryKey appKey{RegistryKey::defaultPath()};
    test::RecordingOutlets outlets;
    RemoteDirectoryModel remoteView{log};
    KeyringPasswordStore keyring;
    QObject postTarget;
    QtDiagnosticsSink sink;
    HostController::Context context;
    std::unique_ptr<HostController> host;
    std::unique_ptr<HostPage> page;
};

using DISABLED_KeyringRun = KeyringWindow;

TEST_F(DISABLED_KeyringRun, SavesThePassword) {
    ASSERT_TRUE(keyringKnown());
    EXPECT_EQ(keyringState(), SitePasswords::Keyring::Answers);
    EXPECT_FALSE(named<QLabel>("hostKeyringState")->isVisible());
    saveAndConnect();
    EXPECT_EQ(logCount("*** "), 0u) << logText();
}

TEST_F(DISABLED_KeyringRun, LogsInWithTheSavedPassword) {
    chooseSite();
    // The keyring answers after the pick; the window did not wait for it.
    ASSERT_TRUE(pumpUntil([&] { return !passwordField()->text().isEmpty(); })) << logText();
    EXPECT_EQ(passwordField()->text().toStdString(), PyFtpdServer::kPassword);
    EXPECT_TRUE(named<QCheckBox>("hostSavePassword")->isChecked());
    click("hostConnect");
    ASSERT_TRUE(pumpUntil([&] { return page->logoffButton()->isEnabled(); })) << logText();
    EXPECT_EQ(logCount("... user alice logged in"), 1u);
}

TEST_F(DISABLED_KeyringRun, RemovesTheSite) {
    chooseSite();
    ASSERT_TRUE(pumpUntil([&] { return !passwordField()->text().isEmpty(); })) << logText();
    // Removed only on Yes to its question.
    const test::BoxSeen seen = test::closeNextBox([&] { click("hostRemove"); }, QMessageBox::Yes);
    EXPECT_EQ(seen.objectName, "hostRemoveQuestion");
    EXPECT_EQ(named<QComboBox>("hostUrl")->findText(QString::fromStdString(siteName_)), -1);
    ASSERT_TRUE(pumpUntil([&] { return !host->selection().passwords().busy(); }));
}

TEST_F(DISABLED_KeyringRun, ShowsTheLockedKeyring) {
    chooseSite();
    ASSERT_TRUE(pumpUntil([&] { return message() == "the keyring is locked or unavailable"; }))
        << message().toStdString() << "\n"
        << logText();
    screenshot(page.get(), "host-page-keyring-locked.png");
    // The site still has a saved password; it is only out of reach.
    EXPECT_TRUE(named<QCheckBox>("hostSavePassword")->isChecked());
    EXPECT_TRUE(passwordField()->text().isEmpty());
    click("hostConnect");
    // Asked once more (it may have been unlocked since), the keyring refuses again.
    EXPECT_TRUE(pumpUntil([&] {
        return logCount("*** the keyring is locked or unavailable: type the password") == 1u;
    })) << logText();
    EXPECT_FALSE(host->control().sessionActive());
    EXPECT_EQ(logCount("<USER"), 0u);
}

TEST_F(DISABLED_KeyringRun, FallsBackWithoutAKeyring) {
    ASSERT_TRUE(keyringKnown());
    EXPECT_EQ(keyringState(), SitePasswords::Keyring::Absent);
    auto* state = named<QLabel>("hostKeyringState");
    EXPECT_TRUE(state->isVisible());
    EXPECT_EQ(state->toolTip(), "no keyring: saved scrambled, not encrypted, in the settings file");
    EXPECT_NE(named<QCheckBox>("hostSavePassword")->toolTip().indexOf(state->toolTip()), -1);
    saveAndConnect();
    EXPECT_EQ(logCount("... no keyring: saved scrambled, not encrypted, in the settings file"), 1u)
        << logText();
    screenshot(page.get(), "host-page-no-keyring.png");
    QToolTip::showText(state->mapToGlobal(state->rect().center()), state->toolTip(), state);
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->inherits("QTipLabel") && window->isVisible())
            screenshot(window, "host-page-no-keyring-tooltip.png");
    }
}

TEST_F(DISABLED_KeyringRun, MovesScrambledPasswords) {
    ASSERT_TRUE(keyringKnown());
    EXPECT_EQ(keyringState(), SitePasswords::Keyring::Answers);
    ASSERT_TRUE(pumpUntil([&] { return !host->selection().passwords().busy(); }));
    EXPECT_TRUE(host->selection().sites().inKeyring(siteName_));
}

// ---- the parent: keyring, server, runs and what they leave ----

class HostPageKeyringTest : public ::testing::Test {
  protected:
    void SetUp() override {
        std::string missing;
        if (!test::SecretService::available(&missing))
            GTEST_SKIP() << missing;
        ASSERT_TRUE(server.running()) << server.startError();
        site = server.url();
        siteName = FtpUrl(site, UrlDefaults::standard({})).toString();
    }
    void startKeyring() {
        keyring = std::make_unique<test::SecretService>(home.root(), home.data());
        ASSERT_TRUE(keyring->running()) << keyring->startError();
    }
    // Runs one start of the window; without a keyring there is no session bus at all.
    void runWindow(const char* scenario) {
        std::vector<std::pair<std::string, std::string>> environment = {{kSiteVariable, site}};
        if (keyring != nullptr) {
            for (const auto& variable : keyring->environment())
                environment.push_back(variable);
        } else {
            environment.emplace_back("DBUS_SESSION_BUS_ADDRESS", "");
        }
        if (const char* shots = std::getenv(kShotsVariable))
            environment.emplace_back(kShotsVariable, shots);
        const test::ProgramResult result =
            test::runProgram(home, std::filesystem::read_symlink("/proc/self/exe").string(),
                             {"--gtest_also_run_disabled_tests",
                              std::string("--gtest_filter=DISABLED_KeyringRun.") + scenario},
                             120, false, {}, environment);
        ASSERT_EQ(result.exitCode, 0) << scenario << "\n" << result.outputText << result.errorText;
        // A filter that matched nothing would pass as well.
        ASSERT_NE(result.outputText.find("[  PASSED  ] 1 test."), std::string::npos)
            << result.outputText;
    }
    PasswordKey key() const { return SitePasswords::keyOf(siteName, PyFtpdServer::kUser); }
    std::string inKeyring() const {
        std::string password;
        return keyring->lookup(key(), &password) ? password : "(none)";
    }
    // The password the settings file keeps for the site, and whether it is marked as in
    // the keyring.
    std::pair<std::string, bool> inSettings() const {
        ConfigStore config;
        SiteList sites(RegistryKey(home.settingsFile()), config);
        sites.loadSites();
        std::string user, password;
        EXPECT_TRUE(sites.findCredentials(siteName, &user, &password));
        EXPECT_EQ(user, PyFtpdServer::kUser);
        return {password, sites.inKeyring(siteName)};
    }
    void expectNoPasswordInTheSettingsFile() const {
        EXPECT_EQ(inSettings(), std::pair(std::string(), true));
        const std::string file = test::readFile(home.settingsFile());
        std::string blob;
        ASSERT_TRUE(
            encodeCredentials(&siteName, PyFtpdServer::kUser, PyFtpdServer::kPassword, &blob));
        EXPECT_EQ(file.find(blob), std::string::npos);
        EXPECT_EQ(file.find(PyFtpdServer::kPassword), std::string::npos);
    }

    test::TestHome home;
    PyFtpdServer server;
    std::string site;
    std::string siteName;
    std::unique_ptr<test::SecretService> keyring;
};

TEST_F(HostPageKeyringTest, TheSavedPasswordLivesInTheKeyringAndGoesWithTheSite) {
    startKeyring();
    runWindow("SavesThePassword");
    EXPECT_EQ(inKeyring(), PyFtpdServer::kPassword);
    EXPECT_EQ(key().label(), "NuboPRO: alice@127.0.0.1:" + std::to_string(server.port()));
    expectNoPasswordInTheSettingsFile();

    runWindow("LogsInWithTheSavedPassword");
    runWindow("RemovesTheSite");
    EXPECT_EQ(inKeyring(), "(none)");
}

TEST_F(HostPageKeyringTest, ALockedKeyringIsSaidSoAndNoLoginIsTried) {
    startKeyring();
    runWindow("SavesThePassword");
    ASSERT_TRUE(keyring->lockLogin());
    runWindow("ShowsTheLockedKeyring");
    // The mark stays: a locked keyring is not "no password".
    EXPECT_EQ(inSettings(), std::pair(std::string(), true));
}

TEST_F(HostPageKeyringTest, WithoutABusPasswordsAreScrambledUntilAKeyringAnswers) {
    runWindow("FallsBackWithoutAKeyring");
    EXPECT_EQ(inSettings(), std::pair(std::string(PyFtpdServer::kPassword), false));

    startKeyring();
    runWindow("MovesScrambledPasswords");
    EXPECT_EQ(inKeyring(), PyFtpdServer::kPassword);
    expectNoPasswordInTheSettingsFile();
}

}  // namespace
}  // namespace nubo
