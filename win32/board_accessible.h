#pragma once

// The board as screen readers and automation tools see it (MSAA): the client object named as the
// board with its twelve places as simple child elements, slot k as child k + 1, in board order.
// Each place holds a push button named by its tile and described by the place, whose default
// action is the tile's Click, or, while a game runs, the gap, a static text. Alert elements past
// the places say what the game tells unasked (alerts.h). The board hands the object out on
// WM_GETOBJECT and cuts it off when its window goes; a client that still holds it then gets
// RPC_E_DISCONNECTED from every call.
#include "com.h"

#include <windows.h>
// After windows.h, which they build on.
#include <ole2.h>
#include <oleacc.h>

#include <atomic>
#include <optional>

namespace rutschbild::win32 {

class Board;

class BoardAccessible final : public IAccessible {
public:
    explicit BoardAccessible(Board& board) : board_(&board) {}
    ~BoardAccessible() = default; // ended by the last Release
    BoardAccessible(const BoardAccessible&) = delete;
    BoardAccessible& operator=(const BoardAccessible&) = delete;

    static ComPointer<BoardAccessible> create(Board& board);
    // Forgets the board and drops the connections of other processes.
    void disconnect();

    // IUnknown
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;

    // IDispatch: clients use the IAccessible methods themselves.
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override;
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override;
    HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*,
                                     UINT*) override;

    // IAccessible
    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override;
    HRESULT STDMETHODCALLTYPE get_accChildCount(LONG* count) override;
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** object) override;
    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override;
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override;
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* description) override;
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override;
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override;
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* help) override;
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, LONG* topic) override;
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) override;
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* child) override;
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* children) override;
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override;
    HRESULT STDMETHODCALLTYPE accSelect(LONG flags, VARIANT child) override;
    HRESULT STDMETHODCALLTYPE accLocation(LONG* left, LONG* top, LONG* width, LONG* height,
                                          VARIANT child) override;
    HRESULT STDMETHODCALLTYPE accNavigate(LONG direction, VARIANT start, VARIANT* end) override;
    HRESULT STDMETHODCALLTYPE accHitTest(LONG x, LONG y, VARIANT* child) override;
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override;
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT child, BSTR name) override;
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT child, BSTR value) override;

private:
    // What every call checks first: the board is still there and knows the child id. Gives the
    // slot of the place the id names, or leaves it empty for the board itself.
    HRESULT lookUp(const VARIANT& child, std::optional<int>& slot) const;
    // The tile that stands in the place; none for the gap.
    std::optional<int> tileIn(int slot) const;
    bool isAlert(const VARIANT& child) const;
    RECT screenRect(std::optional<int> slot) const;

    std::atomic<ULONG> references_{1};
    Board* board_; // null once the board window is gone
};

// Tell listening screen readers what changed on the board: what stands in a place, the order of
// the tiles, and an alert with something to say.
void notifyPlaceChanged(HWND board, int slot);
void notifyBoardReordered(HWND board);
void raiseAlert(HWND board, LONG child);

} // namespace rutschbild::win32
