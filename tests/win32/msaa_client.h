#pragma once

// What a screen reader asks an accessible object, in a form tests can compare.
#include "com.h"

#include <windows.h>
// After windows.h, which they build on.
#include <ole2.h>
#include <oleacc.h>

#include <string>

namespace rutschbild::win32 {

// The client object of a window, as a screen reader gets it; empty when the window gives none.
inline ComPointer<IAccessible> clientObject(HWND window)
{
    void* object = nullptr;
    // __uuidof rather than IID_IAccessible: in a static MinGW link that is oleacc.dll's import
    // thunk, not the GUID.
    if (FAILED(AccessibleObjectFromWindow(window, static_cast<DWORD>(OBJID_CLIENT),
                                          __uuidof(IAccessible), &object)))
        return nullptr;
    return ComPointer<IAccessible>(static_cast<IAccessible*>(object));
}

inline VARIANT child(LONG id)
{
    VARIANT variant;
    VariantInit(&variant);
    variant.vt = VT_I4;
    variant.lVal = id;
    return variant;
}

// A text property; empty for none, "<error>" when the call fails.
template <typename Getter>
std::wstring textOf(IAccessible& object, Getter getter, LONG id = CHILDID_SELF)
{
    BSTR text = nullptr;
    const HRESULT result = (object.*getter)(child(id), &text);
    std::wstring copy = FAILED(result) ? L"<error>" : text ? text : L"";
    SysFreeString(text);
    return copy;
}

inline std::wstring nameOf(IAccessible& object, LONG id = CHILDID_SELF)
{
    return textOf(object, &IAccessible::get_accName, id);
}

// Role or state; -1 when the call fails.
inline LONG roleOf(IAccessible& object, LONG id = CHILDID_SELF)
{
    VARIANT role;
    return SUCCEEDED(object.get_accRole(child(id), &role)) && role.vt == VT_I4 ? role.lVal : -1;
}

inline LONG stateOf(IAccessible& object, LONG id = CHILDID_SELF)
{
    VARIANT state;
    return SUCCEEDED(object.get_accState(child(id), &state)) && state.vt == VT_I4 ? state.lVal : -1;
}

} // namespace rutschbild::win32
