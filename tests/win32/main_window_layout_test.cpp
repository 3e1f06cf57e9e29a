// The main window, its controls, texts, fonts, colours and keyboard order as the user meets them.
#include "dpi.h"
#include "main_window_fixture.h"

namespace rutschbild::win32 {
namespace {

using MainWindowLayout = MainWindowTest;

RECT placeOn(HWND form, HWND child)
{
    RECT place;
    GetWindowRect(child, &place);
    MapWindowPoints(nullptr, form, reinterpret_cast<POINT*>(&place), 2);
    return place;
}

::testing::AssertionResult placedAt(HWND form, HWND child, const TwipRect& twips)
{
    const RECT place = placeOn(form, child);
    if (place.left == pixels(twips.left) && place.top == pixels(twips.top) &&
        place.right - place.left == pixels(twips.width) &&
        place.bottom - place.top == pixels(twips.height))
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << windowText(child).size() << " chars, at " << place.left << "," << place.top << " "
           << place.right << "x" << place.bottom;
}

TEST_F(MainWindowLayout, TheWindowAndEveryControlStandWhereDesignedAt96Dpi)
{
    ASSERT_EQ(windowDpi(mainWindow.handle()), 96u);
    RECT client;
    GetClientRect(mainWindow.handle(), &client);
    EXPECT_EQ(client.right, 650);
    EXPECT_EQ(client.bottom, 502);
    EXPECT_EQ(windowText(mainWindow.handle()), L"Rutschbild");
    const LONG style = GetWindowLongW(mainWindow.handle(), GWL_STYLE);
    EXPECT_EQ(style & WS_OVERLAPPEDWINDOW, WS_OVERLAPPEDWINDOW);
    EXPECT_NE(GetClassLongPtrW(mainWindow.handle(), GCLP_HICON), 0u);
    EXPECT_NE(GetClassLongPtrW(mainWindow.handle(), GCLP_HICONSM), 0u);

    const struct {
        layout::ControlId id;
        TwipRect place;
    } designed[] = {
        {creditLabel, {120, 120, 4935, 255}},       {startModeFrame, {7800, 600, 1695, 1095}},
        {fixedStartOption, {7920, 960, 1335, 255}}, {clockStartOption, {7920, 1320, 1335, 255}},
        {pictureFrame, {7800, 1800, 1695, 855}},    {pictureList, {8160, 2160, 1095, 255}},
        {previewButton, {8160, 3000, 975, 375}},    {startButton, {8160, 3480, 975, 375}},
        {quitButton, {8160, 3960, 975, 375}},       {startTimeCaption, {240, 5760, 735, 255}},
        {startTimeValue, {1320, 5760, 855, 255}},   {playTimeCaption, {2640, 5760, 735, 255}},
        {playTimeValue, {3720, 5760, 855, 255}},    {movesCaption, {5400, 5760, 975, 255}},
        {movesValue, {6480, 5760, 855, 255}},
    };
    for (const auto& [id, place] : designed)
        EXPECT_TRUE(placedAt(mainWindow.handle(), control(id), place)) << layout::control(id).name;
    // Tiles, lines and outline: the board from the top-left tile to the bottom-right edges.
    EXPECT_TRUE(placedAt(mainWindow.handle(), board(), {120, 600, 7620, 5085}));
}

TEST_F(MainWindowLayout, ControlsStartWithTheirTextsAndNoGame)
{
    EXPECT_EQ(text(startModeFrame), L"Startposition");
    EXPECT_EQ(text(fixedStartOption), L"immer gleich");
    EXPECT_EQ(text(clockStartOption), L"immer anders");
    EXPECT_EQ(text(pictureFrame), L"Bildauswahl");
    EXPECT_EQ(text(previewButton), L"Vorschau");
    EXPECT_EQ(text(startButton), L"Start");
    EXPECT_EQ(text(quitButton), L"Tschüss");
    EXPECT_EQ(text(startTimeCaption), L"Startzeit:");
    EXPECT_EQ(text(playTimeCaption), L"Spielzeit:");
    EXPECT_EQ(text(movesCaption), L"Bewegungen:");
    for (const auto label : {startTimeValue, playTimeValue, movesValue})
        EXPECT_EQ(text(label), L"") << layout::control(label).name;
    EXPECT_EQ(SendMessageW(control(fixedStartOption), BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_EQ(SendMessageW(control(clockStartOption), BM_GETCHECK, 0, 0), BST_UNCHECKED);
    for (const auto button : {previewButton, startButton, quitButton}) {
        // No default button: Enter goes to the focused button only.
        EXPECT_EQ(GetWindowLongW(control(button), GWL_STYLE) & BS_TYPEMASK, BS_PUSHBUTTON);
        EXPECT_TRUE(IsWindowVisible(control(button)) && IsWindowEnabled(control(button)));
    }

    HWND list = control(pictureList);
    ASSERT_EQ(SendMessageW(list, LB_GETCOUNT, 0, 0), 2);
    EXPECT_EQ(SendMessageW(list, LB_GETCURSEL, 0, 0), LB_ERR);
    // One line: the first item fills the list, the second lies below it.
    RECT client;
    RECT first;
    RECT second;
    GetClientRect(list, &client);
    SendMessageW(list, LB_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&first));
    SendMessageW(list, LB_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&second));
    EXPECT_EQ(first.top, 0);
    EXPECT_EQ(first.bottom, client.bottom);
    EXPECT_GE(second.top, client.bottom);

    expectNoGame();
    for (int tile = 0; tile < 12; ++tile)
        EXPECT_EQ(slotOf(tile), tile);
}

TEST_F(MainWindowLayout, EveryTextFitsItsBoxAndTheCreditIsBlueFixedPitch)
{
    // The value labels get their widest texts: a start time, a long game, many moves.
    SetWindowTextW(control(startTimeValue), L"23 : 59 : 59");
    SetWindowTextW(control(playTimeValue), L"59 : 59");
    SetWindowTextW(control(movesValue), L"99999");
    HDC dc = GetDC(mainWindow.handle());
    for (const layout::Control& designed : layout::kControls) {
        const layout::ControlId id = designed.id;
        if (id == pictureList)
            continue;
        HWND child = control(id);
        const std::wstring caption = windowText(child);
        const HGDIOBJ previous =
            SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(child, WM_GETFONT, 0, 0)));
        SIZE size{};
        GetTextExtentPoint32W(dc, caption.c_str(), static_cast<int>(caption.size()), &size);
        SelectObject(dc, previous);
        RECT box;
        GetClientRect(child, &box);
        const bool radio = id == fixedStartOption || id == clockStartOption;
        const bool button = id == previewButton || id == startButton || id == quitButton;
        const bool frame = id == startModeFrame || id == pictureFrame;
        // Room beside the text: the radio circle, a button's or a frame's edges.
        const int room = box.right - (radio ? 16 : button || frame ? 12 : 0);
        EXPECT_LE(size.cx, room) << narrow(caption);
        EXPECT_LE(size.cy, box.bottom) << narrow(caption);
    }
    ReleaseDC(mainWindow.handle(), dc);

