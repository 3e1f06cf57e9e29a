// An empty top-level window of the game's client size: what start-up time and memory of
// the game are compared with. Built a second time with one line of text on it, which shows how
// much of the difference is Qt's font system starting up.
#include <QApplication>
#include <QLabel>
#include <QWidget>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Rutschbild (leer)"));
    window.resize(650, 502);
#ifdef RUTSCHBILD_BARE_WITH_TEXT
    QLabel text(QStringLiteral("Startzeit:"), &window);
    text.move(16, 384);
#endif
    window.show();
    return app.exec();
}
