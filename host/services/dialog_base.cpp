// The host's dialog base class. Its part of an object is the table pointer
// and one word of the host's own: here the object's serial number, so the
// log can tell objects apart and catch a base destroyed twice.
#include <set>

#include "host/core/context.hpp"
#include "host/services/services.hpp"
#include "host/toolkit/dialog_base.hpp"
#include "plugin/interface/dialog_ids.hpp"

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
    toolkit::DialogBasePart part{dialogBaseTable(), g_nextSerial++};
    toolkit::writeDialogBasePart(self, part);
    liveObjects().insert(part.serial);
    context().log.write(
        {{"event", "object"}, {"action", "construct"}, {"class", "WDialogBase"}, {"serial", part.serial}});
    return self;
}

// 20903: destroy the base part.
void KZ_THISCALL dialogBaseDestroy(void* self) {
    const toolkit::DialogBasePart part = toolkit::readDialogBasePart(self);
    if (!liveObjects().erase(part.serial))
        fatal(kExitDeadDialogBase,
              serviceMessage(kz::Slot::DialogBaseDestroy, "was handed an object whose dialog base part is not alive"),
              {{"serial", part.serial}});
    context().log.write(
        {{"event", "object"}, {"action", "destroy"}, {"class", "WDialogBase"}, {"serial", part.serial}});
    toolkit::writeDialogBasePart(self, {dialogBaseTable(), 0});
}

template <int Entry>
int KZ_THISCALL dialogBaseEntry(void* self, int a, int b) {
    constexpr kz::DialogBaseEntry kEntry = kz::kDialogBaseEntries[Entry];
    static_assert(kEntry.inherited);
    context().log.write({{"event", "method"},
                         {"entry", Entry},
                         {"ordinal", kz::ordinalOf(kEntry.slot)},
                         {"serial", toolkit::readDialogBasePart(self).serial},
                         {"args", {a, b}}});
    return Entry == toolkit::kMayClose ? 1 : 0;
}

#define OWN_ENTRY(entry, role)
#define INHERITED_ENTRY(entry, role) template int KZ_THISCALL dialogBaseEntry<entry>(void*, int, int);
#include "plugin/interface/dialog_base_entries.inc"
#undef INHERITED_ENTRY
#undef OWN_ENTRY

namespace {

void* KZ_THISCALL baseDeletingDestructor(void* object, unsigned) {
    dialogBaseDestroy(object);
    return object;
}

int KZ_THISCALL baseHandler(void*, int, int) { return 0; }

std::intptr_t KZ_THISCALL baseRowText(void*, int row, int) {
    static char empty[1];
    return row == kz::kPytanieOLiczbe ? 0 : reinterpret_cast<std::intptr_t>(empty);
}

template <typename F>
const void* entry(F* function) {
    return reinterpret_cast<const void*>(function);
}

#define HADREK_OWN_DeletingDestructor entry(&baseDeletingDestructor)
#define HADREK_OWN_KeyHandler entry(&baseHandler)
#define HADREK_OWN_CommandHandler entry(&baseHandler)
#define HADREK_OWN_RowText entry(&baseRowText)

const void* const kBaseTable[kz::kDialogTableEntries] = {
#define OWN_ENTRY(entry, role) HADREK_OWN_##role,
#define INHERITED_ENTRY(n, role) entry(&dialogBaseEntry<n>),
#include "plugin/interface/dialog_base_entries.inc"
#undef INHERITED_ENTRY
#undef OWN_ENTRY
};

#undef HADREK_OWN_RowText
#undef HADREK_OWN_CommandHandler
#undef HADREK_OWN_KeyHandler
#undef HADREK_OWN_DeletingDestructor

}  // namespace

const void* const* dialogBaseTable() { return kBaseTable; }

}  // namespace hadrek::services
