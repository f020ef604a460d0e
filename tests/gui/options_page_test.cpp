// The Options page over the store and the site list.
#include "shell/ui/options_page.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTabBar>
#include <QTabWidget>

#include <QTest>

#include "base/config_store.h"
#include "platform/program_path.h"
#include "platform/registry_key.h"
#include "setup/uninstall_advice.h"
#include "setup/uninstall_record.h"
#include "sites/site_list.h"
#include "sites/time_zone_table.h"
#include "tests/gui/view_input.h"
#include "tests/support/test_util.h"

namespace nubo {
namespace {

class OptionsPageTest : public ::testing::Test {
  protected:
    void SetUp() override {
        config.SetInt("XAppVersion", 0x02020000);
        sites.loadSites();
        sites.storeSite(site, "", "", 0);
    }
    // The page shown from the store, its File Transfers tab clicked as a user clicks it;
    // the number box of a setting there, visible.
    QSpinBox* transfersBox(const char* setting) {
        page.activate();
        if (!test::showActive(&page))
            return nullptr;
        QTabBar* bar = page.tabs()->tabBar();
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(2).center());
        auto* box = page.findChild<QSpinBox*>(QString("option") + setting);
        return page.tabs()->currentIndex() == 2 && box != nullptr && box->isVisible() ? box
                                                                                      : nullptr;
    }
    // Typed as a user types: the box's text selected, a new number over it.
    static void typeInto(QSpinBox* box, const char* text) {
        box->setFocus();
        QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(box, text);
    }
    test::TempFolder temp{"nubo-optionspage"};
    ConfigStore config;
    SiteList sites{RegistryKey(temp.path() + "/Nubo.conf"), config};
    const std::string site = "ftp://files.example.org/";
    std::string selected;
    OptionsPage page{config, sites, [this] { return selected; }};
};

TEST_F(OptionsPageTest, ControlsShowTheStoreAndLeavingStoresThem) {
    config.SetInt("Passive", 1);
    config.SetString("EMail", "first@example.org");
    page.activate();
    EXPECT_EQ(page.tabs()->count(), 4);
    EXPECT_EQ(page.tabs()->tabText(3), "Advanced");
    EXPECT_TRUE(page.check("Passive")->isChecked());
    EXPECT_EQ(page.emailEdit()->text(), "first@example.org");
    // Without a site the Advanced tab shows the defaults and edits nothing.
    EXPECT_EQ(page.hostEdit()->text(), "");
    EXPECT_FALSE(page.timeZoneBox()->isEnabled());
    page.check("Passive")->setChecked(false);
    page.emailEdit()->setText("second@example.org");
    page.proxyTypeBox()->setCurrentIndex(2);
    page.apply();
    EXPECT_EQ(config.GetInt("Passive"), 0);
    EXPECT_EQ(config.GetString("EMail"), "second@example.org");
    EXPECT_EQ(config.GetInt("ProxyType"), 2);
    EXPECT_EQ(sites.settingsWord(site), 0u);
}

TEST_F(OptionsPageTest, SimultaneousTransfersAreTypedOnTheFileTransfersTabWithinOneToTen) {
    config.SetInt("SimultaneousTransfers", 3);
    QSpinBox* box = transfersBox("SimultaneousTransfers");
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->value(), 3);
    QTest::mouseDClick(box->findChild<QLineEdit*>(), Qt::LeftButton);
    typeInto(box, "25");  // beyond the range: the box keeps what it can take
    page.apply();
    EXPECT_GE(config.GetInt("SimultaneousTransfers"), 1);
    EXPECT_LE(config.GetInt("SimultaneousTransfers"), 10);
    typeInto(box, "7");
    page.apply();
    EXPECT_EQ(config.GetInt("SimultaneousTransfers"), 7);
}

