// The record-size check run again in one load, as a host that attaches twice
// would: a table that differs stays listed once, and the list stays a list.
#include <gtest/gtest.h>

#include <cstring>

#include "plugin/frame/compatibility.hpp"
#include "plugin/interface/host_signatures.hpp"
#include "plugin/interface/rekordy_zakupow.hpp"

namespace {

unsigned char g_handles[2][kz::kTableHandleRecord];

void* KZ_CDECL openTable(int table) {
    const std::int16_t size = table == kz::kTabelaTzak ? 900 : kz::kRozmiarTzakDok;
    unsigned char* handle = g_handles[table == kz::kTabelaTzak ? 0 : 1];
    std::memcpy(handle + kz::kTableHandleRecordSize, &size, sizeof size);
    return handle;
}

TEST(RecordSizeCheck, ATableThatDiffersIsListedOnceHoweverOftenChecked) {
    kz_hostSlots[static_cast<unsigned>(kz::Slot::TableOpen)] = reinterpret_cast<void*>(&openTable);
    for (int check = 1; check <= 3; ++check) {
        SCOPED_TRACE(check);
        ASSERT_EQ(kz::recordSizeCheck(), 1);
        const kz::TableSizeEntry* entry = kz::mismatchList();
        EXPECT_STREQ(entry->name, "Tzak");
        EXPECT_EQ(entry->host, 900);
        EXPECT_EQ(entry->next, nullptr);
    }
}

}  // namespace
