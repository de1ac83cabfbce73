// Every call of the plug-in into the host goes through wolajHosta<Slot>():
// the function in the slot, called as it stands, and written to the trace
// when one is being taken. Without a trace the only cost is one test of a
// pointer.
#pragma once

#include <type_traits>
#include <utility>

#include "plugin/export/slad.hpp"
#include "plugin/interface/host_signatures.hpp"

namespace kz {

template <Slot S>
class WywolanieHosta {
public:
    using Fn = typename HostSignature<S>::Fn;
    explicit WywolanieHosta(Fn f) : f_(f) {}
    explicit operator bool() const { return f_ != nullptr; }

    template <typename... A>
    auto operator()(A... argumenty) const -> decltype(std::declval<Fn>()(argumenty...)) {
        if (slad::wlaczony()) [[unlikely]]
            return zeSladem(argumenty...);
        return f_(argumenty...);
    }

private:
    // Out of line, so the call without a trace stays as small as it was.
    template <typename... A>
    [[gnu::noinline]] auto zeSladem(A... argumenty) const -> decltype(std::declval<Fn>()(argumenty...)) {
        using R = decltype(f_(argumenty...));
        if constexpr (std::is_void_v<R>) {
            f_(argumenty...);
            slad::wywolanie<int>(S, nullptr, argumenty...);
        } else {
            R wynik = f_(argumenty...);
            slad::wywolanie(S, &wynik, argumenty...);
            return wynik;
        }
    }

    Fn f_;
};

template <Slot S>
WywolanieHosta<S> wolajHosta() {
    return WywolanieHosta<S>(host<S>());
}

}  // namespace kz
