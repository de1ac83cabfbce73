// The host's ordinal registry: what the host module exports, by ordinal.
// The rows come from the same table the plug-in binds from.
#pragma once

#include <cstdint>

#include "plugin/interface/host_table.hpp"

namespace hadrek {

using kz::kNotificationOrdinal;

struct ServiceInfo {
    unsigned slot;
    std::uint16_t ordinal;
    const char* role;
    const char* what;
};

inline constexpr ServiceInfo kServices[] = {
#define HOST_FUNCTION(slot, ordinal, role, what) {slot, ordinal, #role, what},
#include "plugin/interface/host_functions.inc"
#undef HOST_FUNCTION
};
static_assert(sizeof kServices / sizeof kServices[0] == kz::kSlotCount);

const ServiceInfo* findService(std::uint16_t ordinal);

// The implementation behind an exported ordinal (30006 included), ignoring
// the --missing option; null for ordinals the host does not export.
void* serviceAddress(std::uint16_t ordinal);

// What a lookup by ordinal in the host module answers, --missing included.
void* lookUpOrdinal(std::uint16_t ordinal);

}  // namespace hadrek

extern "C" {
// Implementations by slot; the Win32 module's export thunks jump through it.
extern void* hadrek_serviceTable[kz::kSlotCount];
int KZ_CDECL hadrek_notification(int what, int value);
}
