// Form1's window, controls, texts, fonts, colours and keyboard order as the user meets them.
#include "dpi.h"
#include "form1_fixture.h"

namespace rutschbild::win32 {
namespace {

using Form1Layout = Form1Test;

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
    return ::testing::AssertionFailure() << windowText(child).size() << " chars, at "
                                         << place.left << "," << place.top << " " << place.right
                                         << "x" << place.bottom;
}

TEST_F(Form1Layout, TheWindowAndEveryControlStandWhereDesignedAt96Dpi)
{
    ASSERT_EQ(windowDpi(form.handle()), 96u);
    RECT client;
    GetClientRect(form.handle(), &client);
    EXPECT_EQ(client.right, 650);
    EXPECT_EQ(client.bottom, 502);
    EXPECT_EQ(windowText(form.handle()), L"Rutschbild");
    const LONG style = GetWindowLongW(form.handle(), GWL_STYLE);
    EXPECT_EQ(style & WS_OVERLAPPEDWINDOW, WS_OVERLAPPEDWINDOW);
    EXPECT_NE(GetClassLongPtrW(form.handle(), GCLP_HICON), 0u);
    EXPECT_NE(GetClassLongPtrW(form.handle(), GCLP_HICONSM), 0u);

    const struct {
        int id;
        TwipRect place;
    } designed[] = {
        {kLabel4, layout::kLabel4},
        {kFrame1, layout::kFrame1},
        {kOptSpielart0, {7920, 960, 1335, 255}},
        {kOptSpielart1, {7920, 1320, 1335, 255}},
        {kFrame2, layout::kFrame2},
        {kLstBilder, {8160, 2160, 1095, 255}},
        {kCmdVorschau, layout::kCmdVorschau},
        {kCmdSpiel, layout::kCmdSpiel},
        {kCommand1, layout::kCommand1},
        {kLabel1, layout::kLabel1},
        {kLblStartzeit, layout::kLblStartzeit},
        {kLabel2, layout::kLabel2},
        {kLblSpielzeit, layout::kLblSpielzeit},
        {kLabel3, layout::kLabel3},
        {kLblBewegungen, layout::kLblBewegungen},
        // Tiles, lines and outline: the board from the top-left tile to the bottom-right edges.
        {kBoard, {120, 600, 7620, 5085}},
    };
    for (const auto& [id, place] : designed)
        EXPECT_TRUE(placedAt(form.handle(), control(id), place)) << "control " << id;
}

TEST_F(Form1Layout, ControlsStartWithTheirTextsAndNoGame)
{
    EXPECT_EQ(text(kFrame1), L"Startposition");
    EXPECT_EQ(text(kOptSpielart0), L"immer gleich");
    EXPECT_EQ(text(kOptSpielart1), L"immer anders");
    EXPECT_EQ(text(kFrame2), L"Bildauswahl");
    EXPECT_EQ(text(kCmdVorschau), L"Vorschau");
    EXPECT_EQ(text(kCmdSpiel), L"Start");
    EXPECT_EQ(text(kCommand1), L"Tschüss");
    EXPECT_EQ(text(kLabel1), L"Startzeit:");
    EXPECT_EQ(text(kLabel2), L"Spielzeit:");
    EXPECT_EQ(text(kLabel3), L"Bewegungen:");
    for (const int label : {kLblStartzeit, kLblSpielzeit, kLblBewegungen})
        EXPECT_EQ(text(label), L"") << label;
    EXPECT_EQ(SendMessageW(control(kOptSpielart0), BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_EQ(SendMessageW(control(kOptSpielart1), BM_GETCHECK, 0, 0), BST_UNCHECKED);
    for (const int button : {kCmdVorschau, kCmdSpiel, kCommand1}) {
        // No default button: Enter goes to the focused button only.
        EXPECT_EQ(GetWindowLongW(control(button), GWL_STYLE) & BS_TYPEMASK, BS_PUSHBUTTON);
        EXPECT_TRUE(IsWindowVisible(control(button)) && IsWindowEnabled(control(button)));
    }

    HWND list = control(kLstBilder);
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

TEST_F(Form1Layout, EveryTextFitsItsBoxAndLabel4IsBlueFixedPitch)
{
    // The value labels get their widest texts: a start time, a long game, many moves.
    SetWindowTextW(control(kLblStartzeit), L"23 : 59 : 59");
    SetWindowTextW(control(kLblSpielzeit), L"59 : 59");
    SetWindowTextW(control(kLblBewegungen), L"99999");
    HDC dc = GetDC(form.handle());
    for (int id = kFrame1; id < kBoard; ++id) {
        if (id == kLstBilder)
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
        const bool radio = id == kOptSpielart0 || id == kOptSpielart1;
        const bool button = id == kCmdVorschau || id == kCmdSpiel || id == kCommand1;
        const bool frame = id == kFrame1 || id == kFrame2;
        // Room beside the text: the radio circle, a button's or a frame's edges.
        const int room = box.right - (radio ? 16 : button || frame ? 12 : 0);
        EXPECT_LE(size.cx, room) << narrow(caption);
        EXPECT_LE(size.cy, box.bottom) << narrow(caption);
    }
    ReleaseDC(form.handle(), dc);

    LOGFONTW credit{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(control(kLabel4), WM_GETFONT, 0, 0)),
               sizeof(credit), &credit);
    EXPECT_EQ(credit.lfHeight, -11); // 8.25 pt at 96 DPI
    EXPECT_EQ(credit.lfPitchAndFamily & 3, FIXED_PITCH);

    // The colours the window hands its labels for painting.
    HDC memory = CreateCompatibleDC(nullptr);
    SendMessageW(form.handle(), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(memory),
                 reinterpret_cast<LPARAM>(control(kLabel4)));
    EXPECT_EQ(GetTextColor(memory), RGB(0, 0, 255));
    for (const int id : {kLblStartzeit, kLblSpielzeit, kLblBewegungen}) {
        const auto brush = SendMessageW(form.handle(), WM_CTLCOLORSTATIC,
                                        reinterpret_cast<WPARAM>(memory),
                                        reinterpret_cast<LPARAM>(control(id)));
        EXPECT_EQ(brush, reinterpret_cast<LRESULT>(GetStockObject(WHITE_BRUSH))) << id;
        EXPECT_EQ(GetBkColor(memory), RGB(255, 255, 255)) << id;
    }
    DeleteDC(memory);
}

TEST_F(Form1Layout, TabWalksOptionButtonsListAndTschuessAndEnterPressesOnlyTheFocusedButton)
{
    EXPECT_EQ(GetFocus(), control(kOptSpielart0));
    key(VK_RETURN); // no default button: nothing starts
    EXPECT_FALSE(form.playClockRunning());

    for (const int next : {kCmdVorschau, kCmdSpiel, kLstBilder, kCommand1, kOptSpielart0}) {
        key(VK_TAB);
        EXPECT_EQ(GetFocus(), control(next)) << next;
    }
    key(VK_DOWN); // the arrow keys choose the other option
    EXPECT_EQ(SendMessageW(control(kOptSpielart1), BM_GETCHECK, 0, 0), BST_CHECKED);
    key(VK_TAB);
    key(VK_TAB);
    ASSERT_EQ(GetFocus(), control(kCmdSpiel));
    clock.set(10, 45, 57);
    key(VK_RETURN);
    EXPECT_TRUE(form.playClockRunning());
    EXPECT_EQ(slotOf(0), 9); // the clock-derived start of 45:57
}

TEST_F(Form1Layout, ANewDpiScalesPlacesFontsAndTiles)
{
    RECT suggested;
    GetWindowRect(form.handle(), &suggested);
    SendMessageW(form.handle(), WM_DPICHANGED, MAKEWPARAM(144, 144),
                 reinterpret_cast<LPARAM>(&suggested));
    const RECT place = placeOn(form.handle(), control(kCommand1));
    EXPECT_EQ(place.left, 816);  // 8160 twips at 144 DPI
    EXPECT_EQ(place.bottom, 434); // (3960 + 375) twips
    LOGFONTW credit{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(control(kLabel4), WM_GETFONT, 0, 0)),
               sizeof(credit), &credit);
    EXPECT_EQ(credit.lfHeight, -17);

    const Pixels board = renderBoard();
    EXPECT_EQ(board.width, 762);
    EXPECT_EQ(board.height, 509); // 5685 twips round up, 600 do not
    // Tile 5 in its slot, enlarged: its centre is the bitmap's centre.
    const Pixels tile = readPixels(loadBitmapResource(118).get());
    const std::uint32_t expected = tile.at(63, 56);
    const std::uint32_t shown = board.at(pixelsAtDpi(2025 - 120, 144) + 95, pixelsAtDpi(2295 - 600, 144) + 85);
    for (int shift = 0; shift <= 16; shift += 8)
        EXPECT_NEAR(static_cast<int>((shown >> shift) & 0xff), static_cast<int>((expected >> shift) & 0xff), 40);
}

} // namespace
} // namespace rutschbild::win32
