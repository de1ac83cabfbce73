// The host's dialog base class. Its part of an object is the table pointer
// and one word of the host's own: here the object's serial number, so the
// log can tell objects apart and catch a base destroyed twice.
#include <set>

#include "host/core/context.hpp"
#include "host/services/services.hpp"
#include "host/registry/registry.hpp"
#include "host/toolkit/dialog_base.hpp"

namespace hadrek::services {
namespace {

std::set<std::uint32_t>& liveObjects() {
    static std::set<std::uint32_t> live;
    return live;
}
std::uint32_t g_nextSerial = 1;

}  // namespace

// 20902: construct the base part on the caller's storage.
void* KZ_THISCALL dialogBaseConstruct(void* self) {
    toolkit::DialogBasePart part{toolkit::dialogBaseTable(), g_nextSerial++};
    toolkit::writeDialogBasePart(self, part);
    liveObjects().insert(part.serial);
    context().log.write({{"event", "object"}, {"action", "construct"}, {"class", "WDialogBase"}, {"serial", part.serial}});
    return self;
}

// 20903: destroy the base part.
void KZ_THISCALL dialogBaseDestroy(void* self) {
    const toolkit::DialogBasePart part = toolkit::readDialogBasePart(self);
    if (!liveObjects().erase(part.serial))
        fatal(72, "20903 was handed an object whose dialog base part is not alive", {{"serial", part.serial}});
    context().log.write({{"event", "object"}, {"action", "destroy"}, {"class", "WDialogBase"}, {"serial", part.serial}});
    toolkit::writeDialogBasePart(self, {toolkit::dialogBaseTable(), 0});
}

}  // namespace hadrek::services

namespace hadrek::services {
namespace {

// The slot (and so the ordinal) that stands at a table entry.
constexpr unsigned slotOfEntry(int entry) { return entry <= 11 ? 77 - entry : 78 - entry; }

}  // namespace

template <int Entry>
int KZ_THISCALL dialogBaseEntry(void* self, int a, int b) {
    static_assert(Entry >= 3 && Entry <= 34 && Entry != 12);
    const std::uint16_t ordinal = kServices[slotOfEntry(Entry)].ordinal;
    context().log.write({{"event", "method"},
                         {"entry", Entry},
                         {"ordinal", ordinal},
                         {"serial", toolkit::readDialogBasePart(self).serial},
                         {"args", {a, b}}});
    return Entry == toolkit::kMayClose ? 1 : 0;
}

template int KZ_THISCALL dialogBaseEntry<3>(void*, int, int);
template int KZ_THISCALL dialogBaseEntry<4>(void*, int, int);
template int KZ_THISCALL dialogBaseEntry<5>(void*, int, int);
template int KZ_THISCALL dialogBaseEntry<6>(void*, int, int);
template int KZ_THISCALL dialogBaseEntry<7>(void*, int, int);
template int KZ_THISCALL dialogBaseEntry<8>(void*, int, int);
template int KZ_THISCALL dialogBaseEntry<9>(void*, int, int);
template int KZ_THISCALL dialogBaseEntry<10>(void*, int, int);
template int KZ_THISCALL dialogBaseEntry<11>(void*, int, int);
template int KZ_THISCALL dialogBaseEntry<13>(void*, int, int);
template int KZ_THISCALL dialogBaseEntry<14>(void*, int, int);
template int KZ_THISCALL dialogBaseEntry<15>(void*, int, int);
template int KZ_THISCALL dialogBaseEntry<16>(void*, int, int);
template int KZ_THISCALL dialogBaseEntry<17>(void*, int, int);
template int KZ_THISCALL dialogBaseEntry<18>(void*, int, int);
template int KZ_THISCALL dialogBaseEntry<19>(void*, int, int);
template int KZ_THISCALL dialogBaseEntry<20>(void*, int, int);
template int KZ_THISCALL dialogBaseEntry<21>(void*, int, int);
template int KZ_THISCALL dialogBaseEntry<22>(void*, int, int);
template int KZ_THISCALL dialogBaseEntry<23>(void*, int, int);
template int KZ_THISCALL dialogBaseEntry<24>(void*, int, int);
template int KZ_THISCALL dialogBaseEntry<25>(void*, int, int);
template int KZ_THISCALL dialogBaseEntry<26>(void*, int, int);
template int KZ_THISCALL dialogBaseEntry<27>(void*, int, int);
template int KZ_THISCALL dialogBaseEntry<28>(void*, int, int);
template int KZ_THISCALL dialogBaseEntry<29>(void*, int, int);
template int KZ_THISCALL dialogBaseEntry<30>(void*, int, int);
template int KZ_THISCALL dialogBaseEntry<31>(void*, int, int);
template int KZ_THISCALL dialogBaseEntry<32>(void*, int, int);
template int KZ_THISCALL dialogBaseEntry<33>(void*, int, int);
template int KZ_THISCALL dialogBaseEntry<34>(void*, int, int);

}  // namespace hadrek::services
