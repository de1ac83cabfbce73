// The checks attach makes, in order, and what the failure report reads.
#pragma once

#include <cstdint>

namespace kz {

struct TableSizeEntry {
    std::int32_t expected;
    std::int32_t host;  // 0 when the host has no such table
    const char* name;
    TableSizeEntry* next;
};

// Head of the mismatch list: each differing table once, Tzak before Tzak_dok.
TableSizeEntry* mismatchList();

// Opens Tzak (52) and Tzak_dok (53) and compares their record sizes with
// 901 and 626; returns the number of tables in the mismatch list.
int recordSizeCheck();

// Acceptance, interface version 112, record sizes: 0 when all pass, -1 at
// the first failure.
int checksRerun();

}  // namespace kz
