#include "host/toolkit/template/template_reader.hpp"

#include <bit>
#include <cstdio>
#include <cstring>
#include <utility>

#include "host/toolkit/template/template_layout.hpp"

namespace hadrek::toolkit {
namespace {

static_assert(std::endian::native == std::endian::little, "the block's integers are copied as they lie");

// Raised at the first fault; readTemplateBlock turns it into the result.
struct Refusal {
    std::string message;
};

[[noreturn]] void refuse(std::size_t offset, const std::string& what) {
    throw Refusal{"offset " + std::to_string(offset) + ": " + what};
}

std::string hex16(std::uint16_t value) {
    char text[8];
    std::snprintf(text, sizeof text, "0x%04X", static_cast<unsigned>(value));
    return text;
}

class Walker {
public:
    Walker(const std::uint8_t* data, std::size_t end) : data_(data), end_(end) {}

    TemplateBlock walk() {
        TemplateBlock block;
        std::size_t pos = layout::block::kEntries;
        while (pos < end_) block.dialogs.push_back(readEntry(pos));
        block.bytesConsumed = end_;
        return block;
    }

private:
    std::uint16_t u16(std::size_t at) const {
        std::uint16_t value;
        std::memcpy(&value, data_ + at, sizeof value);
        return value;
    }

    std::uint32_t u32(std::size_t at) const {
        std::uint32_t value;
        std::memcpy(&value, data_ + at, sizeof value);
        return value;
    }

    // Reads the entry at `pos` and moves `pos` past it.
    DialogTemplate readEntry(std::size_t& pos) {
        if (end_ - pos < layout::entry::kBody) {
            refuse(pos, "entry prefix needs 4 bytes but the block ends at " + std::to_string(end_));
        }
        const std::uint16_t bodySize = u16(pos + layout::entry::kBodySize);
        const std::uint16_t controlCount = u16(pos + layout::entry::kControlCount);
        const std::size_t bodyStart = pos + layout::entry::kBody;
        if (bodySize > end_ - bodyStart) {
            refuse(pos, "entry body size " + std::to_string(bodySize) + " runs past the block end at " + std::to_string(end_));
        }
        const std::size_t bodyEnd = bodyStart + bodySize;

        DialogTemplate dialog;
        std::size_t at = bodyStart;
        dialog.dialog = readRecord(at, bodyEnd);
        if (dialog.dialog.type != layout::type::kDialog) {
            refuse(at, "entry begins with a record of type " + hex16(dialog.dialog.type) + " instead of a dialog record");
        }
        at += dialog.dialog.size;
        for (std::uint16_t i = 0; i < controlCount; ++i) {
            ControlRecord control = readRecord(at, bodyEnd);
            if (control.type == layout::type::kDialog) {
                refuse(at, "control record " + std::to_string(i + 1) + " of " + std::to_string(controlCount) + " is a dialog record");
            }
            if (control.type == layout::type::kEdit) {
                dialog.slotOffsets.push_back(dialog.bufferSize);
                dialog.bufferSize += std::size_t{control.maxLength} + 1;
            }
            at += control.size;
            dialog.controls.push_back(std::move(control));
        }
        if (at != bodyEnd) {
            refuse(pos, "entry's " + std::to_string(controlCount) + " control records end at " + std::to_string(at) +
                            " but its body size says " + std::to_string(bodyEnd));
        }
        pos = bodyEnd;
        return dialog;
    }

    ControlRecord readRecord(std::size_t at, std::size_t limit) const {
        if (limit - at < 2) refuse(at, "record type needs 2 bytes but the entry body ends at " + std::to_string(limit));
        const std::uint16_t type = u16(at + layout::record::kType);
        switch (type) {
        case layout::type::kDialog:
        case layout::type::kButton:
        case layout::type::kLabel:
        case layout::type::kTextLine:
        case layout::type::kList:
            return readTextRecord(at, limit, type);
        case layout::type::kEdit:
            return readEditRecord(at, limit);
        default:
            refuse(at, "unknown record type " + hex16(type));
        }
    }

