// Whole games through the real window messages: buttons, tile clicks, the list, the timer.
#include "main_window_fixture.h"
#include "solver.h"

#include <array>

namespace rutschbild::win32 {
namespace {

using MainWindowPlay = MainWindowTest;

constexpr Arrangement kFixedArrangement{5, 0, 3, 4, 2, 8, 7, 6, 9, 10, 1, 11};

// A watchdog: a message loop that never ended would hang the test.
void CALLBACK endLoopWith99(HWND, UINT, UINT_PTR, DWORD) { PostQuitMessage(99); }

TEST_F(MainWindowPlay, SolvingTheFixedStartEndsTheGame)
{
    clock.set(9, 5, 7);
    click(startButton);
    for (int tile = 0; tile < 11; ++tile)
        EXPECT_EQ(slotOf(tile), kFixedArrangement[tile]) << tile;
    EXPECT_EQ(slotOf(11), -1); // the gap
    EXPECT_FALSE(IsWindowEnabled(control(pictureList)));
    EXPECT_TRUE(mainWindow.playClockRunning());
    EXPECT_TRUE(mainWindow.view().gridLinesVisible);
    EXPECT_EQ(text(startTimeValue), L"9 : 5 : 7");

    const auto solution = testing::solve(kFixedArrangement);
    ASSERT_TRUE(solution.has_value());
    for (const int tile : *solution)
        clickTile(tile);

    for (int tile = 0; tile < 12; ++tile)
        EXPECT_EQ(slotOf(tile), tile) << tile;
    expectNoGame();
    const std::wstring count = std::to_wstring(solution->size());
    EXPECT_EQ(text(movesValue), count);

    // A finished game takes no more clicks.
    clickTile(10);
    EXPECT_EQ(slotOf(10), 10);
    EXPECT_EQ(text(movesValue), count);
}

TEST_F(MainWindowPlay, ClicksBeforeStartOrAwayFromTheHoleOrOffTheTileChangeNothing)
{
    clickTile(10);
    EXPECT_EQ(slotOf(10), 10);
    EXPECT_EQ(text(movesValue), L"");

    click(startButton);
    clickTile(1); // slot 0, far from the hole in slot 11
    mouse(board(), WM_LBUTTONDOWN, tileCentre(9));
    mouse(board(), WM_LBUTTONUP, {tileCentre(9).x - 127, tileCentre(9).y}); // released elsewhere
    for (int tile = 0; tile < 11; ++tile)
        EXPECT_EQ(slotOf(tile), kFixedArrangement[tile]) << tile;
    EXPECT_EQ(text(movesValue), L"");

    // A click on a grid line reaches the tile below: gridLine1 runs along the top of slot 10.
    const POINT onLine{tileCentre(9).x, (3990 - 600) / 15};
    mouse(board(), WM_LBUTTONDOWN, onLine);
    mouse(board(), WM_LBUTTONUP, onLine);
    EXPECT_EQ(slotOf(9), 11);
    EXPECT_EQ(text(movesValue), L"1");
}

TEST_F(MainWindowPlay, ADoubleClickMovesOnceAndAQuickClickOnAnotherTileStillCounts)
{
    click(startButton);
    const POINT tile9 = tileCentre(9);
    for (int press = 0; press < 2; ++press) {
        mouse(board(), WM_LBUTTONDOWN, tile9);
        mouse(board(), WM_LBUTTONUP, tile9);
    }
    EXPECT_EQ(slotOf(9), 11);
    EXPECT_EQ(text(movesValue), L"1");
    const POINT tile8 = tileCentre(8);
    mouse(board(), WM_LBUTTONDOWN, tile8);
    mouse(board(), WM_LBUTTONUP, tile8);
    EXPECT_EQ(slotOf(8), 10);
    EXPECT_EQ(text(movesValue), L"2");
}

TEST_F(MainWindowPlay, PreviewDuringAGameShowsTheWholePictureAndStopsTheClock)
{
    click(startButton);
    clickTile(9);
    clock.monotonic += 7'000;
    tick();
    click(previewButton);

    for (int tile = 0; tile < 12; ++tile)
        EXPECT_EQ(slotOf(tile), tile) << tile;
    expectNoGame();
    EXPECT_EQ(text(playTimeValue), L"0 : 7");
    EXPECT_EQ(text(movesValue), L"1");
    clickTile(10);
    EXPECT_EQ(text(movesValue), L"1");
}

TEST_F(MainWindowPlay, PlayTimeFollowsTheMonotonicClockWhenTheWallClockIsSetBack)
{
    clock.set(10, 0, 0);
    click(startButton);
    EXPECT_EQ(text(playTimeValue), L"");
    clock.monotonic += 2'500;
    tick();
    EXPECT_EQ(text(playTimeValue), L"0 : 2");
    clock.set(8, 0, 0); // set back two hours during the game
    clock.monotonic += (61 * 60 + 3) * 1000;
    tick();
    EXPECT_EQ(text(playTimeValue), L"1 : 5");
    EXPECT_EQ(text(startTimeValue), L"10 : 0 : 0");
}

TEST_F(MainWindowPlay, ThePlayClockTicksEveryHalfSecondOnlyDuringAGame)
{
    click(startButton);
    clock.monotonic += 3'000;
    pumpFor(700); // one tick of the real timer, at least
    EXPECT_EQ(text(playTimeValue), L"0 : 3");
    click(previewButton);
    clock.monotonic += 5'000;
    pumpFor(700);
    EXPECT_EQ(text(playTimeValue), L"0 : 3");
}

TEST_F(MainWindowPlay, TheListSwitchesPicturesBetweenGamesOnlyAndChangesNothingElse)
{
    HWND list = control(pictureList);
    click(startButton);
    EXPECT_FALSE(IsWindowEnabled(list));
    clickTile(9);
    click(previewButton);
    ASSERT_TRUE(IsWindowEnabled(list));

    // The wheel brings "Garten" into the one-line view; a click selects it.
    PostMessageW(list, WM_MOUSEWHEEL, MAKEWPARAM(0, -WHEEL_DELTA), 0);
    pump();
    EXPECT_EQ(SendMessageW(list, LB_GETTOPINDEX, 0, 0), 1);
    mouse(list, WM_LBUTTONDOWN, {10, 6});
    mouse(list, WM_LBUTTONUP, {10, 6});
    EXPECT_EQ(SendMessageW(list, LB_GETCURSEL, 0, 0), 1);
    // Every tile shows a "Garten" bitmap now; nothing else changed.
    const Pixels garten0 = readPixels(loadBitmapResource(101).get());
    const Pixels board = renderBoard();
    EXPECT_EQ(board.at(60, 60), garten0.at(60, 60));
    EXPECT_EQ(text(movesValue), L"1");
    expectNoGame();

    // The arrow keys choose too.
    SetFocus(list);
    key(VK_UP);
    EXPECT_EQ(SendMessageW(list, LB_GETCURSEL, 0, 0), 0);
    EXPECT_EQ(renderBoard().at(60, 60), readPixels(loadBitmapResource(113).get()).at(60, 60));
}

TEST_F(MainWindowPlay, QuitButtonAndClosingByTheTitleBarEndTheMessageLoop)
{
    const HWND window = mainWindow.handle();
    const UINT_PTR watchdog = SetTimer(nullptr, 0, 5000, endLoopWith99);
    PostMessageW(control(quitButton), BM_CLICK, 0, 0);
    EXPECT_EQ(runMessageLoop(window), 0);
    KillTimer(nullptr, watchdog);
    EXPECT_FALSE(IsWindow(window));
}

TEST_F(MainWindowPlay, WmCloseEndsTheMessageLoop)
{
    click(startButton);
    const HWND window = mainWindow.handle();
    const UINT_PTR watchdog = SetTimer(nullptr, 0, 5000, endLoopWith99);
    PostMessageW(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(runMessageLoop(window), 0);
    KillTimer(nullptr, watchdog);
    EXPECT_FALSE(IsWindow(window));
    EXPECT_FALSE(mainWindow.playClockRunning());
}

} // namespace
} // namespace rutschbild::win32
