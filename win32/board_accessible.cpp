#include "board_accessible.h"
#include "accessible_text.h"
#include "board.h"
#include "board_accessible_calls.h"
#include "slots.h"
#include "text.h"

#include <memory>
#include <string>

namespace rutschbild::win32 {

namespace {

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

HRESULT BoardAccessible::lookUp(const VARIANT& child, std::optional<int>& slot) const
{
    if (board_ == nullptr)
        return RPC_E_DISCONNECTED;
    if (child.vt != VT_I4 || child.lVal < CHILDID_SELF || child.lVal > kTiles)
        return E_INVALIDARG;
    if (child.lVal != CHILDID_SELF)
        slot = slotOfChild(child.lVal);
    return S_OK;
}

std::optional<int> BoardAccessible::tileIn(int slot) const { return board_->tileIn(slot); }

bool BoardAccessible::isAlert(const VARIANT& child) const
{
    return board_ != nullptr && child.vt == VT_I4 && Alerts::isAlert(child.lVal);
}

RECT BoardAccessible::screenRect(std::optional<int> slot) const
{
    RECT place;
    if (slot)
        place = board_->slotRect(*slot);
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
    *count = kTiles; // the places, not the alerts
    return S_OK;
}

HRESULT BoardAccessible::get_accChild(VARIANT child, IDispatch** object)
{
    std::optional<int> slot;
    if (!cleared(object))
        return E_POINTER;
    if (isAlert(child))
        return S_FALSE;
    if (const HRESULT found = lookUp(child, slot); found != S_OK)
        return found;
    return slot ? S_FALSE : E_INVALIDARG; // the places are simple elements of this object
}

HRESULT BoardAccessible::get_accName(VARIANT child, BSTR* name)
{
    std::optional<int> slot;
    if (!cleared(name))
        return E_POINTER;
    if (isAlert(child))
        return returnText(name, board_->alerts_.text(child.lVal));
    if (const HRESULT found = lookUp(child, slot); found != S_OK)
        return found;
    if (!slot)
        return returnText(name, widen(std::string(kBoardName)));
    const std::optional<int> tile = tileIn(*slot);
    return returnText(name, widen(tile ? tileName(*tile) : std::string(kGapName)));
}

HRESULT BoardAccessible::get_accDescription(VARIANT child, BSTR* description)
{
    std::optional<int> slot;
    if (!cleared(description))
        return E_POINTER;
    if (const HRESULT found = lookUp(child, slot); found != S_OK)
        return found;
    return slot ? returnText(description, widen(placeDescription(*slot))) : S_FALSE;
}

HRESULT BoardAccessible::get_accRole(VARIANT child, VARIANT* role)
{
    std::optional<int> slot;
    if (!cleared(role))
        return E_POINTER;
    const HRESULT found = isAlert(child) ? S_OK : lookUp(child, slot);
    if (found != S_OK)
        return found;
    setChild(role, isAlert(child)  ? ROLE_SYSTEM_ALERT
                   : !slot         ? ROLE_SYSTEM_CLIENT
                   : tileIn(*slot) ? ROLE_SYSTEM_PUSHBUTTON
                                   : ROLE_SYSTEM_STATICTEXT);
    return S_OK;
}

HRESULT BoardAccessible::get_accState(VARIANT child, VARIANT* state)
{
    std::optional<int> slot;
    if (!cleared(state))
        return E_POINTER;
    const HRESULT found = isAlert(child) ? S_OK : lookUp(child, slot);
    if (found != S_OK)
        return found;
    setChild(state, IsWindowVisible(board_->window_) ? 0 : STATE_SYSTEM_INVISIBLE);
    return S_OK;
}

// No value, help or keyboard shortcut anywhere on the board.
HRESULT BoardAccessible::get_accValue(VARIANT child, BSTR* value)
{
    std::optional<int> slot;
    if (!cleared(value))
        return E_POINTER;
    const HRESULT found = lookUp(child, slot);
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
    std::optional<int> slot;
    if (!cleared(action))
        return E_POINTER;
    if (const HRESULT found = lookUp(child, slot); found != S_OK)
        return found;
    return slot && tileIn(*slot) ? returnText(action, widen(std::string(kPressActionName)))
                                 : S_FALSE;
}

} // namespace rutschbild::win32
