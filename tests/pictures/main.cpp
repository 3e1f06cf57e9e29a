#include <QApplication>

#include <gtest/gtest.h>

// QPixmap and QIcon need an application object. No display is needed: without a platform chosen
// by the caller the tests run offscreen, test discovery included.
int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
