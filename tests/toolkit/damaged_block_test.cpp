#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "host/services/services.hpp"
#include "plugin/interface/dialog_ids.hpp"
#include "plugin/resources/dialog_template.hpp"
#include "tests/toolkit/dialog_session.hpp"

namespace hadrek::toolkit::testing {
namespace {

using Block = std::vector<unsigned char>;

// Where things stand in the plug-in's block: its total size, the entry of
// dialog 20081 (body 8..300, last text ending at 299), the entry of 20082
// (body 304..1062), and records picked from both.
constexpr std::size_t kTotalSize = 0;
constexpr std::size_t kSelectionBodySize = 4;
constexpr std::size_t kSelectionCount = 6;
constexpr std::size_t kSelectionCaptionNul = 8 + 20 + 18;
constexpr std::size_t kSelectionListRecord = 8 + 39 + 93 + 35;
constexpr std::size_t kSelectionLastNul = 299;
constexpr std::size_t kOptionsBodySize = 300;
constexpr std::size_t kOptionsCount = 302;
constexpr std::size_t kOptionsFirstEdit = 304 + 41 + 34;
constexpr std::size_t kOptionsLastNul = 1061;

void put16(Block& block, std::size_t at, std::uint16_t value) { std::memcpy(block.data() + at, &value, sizeof value); }
void put32(Block& block, std::size_t at, std::uint32_t value) { std::memcpy(block.data() + at, &value, sizeof value); }

Block realBlock() {
    const unsigned char* start = kz::dialogTemplateBlock();
    return Block(start, start + kz::kDialogTemplateBlockSize);
}

// Runs dialog `id` from `block` the way the plug-in would, F12 pressed.
int runFrom(const void* block, int id, FakeDialog& fake) {
    HostDelegate rows(fake.object(), kz::Slot::DispatchSelectionSecond);
    HostDelegate keys(fake.object(), kz::Slot::DispatchSelectionFirst);
    HostDelegate commands(fake.object(), kz::Slot::DispatchOptions);
    unsigned char buffer[kz::kRozmiarDanychOpcji] = {};
    KeySession session("Ins Alt-B F12");
    const int result = id == kSelectionDialog
                           ? services::dialogRun(fake.object(), block, id, buffer, keys.value(), rows.value())
                           : services::dialogRun(fake.object(), block, id, buffer, commands.value());
    fake.runOver = true;
    return result;
}

TEST(DamagedBlock, TheIntactCopyRuns) {
    for (const int id : {kSelectionDialog, kOptionsDialog}) {
        SCOPED_TRACE(id);
        const Block block = realBlock();
        FakeDialog fake;
        fake.rows = {"\xAE\rZ/1\rA\r1.00\r2026-01-01\rZakup"};
        EXPECT_EQ(runFrom(block.data(), id, fake), kConfirmed);
        EXPECT_FALSE(fake.calls.empty());
    }
}

TEST(DamagedBlock, IsRefusedBeforeAnyHandlerIsCalled) {
    const struct {
        const char* what;
        int id;
        std::function<void(Block&)> damage;
    } cases[] = {
        {"total size above any block", kSelectionDialog, [](Block& b) { put32(b, kTotalSize, 0xFFFFFFFF); }},
        {"total size one short", kSelectionDialog, [](Block& b) { put32(b, kTotalSize, 1057); }},
        {"total size past the entries", kOptionsDialog,
         [](Block& b) {
             put32(b, kTotalSize, 1100);
             b.resize(4 + 1100, 0);
         }},
        {"selection body size far too large", kSelectionDialog, [](Block& b) { put16(b, kSelectionBodySize, 0xFFFF); }},
        {"selection body size one too large", kSelectionDialog, [](Block& b) { put16(b, kSelectionBodySize, 293); }},
        {"selection body size one too small", kSelectionDialog, [](Block& b) { put16(b, kSelectionBodySize, 291); }},
        {"options body size past the block", kOptionsDialog, [](Block& b) { put16(b, kOptionsBodySize, 759); }},
        {"selection control count too high", kSelectionDialog, [](Block& b) { put16(b, kSelectionCount, 7); }},
        {"selection control count far too high", kSelectionDialog, [](Block& b) { put16(b, kSelectionCount, 0xFFFF); }},
        {"selection control count too low", kSelectionDialog, [](Block& b) { put16(b, kSelectionCount, 5); }},
        {"options control count too high", kOptionsDialog, [](Block& b) { put16(b, kOptionsCount, 19); }},
        {"caption without its NUL", kSelectionDialog, [](Block& b) { b[kSelectionCaptionNul] = 'X'; }},
        {"last selection text without NUL", kSelectionDialog, [](Block& b) { b[kSelectionLastNul] = 'X'; }},
        {"last text of the block without NUL", kOptionsDialog, [](Block& b) { b[kOptionsLastNul] = 'X'; }},
        {"list of an unknown type", kSelectionDialog, [](Block& b) { put16(b, kSelectionListRecord, 9); }},
        {"entry without its dialog record", kSelectionDialog, [](Block& b) { put16(b, 8, 0); }},
        {"edit field lengths that disagree", kOptionsDialog, [](Block& b) { put16(b, kOptionsFirstEdit + 38, 9); }},
        {"a dialog the block does not hold", 20083, [](Block&) {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Block block = realBlock();
        c.damage(block);
        FakeDialog fake;
        fake.rows = {"\xAE\rZ/1\rA\r1.00\r2026-01-01\rZakup"};
        EXPECT_EQ(runFrom(block.data(), c.id, fake), kCancelled);
        EXPECT_TRUE(fake.calls.empty());
        EXPECT_TRUE(fake.rowsAsked.empty());
    }
}

TEST(DamagedBlock, NoBlockAtAllIsRefused) {
    FakeDialog fake;
    EXPECT_EQ(runFrom(nullptr, kSelectionDialog, fake), kCancelled);
    EXPECT_TRUE(fake.calls.empty());
    EXPECT_TRUE(fake.rowsAsked.empty());
}

// The offsets above are the real block's; a block laid out anew would make
// the damage land elsewhere and the cases above prove nothing.
TEST(DamagedBlock, DamageLandsWhereItIsMeant) {
    const Block block = realBlock();
    std::uint16_t value;
    std::memcpy(&value, block.data() + kSelectionBodySize, 2);
    EXPECT_EQ(value, 292);
    std::memcpy(&value, block.data() + kOptionsBodySize, 2);
    EXPECT_EQ(value, 758);
    std::memcpy(&value, block.data() + kSelectionListRecord, 2);
    EXPECT_EQ(value, 6);
    std::memcpy(&value, block.data() + kOptionsFirstEdit, 2);
    EXPECT_EQ(value, 5);
    std::memcpy(&value, block.data() + kOptionsFirstEdit + 38, 2);
    EXPECT_EQ(value, 8);
    EXPECT_EQ(block[kSelectionCaptionNul], 0);
    EXPECT_EQ(block[kSelectionLastNul], 0);
    EXPECT_EQ(block[kOptionsLastNul], 0);
    EXPECT_EQ(block[kSelectionCaptionNul - 1], 'e');
}

}  // namespace
}  // namespace hadrek::toolkit::testing
