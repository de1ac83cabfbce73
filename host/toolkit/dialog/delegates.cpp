#include "host/toolkit/dialog/delegates.hpp"

#include <cstring>
#include <set>

#include "host/core/context.hpp"
#include "host/platform/host_module.hpp"
#include "host/registry/registry.hpp"

namespace hadrek::toolkit {
namespace {

constexpr std::uint32_t kLive = 0x44454C47;  // "DELG"

std::set<const void*>& liveDelegates() {
    static std::set<const void*> live;
    return live;
}

void KZ_THISCALL delegateDestroyEntry(void* self) { destroyDelegate(self); }
void* KZ_THISCALL delegateValueEntry(void* self) { return self; }

const void* const kDelegateEntries[] = {
    reinterpret_cast<const void*>(&delegateDestroyEntry),
    reinterpret_cast<const void*>(&delegateValueEntry),
};

template <typename T>
void put(void* storage, unsigned offset, T value) {
    std::memcpy(static_cast<char*>(storage) + offset, &value, sizeof value);
}

template <typename T>
T get(const void* storage, unsigned offset) {
    T value;
    std::memcpy(&value, static_cast<const char*>(storage) + offset, sizeof value);
    return value;
}

// A caller outside the host module holds the exported entry; one linked
// with the host library (the in-process tests) holds the function itself.
std::uint16_t dispatchOrdinal(void* dispatch) {
    if (!dispatch) return 0;
    for (const kz::Slot slot :
         {kz::Slot::DispatchSelectionSecond, kz::Slot::DispatchOptions, kz::Slot::DispatchSelectionFirst}) {
        const std::uint16_t ordinal = kz::ordinalOf(slot);
        if (dispatch == exportedAddress(ordinal) || dispatch == serviceAddress(ordinal)) return ordinal;
    }
    return 0;
}

}  // namespace

void makeDelegate(void* storage, void* object, void* dispatch) {
    put(storage, kDelegateTable, &kDelegateEntries[0]);
    put(storage, kDelegateObject, object);
    put(storage, kDelegateDispatch, dispatch);
    put(storage, kDelegateMark, kLive);
    liveDelegates().insert(storage);
    context().log.write({{"event", "delegate"}, {"action", "make"}, {"dispatch", dispatchOrdinal(dispatch)}});
}

void destroyDelegate(void* storage) {
    if (!liveDelegates().erase(storage))
        fatal(73, serviceMessage(kz::Slot::DelegateDestroy, "was handed a delegate that is not alive"));
    context().log.write(
        {{"event", "delegate"}, {"action", "destroy"}, {"dispatch", dispatchOrdinal(get<void*>(storage, kDelegateDispatch))}});
    put(storage, kDelegateMark, std::uint32_t{0});
}

std::optional<Delegate> delegateFromValue(void* value) {
    if (!value || !liveDelegates().count(value) || get<std::uint32_t>(value, kDelegateMark) != kLive) return std::nullopt;
    void* dispatch = get<void*>(value, kDelegateDispatch);
    return Delegate{get<void*>(value, kDelegateObject), dispatch, dispatchOrdinal(dispatch)};
}

}  // namespace hadrek::toolkit
