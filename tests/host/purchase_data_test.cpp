// The data file's reader and writer, the built-in sample and the
// generator: what is written reads back the same, and the generator's shape
// holds at any size.
#include <gtest/gtest.h>

#include <set>
#include <sstream>
#include <string>

#include "host/data/data_file.hpp"
#include "host/data/generator.hpp"
#include "host/data/sample_data.hpp"
#include "host/launcher/life_cycle.hpp"
#include "host/services/services.hpp"
#include "host/text/mazovia.hpp"

namespace {

using namespace hadrek::data;

// Documents compared field by field, contractors by content.
void expectSameData(const PurchaseData& a, const PurchaseData& b) {
    ASSERT_EQ(a.rates.size(), b.rates.size());
    for (std::size_t i = 0; i < a.rates.size(); ++i) {
        EXPECT_EQ(a.rates[i].kind, b.rates[i].kind);
        EXPECT_EQ(a.rates[i].code, b.rates[i].code);
        EXPECT_EQ(a.rates[i].percent, b.rates[i].percent);
    }
    ASSERT_EQ(a.documents.size(), b.documents.size());
    for (std::size_t i = 0; i < a.documents.size(); ++i) {
        SCOPED_TRACE("document #" + std::to_string(i + 1));
        const Document& x = a.documents[i];
        const Document& y = b.documents[i];
        EXPECT_EQ(std::tie(x.type, x.id, x.id2, x.number, x.date, x.gross, x.valuesAsStored),
                  std::tie(y.type, y.id, y.id2, y.number, y.date, y.gross, y.valuesAsStored));
        EXPECT_EQ(a.contractors[x.contractor], b.contractors[y.contractor]);
        ASSERT_EQ(x.lines.size(), y.lines.size());
        for (std::size_t l = 0; l < x.lines.size(); ++l) {
            const Line& p = x.lines[l];
            const Line& q = y.lines[l];
            EXPECT_EQ(
                std::tie(p.description, p.code, p.extraText, p.unit, p.quantity, p.value, p.additionalValue, p.rate),
                std::tie(q.description, q.code, q.extraText, q.unit, q.quantity, q.value, q.additionalValue, q.rate));
        }
    }
}

PurchaseData roundTrip(const PurchaseData& data) {
    std::ostringstream file;
    writePurchaseData(file, data);
    return readPurchaseData(std::string_view(file.str()));
}

TEST(SampleData, HoldsWhatTheDemoAndTheTestsRelyOn) {
    const PurchaseData sample = readPurchaseData(sampleDataJson());
    EXPECT_GE(sample.documents.size(), 40u);
    std::set<std::pair<int, int>> typesAndYears;
    std::set<int> rateKinds;
    std::set<bool> valueModes;
    bool withoutLines = false, idZero = false, blankRun = false, polishName = false;
    for (const Document& d : sample.documents) {
        typesAndYears.insert({d.type, d.date.year});
        valueModes.insert(d.valuesAsStored);
        withoutLines = withoutLines || d.lines.empty();
        idZero = idZero || d.id == 0;
        for (const Line& l : d.lines) rateKinds.insert(l.rate);
        const std::string& name = sample.contractors[d.contractor].name;
        blankRun = blankRun || name.find("  ") != std::string::npos;
        polishName = polishName || hadrek::text::toUtf8(name) != name;
    }
    EXPECT_EQ(typesAndYears, (std::set<std::pair<int, int>>{{703, 2025}, {703, 2026}, {713, 2025}, {713, 2026}}));
    EXPECT_EQ(rateKinds, (std::set<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9}));
    EXPECT_EQ(valueModes.size(), 2u);
    EXPECT_TRUE(withoutLines);
    EXPECT_TRUE(idZero);
    EXPECT_TRUE(blankRun);
    EXPECT_TRUE(polishName);
    EXPECT_GE(sample.contractors.size(), 5u);
}

TEST(DataFile, WhatIsWrittenReadsBackTheSame) {
    const PurchaseData sample = readPurchaseData(sampleDataJson());
    expectSameData(roundTrip(sample), sample);
    const PurchaseData generated = generatePurchaseData(500, 3);
    expectSameData(roundTrip(generated), generated);
}

