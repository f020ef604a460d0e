// The About/Help page: topics from the help folder, what they open, and the buttons.
#include "shell/ui/help_page.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QTest>
#include <QTreeWidget>
#include <filesystem>

#include "base/app_log.h"
#include "tests/support/test_util.h"

namespace nubo {
namespace {

class HelpPageTest : public ::testing::Test {
  protected:
    void SetUp() override {
        help = temp.path() + "/help";
        std::filesystem::create_directories(help);
        test::writeFile(help + "/host.html", "<html></html>");
        test::writeFile(
            help + "/NuboHelp.txt",
            "header\n****\nThe Host page\nhost.html\n\tConnecting\n\thost.html#connect\n"
            "Proxies\nproxies.html#socks\n");
    }
    test::TempFolder temp{"nubo-helppage"};
    std::string help;
    AppLog log;
    std::vector<QUrl> opened;
};

TEST_F(HelpPageTest, TopicsOpenTheirLocalFileOrTheWebSite) {
    HelpPage page(log, false, help);
    page.setOpener([this](const QUrl& url) {
        opened.push_back(url);
        return true;
    });
    page.show();  // the tree is filled when the page is first shown
    QTreeWidget* tree = page.topicTree();
    ASSERT_NE(tree, nullptr);
    ASSERT_EQ(tree->topLevelItemCount(), 2);
    QTreeWidgetItem* host = tree->topLevelItem(0);
    ASSERT_EQ(host->childCount(), 1);
    EXPECT_EQ(host->child(0)->text(0), "Connecting");
    tree->setCurrentItem(host->child(0));
    tree->setFocus();
    QTest::keyClick(tree, Qt::Key_Return);
    page.openTopic(tree->topLevelItem(1));
    ASSERT_EQ(opened.size(), 2u);
    EXPECT_EQ(opened[0].toString().toStdString(), "file://" + help + "/host.html#connect");
    EXPECT_EQ(opened[1].toString().toStdString(), "https://nubopro.org/proxies.html#socks");
}

TEST_F(HelpPageTest, WithoutAMailProgramTheAddressGoesToTheClipboard) {
    HelpPage page(log, true, help);
    EXPECT_EQ(page.topicTree(), nullptr);  // the About form has no topics
    page.setOpener([](const QUrl&) { return false; });
    page.openMail();
    EXPECT_EQ(QApplication::clipboard()->text(), "support@nubopro.org");
    const std::vector<std::string> lines = log.Lines();
    EXPECT_EQ(lines,
              (std::vector<std::string>{"Starting default email client",
                                        "... unable to start default email client",
                                        "... placing address in Clipboard: support@nubopro.org"}));
}

}  // namespace
}  // namespace nubo
