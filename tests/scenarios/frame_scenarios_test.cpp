// The plug-in's life cycle as the host drives it: load, attach, activate or
// report, menu command, detach. Every case runs the real host with the real
// plug-in and reads the host's log.
#include <gtest/gtest.h>

#include <string>

#include "plugin/interface/host_signatures.hpp"
#include "tests/support/host_run.hpp"
#include "tests/support/test_text.hpp"

namespace kz::test {
namespace {

const std::string kDescription = "Miesiące->Export-import danych->Export do innych programów:\n\x02Kalvet zakupy\x01";
#if defined(_WIN32)
const std::string kBaseName = "KalvetZakupy.dll";
#else
const std::string kBaseName = "libKalvetZakupy.so";
#endif

HostRunOptions withArguments(std::vector<std::string> arguments) {
    HostRunOptions options;
    options.arguments = std::move(arguments);
    return options;
}

HostRun run(const HostRunOptions& options, const std::string& suffix = "") {
    return runHost(testName() + suffix, options);
}

// The one STOP box's text; each box carries its caption, the help number and
// the style words in their places.
std::string stopText(const HostRun& r) {
    const auto box = r.only("stop");
    EXPECT_EQ(box.value("caption", ""), "STOP!!!");
    EXPECT_EQ(box.value("help", 0), kz::kStopBoxHelp);
    EXPECT_EQ(box.value("style", nlohmann::json()), nlohmann::json({kz::kStopBoxStyle, kz::kStopBoxStyle2}));
    return box.value("text", "");
}

TEST(LifeCycle, GoodHostAttachesActivatesAndDetaches) {
    const HostRun r = run({});
    ASSERT_EQ(r.exitCode, 0);

    const auto attach = r.exportCalls(PluginExport::Attach);
    ASSERT_EQ(attach.size(), 2u);
    EXPECT_EQ(attach[0]["result"], 0);
    EXPECT_EQ(attach[0]["description"], kDescription);
    EXPECT_EQ(r.exportCalls(PluginExport::Activate).at(0)["args"], nlohmann::json::array({0}));

    const auto menu = r.all("menu");
    ASSERT_EQ(menu.size(), 2u);
    EXPECT_EQ(menu[0]["action"], "add");
    EXPECT_EQ(menu[0]["id"], 31042);
    EXPECT_EQ(menu[0]["label"], "K~a~lvet zakupy");
    EXPECT_EQ(menu[0]["fixed"], 0x43080000u);
    EXPECT_EQ(menu[0]["zero"], 0);
    EXPECT_EQ(menu[0]["last"], 0);
    EXPECT_EQ(menu[1]["action"], "remove");
    EXPECT_EQ(menu[1]["id"], 31042);
    EXPECT_EQ(r.count("stop"), 0u);
    EXPECT_EQ(r.count("table"), 2u) << "the record-size check opens Tzak and Tzak_dok";
}

TEST(LifeCycle, FirstRunNoticeFollowsTheStoredFlag) {
    const std::string notice = "Zainstalowano wtyczkę do programu:\n" + kDescription;
    struct Case {
        const char* name;
        const char* ini;  // null: no INI file at all
        const char* keys;
        bool shown;
        const char* stored;  // the value written back, null when nothing is written
    };
    const Case cases[] = {
        {"missing file", nullptr, "", true, "0"},
        {"key missing", "[KalvetZakupy]\r\nOpcje=\"\"\r\n", "", true, "0"},
        {"flag 0", "[KalvetZakupy]\r\nPytaj=0\r\n", "", true, "0"},
        {"flag 1", "[KalvetZakupy]\r\nPytaj=1\r\n", "", false, nullptr},
        {"flag in high bits only", "[KalvetZakupy]\r\nPytaj=65536\r\n", "", true, "0"},
        {"ticked by the user", nullptr, "Space Enter", true, "1"},
        {"ticked twice", nullptr, "Space Space Enter", true, "0"},
    };
    int n = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        HostRunOptions options;
        options.keys = c.keys;
        if (c.ini) options.files.push_back({"KalvetZakupy.ini", c.ini});
        const HostRun r = run(options, std::to_string(n++));
        ASSERT_EQ(r.exitCode, 0);
        ASSERT_EQ(r.count("notice"), c.shown ? 1u : 0u);
        if (c.shown) {
            const auto shown = r.only("notice");
            EXPECT_EQ(shown["text"], notice);
            EXPECT_EQ(shown["kind"], kz::kFirstRunNoticeKind);
        }
        const auto writes = [&] {
            std::vector<nlohmann::json> found;
            for (const auto& e : r.all("ini"))
                if (e["operation"] == 2) found.push_back(e);
            return found;
        }();
        if (!c.stored) {
            EXPECT_TRUE(writes.empty());
            continue;
        }
        ASSERT_EQ(writes.size(), 1u);
        EXPECT_EQ(writes[0]["key"], "Pytaj");
        EXPECT_EQ(writes[0]["value"], c.stored);
        EXPECT_NE(readFile(r.folder + "/KalvetZakupy.ini").find(std::string("Pytaj=") + c.stored), std::string::npos);
    }
}

TEST(LifeCycle, QueriesAnswerFixedValues) {
    for (const char* value : {"0", "7", "-1"}) {
        SCOPED_TRACE(value);
        const HostRun r = run(withArguments({"--query", value}), value);
        ASSERT_EQ(r.exitCode, 0);
        EXPECT_EQ(r.exportCalls(PluginExport::Query).at(0)["result"], 0);
        EXPECT_EQ(r.exportCalls(PluginExport::QueryValue).at(0)["hex"], "0xB669FD2E");
    }
}

TEST(LifeCycle, DetachWithoutActivateStillRemovesTheCommand) {
    const HostRun r = run(withArguments({"--interface-version", "113"}));
    ASSERT_EQ(r.exitCode, 0);
    const auto menu = r.all("menu");
    ASSERT_EQ(menu.size(), 1u);
    EXPECT_EQ(menu[0]["action"], "remove");
    EXPECT_EQ(menu[0]["id"], 31042);
    EXPECT_EQ(r.exportCalls(PluginExport::Attach).at(1)["result"], 0);
}

TEST(Checks, AttachVerdicts) {
    struct Case {
        std::vector<std::string> arguments;
        int attach;
        bool sizesChecked;
    };
    const Case cases[] = {
        {{}, 0, true},
        {{"--no-description"}, 0, true},
        {{"--no-description", "--interface-version", "113"}, -1, false},
        {{"--interface-version", "111"}, -1, false},
        {{"--interface-version", "113"}, -1, false},
        {{"--refuse-module", "nie"}, -1, false},
        {{"--record-size", "Tzak=901", "--record-size", "Tzak_dok=626"}, 0, true},
        {{"--record-size", "Tzak_dok=625"}, -1, true},
        // No box to tell it in: the report says nothing.
        {{"--missing", "35802"}, -1, false},
    };
    int n = 0;
    for (const Case& c : cases) {
        std::string joined;
        for (const auto& a : c.arguments) joined += a + " ";
        SCOPED_TRACE(joined);
        const HostRun r = run(withArguments(c.arguments), std::to_string(n++));
        ASSERT_EQ(r.exitCode, 0);
        EXPECT_EQ(r.exportCalls(PluginExport::Attach).at(0)["result"], c.attach);
        EXPECT_EQ(r.exportCalls(PluginExport::Activate).at(0)["args"][0], c.attach == 0 ? 0 : 1);
        EXPECT_EQ(r.exportCalls(PluginExport::Activate).at(0)["result"], 0);
        EXPECT_EQ(r.count("table") > 0, c.sizesChecked);
        // Refused or not, nothing is shown during attach itself, and a
        // refused plug-in adds no command.
        EXPECT_EQ(r.count("menu"), c.attach == 0 ? 2u : 1u);
    }
}

TEST(Checks, RefusalStopsBeforeTheVersionIsAsked) {
    const HostRun r = run(withArguments({"--refuse-module", "Odmowa"}));
    std::vector<int> asked;
    for (const auto& e : r.all("service")) asked.push_back(e["ordinal"]);
    // Attach asks 30018 only; the report asks 30018 again with a buffer.
    EXPECT_EQ(asked, (std::vector<int>{30018, 30018}));
}

TEST(Report, MissingFunctions) {
    struct Case {
        const char* missing;
        const char* list;
        const char* pronoun;
    };
    const Case cases[] = {
        {"40008", "funkcję o numerze 40008", "jej"},
        {"52082,30018", "funkcje o numerach 30018, 52082", "ich"},
        {"52082,40008,30018", "funkcje o numerach 30018, 40008, 52082", "ich"},
        // Ten missing: the first eight in slot order are kept, then sorted.
        {"52466,37974,52016,30204,38511,52029,52156,52541,52033,52161",
         "funkcje o numerach 30204, 38511, 52016, 52029, 52033, 52156, 52161, 52541", "ich"},
    };
    int n = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.missing);
        const HostRun r = run(withArguments({"--missing", c.missing}), std::to_string(n++));
        ASSERT_EQ(r.exitCode, 0);
        EXPECT_EQ(r.exportCalls(PluginExport::Attach).at(0)["result"], -1);
        EXPECT_EQ(r.count("notice"), 0u);
        EXPECT_EQ(r.count("service"), 0u) << "no host function is asked while some are missing";
        EXPECT_EQ(stopText(r), "Wtyczka \"" + kDescription + "\" potrzebuje zaimportować\n" + c.list +
                                   " z modułu głównego,\njednak moduł główny " + c.pronoun +
                                   " nie posiada. Aby naprawić tę sytuację\nzainstaluj aktualizację programu oraz "
                                   "wtyczki.\n\nWTYCZKA NIE ZOSTANIE ZAŁADOWANA!!!\n");
        EXPECT_EQ(r.only("stop")["caption"], "STOP!!!");
        EXPECT_EQ(r.only("notification")["args"], nlohmann::json::array({1, -1}));
    }
}

