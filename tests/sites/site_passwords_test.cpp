// Saved passwords and the keyring, through the Host page's logic: a keyring in memory
// in each of its states, a real pyftpdlib server to log in to, and the settings file
// read back from disk.
#include "sites/site_passwords.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "base/config_store.h"
#include "base/credential_encoding.h"
#include "base/post_queue.h"
#include "sites/host_controller.h"
#include "sites/host_exchange.h"
#include "tests/support/fake_password_store.h"
#include "tests/support/pyftpd_fixture.h"
#include "tests/support/session_harness.h"
#include "tests/support/test_home.h"
#include "tests/support/test_util.h"

namespace nubo {
namespace {

using test::FakePasswordStore;
using test::PyFtpdServer;
using State = FakePasswordStore::State;

class SitePasswordsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(server.running()) << server.startError();
        std::filesystem::create_directories(home.appData());
    }
    void TearDown() override { stop(); }

    // A run of the window's Host page logic over the settings file.
    HostController& start() {
        stop();
        appKey = std::make_unique<RegistryKey>(home.settingsFile());
        HostController::Context context;
        context.log = &harness.log;
        context.config = &harness.config;
        context.outlets = &harness.outlets;
        context.remoteView = &harness.remoteView;
        context.appKey = appKey.get();
        context.dataFolder = home.appData();
        context.poster = [this](std::function<void()> work) { queue.post(work); };
        context.passwords = &keyring;
        host = std::make_unique<HostController>(context);
        host->startUp();
        pump();
        return *host;
    }
    void stop() {
        if (host == nullptr)
            return;
        if (host->control().sessionActive()) {
            host->control().logoff();
            pumpUntil([&] { return !host->control().sessionActive(); });
        }
        host->shutDown();
        host.reset();
        appKey.reset();
    }
    void pump() { queue.runPending(); }
    bool pumpUntil(const std::function<bool()>& condition) {
        return test::waitFor([&] {
            queue.runPending();
            return condition();
        });
    }
    bool loggedIn() {
        return pumpUntil([&] { return host->control().logoffEnabled(); });
    }
    void logOff() {
        host->control().logoff();
        ASSERT_TRUE(pumpUntil([&] { return !host->control().sessionActive(); }));
    }
    std::string site(const std::string& path = "/") const { return server.url(path); }
    // Types the URL and the credentials as the user would, and connects.
    bool connectWith(const std::string& url, const std::string& password, bool save) {
        SiteSelection& selection = host->selection();
        selection.setUrlText(url);
        selection.acceptTypedUrl();
        selection.setUserName(PyFtpdServer::kUser);
        selection.setPassword(password);
        selection.setSavePassword(save);
        return host->control().connect();
    }
    // A login to url with the password saved, then Logoff; the site's URL as stored.
    std::string savedLoginThenLogOff(const std::string& url) {
        EXPECT_TRUE(connectWith(url, PyFtpdServer::kPassword, true));
        EXPECT_TRUE(loggedIn());
        const std::string stored = host->selection().urlText();
        logOff();
        return stored;
    }
    void select(const std::string& name) {
        const auto& box = host->selection().urlBox();
        const auto found = std::find(box.begin(), box.end(), name);
        ASSERT_NE(found, box.end()) << name;
        host->selection().selectSite(static_cast<int>(found - box.begin()));
    }
    PasswordKey key(const std::string& name) const {
        return SitePasswords::keyOf(name, PyFtpdServer::kUser);
    }
    std::string itemOf(const std::string& name) const {
        std::string password;
        return keyring.item(key(name), &password) ? password : "(none)";
    }
    // The password the settings file holds for a site, as a later run reads it.
    std::string storedPassword(const std::string& name, bool* marked = nullptr) {
        ConfigStore config;
        SiteList sites(RegistryKey(home.settingsFile()), config);
        sites.loadSites();
        std::string user, password;
        EXPECT_TRUE(sites.findCredentials(name, &user, &password)) << name;
        if (marked != nullptr)
            *marked = sites.inKeyring(name);
        return password;
    }
    size_t countCalls(const std::string& start) const {
        return std::count_if(keyring.calls().begin(), keyring.calls().end(),
                             [&](const std::string& call) { return call.rfind(start, 0) == 0; });
    }
    size_t logCount(const std::string& text) const {
        size_t count = 0;
        for (const std::string& line : harness.log.Lines())
            count += line.find(text) != std::string::npos ? 1 : 0;
        return count;
    }

