// The view's box as a person sees it: its icon says whether something is lost.
#include "views/ui/view_box.h"

#include <gtest/gtest.h>

#include <QMessageBox>
#include <QWidget>

#include "tests/gui/view_input.h"

namespace nubo {
namespace {

// The box shown with those buttons, closed with a click on Cancel: its icon.
QMessageBox::Icon iconShownFor(const QString& title, QMessageBox::StandardButtons buttons) {
    QWidget parent;
    parent.show();
    QMessageBox::StandardButton answer = QMessageBox::NoButton;
    const test::BoxSeen seen = test::closeNextBox(
        [&] { answer = showViewBox(&parent, title, "text", buttons); }, QMessageBox::Cancel, {});
    EXPECT_EQ(seen.objectName, "viewBox");
    EXPECT_EQ(seen.title, title);
    EXPECT_EQ(answer, QMessageBox::Cancel);
    return seen.icon;
}

TEST(ViewBoxTest, OnlyQuestionsThatLoseSomethingWarn) {
    EXPECT_EQ(iconShownFor("Bookmark this folder",
                           QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel),
              QMessageBox::Question);
    EXPECT_EQ(iconShownFor("Delete", QMessageBox::Yes | QMessageBox::Cancel), QMessageBox::Warning);
    EXPECT_EQ(iconShownFor("Rename", QMessageBox::Ok | QMessageBox::Cancel), QMessageBox::Critical);
}

}  // namespace
}  // namespace nubo
