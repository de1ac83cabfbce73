#include "host/data/rate_table.hpp"

#include "host/data/data_in_use.hpp"

namespace hadrek::data {

RateTable defaultRates() {
    return {{0, "23", 23}, {1, "8", 8}, {2, "5", 5}, {3, "0", 0},  {4, "22", 22},
            {5, "ZW", 0},  {6, "7", 7}, {7, "3", 3}, {8, "OP", 0}, {9, "NP", 0}};
}

const RateTable& rates() { return purchaseData().rates; }

const Rate* findRate(int kind) {
    for (const Rate& rate : rates())
        if (rate.kind == kind) return &rate;
    return nullptr;
}

}  // namespace hadrek::data
