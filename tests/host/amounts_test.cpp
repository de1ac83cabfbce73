// The amount services of document lines, read from the rate table in use.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>

#include "host/data/data_in_use.hpp"
#include "host/services/services.hpp"

namespace {

using namespace hadrek::services;

class Amounts : public ::testing::Test {
protected:
    void SetUp() override {
        hadrek::data::PurchaseData data;
        data.rates = hadrek::data::defaultRates();
        data.rates.push_back({12, "A12", 15});
        hadrek::data::usePurchaseData(std::move(data));
    }
    void TearDown() override { hadrek::data::usePurchaseData({hadrek::data::defaultRates(), {}, {}}); }
};

TEST_F(Amounts, RoundingToHundredthsHalfAwayFromZero) {
    struct Case {
        double amount;
        double rounded;
    };
    const Case cases[] = {
        {1234550, 1234600}, {-1234550, -1234600}, {1234549, 1234500},      {-1234549, -1234500},
        {1234450, 1234500}, {-50, -100},          {1234549.9999, 1234500}, {1e12 + 50, 1e12 + 100},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.amount);
        EXPECT_EQ(amountRound(c.amount, 100), c.rounded);
    }
    for (double tiny : {-49.0, -0.0, -1e-9}) {
        SCOPED_TRACE(tiny);
        const double rounded = amountRound(tiny, 100);
        EXPECT_EQ(rounded, 0);
        EXPECT_FALSE(std::signbit(rounded)) << "a zero amount never prints as -0.00";
    }
}

TEST_F(Amounts, ConversionAddsTheKindsRate) {
    struct Case {
        int kind;
        double amount;
        double converted;
    };
    const Case cases[] = {
        {0, 1000000, 1230000},                   // 23 %
        {0, -1000000, -1230000}, {0, 50, 61.5},  // half a hundredth stays exact for the rounding
        {4, 1000000, 1220000},                   // 22 %
        {3, 1234567, 1234567},                   // 0 %
        {5, 1234567, 1234567},                   // exempt
        {12, 1000000, 1150000},                  // a kind of this table only
        {42, 1234567, 1234567},                  // a kind the table lacks
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.kind);
        EXPECT_EQ(lineRateConversion(1, c.kind, c.amount), c.converted);
    }
    EXPECT_EQ(amountRound(lineRateConversion(1, 0, 50), 100), 100);
    EXPECT_EXIT(lineRateConversion(2, 0, 1), ::testing::ExitedWithCode(71), "52289 was asked for conversion 2");
}

TEST_F(Amounts, RateTextsComeFromTheTable) {
    struct Case {
        int kind;
        const char* text;
    };
    const Case cases[] = {{0, "23"}, {3, "0"}, {5, "ZW"}, {8, "OP"}, {12, "A12"}, {42, "42"}, {-1, "-1"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.kind);
        char buffer[kz::kRateTextSize];
        std::snprintf(buffer, sizeof buffer, "previous text");
        rateCodeText(buffer, c.kind);
        EXPECT_STREQ(buffer, c.text);
    }
}

}  // namespace
