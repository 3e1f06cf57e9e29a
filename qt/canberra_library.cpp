#include "canberra_library.h"

#include <dlfcn.h>

#include <type_traits>

namespace rutschbild::qt {

void CanberraLibrary::Closer::operator()(void* handle) const { dlclose(handle); }

CanberraLibrary::CanberraLibrary()
{
    // Closed with its player, but never unloaded: its sound backends may leave threads behind.
    handle_.reset(dlopen("libcanberra.so.0", RTLD_LAZY | RTLD_LOCAL | RTLD_NODELETE));
    const auto find = [this](auto& function, const char* name) {
        function = reinterpret_cast<std::remove_reference_t<decltype(function)>>(
            dlsym(handle_.get(), name));
        return function != nullptr;
    };
    if (!handle_ ||
        !(find(contextCreate, "ca_context_create") && find(contextDestroy, "ca_context_destroy") &&
          find(contextChangeProps, "ca_context_change_props") &&
          find(contextOpen, "ca_context_open") && find(contextPlayFull, "ca_context_play_full") &&
          find(proplistCreate, "ca_proplist_create") &&
          find(proplistDestroy, "ca_proplist_destroy") && find(proplistSets, "ca_proplist_sets") &&
          find(errorText, "ca_strerror"))) {
        const char* reason = dlerror();
        error_ = reason ? reason : "libcanberra.so.0 is incomplete";
        handle_.reset();
    }
}

} // namespace rutschbild::qt