TEST_F(OptionsPageTest, SpeedLimitsAreTypedInKilobytesBesideTheTransfersAndZeroIsOff) {
    config.SetInt("UploadLimit", 300);
    QSpinBox* download = transfersBox("DownloadLimit");
    QSpinBox* upload = transfersBox("UploadLimit");
    ASSERT_NE(download, nullptr);
    ASSERT_NE(upload, nullptr);
    // Off by default, shown as such; a limit with its unit.
    EXPECT_EQ(download->text(), "Off");
    EXPECT_EQ(upload->text(), "300 KB/s");
    QTest::mouseDClick(download->findChild<QLineEdit*>(), Qt::LeftButton);
    typeInto(download, "512");
    typeInto(upload, "0");  // lowered to nothing with the keys: off again
    page.apply();
    EXPECT_EQ(config.GetInt("DownloadLimit"), 512);
    EXPECT_EQ(config.GetInt("UploadLimit"), 0);
    // Shown again as stored.
    config.SetInt("UploadLimit", 64);
    page.activate();
    EXPECT_EQ(download->value(), 512);
    EXPECT_EQ(upload->text(), "64 KB/s");
}

TEST_F(OptionsPageTest, TheAdvancedTabEditsTheSelectedSite) {
    selected = site;
    page.activate();
    EXPECT_EQ(page.hostEdit()->text().toStdString(), site);
    ASSERT_TRUE(page.timeZoneBox()->isEnabled());
    const int row = page.timeZoneBox()->findText("Katmandu", Qt::MatchContains);
    ASSERT_GT(row, 0);
    page.timeZoneBox()->setCurrentIndex(row);
    EXPECT_FALSE(page.requireTlsBox()->isChecked());
    page.requireTlsBox()->setChecked(true);
    page.apply();
    EXPECT_EQ(sites.settingsWord(site) >> 19 & 0x7F, 87u);
    EXPECT_TRUE(sites.requiresTls(site));
    page.activate();  // shown again from the site list
    EXPECT_EQ(page.timeZoneBox()->currentIndex(), row);
    EXPECT_TRUE(page.requireTlsBox()->isChecked());
}

TEST_F(OptionsPageTest, TheButtonsAskTheirOwners) {
    QSignalSpy uninstall(&page, &OptionsPage::uninstallRequested);
    QSignalSpy reload(&page, &OptionsPage::reloadDefaultSitesRequested);
    QStringList notices;
    page.setNotice([&notices](const QString& text) { notices << text; });
    UninstallRecord record;
    record.program = "/opt/nubo/bin/nubopro";  // another copy's record
    record.arguments = {"-rv", "1", "-rf", "/opt/nubo"};
    config.SetString("AppData", temp.path() + "/");
    ASSERT_TRUE(record.save(temp.path() + "/"));
    page.findChild<QPushButton*>("uninstallButton")->click();
    EXPECT_EQ(uninstall.count(), 0);
    ASSERT_EQ(notices.size(), 1);
    EXPECT_TRUE(notices[0].contains("another copy")) << notices[0].toStdString();
    record.program = programPath();  // this copy's
    ASSERT_TRUE(record.save(temp.path() + "/"));
    page.findChild<QPushButton*>("uninstallButton")->click();
    page.findChild<QPushButton*>("reloadSitesButton")->click();
    EXPECT_EQ(uninstall.count(), 1);
    EXPECT_EQ(reload.count(), 1);
}

// A copy without an uninstall record (a package, or never installed by "-i") does not
// quit as if it had uninstalled itself: the page says how to remove it.
TEST_F(OptionsPageTest, UninstallWithoutARecordExplainsAndDoesNotQuit) {
    QSignalSpy uninstall(&page, &OptionsPage::uninstallRequested);
    QStringList notices;
    page.setNotice([&notices](const QString& text) { notices << text; });
    config.SetString("AppData", temp.path() + "/");
    QTest::mouseClick(page.findChild<QPushButton*>("uninstallButton"), Qt::LeftButton);
    EXPECT_EQ(uninstall.count(), 0);
    ASSERT_EQ(notices.size(), 1);
    EXPECT_TRUE(notices[0].contains("nubopro -i")) << notices[0].toStdString();
    EXPECT_NE(UninstallAdvice::withoutRecord("/usr/bin/nubopro").find("sudo apt remove nubopro"),
              std::string::npos);
}

}  // namespace
}  // namespace nubo
