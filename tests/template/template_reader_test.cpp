#include "host/toolkit/template/template_reader.hpp"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "tests/template/block_writer.hpp"

namespace hadrek::toolkit {
namespace {

using testing::Bytes;
using testing::EditRecord;
using testing::entry;
using testing::ExactCopy;
using testing::patch16;
using testing::patch32;
using testing::record;
using testing::TextRecord;

// Two dialogs, every record type; offsets of the pieces the corruption
// cases spoil.
constexpr std::size_t kEntryA = 4;
constexpr std::size_t kDialogA = 8;
constexpr std::size_t kLabelA = 35;
constexpr std::size_t kPeriodEditA = 63;
constexpr std::size_t kButtonA = 149;
constexpr std::size_t kEntryB = 178;
constexpr std::size_t kBlockEnd = 295;

Bytes dialogA() {
    return entry({
        record(TextRecord{.type = 0xFFFF, .id = 0x1001, .style = 0x0200, .width = 40, .height = 10, .text = "Okno A"}),
        record(TextRecord{.type = 3, .id = 0x3C00, .x = 2, .y = 2, .width = 12, .text = "\002F2\x01 Od"}),
        record(EditRecord{.x = 14, .y = 2, .maxLength = 8, .period = true}),
        record(EditRecord{.x = 14, .y = 4, .width = 30, .maxLength = 25}),
        record(TextRecord{.type = 0,
                          .id = 0x5001,
                          .style = 0x0100,
                          .hotKey = 0x8600,
                          .x = 5,
                          .y = 8,
                          .width = 15,
                          .text = "\005F12\x01 OK"}),
    });
}

Bytes dialogB() {
    return entry({
        record(TextRecord{.type = 0xFFFF, .id = 0x1002, .width = 60, .height = 20, .text = "B"}),
        record(TextRecord{.type = 4, .id = 0x5801, .x = 2, .y = 3, .width = 56, .text = "l-1Kol"}),
        record(TextRecord{
            .type = 6, .id = 0x4001, .style = 0x8488, .x = 2, .y = 4, .width = 56, .height = 12, .text = ""}),
        record(
            EditRecord{.id = 0x4153, .style = 0, .x = 2, .y = 17, .width = 40, .extra = 0x00010000, .maxLength = 259}),
    });
}

Bytes validBlock() { return testing::block({dialogA(), dialogB()}); }

ReadResult readExact(const Bytes& bytes) {
    const ExactCopy copy(bytes);
    return readTemplateBlock(copy.data.get(), copy.size);
}

TEST(TemplateReader, ReadsEveryRecordOfAValidBlock) {
    const Bytes bytes = validBlock();
    ASSERT_EQ(bytes.size(), kBlockEnd);
    const ReadResult result = readExact(bytes);
    ASSERT_TRUE(result.block) << result.error;
    EXPECT_EQ(result.error, "");
    const TemplateBlock& block = *result.block;
    EXPECT_EQ(block.bytesConsumed, kBlockEnd);
    ASSERT_EQ(block.dialogs.size(), 2u);

    struct Expected {
        std::size_t dialog, index;  // index 0 is the dialog record
        std::uint16_t type, id, style, hotKey;
        int x, y, width, height;
        std::uint32_t extra;
        std::string text;
        std::uint16_t maxLength;
        bool period;
        std::size_t offset, size;
    };
    const Expected expected[] = {
        {0, 0, 0xFFFF, 0x1001, 0x0200, 0, 0, 0, 40, 10, 0, "Okno A", 0, false, kDialogA, 27},
        {0, 1, 3, 0x3C00, 0, 0, 2, 2, 12, 1, 0, "\002F2\x01 Od", 0, false, kLabelA, 28},
        {0, 2, 5, kz::kBezId, 0x0400, 0, 14, 2, 13, 1, 0, "", 8, true, kPeriodEditA, 43},
        {0, 3, 5, kz::kBezId, 0x0400, 0, 14, 4, 30, 1, 0, "", 25, false, 106, 43},
        {0, 4, 0, 0x5001, 0x0100, 0x8600, 5, 8, 15, 1, 0, "\005F12\x01 OK", 0, false, kButtonA, 29},
        {1, 0, 0xFFFF, 0x1002, 0, 0, 0, 0, 60, 20, 0, "B", 0, false, 182, 22},
        {1, 1, 4, 0x5801, 0, 0, 2, 3, 56, 1, 0, "l-1Kol", 0, false, 204, 27},
        {1, 2, 6, 0x4001, 0x8488, 0, 2, 4, 56, 12, 0, "", 0, false, 231, 21},
        {1, 3, 5, 0x4153, 0, 0, 2, 17, 40, 1, 0x00010000, "", 259, false, 252, 43},
    };
    for (const Expected& e : expected) {
        SCOPED_TRACE(::testing::Message() << "dialog " << e.dialog << " record " << e.index);
        const DialogTemplate& dialog = block.dialogs[e.dialog];
        ASSERT_LE(e.index, dialog.controls.size());
        const ControlRecord& r = e.index == 0 ? dialog.dialog : dialog.controls[e.index - 1];
        EXPECT_EQ(static_cast<std::uint16_t>(r.type), e.type);
        EXPECT_EQ(r.id, e.id);
        EXPECT_EQ(r.style, e.style);
        EXPECT_EQ(r.hotKey, e.hotKey);
        EXPECT_EQ(r.x, e.x);
        EXPECT_EQ(r.y, e.y);
        EXPECT_EQ(r.width, e.width);
        EXPECT_EQ(r.height, e.height);
        EXPECT_EQ(r.extra, e.extra);
        EXPECT_EQ(r.text, e.text);
        EXPECT_EQ(r.maxLength, e.maxLength);
        EXPECT_EQ(r.periodField, e.period);
        EXPECT_EQ(r.offset, e.offset);
        EXPECT_EQ(r.size, e.size);
    }
    EXPECT_EQ(block.dialogs[0].controls.size(), 4u);
    EXPECT_EQ(block.dialogs[1].controls.size(), 3u);
    EXPECT_EQ(block.dialogs[0].slotOffsets, (std::vector<std::size_t>{0, 9}));
    EXPECT_EQ(block.dialogs[0].bufferSize, 35u);
    EXPECT_EQ(block.dialogs[1].slotOffsets, (std::vector<std::size_t>{0}));
    EXPECT_EQ(block.dialogs[1].bufferSize, 260u);

    EXPECT_EQ(findDialog(block, 0x1002), &block.dialogs[1]);
    EXPECT_EQ(findDialog(block, 0x1001), &block.dialogs[0]);
    EXPECT_EQ(findDialog(block, 0x1003), nullptr);
}

TEST(TemplateReader, AcceptsBytesAfterTheBlockAndAnEmptyBlock) {
    Bytes bytes = validBlock();
    bytes.insert(bytes.end(), {0xAA, 0xBB, 0xCC});
    const ReadResult trailing = readExact(bytes);
    ASSERT_TRUE(trailing.block) << trailing.error;
    EXPECT_EQ(trailing.block->bytesConsumed, kBlockEnd);

    const ReadResult empty = readExact(Bytes{0, 0, 0, 0});
    ASSERT_TRUE(empty.block) << empty.error;
    EXPECT_TRUE(empty.block->dialogs.empty());
    EXPECT_EQ(empty.block->bytesConsumed, 4u);
}

struct Corruption {
    const char* what;
    std::function<void(Bytes&)> spoil;
    std::string error;          // what the message must contain
    std::size_t available = 0;  // 0: exactly the bytes
};

// A dialog whose last record is given raw, sizes made to fit it.
Bytes blockEndingWith(const Bytes& lastRecord) {
    return testing::block({entry({record(TextRecord{.type = 0xFFFF, .id = 7, .text = "X"}), lastRecord})});
}

TEST(TemplateReader, RefusesDamagedBlocks) {
    const Corruption cases[] = {
        {"block larger than what is available", [](Bytes&) {},
         "offset 0: total size 291 needs 291 + 4 bytes but only 294", kBlockEnd - 1},
        {"fewer than 4 bytes", [](Bytes&) {}, "offset 0: total size needs 4 bytes but only 3", 3},
        {"total above the cap", [](Bytes& b) { patch32(b, 0, 0x10001); },
         "offset 0: total size 65537 is above the limit"},
        {"total that would wrap 4 + total", [](Bytes& b) { patch32(b, 0, 0xFFFFFFFF); },
         "offset 0: total size 4294967295"},
        {"total larger than its entries", [](Bytes& b) { patch32(b, 0, 293); }, "needs 293 + 4 bytes"},
        {"body size past the total", [](Bytes& b) { patch16(b, kEntryB, 114); },
         "offset 178: entry body size 114 runs past the block end at 295"},
        {"first body size past the total", [](Bytes& b) { patch16(b, kEntryA, 0xFFFF); },
         "offset 4: entry body size 65535 runs past"},
        {"control count too high", [](Bytes& b) { patch16(b, kEntryA + 2, 5); },
         "offset 178: record type needs 2 bytes but the entry body ends at 178"},
        {"control count far too high", [](Bytes& b) { patch16(b, kEntryB + 2, 0xFFFF); },
         "offset 295: record type needs 2 bytes"},
        {"control count too low", [](Bytes& b) { patch16(b, kEntryA + 2, 3); },
         "offset 4: entry's 3 control records end at 149 but its body size says 178"},
        {"body size cutting into the last record", [](Bytes& b) { patch16(b, kEntryA, 161); },
         "offset 149: record of type 0x0000 needs at least 21 bytes but the entry body ends at 169"},
        {"body size cutting a text short of its NUL", [](Bytes& b) { patch16(b, kEntryA, 169); },
         "offset 149: text of record type 0x0000 has no NUL before the entry body ends at 177"},
        {"entry that ends after its records",
         [](Bytes& b) {
             patch16(b, kEntryA, 172);
             patch32(b, 0, 293);
             b.insert(b.begin() + kEntryB, {0, 0});
         },
         "offset 4: entry's 4 control records end at 178 but its body size says 180"},
        {"leftover bytes too few for an entry prefix",
         [](Bytes& b) {
             patch32(b, 0, 293);
             b.insert(b.end(), {0, 0});
         },
         "offset 295: entry prefix needs 4 bytes but the block ends at 297"},
        {"text without its NUL",
         [](Bytes& b) { b = blockEndingWith(record(TextRecord{.type = 3, .text = "bez konca", .withNul = false})); },
         "offset 30: text of record type 0x0003 has no NUL"},
        {"text whose NUL lies only in the next entry",
         [](Bytes& b) {
             Bytes first = entry({record(TextRecord{.type = 0xFFFF, .id = 7, .text = "X"}),
                                  record(TextRecord{.type = 0, .text = "OK", .withNul = false})});
             b = testing::block({first, dialogB()});
         },
         "offset 30: text of record type 0x0000 has no NUL before the entry body ends at 52"},
        {"truncated edit record",
         [](Bytes& b) {
             Bytes edit = record(EditRecord{});
             edit.resize(30);
             b = blockEndingWith(edit);
         },
         "offset 30: edit field record needs 43 bytes but the entry body ends at 60"},
        {"unknown type 1", [](Bytes& b) { patch16(b, kLabelA, 1); }, "offset 35: unknown record type 0x0001"},
        {"unknown type 7", [](Bytes& b) { patch16(b, kButtonA, 7); }, "offset 149: unknown record type 0x0007"},
        {"unknown dialog type", [](Bytes& b) { patch16(b, kDialogA, 0xFFFE); }, "offset 8: unknown record type 0xFFFE"},
        {"entry that does not begin with a dialog record", [](Bytes& b) { patch16(b, kDialogA, 3); },
         "offset 8: entry begins with a record of type 0x0003 instead of a dialog record"},
        {"second dialog record among the controls", [](Bytes& b) { patch16(b, kLabelA, 0xFFFF); },
         "offset 35: control record 1 of 4 is a dialog record"},
        {"edit field whose two maximum lengths differ",
         [](Bytes& b) { patch16(b, kPeriodEditA + kz::szablon::poleEdycji::kMaksDlugoscPowtorzona, 9); },
         "offset 63: edit field gives maximum length 8 and again 9"},
    };
    for (const Corruption& c : cases) {
        SCOPED_TRACE(c.what);
        Bytes bytes = validBlock();
        c.spoil(bytes);
        const ExactCopy copy(bytes, c.available == 0 ? bytes.size() : c.available);
        const ReadResult result = readTemplateBlock(copy.data.get(), copy.size);
        EXPECT_FALSE(result.block);
        EXPECT_NE(result.error.find(c.error), std::string::npos) << "error was: " << result.error;
    }
}

TEST(TemplateReader, RefusesANullBlock) {
    const ReadResult result = readTemplateBlock(nullptr, 100);
    EXPECT_FALSE(result.block);
    EXPECT_FALSE(result.error.empty());
    EXPECT_EQ(peekTemplateBlockSize(nullptr), 0u);
}

TEST(TemplateReader, PeeksTheSizeUpToTheCap) {
    struct Case {
        std::uint32_t total;
        std::size_t peeked;
    };
    const Case cases[] = {
        {0, 4},          {1058, 1062},    {kMaxTemplateBlock, kMaxTemplateBlock + 4}, {kMaxTemplateBlock + 1, 0},
        {0xFFFFFFFF, 0}, {0xFFFFFFFD, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << "total " << c.total);
        Bytes bytes;
        testing::put32(bytes, c.total);
        const ExactCopy copy(bytes);
        EXPECT_EQ(peekTemplateBlockSize(copy.data.get()), c.peeked);
    }
}

// Whatever a block holds, a block the reader accepts has its records
// inside the bytes it consumed, back to back.
void expectConsistent(const TemplateBlock& block, std::size_t available) {
    ASSERT_LE(block.bytesConsumed, available);
    std::size_t next = 4;
    for (const DialogTemplate& dialog : block.dialogs) {
        next += 4;
        EXPECT_EQ(dialog.dialog.offset, next);
        next += dialog.dialog.size;
        for (const ControlRecord& control : dialog.controls) {
            EXPECT_EQ(control.offset, next);
            next += control.size;
        }
    }
    EXPECT_EQ(next, block.bytesConsumed);
}

TEST(TemplateReader, SurvivesEveryTruncationAndSingleByteChange) {
    const Bytes valid = validBlock();
    for (std::size_t size = 0; size < valid.size(); ++size) {
        SCOPED_TRACE(::testing::Message() << "cut to " << size << " bytes");
        const ExactCopy copy(valid, size);
        const ReadResult result = readTemplateBlock(copy.data.get(), copy.size);
        EXPECT_FALSE(result.block);
        EXPECT_FALSE(result.error.empty());
    }
    for (std::size_t at = 0; at < valid.size(); ++at) {
        for (const std::uint8_t value : {std::uint8_t{0x00}, std::uint8_t{0xFF}, std::uint8_t(valid[at] + 1)}) {
            SCOPED_TRACE(::testing::Message() << "byte " << at << " set to " << int{value});
            Bytes bytes = valid;
            bytes[at] = value;
            const ReadResult result = readExact(bytes);
            if (result.block) {
                expectConsistent(*result.block, bytes.size());
            } else {
                EXPECT_FALSE(result.error.empty());
            }
        }
    }
}

}  // namespace
}  // namespace hadrek::toolkit
