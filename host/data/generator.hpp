// Synthetic purchase data of any size, for benchmarks and for
// `hadrek --generate N --seed S`. The same count and seed give the same
// data, document by document, in memory and in the file alike.
//
// Shape: the rate table is the default one; documents have ids 1..N in
// order (unique, so any N is valid), type 713 for about 70 % of them and
// 703 otherwise, dates in 2025 and 2026, up to four lines each with every
// rate kind and both value modes. Every hundredth document (positions 0,
// 100, 200, …) has a contractor whose name holds "KOWAL" and a date in
// 2026; no other contractor's name holds it in any letter case. The
// document at position 50 of each hundred has second id 0.
#pragma once

#include <cstddef>
#include <cstdint>
#include <iosfwd>

#include "host/data/purchase_data.hpp"

namespace hadrek::data {

inline constexpr std::size_t kKowalEvery = 100;

PurchaseData generatePurchaseData(std::size_t count, std::uint64_t seed);
// The same data in the file form, made and written a document at a time.
void writeGeneratedData(std::ostream& out, std::size_t count, std::uint64_t seed);

}  // namespace hadrek::data
