#include "host/toolkit/dialog_base.hpp"

#include <cstring>

#include "host/services/services.hpp"

namespace hadrek::toolkit {
namespace {

void* KZ_THISCALL baseDeletingDestructor(void* object, unsigned) {
    services::dialogBaseDestroy(object);
    return object;
}

int KZ_THISCALL baseHandler(void*, int, int) { return 0; }

std::intptr_t KZ_THISCALL baseRowText(void*, int row, int) {
    static char empty[1];
    return row == -1 ? 0 : reinterpret_cast<std::intptr_t>(empty);
}

template <typename F>
const void* entry(F* function) {
    return reinterpret_cast<const void*>(function);
}

#define HADREK_OWN_DeletingDestructor entry(&baseDeletingDestructor)
#define HADREK_OWN_KeyHandler entry(&baseHandler)
#define HADREK_OWN_CommandHandler entry(&baseHandler)
#define HADREK_OWN_RowText entry(&baseRowText)

const void* const kBaseTable[kDialogTableEntries] = {
#define OWN_ENTRY(entry, role) HADREK_OWN_##role,
#define INHERITED_ENTRY(n, role) entry(&services::dialogBaseEntry<n>),
#include "plugin/frame/dialog_base_entries.inc"
#undef INHERITED_ENTRY
#undef OWN_ENTRY
};

#undef HADREK_OWN_RowText
#undef HADREK_OWN_CommandHandler
#undef HADREK_OWN_KeyHandler
#undef HADREK_OWN_DeletingDestructor

const void* tableEntry(const void* object, unsigned index) {
    const void* const* table = readDialogBasePart(object).table;
    return table[index];
}

}  // namespace

DialogBasePart readDialogBasePart(const void* object) {
    DialogBasePart part;
    std::memcpy(&part.table, static_cast<const char*>(object) + kBaseTableOffset, sizeof part.table);
    std::memcpy(&part.serial, static_cast<const char*>(object) + kBaseWordOffset, sizeof part.serial);
    return part;
}

void writeDialogBasePart(void* object, const DialogBasePart& part) {
    std::memcpy(static_cast<char*>(object) + kBaseTableOffset, &part.table, sizeof part.table);
    std::memcpy(static_cast<char*>(object) + kBaseWordOffset, &part.serial, sizeof part.serial);
}

const void* const* dialogBaseTable() { return kBaseTable; }

int callHandler(void* object, unsigned index, int code, int phase) {
    return reinterpret_cast<HandlerEntry>(tableEntry(object, index))(object, code, phase);
}

std::intptr_t callRowText(void* object, int row) {
    return reinterpret_cast<RowTextEntry>(tableEntry(object, kRowText))(object, row, 0);
}

}  // namespace hadrek::toolkit
