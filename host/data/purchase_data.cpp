#include "host/data/purchase_data.hpp"

#include <cmath>

namespace hadrek::data {

double storedMoney(double units) { return std::round(units * kz::kJednostekKwoty); }

std::int64_t storedQuantity(double units) { return std::llround(units * kz::kJednostekIlosci); }

}  // namespace hadrek::data
