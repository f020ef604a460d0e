// The import/export tool: a round trip through a file, the file's mode, dropped files.
#include "sites/ui/host_exchange_dialog.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include <QCoreApplication>
#include <QDropEvent>
#include <QListWidget>
#include <QMimeData>
#include <QPushButton>
#include <QUrl>

#include "base/app_log.h"
#include "base/config_store.h"
#include "base/credential_encoding.h"
#include "platform/registry_key.h"
#include "sites/site_list.h"
#include "sites/site_passwords.h"
#include "tests/gui/file_dialog_input.h"
#include "tests/gui/gui_test_util.h"
#include "tests/support/fake_password_store.h"
#include "tests/support/test_util.h"

namespace nubo {
namespace {

class HostExchangeDialogTest : public ::testing::Test {
  protected:
    void SetUp() override { config.SetInt("XAppVersion", 0x02020000); }
    std::unique_ptr<SiteList> list(const std::string& file) {
        auto sites = std::make_unique<SiteList>(RegistryKey(temp.path() + "/" + file), config);
        sites->loadSites();
        return sites;
    }
    test::TempFolder temp{"nubo-exchange-dialog"};
    ConfigStore config;
};

TEST_F(HostExchangeDialogTest, AnExportReimportedGivesTheSameSitesInAFileOnlyTheOwnerReads) {
    auto source = list("source.conf");
    source->storeSite("ftp://private.example.org/", "user", "secret", 0x12345);
    HostExchangeDialog dialog(*source);
    const std::string file = temp.path() + "/sites.txt";
    dialog.setFileDialogRunner([&](QFileDialog& chooser) {
        EXPECT_EQ(chooser.acceptMode(), QFileDialog::AcceptSave);
        return test::answerWith(QString::fromStdString(file))(chooser);
    });
    dialog.exportToFile();
    EXPECT_EQ(dialog.status().toStdString(),
              std::to_string(source->siteNames().size()) + " entries written to file");
    struct stat st {};
    ASSERT_EQ(stat(file.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0600u);

    auto target = list("target.conf");
    for (const std::string& name : target->siteNames())
        target->deleteSite(name);
    ASSERT_TRUE(target->siteNames().empty());
    HostExchangeDialog importer(*target);
    std::vector<std::string> added;
    importer.setAddedHandler([&](const std::vector<std::string>& names) { added = names; });
    importer.setFileDialogRunner([&](QFileDialog& chooser) {
        EXPECT_EQ(chooser.acceptMode(), QFileDialog::AcceptOpen);
        return test::answerWith(QString::fromStdString(file))(chooser);
    });
    importer.importFromFile();
    EXPECT_EQ(target->siteNames(), source->siteNames());
    EXPECT_EQ(target->storedBlob("ftp://private.example.org/"),
              source->storedBlob("ftp://private.example.org/"));
    EXPECT_EQ(target->settingsWord("ftp://private.example.org/"), 0x12345u);
    EXPECT_EQ(added.size(), source->siteNames().size());
    EXPECT_EQ(importer.list()->count(), static_cast<int>(source->siteNames().size()));
}

// A password kept in the keyring travels in the export as every other does; the dialog
// stays live while the keyring is read.
TEST_F(HostExchangeDialogTest, AnExportReadsTheKeyringsPasswordsFirst) {
    auto sites = list("keyring.conf");
    const std::string site = "ftp://private.example.org";
    QObject postTarget;
    test::FakePasswordStore keyring([&](std::function<void()> work) {
        QMetaObject::invokeMethod(&postTarget, std::move(work), Qt::QueuedConnection);
    });
    AppLog log;
    {
        SitePasswords saving(*sites, log, &keyring);
        saving.save(site, "user", "secret");
        ASSERT_TRUE(test::pumpUntil([&] { return !saving.busy(); }));
    }
    ASSERT_TRUE(sites->inKeyring(site));
    const std::string entries = std::to_string(sites->siteNames().size()) + " entries";

    SitePasswords passwords(*sites, log, &keyring);  // a later run: nothing read yet
    const std::string file = temp.path() + "/sites.txt";
    HostExchangeDialog dialog(*sites, &passwords);
    dialog.setFileDialogRunner(test::answerWith(QString::fromStdString(file)));
    keyring.hold();
    dialog.exportToFile();
    EXPECT_FALSE(std::filesystem::exists(file));  // not before the keyring answers
    EXPECT_EQ(dialog.status(), "Reading passwords from the keyring...");
    keyring.release();
    ASSERT_TRUE(test::pumpUntil([&] { return std::filesystem::exists(file); }));
    EXPECT_EQ(dialog.status().toStdString(), entries + " written to file");
    // Another installation reads the password from it.
    auto other = list("other.conf");
    std::string status, user, password;
    HostExchange(*other).importFromFile(file, &status);
    EXPECT_TRUE(other->findCredentials(site, &user, &password)) << status;
    EXPECT_EQ(user + ":" + password, "user:secret");

    // A locked keyring: the sites go without the password, and the status says so.
    keyring.setState(test::FakePasswordStore::State::Locked);
    SitePasswords locked(*sites, log, &keyring);
    HostExchangeDialog lockedDialog(*sites, &locked);
    const std::string lockedFile = temp.path() + "/locked.txt";
    lockedDialog.setFileDialogRunner(test::answerWith(QString::fromStdString(lockedFile)));
    lockedDialog.exportToFile();
    ASSERT_TRUE(test::pumpUntil([&] { return std::filesystem::exists(lockedFile); }));
    EXPECT_EQ(lockedDialog.status().toStdString(),
              entries +
                  " written to file; 1 without password (the keyring is locked or "
                  "unavailable)");
}

TEST_F(HostExchangeDialogTest, TwoDroppedFilesAreBothImported) {
    auto one = list("one.conf");
    auto two = list("two.conf");
    one->storeSite("ftp://first.example/", "", "", 0);
    two->storeSite("ftp://second.example/", "", "", 0);
    std::string status;
    HostExchange(*one).exportToFile(temp.path() + "/one.txt", {"ftp://first.example/"}, &status);
    HostExchange(*two).exportToFile(temp.path() + "/two.txt", {"ftp://second.example/"}, &status);

    auto target = list("target.conf");
    HostExchangeDialog dialog(*target);
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(QString::fromStdString(temp.path() + "/one.txt")),
                  QUrl::fromLocalFile(QString::fromStdString(temp.path() + "/two.txt"))});
    // As a file manager's drop arrives: enter, then drop.
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&dialog, &enter);
    ASSERT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&dialog, &drop);
    EXPECT_TRUE(target->hasSite("ftp://first.example/"));
    EXPECT_TRUE(target->hasSite("ftp://second.example/"));
    EXPECT_EQ(dialog.status(), "1 entries imported");
}

