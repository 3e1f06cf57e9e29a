#include "clock.h"
#include "form1.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    const rutschbild::SystemClock clock;
    rutschbild::Form1 form(clock);
    form.show();
    return QApplication::exec();
}
