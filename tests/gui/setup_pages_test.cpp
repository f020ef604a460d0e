// The setup pages: clicks and keys on the install and uninstall pages over their plans
// in a temporary home, and "Read Me".
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTabWidget>
#include <QTest>
#include <QTextDocumentFragment>
#include <filesystem>

#include "base/config_store.h"
#include "setup/install_plan.h"
#include "setup/ui/install_page.h"
#include "setup/ui/read_me_page.h"
#include "setup/ui/setup_run.h"
#include "setup/ui/uninstall_page.h"
#include "setup/uninstall_plan.h"
#include "shell/ui/main_sheet.h"
#include "tests/gui/gui_test_util.h"
#include "tests/gui/view_input.h"
#include "tests/setup/setup_fixture.h"

namespace nubo {
namespace {

class SetupPagesTest : public test::SetupFixture {
  protected:
    QString status(const SetupRun::Pages& pages) const {
        return pages.setup->findChild<QPlainTextEdit*>("setupStatus")->toPlainText();
    }
    QPushButton* button(const SetupRun::Pages& pages, const char* name) const {
        return pages.setup->findChild<QPushButton*>(name);
    }
    // At the centre of what a person clicks: a check box's box and text, not the middle
    // of the row the layout stretched it over.
    void click(QWidget* widget) const {
        QPoint at = widget->rect().center();
        if (auto* check = qobject_cast<QCheckBox*>(widget)) {
            QStyleOptionButton option;
            option.initFrom(check);
            option.text = check->text();
            at = check->style()
                     ->subElementRect(QStyle::SE_CheckBoxClickRect, &option, check)
                     .center();
        }
        QTest::mouseClick(widget, Qt::LeftButton, {}, at);
    }
    void install(bool link) {
        InstallPlan plan(folders);
        plan.setLinkTruster({});
        plan.run(true, link);
        this->link = plan.desktopLink();
    }

