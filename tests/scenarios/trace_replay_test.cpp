// The trace and its replay: a session taken with KALVETZAKUPY_SLAD set
// writes what one without it writes and replays in the stand-in without a
// difference; one taken under another host's behaviour replays with exactly
// that behaviour's answers found; a trace that is not whole is refused with
// the line named.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "host/core/utf8_path.hpp"
#include "host/platform/environment.hpp"
#include "host/text/mazovia.hpp"
#include "tests/scenarios/export_checks.hpp"
#include "tests/support/host_run.hpp"
#include "tests/support/options_ini.hpp"
#include "tests/support/test_text.hpp"

namespace kz::test {
namespace {

namespace fs = std::filesystem;

constexpr char kVariable[] = "KALVETZAKUPY_SLAD";

struct Session {
    HostRun host;
    std::string trace;                         // the trace file, empty when none was asked for
    std::map<std::string, std::string> files;  // the folder's files after: name → bytes
};

// The whole export into the test's folder, which holds a user's file;
// `trace` names the trace file to ask for ("" for none).
Session exportWith(const std::string& name, const std::string& trace, const std::string& variant = "") {
    const std::string folder = "scenario/" + testName() + ".out/eksport";
    fs::remove_all(hadrek::utf8Path("scenario/" + testName() + ".out"));
    fs::create_directories(hadrek::utf8Path(folder));
    std::ofstream(hadrek::utf8Path(folder + "/notatka.txt"), std::ios::binary) << "stary";
    HostRunOptions options;
    options.files = {{"KalvetZakupy.ini", optionsIni({"20250101", "20261231", "PL 01", folder})}};
    options.keys = "F12 Ins Ctrl-Ins F12";
    if (!variant.empty()) options.arguments = {"--host-variant", variant};
    Session s;
    s.trace = trace;
    if (!trace.empty()) fs::remove(hadrek::utf8Path(trace));
    hadrek::platform::setEnvironment(kVariable, trace);
    s.host = runHost(name, options);
    hadrek::platform::setEnvironment(kVariable, "");
    for (const auto& entry : fs::directory_iterator(hadrek::utf8Path(folder)))
        s.files[entry.path().filename().string()] = readFile(folder + "/" + entry.path().filename().string());
    return s;
}

HostRun replay(const std::string& name, const std::string& trace) {
    HostRunOptions options;
    options.arguments = {"--replay", trace};
    return runHost(name, options);
}

// The host functions the report names, by role: "#12 StreamClose (52305): …".
std::set<std::string> rolesNamed(const nlohmann::json& report) {
    std::set<std::string> roles;
    auto add = [&](const std::string& line) {
        const auto space = line.find(' ');
        const auto paren = line.find(" (", space + 1);
        if (space != std::string::npos && paren != std::string::npos)
            roles.insert(line.substr(space + 1, paren - space - 1));
    };
    for (const auto& line : report.value("differences", nlohmann::json::array())) add(line.get<std::string>());
    return roles;
}

TEST(TraceReplay, ATracedExportWritesAndSaysTheSameAndReplaysWithoutDifference) {
    const Session plain = exportWith(testName() + ".plain", "");
    ASSERT_EQ(plain.host.exitCode, 0);
    ASSERT_GT(plain.files.size(), 40u);
    ASSERT_FALSE(plain.files.count("notatka.txt"));

    // A trace file in a folder that does not exist cannot be opened: the
    // export goes on as if none had been asked for.
    const std::string traced = "scenario/" + testName() + ".trace";
    for (const std::string& trace : {traced, std::string("scenario/no-such-folder/x.trace")}) {
        SCOPED_TRACE(trace);
        const Session s = exportWith(testName() + ".traced", trace);
        EXPECT_EQ(s.host.exitCode, 0);
        EXPECT_EQ(s.files, plain.files);
        EXPECT_EQ(messages(s.host), messages(plain.host));
    }
    ASSERT_TRUE(fileExists(traced));
    EXPECT_FALSE(fileExists("scenario/no-such-folder/x.trace"));

    const HostRun r = replay(testName() + ".replay", traced);
    EXPECT_EQ(r.exitCode, 0);
    const nlohmann::json report = r.only("replay");
    EXPECT_EQ(report["differences"], nlohmann::json::array());
    EXPECT_EQ(report["parted"], "");
    EXPECT_EQ(report["compared"], report["crossings"]);
    EXPECT_GT(report["compared"].get<int>(), 1000);
}

// Replayed under the stand-in's own behaviour, a trace taken under another
// host's names that host's answers and nothing else; where an answer makes
// the plug-in call differently, the replay says so and stops there.
struct VariantCase {
    const char* variant;
    std::set<std::string> roles;  // the host functions whose answers differ
    const char* partsAt;          // the call the plug-in parts at; "" when it never does
};

const VariantCase kVariantCases[] = {
    {"close-answers-one", {"StreamClose"}, ""},
    {"print-answers-zero", {"StreamPrintf"}, ""},
    {"findfirst", {"DirSearchFirst", "DirSearchNext"}, "DirSearchEnd"},
    {"lazy-text", {"RateCodeText"}, "StreamPrintf"},
};

TEST(TraceReplay, ATraceOfAnotherHostReportsExactlyItsAnswers) {
    for (const VariantCase& c : kVariantCases) {
        SCOPED_TRACE(c.variant);
        const std::string trace = "scenario/" + testName() + "." + c.variant + ".trace";
        const Session s = exportWith(testName() + "." + c.variant, trace, c.variant);
        ASSERT_EQ(s.host.exitCode, 0);
        const HostRun r = replay(testName() + "." + c.variant + ".replay", trace);
        EXPECT_EQ(r.exitCode, 1);
        const nlohmann::json report = r.only("replay");
        EXPECT_EQ(rolesNamed(report), c.roles) << report.dump(1);
        const std::string parted = report.value("parted", "");
        if (*c.partsAt)
            EXPECT_NE(parted.find(std::string("host ") + c.partsAt), std::string::npos) << parted;
        else
            EXPECT_EQ(parted, "");
    }
}

struct BadTrace {
    const char* what;
    std::string text;
    int line;
};

const std::string kHead = R"({"n":0,"trace":"KalvetZakupy","version":"1.0.0","flavour":"linux","module":{"text":"x"}})";
const std::string kCall =
    R"({"n":1,"host":"InterfaceVersion","slot":28,"ordinal":51594,"args":[],"result":112,"out":[]})";

const BadTrace kBadTraces[] = {
    {"empty", "", 1},
    {"foreign", "{\"event\":\"load\"}\n", 1},
    {"cut short", kHead + "\n" + kCall.substr(0, 40), 2},
    {"without its last newline", kHead + "\n" + kCall, 2},
    {"not JSON", kHead + "\n\x01\x02\n", 2},
    {"a crossing missing", kHead + "\n" + R"({"n":2,"leave":"Attach","result":0})" + "\n", 2},
    {"a slot that is another role",
     kHead + "\n" + R"({"n":1,"host":"StreamClose","slot":28,"ordinal":51594,"args":[],"out":[]})" + "\n", 2},
    {"a slot past the table",
     kHead + "\n" + R"({"n":1,"host":"StreamClose","slot":92,"ordinal":52305,"args":[],"out":[]})" + "\n", 2},
    {"bytes that are no hex", kHead + "\n" + kCall + "\n" + R"({"n":2,"read":"record","size":2,"bytes":"zz"})" + "\n",
     3},
    {"more bytes than their size",
     kHead + "\n" + kCall + "\n" + R"({"n":2,"read":"record","size":1,"bytes":"0102"})" + "\n", 3},
    {"two kinds at once", kHead + "\n" + R"({"n":1,"enter":"Attach","leave":"Attach","args":[],"result":0})" + "\n", 2},
};

TEST(TraceReplay, ATraceThatIsNotWholeIsRefusedWithItsLine) {
    for (const BadTrace& b : kBadTraces) {
        SCOPED_TRACE(b.what);
        const std::string path = "scenario/" + testName() + ".trace";
        fs::create_directories(hadrek::utf8Path("scenario"));
        std::ofstream(hadrek::utf8Path(path), std::ios::binary) << b.text;
        const HostRun r = replay(testName(), path);
        EXPECT_EQ(r.exitCode, 2);
        EXPECT_EQ(r.only("error").value("line", 0), b.line) << r.only("error").dump();
        EXPECT_EQ(r.count("load"), 0u) << "the plug-in is not loaded for a trace that cannot be read";
    }
}

}  // namespace
}  // namespace kz::test
