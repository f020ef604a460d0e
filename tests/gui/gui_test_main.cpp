// The widget tests run offscreen, inside one QApplication.
#include <gtest/gtest.h>

#include <QApplication>

#include "shell/ui/theme_icon.h"

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    nubo::setUpIconTheme();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
