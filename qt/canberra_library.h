#pragma once

#include <canberra.h>

#include <memory>
#include <string>

namespace rutschbild::qt {

// libcanberra, opened at the first beep rather than linked: with the six libraries it brings along
// it would cost every start some 300 KiB and part of a millisecond before any sound is asked for.
// The package still depends on it.
class CanberraLibrary {
public:
    // Opens libcanberra; on failure ok() is false and error() says why.
    CanberraLibrary();

    bool ok() const { return handle_ != nullptr; }
    const std::string& error() const { return error_; }

    decltype(&ca_context_create) contextCreate = nullptr;
    decltype(&ca_context_destroy) contextDestroy = nullptr;
    decltype(&ca_context_change_props) contextChangeProps = nullptr;
    decltype(&ca_context_open) contextOpen = nullptr;
    decltype(&ca_context_play_full) contextPlayFull = nullptr;
    decltype(&ca_proplist_create) proplistCreate = nullptr;
    decltype(&ca_proplist_destroy) proplistDestroy = nullptr;
    decltype(&ca_proplist_sets) proplistSets = nullptr;
    decltype(&ca_strerror) errorText = nullptr;

private:
    struct Closer {
        void operator()(void* handle) const;
    };
    std::unique_ptr<void, Closer> handle_;
    std::string error_;
};

} // namespace rutschbild::qt
