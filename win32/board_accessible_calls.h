#pragma once

// What the board's IAccessible methods share: its child ids and the plumbing of COM calls.
#include "slots.h"

#include <windows.h>
// After windows.h, which they build on.
#include <ole2.h>
#include <oleacc.h>

namespace rutschbild::win32 {

// Slot k is child k + 1; child 0 (CHILDID_SELF) is the board.
inline LONG childOfSlot(int slot) { return slot + 1; }
inline int slotOfChild(LONG child) { return static_cast<int>(child) - 1; }

inline void setChild(VARIANT* variant, LONG child)
{
    VariantInit(variant);
    variant->vt = VT_I4;
    variant->lVal = child;
}

inline void clear(BSTR& text) { text = nullptr; }
inline void clear(LONG& number) { number = 0; }
inline void clear(VARIANT& variant) { VariantInit(&variant); }
inline void clear(IDispatch*& object) { object = nullptr; }

// Empties the out parameters of a call, as COM wants even when it fails; false if one is missing.
template <typename... Out>
bool cleared(Out*... out)
{
    if ((... || (out == nullptr)))
        return false;
    (clear(*out), ...);
    return true;
}

} // namespace rutschbild::win32
