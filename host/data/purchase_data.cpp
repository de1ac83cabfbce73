#include "host/data/purchase_data.hpp"

#include <cmath>

namespace hadrek::data {

double storedMoney(double units) { return std::round(units * 10000.0); }

std::int64_t storedQuantity(double units) { return std::llround(units * 1000.0); }

}  // namespace hadrek::data