    ConfigStore config;
    MainSheet sheet{config};
    std::string link;
};

TEST_F(SetupPagesTest, InstallClickedWritesTheMenuAndFinishClosesTheWindow) {
    InstallPlan plan(folders);
    plan.setLinkTruster({});
    const SetupRun::Pages pages = SetupRun::build(sheet, &plan, nullptr);
    sheet.show();
    EXPECT_EQ(sheet.tabs()->tabText(0), "Install Nubo PRO 2.2");
    EXPECT_EQ(sheet.tabs()->tabText(1), "Read Me");
    EXPECT_EQ(status(pages).toStdString(), "Files installed in " + copy + "\n");
    auto* desktop = pages.setup->findChild<QCheckBox*>("installDesktopCheck");
    ASSERT_TRUE(desktop->isChecked());
    click(desktop);  // no desktop link this time
    QSignalSpy closing(&sheet, &MainSheet::closeRequested);
    click(button(pages, "setupAction"));
    EXPECT_EQ(status(pages).toStdString(), "Files installed in " + copy +
                                               "\nNubo PRO 2.2 folder added to Programs\n"
                                               "Nubo PRO 2.2 Uninstall record created\n");
    EXPECT_EQ(button(pages, "setupAction")->text(), "&Finish");
    EXPECT_FALSE(button(pages, "setupCancel")->isEnabled());
    // What a user reads: the button's name with its letter underlined, no ampersand.
    const QString heading = pages.setup->findChild<QLabel*>("setupHeading")->text();
    EXPECT_EQ(QTextDocumentFragment::fromHtml(heading).toPlainText(),
              "Click \"Finish\" to exit setup");
    EXPECT_TRUE(heading.contains("<u>F</u>inish")) << heading.toStdString();
    EXPECT_TRUE(exists(folders.menuFile()));
    EXPECT_FALSE(exists(folders.desktop + "/Nubo 2.2.desktop"));
    EXPECT_EQ(closing.count(), 0);
    click(button(pages, "setupAction"));
    EXPECT_EQ(closing.count(), 1);
}

TEST_F(SetupPagesTest, EscapeCancelsTheInstallAndWritesNothing) {
    InstallPlan plan(folders);
    const SetupRun::Pages pages = SetupRun::build(sheet, &plan, nullptr);
    ASSERT_TRUE(test::showActive(&sheet));
    button(pages, "setupAction")->setFocus();
    QSignalSpy closing(&sheet, &MainSheet::closeRequested);
    test::pressKey(Qt::Key_Escape);
    EXPECT_EQ(closing.count(), 1);
    EXPECT_FALSE(exists(folders.menuFile()));
    EXPECT_FALSE(UninstallRecord::exists(folders.appData()));
}

TEST_F(SetupPagesTest, UninstallAsksFirstAndACancelledConfirmationChangesNothing) {
    install(true);
    UninstallPlan plan(folders, "1", copy, folders.menuFile(), link);
    plan.setShellExtensionRemover([] { return true; });
    const SetupRun::Pages pages = SetupRun::build(sheet, nullptr, &plan);
    auto* page = static_cast<UninstallPage*>(pages.setup);
    QStringList asked;
    bool answer = false;
    page->setConfirm([&](const QString& title, const QString& text) {
        asked << title << text;
        return answer;
    });
    sheet.show();
    EXPECT_EQ(sheet.tabs()->tabText(0), "Uninstall Nubo PRO 2.2");
    click(page->findChild<QCheckBox*>("uninstallSettingsCheck"));
    click(button(pages, "setupAction"));
    ASSERT_EQ(asked.size(), 2);
    EXPECT_EQ(asked[0], "Nubo PRO Removal Confirmation");
    EXPECT_TRUE(asked[1].startsWith("This will remove FTP site info and settings.\n"));
    EXPECT_EQ(status(pages), "");
    EXPECT_EQ(button(pages, "setupAction")->text(), "&Uninstall");
    EXPECT_TRUE(exists(link));
    EXPECT_TRUE(UninstallRecord::exists(folders.appData()));

    // Only the desktop link, confirmed.
    answer = true;
    click(page->findChild<QCheckBox*>("uninstallSettingsCheck"));
    click(page->findChild<QCheckBox*>("uninstallFilesCheck"));
    click(page->findChild<QCheckBox*>("uninstallMenuCheck"));
    click(button(pages, "setupAction"));
    EXPECT_TRUE(asked[3].startsWith("ALL FTP site info and settings will be KEPT."));
    EXPECT_EQ(status(pages), "Nubo PRO desktop shortcut removed\n");
    EXPECT_FALSE(exists(link));
    EXPECT_TRUE(exists(folders.menuFile()));
    EXPECT_TRUE(UninstallRecord::exists(folders.appData()));
    EXPECT_FALSE(page->findChild<QCheckBox*>("uninstallMenuCheck")->isEnabled());
    EXPECT_EQ(button(pages, "setupAction")->text(), "&Finish");
}

TEST_F(SetupPagesTest, ALaterLayoutShowsTheRefusalAndQuitCloses) {
    install(true);
    UninstallPlan plan(folders, "2", copy, folders.menuFile(), link);
    const SetupRun::Pages pages = SetupRun::build(sheet, nullptr, &plan);
    sheet.show();
    EXPECT_EQ(status(pages), "Uninstall info version mismatch!\nUnable to continue...");
    EXPECT_FALSE(pages.setup->findChild<QCheckBox*>("uninstallFilesCheck")->isEnabled());
    EXPECT_EQ(button(pages, "setupAction")->text(), "&Quit");
    QSignalSpy closing(&sheet, &MainSheet::closeRequested);
    click(button(pages, "setupAction"));
    EXPECT_EQ(closing.count(), 1);
    EXPECT_TRUE(exists(link));
}

TEST_F(SetupPagesTest, ReadMeIsFilledWhenFirstShown) {
    put(copy + "/ReadMe.txt", "Nubo PRO 2.2\n\tindented\n");
    InstallPlan plan(folders);
    const SetupRun::Pages pages = SetupRun::build(sheet, &plan, nullptr);
    ASSERT_TRUE(test::showActive(&sheet));
    auto* text = pages.readMe->findChild<QPlainTextEdit*>("readMeText");
    EXPECT_EQ(text->toPlainText(), "");  // not read before it is shown
    test::pressKey(Qt::Key_PageDown, Qt::ControlModifier);
    ASSERT_EQ(sheet.tabs()->currentWidget(), pages.readMe);
    EXPECT_EQ(text->toPlainText(), "Nubo PRO 2.2\n\tindented\n");
    EXPECT_TRUE(text->isReadOnly());
}

}  // namespace
}  // namespace nubo
