// The About/Help page: topics from the help folder, what they open, and the buttons.
#include "shell/ui/help_page.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QTest>
#include <QTextBrowser>
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

// A topic double clicked in the tree (or chosen with Enter) opens where it is read.
void openByKey(QTreeWidget* tree, QTreeWidgetItem* item) {
    tree->setCurrentItem(item);
    tree->setFocus();
    QTest::keyClick(tree, Qt::Key_Return);
}

TEST_F(HelpPageTest, LocalTopicsOpenInTheHelpWindowOthersOnTheWebSite) {
    test::writeFile(help + "/host.html",
                    "<html><body><h1>Host</h1><p id=\"connect\">Connect here.</p>"
                    "<a href=\"proxies.html\">Proxies</a> <a href=\"https://example.org/x\">web</a>"
                    "</body></html>");
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
    // A local page: the program's own help window, no browser needed.
    openByKey(tree, host->child(0));
    auto* window = page.findChild<QWidget*>("helpViewer");
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    auto* browser = window->findChild<QTextBrowser*>("helpBrowser");
    ASSERT_NE(browser, nullptr);
    EXPECT_EQ(browser->source().toString().toStdString(), "file://" + help + "/host.html#connect");
    EXPECT_TRUE(browser->toPlainText().contains("Connect here."));
    EXPECT_TRUE(opened.empty());
    // Its links to the web go to the browser.
    emit browser->anchorClicked(QUrl("https://example.org/x"));
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(opened[0].toString(), "https://example.org/x");
    // Not installed here: the same page on the web site.
    openByKey(tree, tree->topLevelItem(1));
    ASSERT_EQ(opened.size(), 2u);
    EXPECT_EQ(opened[1].toString().toStdString(), "https://nubopro.org/proxies.html#socks");
}

TEST_F(HelpPageTest, WithoutABrowserTheHelpWindowSaysWhereTheTopicIs) {
    HelpPage page(log, false, help);
    page.setOpener([](const QUrl&) { return false; });
    page.show();
    ASSERT_EQ(page.topicTree()->topLevelItemCount(), 2);
    openByKey(page.topicTree(), page.topicTree()->topLevelItem(1));  // proxies.html: not here
    auto* window = page.findChild<QWidget*>("helpViewer");
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    const QString text = window->findChild<QTextBrowser*>("helpBrowser")->toPlainText();
    EXPECT_TRUE(text.contains("No web browser could be started")) << text.toStdString();
    EXPECT_TRUE(text.contains("https://nubopro.org/proxies.html#socks")) << text.toStdString();
    EXPECT_EQ(QApplication::clipboard()->text(), "https://nubopro.org/proxies.html#socks");
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
