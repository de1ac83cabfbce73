// Records as the plug-in reads them: every field at its offset in
// plugin/interface/rekordy_zakupow.hpp, texts NUL-terminated and zero behind
// the NUL, every byte not listed there zero.
#pragma once

#include <array>
#include <cstdint>
#include <span>

#include "host/data/purchase_data.hpp"
#include "plugin/interface/rekordy_zakupow.hpp"

namespace hadrek::data {

// A contractor's four texts lie side by side in a header, from the symbol to
// the identifier. Every header of the contractor's carries the same bytes
// there, so they are packed once, when the data is put in use, and a header
// copies them whole.
inline constexpr unsigned kContractorFieldsOffset = kz::tzak::kSymbolKontrahenta.offset;
inline constexpr unsigned kContractorFieldsSize =
    kz::tzak::kIdentyfikatorKontrahenta.offset + kz::tzak::kIdentyfikatorKontrahenta.room - kContractorFieldsOffset;
using PackedContractor = std::array<unsigned char, kContractorFieldsSize>;

PackedContractor packContractor(const Contractor& contractor);

// `record` is the header table's buffer, kz::kRozmiarTzak bytes; `day` is the
// document date's day number (dayNumber), which the data in use keeps from
// its load on.
void packHeader(const Document& document, const PackedContractor& contractor, std::uint32_t day,
                std::span<unsigned char> record);
// `record` is the line table's buffer, kz::kRozmiarTzakDok bytes.
void packLine(const Line& line, std::span<unsigned char> record);

}  // namespace hadrek::data
