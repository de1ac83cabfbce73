// Records as the plug-in reads them: every field at its offset in
// plugin/interface/rekordy_zakupow.hpp, texts NUL-terminated and zero behind
// the NUL, every byte not listed there zero.
#pragma once

#include <cstdint>

#include "host/data/purchase_data.hpp"

namespace hadrek::data {

// `record` holds kz::kRozmiarTzak bytes; `day` is the document date's day
// number (dayNumber), which the data in use keeps from its load on.
void packHeader(const Document& document, const Contractor& contractor, std::uint32_t day, unsigned char* record);
// `record` holds kz::kRozmiarTzakDok bytes.
void packLine(const Line& line, unsigned char* record);

}  // namespace hadrek::data
