// The host's date form and its three services: compare with a period
// bound, split, display text.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>

#include <nlohmann/json.hpp>

#include "host/core/context.hpp"
#include "host/data/host_date.hpp"
#include "host/services/services.hpp"

namespace {

using hadrek::data::CivilDate;

struct RecordDate {
    unsigned char bytes[38] = {};
    explicit RecordDate(CivilDate date) { hadrek::data::writeRecordDate(bytes, date); }
    RecordDate() = default;  // no date
};

int sign(int value) { return (value > 0) - (value < 0); }

TEST(HostDate, EveryDayFromTheFirstToTheLastYearFollowsTheOneBefore) {
    const std::uint32_t last = hadrek::data::dayNumber({9999, 12, 31});
    CivilDate expected{1, 1, 1};
    for (std::uint32_t n = 1; n <= last; ++n) {
        unsigned char field[4];
        std::memcpy(field, &n, sizeof n);
        const auto date = hadrek::data::readRecordDate(field);
        ASSERT_TRUE(date && *date == expected) << "day " << n << " should be " << hadrek::data::isoText(expected);
        ASSERT_EQ(hadrek::data::dayNumber(expected), n);
        CivilDate next{expected.year, expected.month, expected.day + 1};
        if (!hadrek::data::isValid(next)) next = {expected.year, expected.month + 1, 1};
        if (!hadrek::data::isValid(next)) next = {expected.year + 1, 1, 1};
        expected = next;
    }
    const std::uint32_t beyond = last + 1;
    unsigned char field[4];
    std::memcpy(field, &beyond, sizeof beyond);
    EXPECT_FALSE(hadrek::data::readRecordDate(field));
    EXPECT_FALSE(hadrek::data::readRecordDate(RecordDate().bytes));
}

TEST(DateServices, CompareARecordDateWithAPeriodBound) {
    const struct {
        CivilDate date;
        const char* bound;
        int expected;
    } cases[] = {
        {{2026, 3, 5}, "20260305", 0},
        {{2026, 3, 5}, "20260306", -1},
        {{2026, 3, 5}, "20260304", 1},
        {{2025, 12, 31}, "20260101", -1},
        {{2024, 2, 29}, "20240228", 1},
        {{999, 12, 31}, "10000101", -1},
        {{999, 5, 1}, "09990501", 0},
        {{1, 1, 1}, "00010101", 0},
        {{9999, 12, 31}, "00010101", 1},
        {{2026, 3, 5}, " 20260306 ", -1},  // blanks around a bound are no part of it
        // No bound: empty, blank or malformed texts compare equal.
        {{2026, 3, 5}, "", 0},
        {{2026, 3, 5}, "        ", 0},
        {{2026, 3, 5}, "2026030", 0},
        {{2026, 3, 5}, "202603051", 0},
        {{2026, 3, 5}, "2026-3-5", 0},
        {{2026, 3, 5}, "20261305", 0},
        {{2026, 3, 5}, "20250229", 0},
        {{2026, 3, 5}, "00000101", 0},
        {{2026, 3, 5}, "2026O305", 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(hadrek::data::isoText(c.date) + " against \"" + c.bound + "\"");
        EXPECT_EQ(sign(hadrek::services::dateCompare(RecordDate(c.date).bytes, c.bound)), c.expected);
    }
    EXPECT_LT(hadrek::services::dateCompare(RecordDate().bytes, "00010101"), 0) << "no date comes first";
    EXPECT_EQ(hadrek::services::dateCompare(RecordDate().bytes, ""), 0);
}

TEST(DateServices, AMalformedBoundIsReportedOnceAndTheRunGoesOn) {
    const std::string folder = "scenario/dates-malformed-bound";
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    hadrek::context().log.open(folder + "/log.jsonl");
    const RecordDate date({2026, 1, 1});
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(hadrek::services::dateCompare(date.bytes, "2026-1-1"), 0);
        EXPECT_EQ(hadrek::services::dateCompare(date.bytes, "31122026"), 0);
        EXPECT_EQ(hadrek::services::dateCompare(date.bytes, ""), 0);
    }
    hadrek::context().log.open("");
    std::ifstream log(folder + "/log.jsonl");
    std::vector<std::string> bounds;
    for (std::string line; std::getline(log, line);) {
        const auto event = nlohmann::json::parse(line);
        EXPECT_EQ(event["event"], "warning") << line;
        bounds.push_back(event.value("bound", ""));
    }
    EXPECT_EQ(bounds, (std::vector<std::string>{"2026-1-1", "31122026"}));
}

TEST(DateServices, SplitAndTextGiveTheDateWhole) {
    const struct {
        CivilDate date;
        const char* text;
    } cases[] = {
        {{2026, 3, 5}, "2026-03-05"},  {{999, 5, 1}, "0999-05-01"},    {{1, 1, 1}, "0001-01-01"},
        {{2024, 2, 29}, "2024-02-29"}, {{9999, 12, 31}, "9999-12-31"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        const RecordDate date(c.date);
        std::int16_t year = -1, month = -1, day = -1;
        hadrek::services::dateSplit(date.bytes, &year, &month, &day, nullptr);
        EXPECT_EQ(CivilDate(year, month, day), c.date);
        char text[13];
        std::memset(text, 'x', sizeof text);
        hadrek::services::dateToText(text, date.bytes);
        EXPECT_EQ(std::string(text, sizeof text), std::string(c.text) + std::string(3, '\0'));
    }
    std::int16_t year = -1, month = -1, day = -1;
    hadrek::services::dateSplit(RecordDate().bytes, &year, &month, &day, nullptr);
    EXPECT_EQ(CivilDate(year, month, day), CivilDate(0, 0, 0));
    char text[13] = "x";
    hadrek::services::dateToText(text, RecordDate().bytes);
    EXPECT_STREQ(text, "");
}

TEST(DateServices, DateTextsSortAsTheDatesDo) {
    const CivilDate dates[] = {{999, 12, 31}, {1000, 1, 1}, {2025, 12, 31}, {2026, 1, 1}, {2026, 1, 10}, {2026, 2, 1}};
    for (std::size_t i = 1; i < std::size(dates); ++i) {
        char earlier[13], later[13];
        hadrek::services::dateToText(earlier, RecordDate(dates[i - 1]).bytes);
        hadrek::services::dateToText(later, RecordDate(dates[i]).bytes);
        EXPECT_LT(std::strcmp(earlier, later), 0) << earlier << " before " << later;
    }
}

}  // namespace
