// The main window as screen readers see it through MSAA: the board's twelve places in board order,
// tile buttons and the gap, the value labels and the change events.
#include "main_window_fixture.h"
#include "msaa_client.h"

#include <algorithm>
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

class MainWindowAccessibility : public MainWindowTest {
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
    // Presses the place where the tile stands.
    HRESULT press(int tile) { return pressPlace(slotOf(tile) + 1); }
    HRESULT pressPlace(LONG id)
    {
        const HRESULT result = pane->accDoDefaultAction(child(id));
        pump();
        return result;
    }
};

TEST_F(MainWindowAccessibility, TheBoardIsAPaneOfTwelveTileButtons)
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
    // Past the places, the alerts that say what the game tells unasked; none has said anything.
    for (LONG id = 13; id <= 16; ++id) {
        EXPECT_EQ(roleOf(*pane, id), ROLE_SYSTEM_ALERT) << id;
        EXPECT_EQ(stateOf(*pane, id), 0) << id;
        EXPECT_EQ(nameOf(*pane, id), L"") << id;
    }
    EXPECT_EQ(nameOf(*pane, 17), L"<error>");
    EXPECT_EQ(nameOf(*pane, -1), L"<error>");
}

// Row by row, as a player sees the board: in each place the tile that stands there, or the gap.
TEST_F(MainWindowAccessibility, ThePlacesFollowTheTilesAndTheGapIsWhereTheHoleIs)
{
    click(startButton);
    for (int tile = 0; tile < 11; ++tile) {
        const LONG id = kFixedArrangement[tile] + 1;
        EXPECT_EQ(nameOf(*pane, id), L"Bildteil " + std::to_wstring(tile + 1)) << tile;
        EXPECT_EQ(roleOf(*pane, id), ROLE_SYSTEM_PUSHBUTTON) << tile;
    }
    for (LONG id = 1; id <= 12; ++id)
        EXPECT_EQ(description(id), placeOf(id - 1)) << id;
    // Tile 11 is hidden: its place is the gap, with nothing to press.
    EXPECT_EQ(nameOf(*pane, 12), L"Lücke");
    EXPECT_EQ(roleOf(*pane, 12), ROLE_SYSTEM_STATICTEXT);
    EXPECT_EQ(stateOf(*pane, 12), 0);
    EXPECT_EQ(defaultAction(12), L"");
    EXPECT_EQ(pressPlace(12), DISP_E_MEMBERNOTFOUND);

    press(9); // from slot 10 into the hole: the gap takes its place
    EXPECT_EQ(nameOf(*pane, 11), L"Lücke");
    EXPECT_EQ(nameOf(*pane, 12), L"Bildteil 10");

    click(previewButton); // no game, no gap
    for (LONG id = 1; id <= 12; ++id)
        EXPECT_EQ(nameOf(*pane, id), L"Bildteil " + std::to_wstring(id)) << id;
    EXPECT_EQ(defaultAction(12), L"Drücken");
}

// The desktop keeps its keyboard for the controls: Tab never stops on the board or a tile.
TEST_F(MainWindowAccessibility, NeitherTheBoardNorItsPlacesTakeTheFocus)
{
    click(startButton);
    EXPECT_EQ(GetWindowLongW(board(), GWL_STYLE) & WS_TABSTOP, 0);
    for (LONG id = 0; id <= 12; ++id)
        EXPECT_EQ(stateOf(*pane, id) & STATE_SYSTEM_FOCUSABLE, 0) << id;
    VARIANT focus;
    EXPECT_EQ(pane->get_accFocus(&focus), S_FALSE);
}

