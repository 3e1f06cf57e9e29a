// An empty top-level window of the game's client size: what start-up time and memory of
// the game are compared with.
#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Rutschbild (leer)"));
    window.resize(650, 502);
    window.show();
    return app.exec();
}