TEST(DataFile, MissingOptionalFieldsAreEmptyAndTheDefaultRatesApply) {
    const PurchaseData data =
        readPurchaseData(std::string_view(R"({"documents": [{"type": 703, "date": "0999-01-31", "lines": [{}]}]})"));
    ASSERT_EQ(data.documents.size(), 1u);
    const Document& d = data.documents[0];
    EXPECT_EQ(std::tie(d.id, d.id2, d.gross, d.valuesAsStored), std::make_tuple(0, 0, 0.0, false));
    EXPECT_EQ(d.number, "");
    EXPECT_EQ(data.contractors.at(d.contractor), Contractor{});
    ASSERT_EQ(d.lines.size(), 1u);
    EXPECT_EQ(std::tie(d.lines[0].quantity, d.lines[0].value, d.lines[0].rate),
              std::make_tuple(0, 0.0, std::int16_t{0}));
    EXPECT_EQ(data.rates.size(), defaultRates().size());
}

TEST(DataFile, UnitsAreStoredAsTheRecordsKeepThem) {
    const PurchaseData data = readPurchaseData(std::string_view(
        R"({"documents": [{"type": 713, "date": "2026-01-01", "gross": 151.84,
            "lines": [{"quantity": 12.3456, "value": -0.00005, "additional_value": 1234567.891}]}]})"));
    const Document& d = data.documents.at(0);
    EXPECT_EQ(d.gross, 1518400.0);
    EXPECT_EQ(d.lines.at(0).quantity, 12346);
    EXPECT_EQ(d.lines.at(0).value, -1.0);
    EXPECT_EQ(d.lines.at(0).additionalValue, 12345678910.0);
}

std::string refusal(const std::string& json) {
    try {
        readPurchaseData(std::string_view(json));
    } catch (const DataError& error) {
        return error.what();
    }
    return "(accepted)";
}

std::string nested(std::size_t depth, const std::string& inner) {
    return std::string(depth, '[') + inner + std::string(depth, ']');
}

// The reader takes the file element by element; what it refuses is named as
// a whole-file reader would name it, whatever the order of the fields, and
// a value nested at any depth neither overflows the stack nor floods the
// message.
TEST(DataFile, TheShapeOfTheFileAndOfEachElementIsCheckedAsItIsRead) {
    const std::string date = R"("date": "2026-01-01")";
    const struct {
        std::string json;
        std::string message;
    } cases[] = {
        {"[]", "the data must be an object"},
        {"7", "the data must be an object"},
        {R"({"documents": {}})", R"(the data, field "documents": must be a list)"},
        {R"({"rates": 5})", R"(the data, field "rates": must be a list)"},
        {R"({"lines": []})", R"(the data, field "lines": is not a field of the data)"},
        {R"({"documents": [{"type": 713, )" + date + "}, 5]}", "document #2 must be an object"},
        {R"({"rates": [{"kind": 1, "code": "A"}, []]})", "rate #2 must be an object"},
        {R"({"documents": [{"type": 713, )" + date + R"(, "lines": [{}, 3]}]})",
         "document #1 (id 0), line #2 must be an object"},
        {R"({"documents": [{"zz": 1, "type": 713, )" + date + R"(, "aa": 2}]})",
         R"(document #1 (id 0), field "aa": is not a field of this object)"},
        {R"({"documents": [{"type": 703, "type": 713, "id": 1, )" + date + R"(}, {"type": 713, "id": 1, )" + date +
             "}]}",
         "document #2 (id 1, id2 0): type 713 and id 1 already belong to document #1"},
        {R"({"documents": [{"type": 713, "date": {"b": [1, 2.5, "x\n", true], "a": null}}]})",
         R"(field "date": {"b":[1,2.5,"x\n",true],"a":null} is not a date)"},
        {R"({"documents": [{"type": 713, "date": {"a": [], "b": {}, "c": [[], {}], "d\"": "\u00f3"}}]})",
         R"(field "date": {"a":[],"b":{},"c":[[],{}],"d\"":"ó"} is not a date)"},
        {R"({"documents": [{"type": 713, "date": [18446744073709551615, -9223372036854775808, 1e100, -0.5]}]})",
         R"(field "date": [18446744073709551615,-9223372036854775808,1e+100,-0.5] is not a date)"},
        {R"({"documents": [{"type": 713, "date": )" + nested(200'000, "") + "}]}",
         R"(field "date": )" + std::string(100, '[') + "... is not a date"},
        {R"({"documents": [{"type": 713, "date": ")" + std::string(120, 'x') + "\"}]}",
         R"(field "date": ")" + std::string(99, 'x') + "... is not a date"},
        {R"({"documents": [{"type": 713, "date": ")" + std::string(98, 'x') + "ż\"}]}",
         R"(field "date": ")" + std::string(98, 'x') + "... is not a date"},
        {R"({"documents": [{"type": )" + nested(200'000, "713") + ", " + date + "}]}",
         R"(field "type": )" + std::string(100, '[') + "... is not a document type"},
        {R"({"documents": [{"type": 713, )" + date + R"(, "note": )" + nested(200'000, "") + "}]}",
         R"(field "note": is not a field of this object)"},
        {"{\"documents\": [\n{\"type\": 713,\n \"id\": 1 2}]}", "malformed JSON: parse error at line 3, column 10"},
    };
    for (const auto& c : cases) {
        const std::string message = refusal(c.json);
        EXPECT_NE(message.find(c.message), std::string::npos)
            << c.json.substr(0, 120) << "\n  said: " << message.substr(0, 300);
    }
}

