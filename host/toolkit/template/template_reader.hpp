// Reader of the dialog template block that a plug-in hands to the dialog
// runner as a bare pointer. The block is untrusted: the reader checks every
// size against the bytes it was allowed to see and refuses the whole block
// at the first inconsistency.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "plugin/interface/uklad_szablonu.hpp"

namespace hadrek::toolkit {

using kz::szablon::Typ;

struct ControlRecord {
    Typ type = Typ::Okno;
    std::uint16_t id = 0;
    std::uint16_t style = 0;
    std::uint16_t hotKey = 0;
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    std::uint32_t extra = 0;
    std::string text;             // Mazovia; empty for edit fields and lists
    std::uint16_t maxLength = 0;  // edit fields only
    bool periodField = false;     // edit fields only
    std::size_t offset = 0;       // from the block start
    std::size_t size = 0;
};

struct DialogTemplate {
    ControlRecord dialog;
    std::vector<ControlRecord> controls;
    // Data buffer offset of each edit field, in record order: each slot is
    // the field's maximum length plus its NUL.
    std::vector<std::size_t> slotOffsets;
    std::size_t bufferSize = 0;
};

struct TemplateBlock {
    std::vector<DialogTemplate> dialogs;
    std::size_t bytesConsumed = 0;
};

struct ReadResult {
    std::optional<TemplateBlock> block;
    std::string error;  // English, names the offset; empty on success
};

// Larger blocks are refused outright: the real one is about a kilobyte.
inline constexpr std::size_t kMaxTemplateBlock = 64 * 1024;

// 4 + the total size the block declares, or 0 when that is above
// kMaxTemplateBlock (or `data` is null). Reads exactly 4 bytes.
std::size_t peekTemplateBlockSize(const std::uint8_t* data);

ReadResult readTemplateBlock(const std::uint8_t* data, std::size_t available);

// The first dialog with this id, or null.
const DialogTemplate* findDialog(const TemplateBlock& block, std::uint16_t id);

}  // namespace hadrek::toolkit
