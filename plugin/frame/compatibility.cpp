#include "plugin/frame/compatibility.hpp"

#include <cstring>

#include "plugin/export/wolaj_hosta.hpp"
#include "plugin/frame/plugin_state.hpp"
#include "plugin/interface/host_signatures.hpp"
#include "plugin/interface/rekordy_zakupow.hpp"

namespace kz {
namespace {

constexpr int kTableCount = sizeof kTabeleZakupow / sizeof kTabeleZakupow[0];

TableSizeEntry g_entries[kTableCount];
TableSizeEntry* g_mismatches;

bool listed(const TableSizeEntry* entry) {
    for (const TableSizeEntry* e = g_mismatches; e; e = e->next)
        if (e == entry) return true;
    return false;
}

void append(TableSizeEntry* entry) {
    TableSizeEntry** tail = &g_mismatches;
    while (*tail) tail = &(*tail)->next;
    entry->next = nullptr;
    *tail = entry;
}

std::int32_t hostRecordSize(int table) {
    const auto open = wolajHosta<Slot::TableOpen>();
    const void* handle = open ? open(table) : nullptr;
    if (!handle) return 0;
    std::int16_t size;
    std::memcpy(&size, static_cast<const char*>(handle) + kTableHandleRecordSize, sizeof size);
    slad::odczytLiczby("recordSize", size);
    return size;
}

}  // namespace

TableSizeEntry* mismatchList() { return g_mismatches; }

int recordSizeCheck() {
    for (int i = 0; i < kTableCount; ++i) {
        TableSizeEntry& entry = g_entries[i];
        entry.expected = kTabeleZakupow[i].rozmiarRekordu;
        entry.host = hostRecordSize(kTabeleZakupow[i].numer);
        entry.name = kTabeleZakupow[i].nazwa;
        if (entry.host != entry.expected && !listed(&entry)) append(&entry);
    }
    int count = 0;
    for (const TableSizeEntry* e = g_mismatches; e; e = e->next) ++count;
    return count;
}

int checksRerun() {
    const auto accept = wolajHosta<Slot::ModuleAcceptance>();
    const auto version = wolajHosta<Slot::InterfaceVersion>();
    if (!accept || accept(pluginState().module, nullptr, 0) != 0) return -1;
    if (!version || version() != kInterfaceVersion) return -1;
    return recordSizeCheck() == 0 ? 0 : -1;
}

}  // namespace kz