TEST(Report, TableSizes) {
    const std::string header = "Rozmiary rekordów niektórych tabel nie zgadzają się\nmiędzy programem a wtyczką '" +
                               kDescription + "' (moduł '" + kBaseName +
                               "'):\n\n\x01tl18l33\x01TABELA\tWE WTYCZCE\tW PROGRAMIE\n";
    const std::string footer = "\nModuł \x02" + kBaseName + "\x01\nNIE zostanie załadowany!";
    struct Case {
        std::vector<std::string> arguments;
        std::string rows;
    };
    const Case cases[] = {
        {{"--record-size", "Tzak=900", "--no-table", "Tzak_dok"},
         "\x01tp25p40\x01Tzak\t901\t900\n\x01tp25p40\x01Tzak_dok\t626\tbrak\n"},
        {{"--record-size", "Tzak_dok=700"}, "\x01tp25p40\x01Tzak_dok\t626\t700\n"},
        {{"--no-table", "52"}, "\x01tp25p40\x01Tzak\t901\tbrak\n"},
        {{"--record-size", "Tzak=-2"}, "\x01tp25p40\x01Tzak\t901\t-2\n"},
    };
    int n = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.rows);
        const HostRun r = run(withArguments(c.arguments), std::to_string(n++));
        ASSERT_EQ(r.exitCode, 0);
        EXPECT_EQ(stopText(r), header + c.rows + footer);
    }
}

