// The host's VAT rate table: what each rate kind of a document line stands
// for. Other host services (rate conversion, rate code texts) read it here.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace hadrek::data {

struct Rate {
    std::int16_t kind = 0;
    std::string code;  // Mazovia bytes, at most kRateCodeLength of them
    double percent = 0;
};
using RateTable = std::vector<Rate>;

inline constexpr std::size_t kRateCodeLength = 15;

// What a data file without "rates" gets.
RateTable defaultRates();

// The rate table of the data in use (the built-in sample's until data is
// put in use), and one of its rates; null for a kind it lacks.
const RateTable& rates();
const Rate* findRate(int kind);

}  // namespace hadrek::data
