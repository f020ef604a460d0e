// The Host page against a real pyftpdlib server, offscreen, in both layouts.
#include "sites/ui/host_page.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTreeWidget>

#include "base/app_log.h"
#include "base/config_store.h"
#include "platform/registry_key.h"
#include "sites/ui/qt_diagnostics_sink.h"
#include "tests/gui/gui_test_util.h"
#include "tests/support/pyftpd_fixture.h"
#include "tests/support/recording_ports.h"
#include "tests/support/test_home.h"
#include "tests/support/test_util.h"
#include "views/remote_directory_model.h"

namespace nubo {
namespace {

using test::pumpUntil;

class HostPageTest : public ::testing::TestWithParam<bool> {
  protected:
    void SetUp() override {
        ASSERT_TRUE(server.running()) << server.startError();
        config.SetInt("XAppVersion", 0x02020000);
        config.SetInt("Classic", GetParam() ? 1 : 0);
        context.log = &log;
        context.config = &config;
        context.outlets = &outlets;
        context.remoteView = &remoteView;
        context.appKey = &appKey;
        context.dataFolder = home.appData();
        context.diagnosticsSink = &sink;
        context.poster = [this](std::function<void()> work) {
            QMetaObject::invokeMethod(&postTarget, std::move(work), Qt::QueuedConnection);
        };
        test::writeFile(server.root() + "/hello.txt", "hello");
        host = std::make_unique<HostController>(context);
        host->startUp();
        page = std::make_unique<HostPage>(*host, sink, GetParam());
        page->show();
    }
    void TearDown() override {
        if (host != nullptr && host->sessionActive()) {
            host->logoff();
            pumpUntil([&] { return !host->sessionActive(); });
        }
        page.reset();
        if (host != nullptr)
            host->shutDown();
    }

    test::TestHome home;
    test::PyFtpdServer server;
    AppLog log;
    ConfigStore config;
    RegistryKey appKey{home.settingsFile()};
    test::RecordingOutlets outlets;
    RemoteDirectoryModel remoteView{log};
    QtDiagnosticsSink sink;
    QObject postTarget;
    HostController::Context context;
    std::unique_ptr<HostController> host;
    std::unique_ptr<HostPage> page;
};

TEST_P(HostPageTest, EnterInTheUrlBoxConnectsAndLogoffEnds) {
    EXPECT_TRUE(page->connectButton()->isEnabled());
    EXPECT_FALSE(page->logoffButton()->isEnabled());
    page->urlBox()->setFocus();
    page->urlBox()->lineEdit()->setText(QString::fromStdString(server.url("/", true)));
    emit page->urlBox()->lineEdit()->textEdited(page->urlBox()->lineEdit()->text());
    QTest::keyClick(page->urlBox()->lineEdit(), Qt::Key_Return);
    ASSERT_TRUE(pumpUntil([&] { return page->logoffButton()->isEnabled(); })) << log.Lines().back();
    EXPECT_FALSE(page->connectButton()->isEnabled());
    EXPECT_TRUE(page->connectedToEdit()->text().startsWith("127.0.0.1 [127.0.0.1:"))
        << page->connectedToEdit()->text().toStdString();
    page->logoffButton()->click();
    ASSERT_TRUE(pumpUntil([&] { return page->connectButton()->isEnabled(); }));
    EXPECT_FALSE(page->logoffButton()->isEnabled());
    EXPECT_EQ(page->connectedToEdit()->text(), "");
}

TEST_P(HostPageTest, AProxyTakesPingAndTraceAwayAndBack) {
    // The large layout drops its two tabs, the classic one disables "&Ping".
    const auto offered = [&] {
        if (page->innerTabs() != nullptr)
            return page->innerTabs()->count() == 3;
        for (QPushButton* button : page->findChildren<QPushButton*>()) {
            if (button->text() == "&Ping")
                return button->isEnabled();
        }
        return false;
    };
    ASSERT_TRUE(offered()) << "no ICMP here";
    config.SetInt("ProxyType", 1);
    page->hostStateChanged();
    EXPECT_FALSE(offered());
    config.SetInt("ProxyType", 0);
    page->hostStateChanged();
    EXPECT_TRUE(offered());
}

TEST_P(HostPageTest, CredentialsAreLimitedInBytesNotLetters) {
    // 40 two-byte letters are 80 bytes: cut to the 31 letters that fit 63 bytes.
    page->userEdit()->setText(QString(40, QChar(0x00e9)));
    emit page->userEdit()->textEdited(page->userEdit()->text());  // as typing does
    EXPECT_LE(page->userEdit()->text().toUtf8().size(), 63);
    EXPECT_EQ(page->userEdit()->text().size(), 31);
}

TEST_P(HostPageTest, PingingTheLoopbackGivesFourRowsAndABadUrlIsLogged) {
    page->urlBox()->lineEdit()->setText("ftp://");
    emit page->urlBox()->lineEdit()->textEdited("ftp://");
    page->runCurrentAction();
    EXPECT_EQ(log.Lines().back(), "... malformed URL");
    EXPECT_TRUE(page->connectButton()->isEnabled());
    if (page->innerTabs() == nullptr)
        return;  // the classic layout shows its ping as a status line
    page->urlBox()->lineEdit()->setText("ftp://127.0.0.1/");
    emit page->urlBox()->lineEdit()->textEdited("ftp://127.0.0.1/");
    page->innerTabs()->setCurrentIndex(1);  // "Pinging": Enter pings
    page->runCurrentAction();
    ASSERT_TRUE(pumpUntil([&] { return page->pingList()->topLevelItemCount() == 4; }, 20000))
        << page->pingList()->topLevelItemCount();
    EXPECT_EQ(page->pingList()->topLevelItem(0)->text(0).left(9), "127.0.0.1");
}

INSTANTIATE_TEST_SUITE_P(BothLayouts, HostPageTest, ::testing::Values(false, true),
                         [](const ::testing::TestParamInfo<bool>& info) {
                             return std::string(info.param ? "Classic" : "Large");
                         });

}  // namespace
}  // namespace nubo
