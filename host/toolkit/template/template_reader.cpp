#include "host/toolkit/template/template_reader.hpp"

#include <bit>
#include <cstdio>
#include <cstring>
#include <utility>

namespace hadrek::toolkit {
namespace {

namespace szablon = kz::szablon;

static_assert(std::endian::native == std::endian::little, "the block's integers are copied as they lie");

constexpr std::uint16_t code(Typ type) { return static_cast<std::uint16_t>(type); }

// The fields plus the NUL of an empty text.
constexpr std::size_t kSmallestTextRecord = szablon::rekord::kTekst + 1;

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
        std::size_t pos = szablon::blok::kWpisy;
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
        if (end_ - pos < szablon::wpis::kRekordy) {
            refuse(pos, "entry prefix needs 4 bytes but the block ends at " + std::to_string(end_));
        }
        const std::uint16_t bodySize = u16(pos + szablon::wpis::kRozmiarTresci);
        const std::uint16_t controlCount = u16(pos + szablon::wpis::kLiczbaKontrolek);
        const std::size_t bodyStart = pos + szablon::wpis::kRekordy;
        if (bodySize > end_ - bodyStart) {
            refuse(pos, "entry body size " + std::to_string(bodySize) + " runs past the block end at " +
                            std::to_string(end_));
        }
        const std::size_t bodyEnd = bodyStart + bodySize;

        DialogTemplate dialog;
        std::size_t at = bodyStart;
        dialog.dialog = readRecord(at, bodyEnd);
        if (dialog.dialog.type != Typ::Okno) {
            refuse(at, "entry begins with a record of type " + hex16(code(dialog.dialog.type)) +
                           " instead of a dialog record");
        }
        at += dialog.dialog.size;
        for (std::uint16_t i = 0; i < controlCount; ++i) {
            ControlRecord control = readRecord(at, bodyEnd);
            if (control.type == Typ::Okno) {
                refuse(at, "control record " + std::to_string(i + 1) + " of " + std::to_string(controlCount) +
                               " is a dialog record");
            }
            if (control.type == Typ::PoleEdycji) {
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
        const std::uint16_t type = u16(at + szablon::rekord::kTyp);
        switch (type) {
        case code(Typ::Okno):
        case code(Typ::Przycisk):
        case code(Typ::Etykieta):
        case code(Typ::LiniaTekstu):
        case code(Typ::Lista): return readTextRecord(at, limit, type);
        case code(Typ::PoleEdycji): return readEditRecord(at, limit);
        default: refuse(at, "unknown record type " + hex16(type));
        }
    }

    ControlRecord readTextRecord(std::size_t at, std::size_t limit, std::uint16_t type) const {
        namespace r = szablon::rekord;
        if (limit - at < kSmallestTextRecord) {
            refuse(at, "record of type " + hex16(type) + " needs at least " + std::to_string(kSmallestTextRecord) +
                           " bytes but the entry body ends at " + std::to_string(limit));
        }
        const std::size_t textStart = at + r::kTekst;
        const void* nul = std::memchr(data_ + textStart, 0, limit - textStart);
        if (nul == nullptr) {
            refuse(at, "text of record type " + hex16(type) + " has no NUL before the entry body ends at " +
                           std::to_string(limit));
        }
        const auto textLength = static_cast<std::size_t>(static_cast<const std::uint8_t*>(nul) - (data_ + textStart));

        ControlRecord record;
        record.type = static_cast<Typ>(type);
        record.id = u16(at + r::kId);
        record.style = u16(at + r::kStyl);
        record.hotKey = u16(at + r::kKlawisz);
        record.x = u16(at + r::kX);
        record.y = u16(at + r::kY);
        record.width = u16(at + r::kSzerokosc);
        record.height = u16(at + r::kWysokosc);
        record.extra = u32(at + r::kFlagi);
        record.text.assign(reinterpret_cast<const char*>(data_ + textStart), textLength);
        record.offset = at;
        record.size = r::kTekst + textLength + 1;
        return record;
    }

    ControlRecord readEditRecord(std::size_t at, std::size_t limit) const {
        namespace e = szablon::poleEdycji;
        if (limit - at < e::kRozmiar) {
            refuse(at, "edit field record needs " + std::to_string(e::kRozmiar) + " bytes but the entry body ends at " +
                           std::to_string(limit));
        }
        ControlRecord record;
        record.type = Typ::PoleEdycji;
        record.id = u16(at + e::kId);
        record.style = u16(at + e::kStyl);
        record.hotKey = u16(at + e::kKlawisz);
        record.x = u16(at + e::kX);
        record.y = u16(at + e::kY);
        record.width = u16(at + e::kSzerokosc);
        record.height = u16(at + e::kWysokosc);
        record.extra = u32(at + e::kFlagi);
        record.maxLength = u16(at + e::kMaksDlugosc);
        // The runner sizes the buffer slot from the length; two lengths
        // that disagree leave it unclear how far a value may be written.
        const std::uint16_t again = u16(at + e::kMaksDlugoscPowtorzona);
        if (again != record.maxLength) {
            refuse(at, "edit field gives maximum length " + std::to_string(record.maxLength) + " and again " +
                           std::to_string(again));
        }
        record.periodField = data_[at + e::kRodzaj] == szablon::poleEdycji::kRodzajOkresu;
        record.offset = at;
        record.size = e::kRozmiar;
        return record;
    }

    const std::uint8_t* data_;
    std::size_t end_;
};

}  // namespace

std::size_t peekTemplateBlockSize(const std::uint8_t* data) {
    if (data == nullptr) return 0;
    std::uint32_t total;
    std::memcpy(&total, data + szablon::blok::kRozmiarCalkowity, sizeof total);
    if (total > kMaxTemplateBlock) return 0;
    return szablon::blok::kWpisy + total;
}

ReadResult readTemplateBlock(const std::uint8_t* data, std::size_t available) {
    ReadResult result;
    try {
        if (data == nullptr) throw Refusal{"no block: null pointer"};
        if (available < szablon::blok::kWpisy) {
            refuse(0, "total size needs 4 bytes but only " + std::to_string(available) + " are available");
        }
        std::uint32_t total;
        std::memcpy(&total, data + szablon::blok::kRozmiarCalkowity, sizeof total);
        if (total > kMaxTemplateBlock) {
            refuse(0, "total size " + std::to_string(total) + " is above the limit of " +
                          std::to_string(kMaxTemplateBlock));
        }
        // Compared this way round so that 4 + total cannot wrap.
        if (total > available - szablon::blok::kWpisy) {
            refuse(0, "total size " + std::to_string(total) + " needs " + std::to_string(total) +
                          " + 4 bytes but only " + std::to_string(available) + " are available");
        }
        result.block = Walker(data, szablon::blok::kWpisy + total).walk();
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