TEST_F(HostExchangeDialogTest, ExportAsksBeforeReplacingTheFileItsSuffixNames) {
    auto sites = list("sites.conf");
    sites->storeSite("ftp://private.example.org/", "user", "secret", 0);
    const std::string existing = temp.path() + "/my-sites.txt";
    test::writeFile(existing, "KEEP ME");
    HostExchangeDialog dialog(*sites);
    auto* exportButton = dialog.findChild<QPushButton*>("exportButton");
    ASSERT_NE(exportButton, nullptr);
    // Qt takes a typed name that is a folder of the working directory for that folder:
    // these names are not.
    const QString folder = QString::fromStdString(temp.path());

    // "my-sites" typed: the dialog names my-sites.txt, asks, and No keeps it.
    test::FileDialogInput refuse(folder, "my-sites", QMessageBox::No);
    dialog.setFileDialogRunner(refuse.runner());
    exportButton->click();
    ASSERT_EQ(refuse.questions.size(), 1) << test::readFile(existing);
    EXPECT_TRUE(refuse.questions[0].contains("my-sites.txt")) << refuse.questions[0].toStdString();
    EXPECT_EQ(test::readFile(existing), "KEEP ME");
    // The desktop's dialog might ask about the name as typed, without the suffix.
    EXPECT_FALSE(refuse.nativeAllowed);

    // Yes replaces that file, and no other name is made.
    test::FileDialogInput replace(folder, "my-sites", QMessageBox::Yes);
    dialog.setFileDialogRunner(replace.runner());
    exportButton->click();
    EXPECT_EQ(replace.questions.size(), 1);
    EXPECT_EQ(test::readFile(existing).rfind("[NuboEx]", 0), 0u) << test::readFile(existing);
    EXPECT_FALSE(std::filesystem::exists(existing + ".txt"));
    EXPECT_FALSE(std::filesystem::exists(temp.path() + "/my-sites"));

    // A new name is written without a question, with the suffix.
    test::FileDialogInput fresh(folder, "fresh", QMessageBox::No);
    dialog.setFileDialogRunner(fresh.runner());
    exportButton->click();
    EXPECT_TRUE(fresh.questions.isEmpty());
    EXPECT_EQ(test::readFile(temp.path() + "/fresh.txt").rfind("[NuboEx]", 0), 0u);
}

}  // namespace
}  // namespace nubo
