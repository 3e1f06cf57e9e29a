#include "board_accessible.h"
#include "accessible_text.h"
#include "board.h"
#include "slots.h"
#include "text.h"

#include <memory>
#include <string>

namespace rutschbild::win32 {

namespace {

// Announces the complete picture; not one of the board's children, it only raises the alert.
constexpr LONG kAlertChild = kTiles + 1;

bool isAlert(const VARIANT& child) { return child.vt == VT_I4 && child.lVal == kAlertChild; }

// Tile i is child i + 1; child 0 (CHILDID_SELF) is the board.
LONG childId(int tile) { return tile + 1; }

void setChild(VARIANT* variant, LONG child)
{
    VariantInit(variant);
    variant->vt = VT_I4;
    variant->lVal = child;
}

void clear(BSTR& text) { text = nullptr; }
void clear(LONG& number) { number = 0; }
void clear(VARIANT& variant) { VariantInit(&variant); }
void clear(IDispatch*& object) { object = nullptr; }

// Empties the out parameters of a call, as COM wants even when it fails; false if one is missing.
template <typename... Out>
bool cleared(Out*... out)
{
    if ((... || (out == nullptr)))
        return false;
    (clear(*out), ...);
    return true;
}

HRESULT returnText(BSTR* out, const std::wstring& text)
{
    *out = SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
    return *out != nullptr ? S_OK : E_OUTOFMEMORY;
}

} // namespace

ComPointer<BoardAccessible> BoardAccessible::create(Board& board)
{
    // From here on the reference count owns the object.
    return ComPointer<BoardAccessible>(std::make_unique<BoardAccessible>(board).release());
}

void BoardAccessible::disconnect()
{
    board_ = nullptr;
    CoDisconnectObject(this, 0);
}

HRESULT BoardAccessible::lookUp(const VARIANT& child, std::optional<int>& tile) const
{
    if (board_ == nullptr)
        return RPC_E_DISCONNECTED;
    if (child.vt != VT_I4 || child.lVal < CHILDID_SELF || child.lVal > kTiles)
        return E_INVALIDARG;
    if (child.lVal != CHILDID_SELF)
        tile = child.lVal - 1;
    return S_OK;
}

std::optional<int> BoardAccessible::tileInSlot(int slot) const
{
    for (int tile = 0; tile < kTiles; ++tile)
        if (board_->tileSlot(tile) == slot && board_->tileVisible(tile))
            return tile;
    return std::nullopt;
}

RECT BoardAccessible::screenRect(std::optional<int> tile) const
{
    RECT place;
    if (tile)
        place = board_->tileRect(*tile);
    else
        GetClientRect(board_->window_, &place);
    MapWindowPoints(board_->window_, nullptr, reinterpret_cast<POINT*>(&place), 2);
    return place;
}

HRESULT BoardAccessible::QueryInterface(REFIID id, void** object)
{
    if (object == nullptr)
        return E_POINTER;
    if (id == __uuidof(IUnknown) || id == __uuidof(IDispatch) || id == __uuidof(IAccessible)) {
        *object = static_cast<IAccessible*>(this);
        AddRef();
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

ULONG BoardAccessible::AddRef() { return ++references_; }

ULONG BoardAccessible::Release()
{
    const ULONG left = --references_;
    if (left == 0)
        delete this;
    return left;
}

HRESULT BoardAccessible::GetTypeInfoCount(UINT* count)
{
    if (count == nullptr)
        return E_POINTER;
    *count = 0;
    return S_OK;
}

HRESULT BoardAccessible::GetTypeInfo(UINT, LCID, ITypeInfo**) { return E_NOTIMPL; }

HRESULT BoardAccessible::GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) { return E_NOTIMPL; }

HRESULT BoardAccessible::Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*,
                                UINT*)
{
    return E_NOTIMPL;
}

HRESULT BoardAccessible::get_accParent(IDispatch** parent)
{
    if (!cleared(parent))
        return E_POINTER;
    if (board_ == nullptr)
        return RPC_E_DISCONNECTED;
    // The board window's own object, as for every client area.
    return AccessibleObjectFromWindow(board_->window_, static_cast<DWORD>(OBJID_WINDOW),
                                      __uuidof(IDispatch), reinterpret_cast<void**>(parent));
}

HRESULT BoardAccessible::get_accChildCount(LONG* count)
{
    if (!cleared(count))
        return E_POINTER;
    if (board_ == nullptr)
        return RPC_E_DISCONNECTED;
    *count = kTiles;
    return S_OK;
}

HRESULT BoardAccessible::get_accChild(VARIANT child, IDispatch** object)
{
    std::optional<int> tile;
    if (!cleared(object))
        return E_POINTER;
    if (board_ != nullptr && isAlert(child))
        return S_FALSE;
    if (const HRESULT found = lookUp(child, tile); found != S_OK)
        return found;
    return tile ? S_FALSE : E_INVALIDARG; // the tiles are simple elements of this object
}

HRESULT BoardAccessible::get_accName(VARIANT child, BSTR* name)
{
    std::optional<int> tile;
    if (!cleared(name))
        return E_POINTER;
    if (board_ != nullptr && isAlert(child))
        return returnText(name, widen(std::string(kPictureCompleteText)));
    if (const HRESULT found = lookUp(child, tile); found != S_OK)
        return found;
    return returnText(name, widen(tile ? tileName(*tile) : std::string(kBoardName)));
}

HRESULT BoardAccessible::get_accDescription(VARIANT child, BSTR* description)
{
    std::optional<int> tile;
    if (!cleared(description))
        return E_POINTER;
    if (const HRESULT found = lookUp(child, tile); found != S_OK)
        return found;
    return tile ? returnText(description, widen(placeDescription(board_->tileSlot(*tile))))
                : S_FALSE;
}

HRESULT BoardAccessible::get_accRole(VARIANT child, VARIANT* role)
{
    std::optional<int> tile;
    if (!cleared(role))
        return E_POINTER;
    const HRESULT found = board_ != nullptr && isAlert(child) ? S_OK : lookUp(child, tile);
    if (found != S_OK)
        return found;
    setChild(role, isAlert(child) ? ROLE_SYSTEM_ALERT
                   : tile         ? ROLE_SYSTEM_PUSHBUTTON
                                  : ROLE_SYSTEM_CLIENT);
    return S_OK;
}

HRESULT BoardAccessible::get_accState(VARIANT child, VARIANT* state)
{
    std::optional<int> tile;
    if (!cleared(state))
        return E_POINTER;
    if (const HRESULT found = lookUp(child, tile); found != S_OK)
        return found;
    const bool shown = IsWindowVisible(board_->window_) && (!tile || board_->tileVisible(*tile));
    setChild(state, shown ? 0 : STATE_SYSTEM_INVISIBLE);
    return S_OK;
}

// No value, help or keyboard shortcut anywhere on the board.
HRESULT BoardAccessible::get_accValue(VARIANT child, BSTR* value)
{
    std::optional<int> tile;
    if (!cleared(value))
        return E_POINTER;
    const HRESULT found = lookUp(child, tile);
    return found == S_OK ? S_FALSE : found;
}

HRESULT BoardAccessible::get_accHelp(VARIANT child, BSTR* help)
{
    return get_accValue(child, help);
}

HRESULT BoardAccessible::get_accKeyboardShortcut(VARIANT child, BSTR* shortcut)
{
    return get_accValue(child, shortcut);
}

HRESULT BoardAccessible::get_accHelpTopic(BSTR* file, VARIANT child, LONG* topic)
{
    if (!cleared(topic))
        return E_POINTER;
    *topic = -1;
    return get_accValue(child, file);
}

// The board and its tiles take no keyboard focus and nothing on them is selected.
HRESULT BoardAccessible::get_accFocus(VARIANT* child)
{
    if (!cleared(child))
        return E_POINTER;
    return board_ == nullptr ? RPC_E_DISCONNECTED : S_FALSE;
}

HRESULT BoardAccessible::get_accSelection(VARIANT* children) { return get_accFocus(children); }

HRESULT BoardAccessible::get_accDefaultAction(VARIANT child, BSTR* action)
{
    std::optional<int> tile;
    if (!cleared(action))
        return E_POINTER;
    if (const HRESULT found = lookUp(child, tile); found != S_OK)
        return found;
    return tile && board_->tileVisible(*tile)
               ? returnText(action, widen(std::string(kPressActionName)))
               : S_FALSE;
}

HRESULT BoardAccessible::accSelect(LONG, VARIANT child)
{
    std::optional<int> tile;
    const HRESULT found = lookUp(child, tile);
    return found == S_OK ? DISP_E_MEMBERNOTFOUND : found;
}

HRESULT BoardAccessible::accLocation(LONG* left, LONG* top, LONG* width, LONG* height,
                                     VARIANT child)
{
    std::optional<int> tile;
    if (!cleared(left, top, width, height))
        return E_POINTER;
    if (const HRESULT found = lookUp(child, tile); found != S_OK)
        return found;
    // Screen pixels: the tile rectangles follow the board's resolution already.
    const RECT place = screenRect(tile);
    *left = place.left;
    *top = place.top;
    *width = place.right - place.left;
    *height = place.bottom - place.top;
    return S_OK;
}

HRESULT BoardAccessible::accNavigate(LONG direction, VARIANT start, VARIANT* end)
{
    std::optional<int> tile;
    if (!cleared(end))
        return E_POINTER;
    if (const HRESULT found = lookUp(start, tile); found != S_OK)
        return found;
    std::optional<LONG> target;
    if (!tile) {
        if (direction == NAVDIR_FIRSTCHILD)
            target = childId(0);
        else if (direction == NAVDIR_LASTCHILD)
            target = childId(kTiles - 1);
    } else if (direction == NAVDIR_NEXT || direction == NAVDIR_PREVIOUS) {
        const int next = *tile + (direction == NAVDIR_NEXT ? 1 : -1);
        if (next >= 0 && next < kTiles)
            target = childId(next);
    } else {
        // On the board: the shown tile beside this one, if there is one. A step off the board
        // finds no tile there, and one across a row's end is no neighbour.
        const int slot = board_->tileSlot(*tile);
        const auto step = [direction](LONG less, LONG more) {
            return direction == more ? 1 : direction == less ? -1 : 0;
        };
        const int next = slotAt(rowOf(slot) + step(NAVDIR_UP, NAVDIR_DOWN),
                                columnOf(slot) + step(NAVDIR_LEFT, NAVDIR_RIGHT));
        if (const std::optional<int> beside = tileInSlot(next); beside && areNeighbours(slot, next))
            target = childId(*beside);
    }
    if (!target)
        return S_FALSE;
    setChild(end, *target);
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
    // The same tile a mouse click there would reach.
    const std::optional<int> tile = board_->tileAt(point);
    setChild(child, tile ? childId(*tile) : CHILDID_SELF);
    return S_OK;
}

HRESULT BoardAccessible::accDoDefaultAction(VARIANT child)
{
    std::optional<int> tile;
    if (const HRESULT found = lookUp(child, tile); found != S_OK)
        return found;
    // A hidden tile takes no click, like under the mouse.
    if (!tile || !board_->tileVisible(*tile))
        return DISP_E_MEMBERNOTFOUND;
    board_->onClick_(*tile);
    return S_OK;
}

HRESULT BoardAccessible::put_accName(VARIANT, BSTR) { return E_NOTIMPL; }

HRESULT BoardAccessible::put_accValue(VARIANT, BSTR) { return E_NOTIMPL; }

void notifyTileMoved(HWND board, int tile)
{
    NotifyWinEvent(EVENT_OBJECT_LOCATIONCHANGE, board, OBJID_CLIENT, childId(tile));
    NotifyWinEvent(EVENT_OBJECT_DESCRIPTIONCHANGE, board, OBJID_CLIENT, childId(tile));
}

void announcePictureComplete(HWND board)
{
    NotifyWinEvent(EVENT_SYSTEM_ALERT, board, OBJID_CLIENT, kAlertChild);
}

void notifyTileVisibility(HWND board, int tile, bool visible)
{
    NotifyWinEvent(visible ? EVENT_OBJECT_SHOW : EVENT_OBJECT_HIDE, board, OBJID_CLIENT,
                   childId(tile));
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
