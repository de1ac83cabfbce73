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

#define INHERITED(n) entry(&services::dialogBaseEntry<n>)

const void* const kBaseTable[kDialogTableEntries] = {
    entry(&baseDeletingDestructor), entry(&baseHandler), entry(&baseHandler),
    INHERITED(3), INHERITED(4), INHERITED(5), INHERITED(6), INHERITED(7), INHERITED(8), INHERITED(9), INHERITED(10),
    INHERITED(11), entry(&baseRowText),
    INHERITED(13), INHERITED(14), INHERITED(15), INHERITED(16), INHERITED(17), INHERITED(18), INHERITED(19),
    INHERITED(20), INHERITED(21), INHERITED(22), INHERITED(23), INHERITED(24), INHERITED(25), INHERITED(26),
    INHERITED(27), INHERITED(28), INHERITED(29), INHERITED(30), INHERITED(31), INHERITED(32), INHERITED(33),
    INHERITED(34),
};

#undef INHERITED

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
