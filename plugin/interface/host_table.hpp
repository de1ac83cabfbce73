// The host function table: 92 slots bound by ordinal at load, the only road
// into the host. Slot numbers, ordinals and roles come from
// host_functions.inc.
#pragma once

#include <cstdint>

#include "plugin/interface/calling.hpp"

namespace kz {

enum class Slot : unsigned {
#define HOST_FUNCTION(slot, ordinal, role, what) role = slot,
#include "plugin/interface/host_functions.inc"
#undef HOST_FUNCTION
};

struct HostFunction {
    unsigned slot;
    std::uint16_t ordinal;
    const char* role;
};

inline constexpr HostFunction kHostFunctions[] = {
#define HOST_FUNCTION(slot, ordinal, role, what) {slot, ordinal, #role},
#include "plugin/interface/host_functions.inc"
#undef HOST_FUNCTION
};

inline constexpr unsigned kSlotCount = sizeof(kHostFunctions) / sizeof(kHostFunctions[0]);
static_assert(kSlotCount == 92);

constexpr bool slotsInOrder() {
    for (unsigned i = 0; i < kSlotCount; ++i)
        if (kHostFunctions[i].slot != i) return false;
    return true;
}
static_assert(slotsInOrder(), "host_functions.inc must list slots 0..91 in order");

constexpr std::uint16_t ordinalOf(Slot slot) { return kHostFunctions[static_cast<unsigned>(slot)].ordinal; }

// The host's notification function: exported by ordinal beside the host
// functions but bound into no slot. host/CMakeLists.txt reads this line.
inline constexpr std::uint16_t kNotificationOrdinal = 30006;

// Failed lookups: the count keeps counting, the first kKeptMissingOrdinals
// ordinals stay (the failure report lists no more).
inline constexpr unsigned kKeptMissingOrdinals = 8;
struct MissingFunctions {
    std::uint32_t count;
    std::uint16_t ordinals[kKeptMissingOrdinals];
};

const MissingFunctions& missingFunctions();

// Asks the host module for `ordinal` and stores the answer, null included,
// in `slot`.
void* bindHostFunction(std::uint16_t ordinal, void** slot);

}  // namespace kz

extern "C" {
// Defined in host_slots.S.
extern void* kz_hostSlots[kz::kSlotCount];
// Called by the lazy and bind-now entries.
void* KZ_CDECL kz_bindSlot(unsigned slot);
}

namespace kz {

// The address a call through `slot` reaches now; null when the host lacks
// the function. Call sites test it: a null slot is never called.
template <typename Fn>
Fn hostFunction(Slot slot) {
    return reinterpret_cast<Fn>(kz_hostSlots[static_cast<unsigned>(slot)]);
}

bool allHostFunctionsBound();

}  // namespace kz