    LOGFONTW credit{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(control(creditLabel), WM_GETFONT, 0, 0)),
               sizeof(credit), &credit);
    EXPECT_EQ(credit.lfHeight, -11); // 8.25 pt at 96 DPI
    EXPECT_EQ(credit.lfPitchAndFamily & 3, FIXED_PITCH);

    // The colours the window hands its labels for painting.
    HDC memory = CreateCompatibleDC(nullptr);
    SendMessageW(mainWindow.handle(), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(memory),
                 reinterpret_cast<LPARAM>(control(creditLabel)));
    EXPECT_EQ(GetTextColor(memory), RGB(0, 0, 255));
    for (const auto id : {startTimeValue, playTimeValue, movesValue}) {
        const auto brush =
            SendMessageW(mainWindow.handle(), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(memory),
                         reinterpret_cast<LPARAM>(control(id)));
        LOGBRUSH background{};
        ASSERT_EQ(GetObjectW(reinterpret_cast<HBRUSH>(brush), sizeof(background), &background),
                  static_cast<int>(sizeof(background)));
        EXPECT_EQ(background.lbStyle, static_cast<UINT>(BS_SOLID));
        EXPECT_EQ(background.lbColor, RGB(255, 255, 255));
        EXPECT_EQ(GetBkColor(memory), RGB(255, 255, 255));
    }
    DeleteDC(memory);
}

TEST_F(MainWindowLayout, TabWalksOptionButtonsListAndQuitButtonAndEnterPressesOnlyTheFocusedButton)
{
    EXPECT_EQ(GetFocus(), control(fixedStartOption));
    key(VK_RETURN); // no default button: nothing starts
    EXPECT_FALSE(mainWindow.playClockRunning());

    for (const auto next :
         {previewButton, startButton, pictureList, quitButton, fixedStartOption}) {
        key(VK_TAB);
        EXPECT_EQ(GetFocus(), control(next)) << layout::control(next).name;
    }
    key(VK_DOWN); // the arrow keys choose the other option
    EXPECT_EQ(SendMessageW(control(clockStartOption), BM_GETCHECK, 0, 0), BST_CHECKED);
    key(VK_TAB);
    key(VK_TAB);
    ASSERT_EQ(GetFocus(), control(startButton));
    clock.set(10, 45, 57);
    key(VK_RETURN);
    EXPECT_TRUE(mainWindow.playClockRunning());
    EXPECT_EQ(slotOf(0), 9); // the clock-derived start of 45:57
}

TEST_F(MainWindowLayout, ANewDpiScalesPlacesFontsAndTiles)
{
    RECT suggested;
    GetWindowRect(mainWindow.handle(), &suggested);
    SendMessageW(mainWindow.handle(), WM_DPICHANGED, MAKEWPARAM(144, 144),
                 reinterpret_cast<LPARAM>(&suggested));
    const RECT place = placeOn(mainWindow.handle(), control(quitButton));
    EXPECT_EQ(place.left, 816);   // 8160 twips at 144 DPI
    EXPECT_EQ(place.bottom, 434); // (3960 + 375) twips
    LOGFONTW credit{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(control(creditLabel), WM_GETFONT, 0, 0)),
               sizeof(credit), &credit);
    EXPECT_EQ(credit.lfHeight, -17);

    const Pixels board = renderBoard();
    EXPECT_EQ(board.width, 762);
    EXPECT_EQ(board.height, 509); // 5685 twips round up, 600 do not
    // Tile 5 in its slot, enlarged: its centre is the bitmap's centre.
    const Pixels tile = readPixels(loadBitmapResource(118).get());
    const std::uint32_t expected = tile.at(63, 56);
    const std::uint32_t shown =
        board.at(pixelsAtDpi(2025 - 120, 144) + 95, pixelsAtDpi(2295 - 600, 144) + 85);
    for (int shift = 0; shift <= 16; shift += 8)
        EXPECT_NEAR(static_cast<int>((shown >> shift) & 0xff),
                    static_cast<int>((expected >> shift) & 0xff), 40);
}

} // namespace
} // namespace rutschbild::win32