    ControlRecord readTextRecord(std::size_t at, std::size_t limit, std::uint16_t type) const {
        namespace r = layout::record;
        if (limit - at < r::kSmallestSize) {
            refuse(at, "record of type " + hex16(type) + " needs at least " + std::to_string(r::kSmallestSize) +
                           " bytes but the entry body ends at " + std::to_string(limit));
        }
        const std::size_t textStart = at + r::kText;
        const void* nul = std::memchr(data_ + textStart, 0, limit - textStart);
        if (nul == nullptr) {
            refuse(at, "text of record type " + hex16(type) + " has no NUL before the entry body ends at " + std::to_string(limit));
        }
        const auto textLength = static_cast<std::size_t>(static_cast<const std::uint8_t*>(nul) - (data_ + textStart));

        ControlRecord record;
        record.type = type;
        record.id = u16(at + r::kId);
        record.style = u16(at + r::kStyle);
        record.hotKey = u16(at + r::kHotKey);
        record.x = u16(at + r::kX);
        record.y = u16(at + r::kY);
        record.width = u16(at + r::kWidth);
        record.height = u16(at + r::kHeight);
        record.extra = u32(at + r::kExtra);
        record.text.assign(reinterpret_cast<const char*>(data_ + textStart), textLength);
        record.offset = at;
        record.size = r::kText + textLength + 1;
        return record;
    }

    ControlRecord readEditRecord(std::size_t at, std::size_t limit) const {
        namespace e = layout::edit;
        if (limit - at < e::kSize) {
            refuse(at, "edit field record needs " + std::to_string(e::kSize) + " bytes but the entry body ends at " +
                           std::to_string(limit));
        }
        ControlRecord record;
        record.type = layout::type::kEdit;
        record.id = u16(at + e::kId);
        record.style = u16(at + e::kStyle);
        record.hotKey = u16(at + e::kHotKey);
        record.x = u16(at + e::kX);
        record.y = u16(at + e::kY);
        record.width = u16(at + e::kWidth);
        record.height = u16(at + e::kHeight);
        record.extra = u32(at + e::kExtra);
        record.maxLength = u16(at + e::kMaxLength);
        // The runner sizes the buffer slot from the length; two lengths
        // that disagree leave it unclear how far a value may be written.
        const std::uint16_t again = u16(at + e::kMaxLengthAgain);
        if (again != record.maxLength) {
            refuse(at, "edit field gives maximum length " + std::to_string(record.maxLength) + " and again " +
                           std::to_string(again));
        }
        record.periodField = data_[at + e::kPeriodFlag] == layout::kPeriodFieldMarker;
        record.offset = at;
        record.size = e::kSize;
        return record;
    }

    const std::uint8_t* data_;
    std::size_t end_;
};

}  // namespace

std::size_t peekTemplateBlockSize(const std::uint8_t* data) {
    if (data == nullptr) return 0;
    std::uint32_t total;
    std::memcpy(&total, data + layout::block::kTotalSize, sizeof total);
    if (total > kMaxTemplateBlock) return 0;
    return layout::block::kEntries + total;
}

ReadResult readTemplateBlock(const std::uint8_t* data, std::size_t available) {
    ReadResult result;
    try {
        if (data == nullptr) throw Refusal{"no block: null pointer"};
        if (available < layout::block::kEntries) {
            refuse(0, "total size needs 4 bytes but only " + std::to_string(available) + " are available");
        }
        std::uint32_t total;
        std::memcpy(&total, data + layout::block::kTotalSize, sizeof total);
        if (total > kMaxTemplateBlock) {
            refuse(0, "total size " + std::to_string(total) + " is above the limit of " + std::to_string(kMaxTemplateBlock));
        }
        // Compared this way round so that 4 + total cannot wrap.
        if (total > available - layout::block::kEntries) {
            refuse(0, "total size " + std::to_string(total) + " needs " + std::to_string(total) + " + 4 bytes but only " +
                          std::to_string(available) + " are available");
        }
        result.block = Walker(data, layout::block::kEntries + total).walk();
    } catch (const Refusal& refusal) {
        result.error = refusal.message;
    }
    return result;
}

const DialogTemplate* findDialog(const TemplateBlock& block, std::uint16_t id) {
    for (const DialogTemplate& dialog : block.dialogs) {
        if (dialog.dialog.id == id) return &dialog;
    }
    return nullptr;
}

}  // namespace hadrek::toolkit
