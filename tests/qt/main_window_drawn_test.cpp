// The window as the offscreen platform draws it at 96 DPI: every frame, button, field, list and
// the board outline on its designed box. The picture is kept as qt.png in RUTSCHBILD_DRAWN_DIR
// when that is set, for tools/check-drawn.sh and for a person to look at.
#include "drawn_window.h"
#include "main_window_fixture.h"

#include <QDir>

namespace rutschbild::testing {
namespace {

drawn::Picture pictureOf(const QImage& grabbed)
{
    const QImage image = grabbed.convertToFormat(QImage::Format_RGB32);
    drawn::Picture picture{image.width(), image.height(), {}};
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            picture.pixels.push_back(image.pixel(x, y) & 0xffffff);
    return picture;
}

using Drawn = MainWindowTest;

TEST_F(Drawn, EveryControlIsDrawnOnItsBox)
{
    ASSERT_EQ(window.devicePixelRatio(), 1.0);
    const QImage image = window.grab().toImage();
    const QString dir = qEnvironmentVariable("RUTSCHBILD_DRAWN_DIR");
    if (!dir.isEmpty()) {
        ASSERT_TRUE(QDir().mkpath(dir));
        ASSERT_TRUE(image.save(dir + QStringLiteral("/qt.png")));
    }
    const drawn::Result result = drawn::checkDrawnWindow(pictureOf(image));
    EXPECT_TRUE(result.ok()) << drawn::describe(result);
}

} // namespace
} // namespace rutschbild::testing