    test::TestHome home;
    PyFtpdServer server;
    test::SessionHarness harness;
    PostQueue queue;
    FakePasswordStore keyring{[this](std::function<void()> work) { queue.post(work); }};
    std::unique_ptr<RegistryKey> appKey;
    std::unique_ptr<HostController> host;
};

TEST_F(SitePasswordsTest, ASavedPasswordIsInTheKeyringAndTheNextRunLogsInWithIt) {
    start();
    ASSERT_TRUE(connectWith(site(), PyFtpdServer::kPassword, true));
    ASSERT_TRUE(loggedIn()) << harness.logText();
    const std::string name = host->selection().urlText();
    pump();
    EXPECT_EQ(itemOf(name), PyFtpdServer::kPassword);
    EXPECT_EQ(key(name).label(), "NuboPRO: alice@127.0.0.1:" + std::to_string(server.port()));
    // The settings file holds the user and the mark, and neither the password nor its
    // scrambled form.
    bool marked = false;
    EXPECT_EQ(storedPassword(name, &marked), "");
    EXPECT_TRUE(marked);
    std::string blob;
    ASSERT_TRUE(encodeCredentials(&name, PyFtpdServer::kUser, PyFtpdServer::kPassword, &blob));
    const std::string file = test::readFile(home.settingsFile());
    EXPECT_EQ(file.find(blob), std::string::npos);
    EXPECT_EQ(file.find(PyFtpdServer::kPassword), std::string::npos);
    logOff();

    // A new run: picking the site reads the keyring, and Connect logs in with it.
    start();
    select(name);
    EXPECT_TRUE(host->selection().savePassword());
    pump();
    EXPECT_EQ(host->selection().password(), PyFtpdServer::kPassword);
    ASSERT_TRUE(host->control().connect());
    ASSERT_TRUE(loggedIn()) << harness.logText();
    EXPECT_EQ(logCount("... user alice logged in"), 2u);
    // Nothing changed: nothing was written again.
    EXPECT_EQ(countCalls("write alice@"), 1u);
}

TEST_F(SitePasswordsTest, AConnectWaitsForTheKeyringsAnswer) {
    start();
    ASSERT_TRUE(connectWith(site(), PyFtpdServer::kPassword, true));
    ASSERT_TRUE(loggedIn());
    const std::string name = host->selection().urlText();
    logOff();

    keyring.hold();  // from the start: the run knows no password yet
    start();
    select(name);
    EXPECT_TRUE(host->selection().passwordPending());
    EXPECT_EQ(host->selection().password(), "");
    // No login without the password, and none refused: the connect follows the answer.
    EXPECT_TRUE(host->control().connect());
    pump();
    EXPECT_FALSE(host->control().sessionActive());
    keyring.release();
    ASSERT_TRUE(loggedIn()) << harness.logText();
    EXPECT_EQ(logCount("... user alice logged in"), 2u);

    // An answer for a site no longer shown is not taken for the one that is.
    logOff();
    keyring.hold();
    start();
    select(name);
    host->selection().setUrlText(site("/other"));
    host->selection().acceptTypedUrl();
    keyring.release();
    pump();
    EXPECT_EQ(host->selection().password(), "");
    EXPECT_FALSE(host->selection().passwordPending());
}

