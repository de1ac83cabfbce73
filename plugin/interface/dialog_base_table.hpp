// The dialog base class's method table as both sides see it: which entries
// a derived class defines and which host function stands at every other
// entry. Positions come from dialog_base_entries.inc.
#pragma once

#include "plugin/interface/host_table.hpp"

namespace kz {

inline constexpr unsigned kDialogTableEntries = 35;

// The entries a derived class defines.
enum class OwnEntry : unsigned {
#define OWN_ENTRY(entry, role) role = entry,
#define INHERITED_ENTRY(entry, role)
#include "plugin/interface/dialog_base_entries.inc"
#undef INHERITED_ENTRY
#undef OWN_ENTRY
};

struct DialogBaseEntry {
    unsigned entry;
    bool inherited;
    Slot slot;  // for an inherited entry
};

inline constexpr DialogBaseEntry kDialogBaseEntries[] = {
#define OWN_ENTRY(entry, role) {entry, false, Slot{}},
#define INHERITED_ENTRY(entry, role) {entry, true, Slot::role},
#include "plugin/interface/dialog_base_entries.inc"
#undef INHERITED_ENTRY
#undef OWN_ENTRY
};
static_assert(sizeof kDialogBaseEntries / sizeof kDialogBaseEntries[0] == kDialogTableEntries);

constexpr bool dialogBaseEntriesInOrder() {
    for (unsigned i = 0; i < kDialogTableEntries; ++i)
        if (kDialogBaseEntries[i].entry != i) return false;
    return true;
}
static_assert(dialogBaseEntriesInOrder(), "dialog_base_entries.inc must list entries 0..34 in order");

// Where the host function bound in `slot` stands in the table.
constexpr unsigned inheritedEntry(Slot slot) {
    for (const DialogBaseEntry& e : kDialogBaseEntries)
        if (e.inherited && e.slot == slot) return e.entry;
    throw "no inherited entry is bound to this slot";
}

}  // namespace kz