TEST_F(MainWindowAccessibility, TheDefaultActionIsATileClickWithAllItsRules)
{
    EXPECT_EQ(press(9), S_OK); // before Start: a click that changes nothing
    EXPECT_EQ(slotOf(9), 9);
    clock.set(9, 5, 7);
    click(startButton);
    EXPECT_EQ(press(0), S_OK); // tile 0 in slot 5, away from the hole
    EXPECT_EQ(text(movesValue), L"");

    EXPECT_EQ(press(9), S_OK); // tile 9 in slot 10, beside the hole in slot 11
    EXPECT_EQ(slotOf(9), 11);
    EXPECT_EQ(nameOf(*pane, 12), L"Bildteil 10");
    EXPECT_EQ(description(12), L"Reihe 3, Spalte 4");
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

TEST_F(MainWindowAccessibility, LocationsHitTestsAndNavigationMatchTheBoardAsDrawn)
{
    click(startButton);
    // Tile 9 stands in slot 10, the hole is slot 11; in screen pixels at the board's resolution.
    auto expectTile9InSlot10 = [&](int dpi) {
        POINT origin{0, 0};
        ClientToScreen(board(), &origin);
        // Board pixels of a twip coordinate on the window.
        const auto x = [dpi](int twips) { return pixelsAtDpi(twips, dpi) - pixelsAtDpi(120, dpi); };
        const auto y = [dpi](int twips) { return pixelsAtDpi(twips, dpi) - pixelsAtDpi(600, dpi); };
        LONG left, top, width, height;
        ASSERT_EQ(pane->accLocation(&left, &top, &width, &height, child(11)), S_OK);
        EXPECT_EQ(left, origin.x + x(120 + 2 * 1905));
        EXPECT_EQ(top, origin.y + y(600 + 2 * 1695));
        EXPECT_EQ(left + width, origin.x + x(120 + 3 * 1905));
        EXPECT_EQ(top + height, origin.y + y(600 + 3 * 1695));

        VARIANT hit;
        EXPECT_EQ(pane->accHitTest(left + width / 2, top + height / 2, &hit), S_OK);
        EXPECT_EQ(hit.lVal, 11);
        EXPECT_EQ(pane->accHitTest(left + width * 3 / 2, top + height / 2, &hit), S_OK);
        EXPECT_EQ(hit.lVal, 12); // the gap
        EXPECT_EQ(pane->accHitTest(origin.x - 5, origin.y, &hit), S_FALSE);
        EXPECT_EQ(hit.vt, VT_EMPTY);
    };
    expectTile9InSlot10(96);
    RECT suggested;
    GetWindowRect(mainWindow.handle(), &suggested);
    SendMessageW(mainWindow.handle(), WM_DPICHANGED, MAKEWPARAM(144, 144),
                 reinterpret_cast<LPARAM>(&suggested));
    expectTile9InSlot10(144);

    VARIANT next;
    EXPECT_EQ(pane->accNavigate(NAVDIR_UP, child(11), &next), S_OK);
    EXPECT_EQ(next.lVal, 7); // slot 6
    EXPECT_EQ(pane->accNavigate(NAVDIR_RIGHT, child(11), &next), S_OK);
    EXPECT_EQ(next.lVal, 12); // the gap
    EXPECT_EQ(pane->accNavigate(NAVDIR_UP, child(12), &next), S_OK);
    EXPECT_EQ(next.lVal, 8);
    // No step across a row's end or off the board.
    EXPECT_EQ(pane->accNavigate(NAVDIR_RIGHT, child(4), &next), S_FALSE);
    EXPECT_EQ(pane->accNavigate(NAVDIR_LEFT, child(5), &next), S_FALSE);
    EXPECT_EQ(pane->accNavigate(NAVDIR_UP, child(1), &next), S_FALSE);
    EXPECT_EQ(pane->accNavigate(NAVDIR_DOWN, child(12), &next), S_FALSE);
    EXPECT_EQ(pane->accNavigate(NAVDIR_LASTCHILD, child(CHILDID_SELF), &next), S_OK);
    EXPECT_EQ(next.lVal, 12);
    EXPECT_EQ(pane->accNavigate(NAVDIR_NEXT, child(12), &next), S_FALSE);
    EXPECT_EQ(pane->accNavigate(NAVDIR_NEXT, child(11), &next), S_OK);
    EXPECT_EQ(next.lVal, 12);
}

TEST_F(MainWindowAccessibility, ListenersHearOfEachPlaceThatChanged)
{
    std::vector<WinEvent> events;
    recordedEvents = &events;
    const HWINEVENTHOOK hook =
        SetWinEventHook(EVENT_OBJECT_SHOW, EVENT_OBJECT_DESCRIPTIONCHANGE, nullptr, recordEvent,
                        GetCurrentProcessId(), 0, WINEVENT_OUTOFCONTEXT);
    ASSERT_NE(hook, nullptr);
    auto seen = [&](DWORD event, LONG id) {
        return std::count(events.begin(), events.end(),
                          WinEvent{event, kBoardId, OBJID_CLIENT, id});
    };
    auto names = [&] {
        return std::count_if(events.begin(), events.end(), [](const WinEvent& event) {
            return event.event == EVENT_OBJECT_NAMECHANGE;
        });
    };
    click(startButton); // no tile of the fixed start stands at home
    for (LONG id = 1; id <= 12; ++id)
        EXPECT_GE(seen(EVENT_OBJECT_NAMECHANGE, id), 1) << id;
    EXPECT_GE(seen(EVENT_OBJECT_REORDER, CHILDID_SELF), 1);

    events.clear();
    clickTile(9); // slot 10 becomes the gap, the gap in slot 11 tile 9
    EXPECT_EQ(seen(EVENT_OBJECT_NAMECHANGE, 11), 1);
    EXPECT_EQ(seen(EVENT_OBJECT_NAMECHANGE, 12), 1);
    EXPECT_EQ(names(), 2);
    EXPECT_EQ(seen(EVENT_OBJECT_REORDER, CHILDID_SELF), 1);

    events.clear();
    clickTile(0); // not beside the hole: nothing changes
    EXPECT_EQ(names(), 0);
    EXPECT_EQ(seen(EVENT_OBJECT_REORDER, CHILDID_SELF), 0);

    events.clear();
    click(previewButton);
    for (LONG id = 1; id <= 12; ++id)
        EXPECT_GE(seen(EVENT_OBJECT_NAMECHANGE, id), 1) << id;
    UnhookWinEvent(hook);
    recordedEvents = nullptr;
}

// The controls whose text was set while a test records.
std::vector<int>* textsSet = nullptr;

LRESULT CALLBACK recordTextSet(int code, WPARAM wParam, LPARAM lParam)
{
    const auto* call = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (code == HC_ACTION && call->message == WM_SETTEXT && textsSet != nullptr)
        textsSet->push_back(GetDlgCtrlID(call->hwnd));
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

// A value label is given a text, and with it a new name for screen readers, only when its text
// changes: a reader that follows one of them hears nothing twice.
TEST_F(MainWindowAccessibility, OnlyTheValueTextsThatChangeAreSetAnew)
{
    click(startButton);
    std::vector<int> set;
    textsSet = &set;
    const HHOOK hook =
        SetWindowsHookExW(WH_CALLWNDPROC, recordTextSet, nullptr, GetCurrentThreadId());
    ASSERT_NE(hook, nullptr);
    auto setTimes = [&](layout::ControlId id) {
        return std::count(set.begin(), set.end(), controlId(id));
    };

    clock.monotonic += 1'000;
    tick();
    EXPECT_EQ(setTimes(playTimeValue), 1);
    EXPECT_EQ(setTimes(movesValue), 0);
    EXPECT_EQ(setTimes(startTimeValue), 0);

    set.clear();
    clock.monotonic += 200; // still "0 : 1"
    tick();
    clickTile(9);
    EXPECT_EQ(setTimes(playTimeValue), 0);
    EXPECT_EQ(setTimes(movesValue), 1);
    EXPECT_EQ(setTimes(startTimeValue), 0);
    UnhookWindowsHookEx(hook);
    textsSet = nullptr;
}

TEST_F(MainWindowAccessibility, AClientHoldingTheObjectAfterTheWindowIsGoneGetsErrors)
{
    ASSERT_TRUE(pane);
    DestroyWindow(mainWindow.handle());
    pump();
    BSTR name = nullptr;
    EXPECT_EQ(pane->get_accName(child(1), &name), RPC_E_DISCONNECTED);
    EXPECT_EQ(name, nullptr);
    EXPECT_EQ(pane->accDoDefaultAction(child(10)), RPC_E_DISCONNECTED);
    LONG left, top, width, height;
    EXPECT_EQ(pane->accLocation(&left, &top, &width, &height, child(CHILDID_SELF)),
              RPC_E_DISCONNECTED);
}

} // namespace
} // namespace rutschbild::win32
