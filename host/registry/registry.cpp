#include "host/registry/registry.hpp"

#include "host/core/context.hpp"
#include "host/services/services.hpp"

namespace hadrek {
namespace {

[[noreturn]] void notImplemented(std::uint16_t ordinal) {
    const ServiceInfo* service = findService(ordinal);
    fatal(kExitNotImplemented,
          "host function " + std::to_string(ordinal) + " (" + service->what + ") is not implemented by this host",
          {{"ordinal", ordinal}, {"role", service->role}});
}

// A stand-in for a service a later stage of the host brings: it never
// returns, so its calling convention does not matter.
template <std::uint16_t Ordinal>
void KZ_CDECL unimplemented() {
    notImplemented(Ordinal);
}

template <kz::Slot S, typename Fn>
void* implementation(Fn function) {
    if constexpr (requires { typename kz::HostSignature<S>::Fn; })
        static_assert(std::is_same_v<Fn, typename kz::HostSignature<S>::Fn>,
                      "a service must be called the way the plug-in calls it");
    return reinterpret_cast<void*>(function);
}

struct ServiceTable {
    ServiceTable() {
#define HOST_FUNCTION(slot, ordinal, role, what) \
    hadrek_serviceTable[slot] = reinterpret_cast<void*>(&unimplemented<ordinal>);
#include "plugin/interface/host_functions.inc"
#undef HOST_FUNCTION
#define HADREK_SERVICE(role, function) \
    hadrek_serviceTable[static_cast<unsigned>(kz::Slot::role)] = implementation<kz::Slot::role>(&services::function);
        HADREK_SERVICES(HADREK_SERVICE)
#undef HADREK_SERVICE
#define OWN_ENTRY(entry, role)
#define INHERITED_ENTRY(entry, role)                             \
    hadrek_serviceTable[static_cast<unsigned>(kz::Slot::role)] = \
        implementation<kz::Slot::role>(&services::dialogBaseEntry<entry>);
#include "plugin/interface/dialog_base_entries.inc"
#undef INHERITED_ENTRY
#undef OWN_ENTRY
    }
};

const ServiceTable g_table;

}  // namespace

const ServiceInfo* findService(std::uint16_t ordinal) {
    for (const ServiceInfo& service : kServices)
        if (service.ordinal == ordinal) return &service;
    return nullptr;
}

void* serviceAddress(std::uint16_t ordinal) {
    if (ordinal == kNotificationOrdinal) return reinterpret_cast<void*>(&hadrek_notification);
    const ServiceInfo* service = findService(ordinal);
    return service ? hadrek_serviceTable[service->slot] : nullptr;
}

void* lookUpOrdinal(std::uint16_t ordinal) {
    if (context().options.missing.count(ordinal)) return nullptr;
    return serviceAddress(ordinal);
}

}  // namespace hadrek

void* hadrek_serviceTable[kz::kSlotCount];

int KZ_CDECL hadrek_notification(int what, int value) {
    hadrek::context().log.write({{"event", "notification"}, {"args", {what, value}}});
    return 0;
}
