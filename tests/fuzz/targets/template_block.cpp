// The template block reader on any bytes, mostly mutations of the real
// block (its seed). A block it accepts lies within the bytes it was given:
// every record ends inside its dialog's entry, and every edit field's slot
// inside the data buffer the reader sized for it.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "host/toolkit/template/template_reader.hpp"

using namespace hadrek::toolkit;

namespace {

void checkDialog(const DialogTemplate& dialog, std::size_t consumed) {
    std::size_t slot = 0;
    for (const ControlRecord& control : dialog.controls) {
        if (control.offset + control.size > consumed) std::abort();
        if (control.type != Typ::PoleEdycji) continue;
        if (slot >= dialog.slotOffsets.size() || dialog.slotOffsets[slot] + control.maxLength + 1u > dialog.bufferSize)
            std::abort();
        ++slot;
    }
    if (slot != dialog.slotOffsets.size()) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const ReadResult result = readTemplateBlock(data, size);
    if (!result.block) {
        if (result.error.empty()) std::abort();
        return 0;
    }
    const std::size_t consumed = result.block->bytesConsumed;
    if (consumed > size || peekTemplateBlockSize(data) != consumed) std::abort();
    for (const DialogTemplate& dialog : result.block->dialogs) {
        checkDialog(dialog, consumed);
        if (findDialog(*result.block, dialog.dialog.id) == nullptr) std::abort();
    }
    return 0;
}
