// The board's places as screen readers find and press them, and the events that tell them of
// changes; the board's side of WM_GETOBJECT.
#include "board.h"
#include "board_accessible.h"
#include "board_accessible_calls.h"
#include "board_keys.h"
#include "slots.h"

namespace rutschbild::win32 {

namespace {

std::optional<BoardKey> keyOf(LONG direction)
{
    switch (direction) {
    case NAVDIR_UP:
        return BoardKey::up;
    case NAVDIR_DOWN:
        return BoardKey::down;
    case NAVDIR_LEFT:
        return BoardKey::left;
    case NAVDIR_RIGHT:
        return BoardKey::right;
    default:
        return std::nullopt;
    }
}

} // namespace

HRESULT BoardAccessible::accSelect(LONG, VARIANT child)
{
    std::optional<int> slot;
    const HRESULT found = lookUp(child, slot);
    return found == S_OK ? DISP_E_MEMBERNOTFOUND : found;
}

HRESULT BoardAccessible::accLocation(LONG* left, LONG* top, LONG* width, LONG* height,
                                     VARIANT child)
{
    std::optional<int> slot;
    if (!cleared(left, top, width, height))
        return E_POINTER;
    if (const HRESULT found = lookUp(child, slot); found != S_OK)
        return found;
    // Screen pixels: the slot rectangles follow the board's resolution already.
    const RECT place = screenRect(slot);
    *left = place.left;
    *top = place.top;
    *width = place.right - place.left;
    *height = place.bottom - place.top;
    return S_OK;
}

HRESULT BoardAccessible::accNavigate(LONG direction, VARIANT start, VARIANT* end)
{
    std::optional<int> slot;
    if (!cleared(end))
        return E_POINTER;
    if (const HRESULT found = lookUp(start, slot); found != S_OK)
        return found;
    std::optional<int> target;
    if (!slot) {
        if (direction == NAVDIR_FIRSTCHILD)
            target = 0;
        else if (direction == NAVDIR_LASTCHILD)
            target = kTiles - 1;
    } else if (direction == NAVDIR_NEXT || direction == NAVDIR_PREVIOUS) {
        const int next = *slot + (direction == NAVDIR_NEXT ? 1 : -1);
        if (next >= 0 && next < kTiles)
            target = next;
    } else if (const std::optional<BoardKey> key = keyOf(direction)) {
        // On the board: the place beside this one, tile or gap; at the board's edge none.
        const int beside = slotAfterKey(*slot, *key);
        if (beside != *slot)
            target = beside;
    }
    if (!target)
        return S_FALSE;
    setChild(end, childOfSlot(*target));
    return S_OK;
}

HRESULT BoardAccessible::accHitTest(LONG x, LONG y, VARIANT* child)
{
    if (!cleared(child))
        return E_POINTER;
    if (board_ == nullptr)
        return RPC_E_DISCONNECTED;
    POINT point{x, y};
    ScreenToClient(board_->window_, &point);
    RECT client;
    GetClientRect(board_->window_, &client);
    if (!PtInRect(&client, point))
        return S_FALSE;
    // The place under the point, the gap too; the board's outline beyond the places is the board.
    LONG found = CHILDID_SELF;
    for (int slot = 0; slot < kTiles; ++slot) {
        const RECT place = board_->slotRect(slot);
        if (PtInRect(&place, point))
            found = childOfSlot(slot);
    }
    setChild(child, found);
    return S_OK;
}

HRESULT BoardAccessible::accDoDefaultAction(VARIANT child)
{
    std::optional<int> slot;
    if (const HRESULT found = lookUp(child, slot); found != S_OK)
        return found;
    // The gap has nothing to press, like under the mouse.
    const std::optional<int> tile = slot ? tileIn(*slot) : std::nullopt;
    if (!tile)
        return DISP_E_MEMBERNOTFOUND;
    board_->onClick_(*tile);
    return S_OK;
}

HRESULT BoardAccessible::put_accName(VARIANT, BSTR) { return E_NOTIMPL; }

HRESULT BoardAccessible::put_accValue(VARIANT, BSTR) { return E_NOTIMPL; }

// What a place holds changed: its name, and with it its role and default action.
void notifyPlaceChanged(HWND board, int slot)
{
    NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, board, OBJID_CLIENT, childOfSlot(slot));
}

void notifyBoardReordered(HWND board)
{
    NotifyWinEvent(EVENT_OBJECT_REORDER, board, OBJID_CLIENT, CHILDID_SELF);
}

void raiseAlert(HWND board, LONG child)
{
    NotifyWinEvent(EVENT_SYSTEM_ALERT, board, OBJID_CLIENT, child);
}

// Normally the window is gone first (WM_DESTROY); either way no client reaches a lost board.
Board::~Board() { closeAccessible(); }

LRESULT Board::accessibleObject(WPARAM flags, LPARAM objectId)
{
    // Only the client area is ours; the window's frame and parts stay with the system. A window
    // on its way out hands out nothing new.
    if (static_cast<LONG>(static_cast<DWORD>(objectId)) != OBJID_CLIENT || accessibleClosed_)
        return DefWindowProcW(window_, WM_GETOBJECT, flags, objectId);
    if (!accessible_)
        accessible_ = BoardAccessible::create(*this);
    return LresultFromObject(__uuidof(IAccessible), flags, accessible_.get());
}

void Board::closeAccessible()
{
    accessibleClosed_ = true;
    if (accessible_)
        accessible_->disconnect();
    accessible_.reset();
}

} // namespace rutschbild::win32