TEST(Report, TableSizeRowsLineUpUnderTheirHeadings) {
    const HostRun r = run(withArguments({"--record-size", "Tzak=900", "--no-table", "Tzak_dok"}));
    const auto lines = r.only("stop")["lines"].get<std::vector<std::string>>();
    ASSERT_GE(lines.size(), 7u);
    EXPECT_EQ(lines[4], "TABELA            WE WTYCZCE     W PROGRAMIE");
    EXPECT_EQ(lines[5], "Tzak                  901            900");
    EXPECT_EQ(lines[6], "Tzak_dok              626           brak");
}

TEST(Report, HostRefusalIsShownLiterallyWithinTheReportBuffer) {
    const std::string literal = "Licencja wygasła (100% pewności) %s %d";
    const std::string tooLong(4000, 'x');
    struct Case {
        std::vector<std::string> arguments;
        std::string text;
    };
    const Case cases[] = {
        {{"--refuse-module", literal}, literal},
        {{"--refuse-module", literal, "--interface-version", "113"}, literal},
        {{"--refuse-module", tooLong}, tooLong.substr(0, 3071)},
    };
    int n = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.arguments.back().substr(0, 40));
        const HostRun r = run(withArguments(c.arguments), std::to_string(n++));
        ASSERT_EQ(r.exitCode, 0);
        EXPECT_EQ(stopText(r), c.text);
    }
}

