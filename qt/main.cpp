#include "clock.h"
#include "form1.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    // Lets desktops match the window to its menu entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(RUTSCHBILD_APP_ID));
    const rutschbild::SystemClock clock;
    rutschbild::Form1 form(clock);
    form.show();
    return QApplication::exec();
}
