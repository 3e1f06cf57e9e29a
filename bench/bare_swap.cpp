// The yardstick for click to screen: a bare Qt window with two picture labels where the game
// has the tiles of slots 10 and 11; a click on either swaps their pictures.
#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QWidget>

namespace {

QPixmap picture(QColor colour)
{
    QPixmap pixmap(127, 113);
    pixmap.fill(colour);
    QPainter(&pixmap).drawEllipse(20, 20, 80, 70);
    return pixmap;
}

class SwapWindow final : public QWidget {
public:
    SwapWindow()
    {
        setWindowTitle(QStringLiteral("Rutschbild (Vergleich)"));
        resize(650, 502);
        left_.setGeometry(262, 266, 127, 113);
        right_.setGeometry(389, 266, 127, 113);
        left_.setPixmap(picture(Qt::darkGreen));
        right_.setPixmap(picture(Qt::darkBlue));
    }

protected:
    void mouseReleaseEvent(QMouseEvent*) override
    {
        const QPixmap left = left_.pixmap();
        left_.setPixmap(right_.pixmap());
        right_.setPixmap(left);
    }

private:
    QLabel left_{this};
    QLabel right_{this};
};

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    SwapWindow window;
    window.show();
    return app.exec();
}