TEST_F(SitePasswordsTest, ALockedKeyringIsNotNoPassword) {
    start();
    ASSERT_TRUE(connectWith(site(), PyFtpdServer::kPassword, true));
    ASSERT_TRUE(loggedIn());
    const std::string name = host->selection().urlText();
    logOff();

    keyring.setState(State::Locked);
    start();
    select(name);
    pump();
    EXPECT_EQ(host->selection().keyringMessage(), "the keyring is locked or unavailable");
    EXPECT_TRUE(host->selection().savePassword());
    EXPECT_EQ(host->selection().password(), "");
    // Connect asks the keyring once more, then says why and logs in with nothing.
    host->control().connect();
    pump();
    EXPECT_FALSE(host->control().sessionActive());
    EXPECT_GE(logCount("*** the keyring is locked or unavailable"), 1u) << harness.logText();
    EXPECT_EQ(logCount("<USER"), 1u);  // the first run's only
    bool marked = false;
    EXPECT_EQ(storedPassword(name, &marked), "");
    EXPECT_TRUE(marked);

    // A password typed in its place logs in; the locked keyring does not take it, and
    // the site keeps its mark.
    host->selection().setPassword(PyFtpdServer::kPassword);
    EXPECT_EQ(host->selection().keyringMessage(), "");
    ASSERT_TRUE(host->control().connect());
    ASSERT_TRUE(loggedIn()) << harness.logText();
    EXPECT_EQ(logCount("the password of " + name + " was not saved"), 1u) << harness.logText();
    EXPECT_EQ(storedPassword(name, &marked), "");
    EXPECT_TRUE(marked);
    EXPECT_EQ(countCalls("remove"), 0u);
}

TEST_F(SitePasswordsTest, AKeyringUnlockedAfterItRefusedGivesThePasswordAtConnect) {
    start();
    const std::string name = savedLoginThenLogOff(site());
    keyring.setState(State::Locked);
    start();
    select(name);
    pump();
    EXPECT_EQ(host->selection().keyringMessage(), "the keyring is locked or unavailable");
    // Unlocked outside: Connect alone logs in, without picking the site again.
    keyring.setState(State::Answers);
    ASSERT_TRUE(host->control().connect());
    ASSERT_TRUE(loggedIn()) << harness.logText();
    EXPECT_EQ(logCount("... user alice logged in"), 2u);
}

TEST_F(SitePasswordsTest, AMistypedPasswordNeverReplacesTheSavedOne) {
    start();
    const std::string name = savedLoginThenLogOff(site());
    ASSERT_EQ(itemOf(name), PyFtpdServer::kPassword);
    // The login with a wrong password fails: the saved one stays.
    select(name);
    pump();
    host->selection().setPassword("wrongpass");
    ASSERT_TRUE(host->control().connect());
    ASSERT_TRUE(pumpUntil([&] { return !host->control().sessionActive(); }));
    pump();
    EXPECT_EQ(itemOf(name), PyFtpdServer::kPassword) << harness.logText();
    EXPECT_EQ(countCalls("write alice@"), 1u);
}

TEST_F(SitePasswordsTest, WithoutAKeyringPasswordsAreScrambledAndThatIsSaidOnce) {
    keyring.setState(State::Absent);
    start();
    EXPECT_EQ(host->selection().passwords().keyring(), SitePasswords::Keyring::Absent);
    const std::string first = savedLoginThenLogOff(site("/a"));
    const std::string second = savedLoginThenLogOff(site("/b"));
    bool marked = true;
    EXPECT_EQ(storedPassword(first, &marked), PyFtpdServer::kPassword);
    EXPECT_FALSE(marked);
    EXPECT_EQ(storedPassword(second), PyFtpdServer::kPassword);
    EXPECT_EQ(logCount(SitePasswords::kScrambledNote), 1u) << harness.logText();
    EXPECT_EQ(keyring.itemCount(), 0u);

    // The first run a keyring answers in, they move into it; the sites without a saved
    // password (the default ones) have nothing to move.
    keyring.setState(State::Answers);
    start();
    EXPECT_EQ(host->selection().passwords().keyring(), SitePasswords::Keyring::Answers);
    EXPECT_EQ(itemOf(first), PyFtpdServer::kPassword);
    EXPECT_EQ(storedPassword(first, &marked), "");
    EXPECT_TRUE(marked);
    EXPECT_EQ(storedPassword(second, &marked), "");
    EXPECT_TRUE(marked);
    EXPECT_EQ(keyring.itemCount(), 1u);  // both sites name one server and user
    EXPECT_EQ(countCalls("write"), 2u);
}