// Arguments reach the host whole on both flavours: a text and a folder
// with Polish letters, the folder holding the log and the INI file.
TEST(Launcher, PolishTextsAndPathsArriveWhole) {
    HostRunOptions options = withArguments({"--refuse-module", "Licencja wygasła: 100%"});
    const HostRun refused = runHost("zażółć gęślą jaźń", options);
    ASSERT_EQ(refused.exitCode, 0);
    EXPECT_EQ(stopText(refused), "Licencja wygasła: 100%");

    options = {};
    options.keys = "Space Enter";
    const HostRun good = runHost("źdźbło łąki", options);
    ASSERT_EQ(good.exitCode, 0);
    EXPECT_EQ(good.count("notice"), 1u);
    EXPECT_TRUE(fileExists(good.folder + "/KalvetZakupy.ini"));
}

TEST(Report, VersionAndGeneralTexts) {
    const std::string version = "Moduł \"" + kBaseName +
                                "\" i program występują w różnych wersjach!\n\nZostał zakualizowany tylko program "
                                "albo tylko moduł,\na nie oba jednocześnie! Aby naprawić tę sytuację\nzainstaluj "
                                "aktualizację programu wraz z modułem \"" +
                                kBaseName + "\".\n\nMODUŁ NIE ZOSTANIE ZAŁADOWANY!!!\n";
    const std::string general =
        "Moduł \"" + kBaseName + "\" nie został poprawnie zainicjowany,\nwięc NIE BĘDZIE AKTYWNY!";
    struct Case {
        std::vector<std::string> arguments;
        std::string text;
    };
    const Case cases[] = {
        {{"--interface-version", "113"}, version},
        {{"--interface-version", "111"}, version},
        {{"--report"}, general},
    };
    int n = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.arguments[0]);
        const HostRun r = run(withArguments(c.arguments), std::to_string(n++));
        ASSERT_EQ(r.exitCode, 0);
        EXPECT_EQ(stopText(r), c.text);
        EXPECT_EQ(r.count("menu"), 1u) << "only the detach's removal";
    }
}

TEST(Binding, DebuggerLinesOnlyWithADebugger) {
#if defined(_WIN32)
    GTEST_SKIP() << "under Windows the real IsDebuggerPresent answers";
#endif
    const HostRun quiet = run(withArguments({"--missing", "52082,30018,40008"}), "quiet");
    EXPECT_EQ(quiet.count("debug"), 0u);

    const HostRun r = run(withArguments({"--missing", "52082,30018,40008", "--debugger"}));
    ASSERT_EQ(r.exitCode, 0);
    std::vector<std::string> lines;
    for (const auto& e : r.all("debug")) lines.push_back(e["text"]);
    EXPECT_EQ(lines, (std::vector<std::string>{"Brak funkcji o numerze 30018\n", "Brak funkcji o numerze 40008\n",
                                               "Brak funkcji o numerze 52082\n"}));
}

TEST(Launcher, RefusesAnUnknownKeyTokenBeforeAnythingRuns) {
    HostRunOptions options;
    options.keys = "Enter Foo";
    const HostRun r = run(options);
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_TRUE(r.events.empty());
}

}  // namespace
}  // namespace kz::test
