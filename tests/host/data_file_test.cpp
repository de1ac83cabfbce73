// Purchase data files through the real launcher: bad data stops it before
// the plug-in is loaded, naming what is wrong and where; good data is what
// the tables then serve.
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "tests/support/host_run.hpp"

namespace kz::test {
namespace {

const std::string kContractor =
    R"("contractor": {"symbol": "ŁAD", "name": "Hurtownia  Łąka", "address": "ul. Długa 1", "nip": "111-222-33-44"})";

std::string document(const std::string& fields) {
    return R"({"type": 713, "id": 7, "id2": 1, "number": "FZ 1/01/26", "date": "2026-01-05", )" + kContractor + ", " +
           fields +
           R"("gross": 12.3, "lines": [{"description": "Mleko", "unit": "szt", "quantity": 1, "value": 10, "rate": 5}]})";
}

std::string dataFile(const std::string& documents) { return "{\"documents\": [\n" + documents + "\n]}\n"; }

HostRun runWithData(const std::string& name, const std::string& json) {
    HostRunOptions options;
    options.files = {{"data.json", json}};
    options.arguments = {"--data", "scenario/" + name + "/data.json"};
    return runHost(name, options);
}

TEST(DataFile, BadDataStopsTheHostBeforeThePluginLoadsAndSaysWhereAndWhat) {
    const std::string good = document("");
    const struct {
        const char* name;
        std::string json;
        const char* message;
    } cases[] = {
        {"text-too-long",
         dataFile(good + ",\n" + R"({"type": 713, "id": 8, "date": "2026-01-05", "contractor": {"name": ")" +
                  std::string(101, 'n') + "\"}}"),
         "document #2 (id 8), field \"contractor.name\": the text has 101 characters, room for 100"},
        {"line-text-too-long",
         dataFile(R"({"type": 703, "id": 9, "date": "2026-01-05", "lines": [{}, {"unit": "sztuki"}]})"),
         "document #1 (id 9), line #2, field \"unit\": the text has 6 characters, room for 5"},
        {"outside-the-code-page",
         dataFile(good + ",\n" + R"({"type": 713, "id": 8, "number": "FZ 1€", "date": "2026-01-05"})"),
         "document #2 (id 8), field \"number\": the character '€' (U+20AC) is not in the code page"},
        {"malformed-date", dataFile(R"({"type": 713, "id": 3, "date": "2026-02-30"})"),
         "document #1 (id 3), field \"date\": \"2026-02-30\" is not a date RRRR-MM-DD"},
        {"date-missing", dataFile(R"({"type": 713, "id": 3})"), "document #1 (id 3), field \"date\": is missing"},
        {"other-type", dataFile(good + ",\n" + R"({"type": 705, "id": 8, "date": "2026-01-05"})"),
         "document #2 (id 8), field \"type\": 705 is not a document type of this host (713 or 703)"},
        {"duplicate-key", dataFile(good + ",\n" + document("")),
         "document #2 (id 7, id2 1): type 713 and id 7 already belong to document #1 (id 7, id2 1)"},
        {"same-id-other-id2",
         dataFile(R"({"type": 703, "id": 7, "date": "2026-01-05"},)"
                  "\n" +
                  good + ",\n" + R"({"type": 713, "id": 7, "id2": 2, "date": "2026-01-05"})"),
         "document #3 (id 7, id2 2): type 713 and id 7 already belong to document #2 (id 7, id2 1)"},
        {"malformed-json", "{\"documents\": [\n  {\"type\": 713,\n   \"id\" 7}\n]}\n",
         "malformed JSON: parse error at line 3, column 9"},
        {"rate-not-in-table", R"({"rates": [{"kind": 0, "code": "23", "percent": 23}], "documents": [)" + good + "]}",
         "document #1 (id 7), line #1, field \"rate\": kind 5 is not in the rate table"},
        {"misspelt-field", dataFile(document("\"value_as_stored\": true, ")),
         "document #1 (id 7), field \"value_as_stored\": is not a field of this object"},
        {"id-out-of-range", dataFile(R"({"type": 713, "id": 2147483648, "date": "2026-01-05"})"),
         "document #1, field \"id\": must be a whole number from -2147483648 to 2147483647"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const HostRun r = runWithData(std::string("data-") + c.name, c.json);
        EXPECT_EQ(r.exitCode, 2);
        const std::string message = r.only("error").value("message", "");
        EXPECT_NE(message.find(c.message), std::string::npos) << message;
        EXPECT_NE(message.find("data.json"), std::string::npos) << "names the file: " << message;
        EXPECT_EQ(r.count("load"), 0u) << "the plug-in is never loaded";
        EXPECT_EQ(r.count("data"), 0u);
    }
}

TEST(DataFile, AMissingFileIsNamed) {
    HostRunOptions options;
    options.arguments = {"--data", "scenario/no-such-data.json"};
    const HostRun r = runHost("data-missing-file", options);
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_NE(r.only("error").value("message", "").find("scenario/no-such-data.json: the file cannot be read"),
              std::string::npos);
}

TEST(DataFile, TheTablesServeTheGivenDataAndOtherwiseTheSample) {
    const std::string json =
        dataFile(document("") + ",\n" + R"({"type": 703, "id": 7, "id2": 1, "date": "2025-12-31"},)" + "\n" +
                 R"({"type": 713, "id": 2, "id2": 1, "date": "2026-02-01", "lines": []})");
    // The options dialog confirmed at once: the scan walks both types.
    const std::string keys = "Space Enter F12";
    HostRunOptions options;
    options.files = {{"data.json", json}};
    options.arguments = {"--data", "scenario/data-given/data.json"};
    options.keys = keys;
    const HostRun given = runHost("data-given", options);
    ASSERT_EQ(given.exitCode, 0);
    const auto data = given.only("data");
    EXPECT_EQ(data["documents"], 3);
    EXPECT_EQ(data["lines"], 1);
    std::map<int, int> walked;
    for (const auto& event : given.all("table"))
        if (event["action"] == "range-end") walked[event["keyKind"].get<int>()] += event["records"].get<int>();
    EXPECT_EQ(walked, (std::map<int, int>{{713, 2}, {703, 1}}));

    HostRunOptions sampleOptions;
    sampleOptions.keys = keys;
    const HostRun sample = runHost("data-sample", sampleOptions);
    ASSERT_EQ(sample.exitCode, 0);
    EXPECT_EQ(sample.only("data")["source"], "the built-in sample");
    EXPECT_GE(sample.only("data")["documents"].get<int>(), 40);
}

}  // namespace
}  // namespace kz::test
