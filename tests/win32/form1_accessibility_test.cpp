// Form1 as screen readers see it through MSAA: the board's twelve tile buttons, the value labels,
// the change events, and the same object and the alert of a complete picture from another process.
#include "form1_fixture.h"
#include "msaa_client.h"
#include "solver.h"

#include <algorithm>
#include <memory>
#include <vector>

namespace rutschbild::win32 {
namespace {

constexpr Arrangement kFixedArrangement{5, 0, 3, 4, 2, 8, 7, 6, 9, 10, 1, 11};

std::wstring placeOf(int slot)
{
    return L"Reihe " + std::to_wstring(slot / 4 + 1) + L", Spalte " + std::to_wstring(slot % 4 + 1);
}

struct WinEvent {
    DWORD event;
    int control;
    LONG object;
    LONG child;
    bool operator==(const WinEvent&) const = default;
};

// Where the hook below writes the win events of the test's window while it records.
std::vector<WinEvent>* recordedEvents = nullptr;

void CALLBACK recordEvent(HWINEVENTHOOK, DWORD event, HWND window, LONG object, LONG child, DWORD,
                          DWORD)
{
    if (recordedEvents != nullptr)
        recordedEvents->push_back({event, GetDlgCtrlID(window), object, child});
}

class Form1Accessibility : public Form1Test {
protected:
    ComPointer<IAccessible> pane = clientObject(board());

