// A picture that cannot be loaded ends the program with a message, not with a blank board.
#include "main_window_fixture.h"

// Q_CLEANUP_RESOURCE declares the function in the scope it is used in: outside any namespace.
static void dropPictureResources() { Q_CLEANUP_RESOURCE(pictures); }

namespace rutschbild::testing {
namespace {

TEST(MainWindowLoadFailure, AMissingTileBitmapEndsTheProgramWithAGermanMessage)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            tileBitmap(101); // the resources are registered once, then taken away again
            dropPictureResources();
            FakeClock clock;
            RecordingBeeper beeper;
            MainWindow window(clock, beeper);
        },
        ::testing::ExitedWithCode(1),
        "Rutschbild kann nicht weiterlaufen: Ein Bild des Spiels .* \\(tile bitmap 113\\)");
}

} // namespace
} // namespace rutschbild::testing