TEST_F(SitePasswordsTest, AWriteThatFindsNoKeyringFallsBackToTheScrambledForm) {
    start();  // the keyring answered at start-up, and is gone by the save
    keyring.setState(State::Absent);
    ASSERT_TRUE(connectWith(site(), PyFtpdServer::kPassword, true));
    ASSERT_TRUE(loggedIn());
    const std::string name = host->selection().urlText();
    pump();
    bool marked = true;
    EXPECT_EQ(storedPassword(name, &marked), PyFtpdServer::kPassword);
    EXPECT_FALSE(marked);
    EXPECT_EQ(logCount(SitePasswords::kScrambledNote), 1u);
}

TEST_F(SitePasswordsTest, AnItemGoesWithTheLastSiteThatUsesIt) {
    start();
    const std::string first = savedLoginThenLogOff(site("/a"));
    const std::string second = savedLoginThenLogOff(site("/b"));
    ASSERT_EQ(keyring.itemCount(), 1u);

    select(first);
    host->selection().removeSite();
    pump();
    EXPECT_EQ(itemOf(second), PyFtpdServer::kPassword);  // the other site's folder keeps it
    EXPECT_EQ(countCalls("remove"), 0u);
    select(second);
    host->selection().removeSite();
    pump();
    EXPECT_EQ(keyring.itemCount(), 0u);
    EXPECT_EQ(countCalls("remove"), 1u);

    // "Save password" unticked: the item goes as well, and the mark with it.
    const std::string third = savedLoginThenLogOff(site("/c"));
    ASSERT_EQ(keyring.itemCount(), 1u);
    select(third);
    pump();
    host->selection().setSavePassword(false);
    ASSERT_TRUE(host->control().connect());
    ASSERT_TRUE(loggedIn());
    pump();
    EXPECT_EQ(keyring.itemCount(), 0u);
    bool marked = true;
    EXPECT_EQ(storedPassword(third, &marked), "");
    EXPECT_FALSE(marked);
}

TEST_F(SitePasswordsTest, ACloneForAnotherServerGetsAnItemOfItsOwn) {
    start();
    ASSERT_TRUE(connectWith(site(), PyFtpdServer::kPassword, true));
    ASSERT_TRUE(loggedIn());
    const std::string name = host->selection().urlText();
    logOff();
    select(name);
    pump();
    host->selection().cloneSite();
    host->selection().setUrlText("ftp://localhost:" + std::to_string(server.port()) + "/");
    host->selection().acceptTypedUrl();
    const std::string copy = host->selection().urlText();
    ASSERT_NE(copy, name);
    pump();
    EXPECT_TRUE(host->selection().sites().inKeyring(copy));
    EXPECT_EQ(itemOf(copy), PyFtpdServer::kPassword);
    EXPECT_EQ(itemOf(name), PyFtpdServer::kPassword);
    EXPECT_EQ(keyring.itemCount(), 2u);
}

TEST_F(SitePasswordsTest, AnExportCarriesTheKeyringsPasswordScrambled) {
    start();
    ASSERT_TRUE(connectWith(site(), PyFtpdServer::kPassword, true));
    ASSERT_TRUE(loggedIn());
    const std::string name = host->selection().urlText();
    logOff();
    start();  // a new run: the password is not known until the keyring is read

    const auto exported = [&] {
        std::string text;
        int missing = -1;
        host->selection().passwords().gather(
            {name}, [&](const HostExchange::Passwords& passwords, int notGiven) {
                text = HostExchange(host->selection().sites()).exportText({name}, passwords);
                missing = notGiven;
            });
        EXPECT_TRUE(pumpUntil([&] { return missing >= 0; }));
        // Read by another installation.
        test::TempFolder other("nubo-import");
        ConfigStore config;
        SiteList sites(RegistryKey(other.path() + "/Nubo.conf"), config);
        std::string status;
        EXPECT_EQ(HostExchange(sites).importText(text, &status), 1) << status;
        std::string user, password;
        EXPECT_TRUE(sites.findCredentials(name, &user, &password));
        EXPECT_EQ(user, PyFtpdServer::kUser);
        return std::pair(password, missing);
    };
    EXPECT_EQ(exported(), std::pair(std::string(PyFtpdServer::kPassword), 0));
    keyring.setState(State::Locked);
    start();
    EXPECT_EQ(exported(), std::pair(std::string(), 1));
}

}  // namespace
}  // namespace nubo