    std::wstring description(LONG id) const
    {
        return textOf(*pane, &IAccessible::get_accDescription, id);
    }
    std::wstring defaultAction(LONG id) const
    {
        return textOf(*pane, &IAccessible::get_accDefaultAction, id);
    }
    DWORD runChecker(const std::wstring& arguments);
    HRESULT press(int tile)
    {
        const HRESULT result = pane->accDoDefaultAction(child(tile + 1));
        pump();
        return result;
    }
};

TEST_F(Form1Accessibility, TheBoardIsAPaneOfTwelveTileButtons)
{
    ASSERT_TRUE(pane);
    EXPECT_EQ(nameOf(*pane), L"Bild");
    EXPECT_EQ(roleOf(*pane), ROLE_SYSTEM_CLIENT);
    LONG count = 0;
    EXPECT_EQ(pane->get_accChildCount(&count), S_OK);
    EXPECT_EQ(count, 12);
    for (int tile = 0; tile < 12; ++tile) {
        const LONG id = tile + 1;
        EXPECT_EQ(nameOf(*pane, id), L"Bildteil " + std::to_wstring(id));
        EXPECT_EQ(roleOf(*pane, id), ROLE_SYSTEM_PUSHBUTTON);
        EXPECT_EQ(description(id), placeOf(tile));
        EXPECT_EQ(defaultAction(id), L"Drücken");
        EXPECT_EQ(stateOf(*pane, id), 0);
        IDispatch* simple = nullptr;
        EXPECT_EQ(pane->get_accChild(child(id), &simple), S_FALSE); // no object of its own
    }
    // Past the tiles, the alert that announces the complete picture.
    EXPECT_EQ(nameOf(*pane, 13), L"Das Bild ist vollständig.");
    EXPECT_EQ(roleOf(*pane, 13), ROLE_SYSTEM_ALERT);
    EXPECT_EQ(nameOf(*pane, 14), L"<error>");
    EXPECT_EQ(nameOf(*pane, -1), L"<error>");
}

TEST_F(Form1Accessibility, DescriptionsFollowTheTilesAndTheHoleTileIsInvisibleDuringAGame)
{
    click(startButton);
    for (int tile = 0; tile < 11; ++tile)
        EXPECT_EQ(description(tile + 1), placeOf(kFixedArrangement[tile])) << tile;
    EXPECT_EQ(stateOf(*pane, 12), STATE_SYSTEM_INVISIBLE);
    EXPECT_EQ(defaultAction(12), L"");
    EXPECT_EQ(press(11), DISP_E_MEMBERNOTFOUND);

    click(previewButton);
    EXPECT_EQ(stateOf(*pane, 12), 0);
    EXPECT_EQ(description(1), placeOf(0));
}

TEST_F(Form1Accessibility, TheDefaultActionIsATileClickWithAllItsRules)
{
    EXPECT_EQ(press(9), S_OK); // before Start: a click that changes nothing
    EXPECT_EQ(slotOf(9), 9);
    clock.set(9, 5, 7);
    click(startButton);
    EXPECT_EQ(press(0), S_OK); // tile 0 in slot 5, away from the hole
    EXPECT_EQ(text(movesValue), L"");

    EXPECT_EQ(press(9), S_OK); // tile 9 in slot 10, beside the hole in slot 11
    EXPECT_EQ(slotOf(9), 11);
    EXPECT_EQ(description(10), L"Reihe 3, Spalte 4");
    EXPECT_EQ(text(movesValue), L"1");

    // The native value labels read their values. (Their role, static text on Windows, is a
    // plain client object under Wine.)
    const ComPointer<IAccessible> moves = clientObject(control(movesValue));
    ASSERT_TRUE(moves);
    EXPECT_EQ(nameOf(*moves), L"1");
    const ComPointer<IAccessible> started = clientObject(control(startTimeValue));
    ASSERT_TRUE(started);
    EXPECT_EQ(nameOf(*started), L"9 : 5 : 7");
}

TEST_F(Form1Accessibility, LocationsHitTestsAndNavigationMatchTheBoardAsDrawn)
{
    click(startButton);
    // Tile 9 stands in slot 10, the hole is slot 11; in screen pixels at the board's resolution.
    auto expectTile9InSlot10 = [&](int dpi) {
        POINT origin{0, 0};
        ClientToScreen(board(), &origin);
        // Board pixels of a twip coordinate on the form.
        const auto x = [dpi](int twips) { return pixelsAtDpi(twips, dpi) - pixelsAtDpi(120, dpi); };
        const auto y = [dpi](int twips) { return pixelsAtDpi(twips, dpi) - pixelsAtDpi(600, dpi); };
        LONG left, top, width, height;
        ASSERT_EQ(pane->accLocation(&left, &top, &width, &height, child(10)), S_OK);
        EXPECT_EQ(left, origin.x + x(120 + 2 * 1905));
        EXPECT_EQ(top, origin.y + y(600 + 2 * 1695));
        EXPECT_EQ(left + width, origin.x + x(120 + 3 * 1905));
        EXPECT_EQ(top + height, origin.y + y(600 + 3 * 1695));

        VARIANT hit;
        EXPECT_EQ(pane->accHitTest(left + width / 2, top + height / 2, &hit), S_OK);
        EXPECT_EQ(hit.lVal, 10);
        EXPECT_EQ(pane->accHitTest(left + width * 3 / 2, top + height / 2, &hit), S_OK);
        EXPECT_EQ(hit.lVal, CHILDID_SELF); // the hole
        EXPECT_EQ(pane->accHitTest(origin.x - 5, origin.y, &hit), S_FALSE);
        EXPECT_EQ(hit.vt, VT_EMPTY);
    };
    expectTile9InSlot10(96);
    RECT suggested;
    GetWindowRect(form.handle(), &suggested);
    SendMessageW(form.handle(), WM_DPICHANGED, MAKEWPARAM(144, 144),
                 reinterpret_cast<LPARAM>(&suggested));
    expectTile9InSlot10(144);

    VARIANT next;
    EXPECT_EQ(pane->accNavigate(NAVDIR_UP, child(10), &next), S_OK);
    EXPECT_EQ(next.lVal, 8); // tile 7 stands in slot 6
    EXPECT_EQ(pane->accNavigate(NAVDIR_RIGHT, child(10), &next), S_FALSE); // the hole
    // No step across a row's end or off the board: tile 2 stands in slot 3, tile 1 in slot 0.
    EXPECT_EQ(pane->accNavigate(NAVDIR_RIGHT, child(3), &next), S_FALSE);
    EXPECT_EQ(pane->accNavigate(NAVDIR_LEFT, child(4), &next), S_FALSE);
    EXPECT_EQ(pane->accNavigate(NAVDIR_UP, child(2), &next), S_FALSE);
    EXPECT_EQ(pane->accNavigate(NAVDIR_LASTCHILD, child(CHILDID_SELF), &next), S_OK);
    EXPECT_EQ(next.lVal, 12);
    EXPECT_EQ(pane->accNavigate(NAVDIR_NEXT, child(12), &next), S_FALSE);
}

TEST_F(Form1Accessibility, ListenersHearOfMovedShownAndHiddenTiles)
{
    std::vector<WinEvent> events;
    recordedEvents = &events;
    const HWINEVENTHOOK hook =
        SetWinEventHook(EVENT_OBJECT_SHOW, EVENT_OBJECT_DESCRIPTIONCHANGE, nullptr, recordEvent,
                        GetCurrentProcessId(), 0, WINEVENT_OUTOFCONTEXT);
    ASSERT_NE(hook, nullptr);
    click(startButton);
    clickTile(9);
    click(previewButton);
    UnhookWinEvent(hook);
    recordedEvents = nullptr;

    auto seen = [&](DWORD event, LONG id) {
        return std::count(events.begin(), events.end(),
                          WinEvent{event, kBoardId, OBJID_CLIENT, id});
    };
    EXPECT_EQ(seen(EVENT_OBJECT_HIDE, 12), 1);
    EXPECT_EQ(seen(EVENT_OBJECT_SHOW, 12), 1);
    EXPECT_EQ(seen(EVENT_OBJECT_LOCATIONCHANGE, 12), 0); // tile 11 never left slot 11
    EXPECT_EQ(seen(EVENT_OBJECT_LOCATIONCHANGE, 1), 2);  // tile 0 to slot 5 and home
    EXPECT_EQ(seen(EVENT_OBJECT_DESCRIPTIONCHANGE, 1), 2);
    EXPECT_EQ(seen(EVENT_OBJECT_LOCATIONCHANGE, 10), 3); // tile 9 to slot 10, 11 and home
    EXPECT_EQ(seen(EVENT_OBJECT_DESCRIPTIONCHANGE, 10), 3);
}

TEST_F(Form1Accessibility, AClientHoldingTheObjectAfterTheWindowIsGoneGetsErrors)
{
    ASSERT_TRUE(pane);
    DestroyWindow(form.handle());
    pump();
    BSTR name = nullptr;
    EXPECT_EQ(pane->get_accName(child(1), &name), RPC_E_DISCONNECTED);
    EXPECT_EQ(name, nullptr);
    EXPECT_EQ(pane->accDoDefaultAction(child(10)), RPC_E_DISCONNECTED);
    LONG left, top, width, height;
    EXPECT_EQ(pane->accLocation(&left, &top, &width, &height, child(CHILDID_SELF)),
              RPC_E_DISCONNECTED);
}

// A screen reader runs in a process of its own: the object must reach it and take its calls
// while the window's thread goes on delivering messages. The checker's exit code, 0 for success.
DWORD Form1Accessibility::runChecker(const std::wstring& arguments)
{
    wchar_t path[MAX_PATH];
    const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring command(path, length);
    command = L"\"" + command.substr(0, command.find_last_of(L"\\/") + 1) +
              L"accessibility_checker.exe\" " + arguments;
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process))
        return 1; // no checker
    const std::unique_ptr<void, decltype(&CloseHandle)> thread(process.hThread, &CloseHandle);
    const std::unique_ptr<void, decltype(&CloseHandle)> owned(process.hProcess, &CloseHandle);
    const ULONGLONG deadline = GetTickCount64() + 30'000;
    while (MsgWaitForMultipleObjects(1, &process.hProcess, FALSE, 100, QS_ALLINPUT) !=
               WAIT_OBJECT_0 &&
           GetTickCount64() < deadline)
        pump();
    DWORD exitCode = STILL_ACTIVE;
    GetExitCodeProcess(process.hProcess, &exitCode);
    if (exitCode == STILL_ACTIVE)
        TerminateProcess(process.hProcess, 1);
    pump();
    return exitCode;
}

TEST_F(Form1Accessibility, AnotherProcessSeesTheTilesAndPressesOne)
{
    click(startButton);
    EXPECT_EQ(runChecker(L"10"), 0u);
    EXPECT_EQ(slotOf(9), 11);
    EXPECT_EQ(text(movesValue), L"1");
}

// The last move of a game reaches a screen reader in another process as an alert.
TEST_F(Form1Accessibility, AnotherProcessHearsThatThePictureIsComplete)
{
    click(startButton);
    const auto solution = testing::solve(kFixedArrangement);
    ASSERT_TRUE(solution.has_value());
    std::wstring presses = L"alert";
    for (const int tile : *solution)
        presses += L" " + std::to_wstring(tile + 1);
    EXPECT_EQ(runChecker(presses), 0u);
    expectNoGame();
}

} // namespace
} // namespace rutschbild::win32
