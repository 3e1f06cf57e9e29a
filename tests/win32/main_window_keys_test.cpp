// The main window's keyboard as a player meets it: Enter on whichever button has the focus, however
// the focus came there, no button ever drawn as the default one, and the focus kept across
// minimising.
#include "main_window_fixture.h"

namespace rutschbild::win32 {
namespace {

constexpr WPARAM kPressed = MK_LBUTTON;
constexpr LPARAM kRepeat = 1 << 30;   // the key was down before: a held key
constexpr LPARAM kExtended = 1 << 24; // the keypad's Enter

class MainWindowKeys : public MainWindowTest {
protected:
    // A left click in the middle of a control, as the mouse gives it.
    void clickWithMouse(layout::ControlId id)
    {
        RECT box;
        GetClientRect(control(id), &box);
        const LPARAM centre = MAKELPARAM(box.right / 2, box.bottom / 2);
        PostMessageW(control(id), WM_LBUTTONDOWN, kPressed, centre);
        PostMessageW(control(id), WM_LBUTTONUP, 0, centre);
        pump();
    }

    void keyDown(WPARAM virtualKey, LPARAM flags)
    {
        PostMessageW(GetFocus(), WM_KEYDOWN, virtualKey, flags | 1);
        pump();
    }

    void keyUp(WPARAM virtualKey, LPARAM flags)
    {
        PostMessageW(GetFocus(), WM_KEYUP, virtualKey, flags | 0xC0000001);
        pump();
    }

    // Whether the Start button was pressed since the game moved tile 9 into the hole: a new
    // start puts it back into its starting slot.
    bool restarted() const { return slotOf(9) == 10; }

    void moveTile9()
    {
        clickTile(9);
        ASSERT_EQ(slotOf(9), 11);
    }

    // No button carries the default style or answers the dialog manager as a default button.
    ::testing::AssertionResult noDefaultButton() const
    {
        for (const auto id : {previewButton, startButton, quitButton}) {
            const LONG type = GetWindowLongW(control(id), GWL_STYLE) & BS_TYPEMASK;
            const LRESULT code = SendMessageW(control(id), WM_GETDLGCODE, 0, 0);
            if (type != BS_PUSHBUTTON || (code & DLGC_DEFPUSHBUTTON) != 0)
                return ::testing::AssertionFailure()
                       << layout::control(id).name << " is a default button";
        }
        return ::testing::AssertionSuccess();
    }
};

TEST_F(MainWindowKeys, EnterPressesTheFocusedButtonAfterAMouseClickAndAfterTab)
{
    clickWithMouse(startButton);
    ASSERT_EQ(GetFocus(), control(startButton));
    ASSERT_TRUE(mainWindow.playClockRunning());
    moveTile9();
    key(VK_RETURN);
    EXPECT_TRUE(restarted());
    EXPECT_TRUE(noDefaultButton());

    // Vorschau by mouse, then Tab to Start: Enter starts.
    clickWithMouse(previewButton);
    ASSERT_FALSE(mainWindow.playClockRunning());
    key(VK_TAB);
    ASSERT_EQ(GetFocus(), control(startButton));
    EXPECT_TRUE(noDefaultButton());
    key(VK_RETURN);
    EXPECT_TRUE(mainWindow.playClockRunning());

    // The keypad's Enter does the same, and Enter on Vorschau reached by Tab ends the game.
    moveTile9();
    keyDown(VK_RETURN, kExtended);
    keyUp(VK_RETURN, kExtended);
    EXPECT_TRUE(restarted());
    for (int step = 0; step < 3; ++step) // Tschüss, the option, Vorschau: the list is disabled
        key(VK_TAB);
    ASSERT_EQ(GetFocus(), control(previewButton));
    key(VK_RETURN);
    EXPECT_FALSE(mainWindow.playClockRunning());
    EXPECT_TRUE(noDefaultButton());
}

TEST_F(MainWindowKeys, AHeldEnterPressesOnceAndEnterOffTheButtonsPressesNone)
{
    clickWithMouse(startButton);
    moveTile9();
    keyDown(VK_RETURN, kRepeat); // the auto-repeat of an Enter held since the click
    EXPECT_FALSE(restarted());
    keyUp(VK_RETURN, 0);

    // On an option nothing is pressed: the game goes on.
    key(VK_TAB);
    key(VK_TAB);
    ASSERT_EQ(GetFocus(), control(fixedStartOption));
    key(VK_RETURN);
    EXPECT_FALSE(restarted());
    EXPECT_TRUE(mainWindow.playClockRunning());
}

TEST_F(MainWindowKeys, MinimisingAndRestoringGivesTheFocusBackToTheControlThePlayerHad)
{
    clickWithMouse(previewButton);
    key(VK_TAB);
    ASSERT_EQ(GetFocus(), control(startButton));

    // By the title bar's button, then as the taskbar does it.
    SendMessageW(mainWindow.handle(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
    pump();
    ASSERT_TRUE(IsIconic(mainWindow.handle()));
    SendMessageW(mainWindow.handle(), WM_SYSCOMMAND, SC_RESTORE, 0);
    pump();
    EXPECT_EQ(GetFocus(), control(startButton));

    clickWithMouse(previewButton);
    ShowWindow(mainWindow.handle(), SW_MINIMIZE);
    pump();
    ShowWindow(mainWindow.handle(), SW_RESTORE);
    pump();
    EXPECT_EQ(GetFocus(), control(previewButton));
    EXPECT_TRUE(noDefaultButton());
}

} // namespace
} // namespace rutschbild::win32
