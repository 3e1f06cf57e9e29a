// What MainWindow looks like: the white grid lines and the white outline over the board.
#include "main_window_fixture.h"

namespace rutschbild::testing {
namespace {

// Rows and columns of the grid lines, and of the outline, in window pixels.
constexpr int kLineRows[] = {153, 266};
constexpr int kLineColumns[] = {135, 262, 389};
constexpr int kOutlineLeft = 8, kOutlineRight = 515, kOutlineTop = 40, kOutlineBottom = 378;

class Rendering : public MainWindowTest {
protected:
    QImage screenshot() { return window.grab().toImage(); }

    // The colour the tile under a window point shows there, with nothing drawn over it.
    QColor tileColourAt(QPoint point)
    {
        auto* under = window.childAt(point);
        EXPECT_NE(under, nullptr);
        return under->grab().toImage().pixelColor(under->mapFrom(&window, point));
    }

    // How many points of a row (or column) of the board are white in the window.
    int whiteAlongRow(const QImage& image, int y)
    {
        int white = 0;
        for (int x = kOutlineLeft + 1; x < kOutlineRight; ++x)
            white += image.pixelColor(x, y) == QColor(Qt::white);
        return white;
    }
    int whiteAlongColumn(const QImage& image, int x)
    {
        int white = 0;
        for (int y = kOutlineTop + 1; y < kOutlineBottom; ++y)
            white += image.pixelColor(x, y) == QColor(Qt::white);
        return white;
    }
};

TEST_F(Rendering, GridLinesAreWhiteDuringAGameOnly)
{
    click("startButton");
    QImage image = screenshot();
    for (const int y : kLineRows)
        EXPECT_EQ(whiteAlongRow(image, y), kOutlineRight - kOutlineLeft - 1) << y;
    for (const int x : kLineColumns)
        EXPECT_EQ(whiteAlongColumn(image, x), kOutlineBottom - kOutlineTop - 1) << x;
    // One pixel further the tile's own picture shows.
    EXPECT_EQ(image.pixelColor(300, 154), tileColourAt({300, 154}));
    EXPECT_EQ(image.pixelColor(136, 300), tileColourAt({136, 300}));

    click("previewButton");
    image = screenshot();
    for (const QPoint point :
         {QPoint(300, 153), QPoint(50, 266), QPoint(135, 300), QPoint(262, 60), QPoint(389, 200)})
        EXPECT_EQ(image.pixelColor(point), tileColourAt(point)) << point.x() << "," << point.y();
}

TEST_F(Rendering, TheOutlineIsAlwaysWhite)
{
    for (int round = 0; round < 2; ++round) {
        const QImage image = screenshot();
        for (const int y : {kOutlineTop, kOutlineBottom})
            EXPECT_EQ(whiteAlongRow(image, y), kOutlineRight - kOutlineLeft - 1) << y;
        for (const int x : {kOutlineLeft, kOutlineRight})
            EXPECT_EQ(whiteAlongColumn(image, x), kOutlineBottom - kOutlineTop - 1) << x;
        // Inside the outline the tiles show through.
        EXPECT_EQ(image.pixelColor(9, 41), tileColourAt({9, 41}));
        click("startButton");
    }
}

TEST_F(Rendering, TheHoleShowsTheWindowBackground)
{
    click("startButton");
    const QImage image = screenshot();
    EXPECT_EQ(image.pixelColor(450, 320), window.palette().color(QPalette::Window));
}

} // namespace
} // namespace rutschbild::testing
