// Delegates bind a dialog object to one of the host's dispatch functions;
// they live in storage of their maker. The value handed to the dialog runner
// is what a delegate's second table entry answers: here the delegate itself.
#pragma once

#include <cstdint>
#include <optional>

#include "plugin/interface/calling.hpp"
#include "plugin/interface/host_signatures.hpp"

namespace hadrek::toolkit {

using kz::kDelegateSize;
inline constexpr unsigned kDelegateTable = 0;
inline constexpr unsigned kDelegateObject = 4;
inline constexpr unsigned kDelegateDispatch = 8;
inline constexpr unsigned kDelegateMark = 12;
static_assert(kDelegateMark + 4 == kDelegateSize);

struct Delegate {
    void* object;
    void* dispatch;
    std::uint16_t ordinal;  // of the dispatch function, 0 when it is none of the host's
};

// `ordinal` says which of the host's dispatch functions `dispatch` is, 0
// when it is none of them; the runner picks its delegates by it.
void makeDelegate(void* storage, void* object, void* dispatch, std::uint16_t ordinal);
void destroyDelegate(void* storage);

// The delegate behind a value handed to the runner; none when the value is
// not a live delegate.
std::optional<Delegate> delegateFromValue(void* value);

using DispatchFn = std::intptr_t(KZ_CDECL*)(void* object, int code, int phase);

}  // namespace hadrek::toolkit
