#include "shellext/ui/shortcut_properties_dialog.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <filesystem>

#include "shellext/shortcut_properties.h"
#include "tests/gui/view_input.h"
#include "tests/support/test_util.h"

namespace nubo {
namespace {

using test::readFile;
using test::writeFile;

class ShortcutPropertiesDialogTest : public ::testing::Test {
  protected:
    // Opens the dialog on a shortcut file with the given text, as a person sees it.
    void open(const std::string& text) {
        path_ = folder_.path() + "/Our \"server\" $HOME.nubo";
        writeFile(path_, text);
        ASSERT_TRUE(properties_.load(path_));
        dialog_ = std::make_unique<ShortcutPropertiesDialog>(properties_);
        ASSERT_TRUE(test::showActive(dialog_.get()));
    }
    template <typename T>
    T* child(const char* name) {
        T* found = dialog_->findChild<T*>(name);
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    void click(QWidget* widget) {
        QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(8, widget->height() / 2));
    }

    test::TempFolder folder_{"nubosx-dialog"};
    std::string path_;
    ShortcutProperties properties_;
    std::unique_ptr<ShortcutPropertiesDialog> dialog_;
};

TEST_F(ShortcutPropertiesDialogTest, ShowsTheShortcutAndNoneWithoutAnXModeEntry) {
    open("[NuboShortcut]\nURL=ftp://ftp.example.org/pub/\nXDir=/home/me/in\nUpdate=1");
    EXPECT_EQ(child<QLabel>("shortcutName")->text(), "Our \"server\" $HOME");
    EXPECT_FALSE(child<QLabel>("shortcutIcon")->pixmap().isNull());
    EXPECT_EQ(child<QLineEdit>("urlEdit")->text(), "ftp://ftp.example.org/pub/");
    EXPECT_EQ(child<QLineEdit>("folderEdit")->text(), "/home/me/in");
    EXPECT_TRUE(child<QRadioButton>("typeNone")->isChecked());
    EXPECT_TRUE(child<QCheckBox>("updateCheck")->isChecked());
    // Nothing to apply yet.
    EXPECT_FALSE(child<QPushButton>("applyButton")->isEnabled());
}

TEST_F(ShortcutPropertiesDialogTest, ChoosingSmartAndOkWritesXModeX) {
    const std::string original = "[NuboShortcut]\r\nURL=ftp://ftp.example.org/\r\n";
    open(original);
    // Choosing writes nothing yet (the file keeps its line ends); OK does.
    auto* smart = child<QRadioButton>("typeSmart");
    click(smart);
    EXPECT_TRUE(smart->isChecked());
    EXPECT_TRUE(child<QPushButton>("applyButton")->isEnabled());
    EXPECT_EQ(readFile(path_), original);
    click(child<QPushButton>("okButton"));
    EXPECT_EQ(readFile(path_), "[NuboShortcut]\nURL=ftp://ftp.example.org/\nXMode=x");
    EXPECT_EQ(dialog_->result(), QDialog::Accepted);
    EXPECT_FALSE(dialog_->isVisible());
}

TEST_F(ShortcutPropertiesDialogTest, ApplyKeepsTheDialogOpenAndCancelWritesNothing) {
    open("[NuboShortcut]\nURL=ftp://a.example.org");
    auto* url = child<QLineEdit>("urlEdit");
    url->setFocus();
    url->selectAll();
    test::typeText("ftp://b.example.org/it's here");
    click(child<QCheckBox>("updateCheck"));
    click(child<QRadioButton>("typeAscii"));
    click(child<QPushButton>("applyButton"));
    EXPECT_TRUE(dialog_->isVisible());
    EXPECT_EQ(readFile(path_),
              "[NuboShortcut]\nURL=ftp://b.example.org/it's here\nXMode=a\nUpdate=1");
    EXPECT_FALSE(child<QPushButton>("applyButton")->isEnabled());

    click(child<QRadioButton>("typeImage"));
    click(child<QPushButton>("cancelButton"));
    EXPECT_EQ(dialog_->result(), QDialog::Rejected);
    EXPECT_EQ(readFile(path_),
              "[NuboShortcut]\nURL=ftp://b.example.org/it's here\nXMode=a\nUpdate=1");
}

TEST_F(ShortcutPropertiesDialogTest, AShortcutThatCannotBeWrittenKeepsTheDialogOpen) {
    open("[NuboShortcut]\nURL=ftp://a.example.org");
    std::filesystem::remove(path_);
    std::filesystem::create_directory(path_);
    click(child<QRadioButton>("typeImage"));
    click(child<QPushButton>("okButton"));
    EXPECT_TRUE(dialog_->isVisible());
    EXPECT_TRUE(child<QLabel>("saveError")->isVisible());
    std::filesystem::remove(path_);
    click(child<QPushButton>("okButton"));
    EXPECT_FALSE(dialog_->isVisible());
    EXPECT_EQ(readFile(path_), "[NuboShortcut]\nURL=ftp://a.example.org\nXMode=i");
}

}  // namespace
}  // namespace nubo
