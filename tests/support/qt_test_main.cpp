// The main of every test program that needs a QApplication (widgets, pixmaps, icons).
#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char* argv[])
{
    // No screen needed: without a platform chosen by the caller the tests run offscreen, test
    // discovery included.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
