// The trace's lines as the plug-in writes them, read back as JSON: texts of
// the code page decoded with their bytes beside, control bytes escaped,
// amounts that JSON cannot hold, records without their trailing zeros, a
// buffer the host fills read only inside its room; a trace that cannot be
// written ends without a word.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <limits>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "plugin/export/slad.hpp"

namespace kz {
namespace {

// Each case writes into a trace of its own and reads back its one line.
template <typename Write>
nlohmann::json written(Write write) {
    std::FILE* file = std::tmpfile();
    slad::g_plik = file;
    write();
    slad::g_plik = nullptr;
    std::rewind(file);
    std::string line;
    for (int c; (c = std::fgetc(file)) != EOF;) line += static_cast<char>(c);
    std::fclose(file);
    EXPECT_EQ(line.empty() ? '\0' : line.back(), '\n') << line;
    return nlohmann::json::parse(line, nullptr, false);
}

struct TextCase {
    const char* what;
    std::string bytes;
    nlohmann::json expected;
};

TEST(TraceWriter, TextsAreDecodedWithTheirBytesBesideWhereTheyLeaveAscii) {
    const TextCase cases[] = {
        {"plain", "Opcje", {{"text", "Opcje"}}},
        {"control bytes and quotes", "a\x01\n\"\\b", {{"text", "a\x01\n\"\\b"}}},
        {"Mazovia letters", "\x98wi\x91to", {{"text", "Święto"}, {"bytes", "98776991746f"}}},
        {"empty", "", {{"text", ""}}},
    };
    for (const TextCase& c : cases) {
        const auto line = written([&] { slad::odczytTekstu("entry", c.bytes.c_str(), 260); });
        EXPECT_EQ(line["text"], c.expected) << c.what;
    }
}

TEST(TraceWriter, AmountsRecordsAndBuffersKeepTheirShape) {
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const auto amounts = written([&] {
        const double result = 12.5;
        slad::wywolanie(Slot::AmountRound, &result, inf, -inf, nan, 100);
    });
    EXPECT_EQ(amounts["args"], nlohmann::json({"inf", "-inf", "nan", 100}));
    EXPECT_EQ(amounts["result"], 12.5);
    EXPECT_EQ(amounts["ordinal"], ordinalOf(Slot::AmountRound));

    unsigned char record[16] = {1, 0, 2};
    const auto read = written([&] { slad::odczytBajtow("record", record, sizeof record); });
    EXPECT_EQ(read["bytes"], "010002");
    EXPECT_EQ(read["size"], 16);

    // A bounded copy the host did not end: only its room is read.
    char target[8];
    std::memset(target, 'x', sizeof target);
    const char* source = "abcdefgh";
    const auto copy = written([&] {
        char* answer = target;
        slad::wywolanie(Slot::BoundedCopy, &answer, target, source, 4);
    });
    EXPECT_EQ(copy["args"][0], nlohmann::json({{"buffer", 4}}));
    EXPECT_EQ(copy["out"][0]["text"]["text"], "xxxx");
}

TEST(TraceWriter, ATraceThatCannotBeWrittenEndsQuietly) {
    const std::string path = testing::TempDir() + "trace-read-only";
    std::fclose(std::fopen(path.c_str(), "wb"));
    slad::g_plik = std::fopen(path.c_str(), "rb");
    ASSERT_NE(slad::g_plik, nullptr);
    slad::odczytLiczby("row", 3);
    EXPECT_FALSE(slad::wlaczony()) << "a failed write ends the trace";
    slad::odczytLiczby("row", 4);
    std::remove(path.c_str());
}

}  // namespace
}  // namespace kz
