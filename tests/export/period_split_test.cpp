// The periods advised past a kind's file limit, on day counts a data file
// would need thousands of documents for.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "plugin/export/podzial_okresow.hpp"

namespace {

// Documents of a day: how many invoices and receipts on day RRRRMMDD.
struct Day {
    int date, invoices, receipts;
};

std::string split(const std::vector<Day>& days, int limit, int room) {
    std::vector<std::int32_t> keys;
    // Given newest first, as the sort must not care.
    for (auto d = days.rbegin(); d != days.rend(); ++d) {
        for (int i = 0; i < d->invoices; ++i)
            keys.push_back(kz::kluczDnia(d->date / 10000, d->date / 100 % 100, d->date % 100, 0));
        for (int i = 0; i < d->receipts; ++i)
            keys.push_back(kz::kluczDnia(d->date / 10000, d->date / 100 % 100, d->date % 100, 1));
    }
    std::vector<kz::Okres> periods(static_cast<std::size_t>(room));
    const int all = kz::podzielNaOkresy(keys.data(), static_cast<int>(keys.size()), limit, periods.data(), room);
    std::string text = std::to_string(all) + ":";
    for (int i = 0; i < std::min(all, room); ++i) {
        const kz::Okres& p = periods[static_cast<std::size_t>(i)];
        text += " " + std::to_string(p.od) + "-" + std::to_string(p.do_) + (p.ponadLimitJednegoDnia ? "*" : "");
    }
    return text;
}

TEST(PeriodSplit, WholeDaysEachPeriodWithinTheLimitOfEachKind) {
    const struct {
        const char* what;
        std::vector<Day> days;
        int room;
        std::string periods;
    } cases[] = {
        {"nothing", {}, 4, "0:"},
        {"exactly the limit", {{20260101, 2, 0}, {20260102, 1, 3}}, 4, "1: 20260101-20260102"},
        {"one more starts a period", {{20260101, 2, 0}, {20260102, 2, 0}}, 4, "2: 20260101-20260101 20260102-20260102"},
        {"either kind past the limit cuts",
         {{20260101, 1, 2}, {20260102, 1, 2}, {20260103, 1, 1}},
         4,
         "2: 20260101-20260101 20260102-20260103"},
        {"a day past the limit alone, between others",
         {{20251231, 1, 0}, {20260101, 4, 0}, {20260102, 0, 1}},
         4,
         "3: 20251231-20251231 20260101-20260101* 20260102-20260102"},
        {"a period runs to the day before the next, over a leap day and a year's end",
         {{20240227, 3, 0}, {20240301, 2, 0}, {20241229, 1, 0}, {20250101, 3, 0}},
         4,
         "3: 20240227-20240229 20240301-20241231 20250101-20250101"},
        {"after a day past the limit the next period starts the day after it",
         {{20260110, 0, 4}, {20260115, 1, 0}},
         4,
         "2: 20260110-20260110* 20260111-20260115"},
        {"the count goes on past the room",
         {{20260101, 3, 0}, {20260102, 3, 0}, {20260103, 3, 0}},
         2,
         "3: 20260101-20260101 20260102-20260102"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(split(c.days, 3, c.room), c.periods);
    }
}

TEST(PeriodSplit, YearsBelowOneThousandAndBelowZeroKeepTheirOrder) {
    EXPECT_EQ(split({{50102, 1, 0}, {9991231, 1, 0}}, 1, 4), "2: 50102-9991230 9991231-9991231");
    std::int32_t keys[] = {kz::kluczDnia(-5, 1, 1, 0), kz::kluczDnia(1, 1, 1, 0)};
    kz::Okres periods[2];
    ASSERT_EQ(kz::podzielNaOkresy(keys, 2, 1, periods, 2), 2);
    EXPECT_EQ(periods[0].od, 101);
}

}  // namespace