TEST(Generator, TheCommandLineWritesDataThatLoadsBackAsTheGeneratorMadeIt) {
    std::ostringstream captured;
    std::streambuf* const stdoutBuffer = std::cout.rdbuf(captured.rdbuf());
    const int exitCode = hadrek::hostMain({"--generate", "250", "--seed", "42"});
    std::cout.rdbuf(stdoutBuffer);
    ASSERT_EQ(exitCode, 0);
    PurchaseData loaded;
    ASSERT_NO_THROW(loaded = readPurchaseData(std::string_view(captured.str())));
    expectSameData(loaded, generatePurchaseData(250, 42));
}

TEST(Generator, EveryHundredthDocumentAndNoOtherPassesAKowalFilterIn2026) {
    for (const std::size_t count : {1u, 99u, 100u, 101u, 1000u}) {
        SCOPED_TRACE(count);
        const PurchaseData data = generatePurchaseData(count, 7);
        ASSERT_EQ(data.documents.size(), count);
        std::size_t kowal = 0, secondIdZero = 0;
        std::set<int> types;
        for (std::size_t i = 0; i < count; ++i) {
            const Document& d = data.documents[i];
            std::string name = data.contractors[d.contractor].name;
            hadrek::services::caseFold(name.data());
            const bool match = name.find("KOWAL") != std::string::npos;
            EXPECT_EQ(match, i % kKowalEvery == 0) << "document #" << i + 1;
            if (match) {
                EXPECT_EQ(d.date.year, 2026) << "document #" << i + 1;
            }
            EXPECT_EQ(d.id, static_cast<std::int32_t>(i + 1));
            kowal += match;
            secondIdZero += d.id2 == 0;
            types.insert(d.type);
        }
        EXPECT_EQ(kowal, (count + kKowalEvery - 1) / kKowalEvery);
        EXPECT_EQ(secondIdZero, (count + kKowalEvery / 2 - 1) / kKowalEvery);
        if (count >= 100) {
            EXPECT_EQ(types, (std::set<int>{703, 713}));
        }
    }
}

TEST(Generator, TheSameSeedGivesTheSameDataAndAnotherSeedOther) {
    expectSameData(generatePurchaseData(300, 5), generatePurchaseData(300, 5));
    const PurchaseData a = generatePurchaseData(300, 5);
    const PurchaseData b = generatePurchaseData(300, 6);
    std::size_t differentDates = 0;
    for (std::size_t i = 0; i < a.documents.size(); ++i) differentDates += a.documents[i].date != b.documents[i].date;
    EXPECT_GT(differentDates, 200u);
}

}  // namespace
