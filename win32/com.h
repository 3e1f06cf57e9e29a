#pragma once

// COM on the window's thread: its apartment and owners for interface pointers.
#include <windows.h>
// After windows.h, which it builds on.
#include <objbase.h>

#include <memory>

namespace rutschbild::win32 {

// A single-threaded apartment on this thread while the owner lives; inner ones only count. The
// program keeps one for as long as its window lives: screen readers in other processes call the
// board's accessible object through it, between the window's messages.
class ComApartment {
public:
    ComApartment() : result_(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)) {}
    ~ComApartment()
    {
        if (SUCCEEDED(result_))
            CoUninitialize();
    }
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;

private:
    HRESULT result_;
};

struct ComReleaser {
    template <typename Interface>
    void operator()(Interface* object) const
    {
        object->Release();
    }
};
template <typename Interface>
using ComPointer = std::unique_ptr<Interface, ComReleaser>;

} // namespace rutschbild::win32
