#include "clock.h"
#include "main_window.h"

#include <QApplication>

int main()
{
    // The program reads no command line. Qt is handed only a program name, so none of its own
    // options (-style, -reverse, -platform, ...) take effect; its environment variables still do.
    char name[] = "rutschbild";
    char* arguments[] = {name, nullptr};
    int count = 1;
    QApplication application(count, arguments);
    // Lets desktops match the window to its menu entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(RUTSCHBILD_APP_ID));
    const rutschbild::SystemClock clock;
    rutschbild::qt::MainWindow window(clock);
    window.show();
    return QApplication::exec();
}
