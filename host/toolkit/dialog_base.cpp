#include "host/toolkit/dialog_base.hpp"

#include <cstdint>
#include <cstring>

namespace hadrek::toolkit {
namespace {

// The table holds code addresses as pointers to const data; they pass
// through an integer, since no cast turns such a pointer into a function
// pointer on every compiler.
template <typename Entry>
Entry tableEntry(const void* object, unsigned index) {
    const void* const* table = readDialogBasePart(object).table;
    return reinterpret_cast<Entry>(reinterpret_cast<std::uintptr_t>(table[index]));
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

int callHandler(void* object, unsigned index, int code, int phase) {
    return tableEntry<HandlerEntry>(object, index)(object, code, phase);
}

std::intptr_t callRowText(void* object, int row) { return tableEntry<RowTextEntry>(object, kRowText)(object, row, 0); }

}  // namespace hadrek::toolkit
