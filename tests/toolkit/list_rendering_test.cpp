#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "host/core/context.hpp"
#include "tests/toolkit/dialog_session.hpp"
#include "toolkit_snapshots.hpp"

namespace hadrek::toolkit::testing {
namespace {

// Row texts as the plug-in formats them, Mazovia bytes, five 0x0D each;
// the last three stretch the columns: a name longer than its column, empty
// fields, a number too long for its column, fields missing and one too many.
const std::vector<std::string> kRows = {
    "\xAE\rZ/001/2026\rFirma Kowalski\r1234.50\r2026-01-15\rZakup",
    "\xAF\rPZ/017/2026\rPrzedsi\221biorstwo Handlowo-Us\x92ugowe \x9C\242d\xA6 i Okolice Sp\xA2\x92ka "
    "Jawna\r987654321.00\r2026-02-01\rPZ",
    "\xAE\r\r\r0.00\r\rPZ",
    "\xAE\rZ/000000000000000000123\rKr\xA2tki\r12.00",
    "\xAF\rZ/5\rA\r1.00\r2026-03-31\rZakup\rnadmiarowe pole",
};

TEST(SelectionList, ShowsTheRowsInTheColumnsOfItsHeaderLine) {
    FakeDialog fake;
    fake.rows = kRows;
    KeySession session("Down Ins Esc");
    EXPECT_EQ(runSelection(fake), kCancelled);
    const auto calls = fake.callsTo(kKeyHandler);
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(joined(calls[0].screen), snapshots::selection_list);
}

// The log's screens are what scenario tests read: the list must be in the
// one taken when the dialog opens as well as in the last.
TEST(SelectionList, TheLoggedScreensShowTheRows) {
    const std::string path = "test_toolkit_log.jsonl";
    ASSERT_TRUE(context().log.open(path));
    FakeDialog fake;
    fake.rows = kRows;
    {
        KeySession session("F12");
        EXPECT_EQ(runSelection(fake), kConfirmed);
    }
    std::ifstream log(path);
    std::vector<std::string> seen;
    for (std::string line; std::getline(log, line);) {
        const nlohmann::json event = nlohmann::json::parse(line, nullptr, false);
        if (!event.is_object() || event.value("event", "") != "screen") continue;
        const std::string when = event.value("when", "");
        seen.push_back(when);
        SCOPED_TRACE("screen logged at " + when);
        const std::vector<std::string> lines = event.at("lines").get<std::vector<std::string>>();
        EXPECT_NE(lineWith(lines, "Z/001/2026"), "");
        EXPECT_NE(lineWith(lines, "987654321.00"), "");
    }
    EXPECT_EQ(seen, (std::vector<std::string>{"open", "close"}));
}

}  // namespace
}  // namespace hadrek::toolkit::testing
