#include "host/toolkit/dialog/delegates.hpp"

#include <cstring>
#include <map>

#include "host/core/context.hpp"

namespace hadrek::toolkit {
namespace {

constexpr std::uint32_t kLive = 0x44454C47;  // "DELG"

// Live delegates by storage, with the ordinal of their dispatch function.
std::map<const void*, std::uint16_t>& liveDelegates() {
    static std::map<const void*, std::uint16_t> live;
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

}  // namespace

void makeDelegate(void* storage, void* object, void* dispatch, std::uint16_t ordinal) {
    widenObject(storage, kDelegateSize);
    put(storage, kDelegateTable, &kDelegateEntries[0]);
    put(storage, kDelegateObject, object);
    put(storage, kDelegateDispatch, dispatch);
    put(storage, kDelegateMark, kLive);
    liveDelegates()[storage] = ordinal;
    context().log.write({{"event", "delegate"}, {"action", "make"}, {"dispatch", ordinal}});
}

void destroyDelegate(void* storage) {
    const auto live = liveDelegates().find(storage);
    if (live == liveDelegates().end())
        fatal(kExitDeadDelegate, serviceMessage(kz::Slot::DelegateDestroy, "was handed a delegate that is not alive"));
    checkWideObject(storage, kDelegateSize, kz::Slot::DelegateDestroy);
    context().log.write({{"event", "delegate"}, {"action", "destroy"}, {"dispatch", live->second}});
    liveDelegates().erase(live);
    put(storage, kDelegateMark, std::uint32_t{0});
}

std::optional<Delegate> delegateFromValue(void* value) {
    const auto live = liveDelegates().find(value);
    if (live == liveDelegates().end() || get<std::uint32_t>(value, kDelegateMark) != kLive) return std::nullopt;
    return Delegate{get<void*>(value, kDelegateObject), get<void*>(value, kDelegateDispatch), live->second};
}

}  // namespace hadrek::toolkit
