// The host's side of a dialog object: the base part at the start of every
// object derived from WDialogBase, and the calls the toolkit makes through
// the object's table while a dialog runs.
#pragma once

#include <cstdint>

#include "plugin/interface/calling.hpp"
#include "plugin/interface/dialog_base_table.hpp"

namespace hadrek::toolkit {

using kz::kDialogTableEntries;

// Entries the toolkit calls by position.
enum DialogEntry : unsigned {
    kDeletingDestructor = static_cast<unsigned>(kz::OwnEntry::DeletingDestructor),
    kKeyHandler = static_cast<unsigned>(kz::OwnEntry::KeyHandler),
    kCommandHandler = static_cast<unsigned>(kz::OwnEntry::CommandHandler),
    kOpened = kz::inheritedEntry(kz::Slot::DialogBaseOpened),
    kMayClose = kz::inheritedEntry(kz::Slot::DialogBaseMayClose),
    kRowText = static_cast<unsigned>(kz::OwnEntry::RowText),
    kFocusMoved = kz::inheritedEntry(kz::Slot::DialogBaseFocusMoved),
    kClosed = kz::inheritedEntry(kz::Slot::DialogBaseClosed),
};

// Offsets of the base part within an object.
inline constexpr unsigned kBaseTableOffset = 0;
inline constexpr unsigned kBaseWordOffset = 4;

struct DialogBasePart {
    const void* const* table;
    std::uint32_t serial;  // the host's own word
};

DialogBasePart readDialogBasePart(const void* object);
void writeDialogBasePart(void* object, const DialogBasePart& part);

// Entry shapes: every method this host defines takes two 32-bit values.
using HandlerEntry = int(KZ_THISCALL*)(void* object, int code, int phase);
using RowTextEntry = std::intptr_t(KZ_THISCALL*)(void* object, int row, int unused);

int callHandler(void* object, unsigned entry, int code, int phase);
std::intptr_t callRowText(void* object, int row);

}  // namespace hadrek::toolkit
