// The options step end to end: the real plug-in's dialog 20082 run by the
// real host from a key script, with the INI file before and after.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <string>

#include "plugin/interface/dialog_base_table.hpp"
#include "plugin/interface/dialog_ids.hpp"
#include "scenario_snapshots.hpp"
#include "tests/support/host_run.hpp"
#include "tests/support/test_text.hpp"

namespace kz::test {
namespace {

const std::string kQuiet = "[KalvetZakupy]\r\nPytaj=1\r\n";

std::string iniWith(const std::string& options) { return kQuiet + "Opcje=" + options + "\r\n"; }

// The options key as the host stores it, from the INI file.
std::string storedOptions(const HostRun& r) {
    const std::string ini = readFile(r.folder + "/KalvetZakupy.ini");
    const auto at = ini.find("Opcje=");
    if (at == std::string::npos) return "<none>";
    return ini.substr(at + 6, ini.find("\r\n", at) - at - 6);
}

std::vector<nlohmann::json> iniCalls(const HostRun& r, int operation) {
    std::vector<nlohmann::json> found;
    for (const auto& e : r.all("ini"))
        if (e["operation"] == operation) found.push_back(e);
    return found;
}

std::vector<std::string> screenAt(const HostRun& r, const char* when, int nth = 0) {
    int n = 0;
    for (const auto& e : r.all("screen"))
        if (e["when"] == when && e["dialog"] == 20082 && n++ == nth) return e["lines"];
    return {};
}

// The line of a screen that holds `label`, from the label to the frame.
std::string rowFromLabel(const std::vector<std::string>& lines, const std::string& label) {
    for (const std::string& line : lines) {
        const auto at = line.find(label);
        if (at == std::string::npos) continue;
        std::string inside = line.substr(at, line.find("║", at) - at);
        while (!inside.empty() && inside.back() == ' ') inside.pop_back();
        return inside;
    }
    return "<no line with " + label + ">";
}

int dialogResult(const HostRun& r, int nth = 0) {
    int n = 0;
    for (const auto& e : r.all("dialog"))
        if (e["action"] == "close" && n++ == nth) return e["result"];
    return -1;
}

TEST(Options, FirstRunShowsEmptyFieldsAndEscSavesNothing) {
    HostRunOptions options;
    options.keys = "Enter Esc";
    const HostRun r = runHost(testName(), options);
    ASSERT_EQ(r.exitCode, 0);
    EXPECT_EQ(dialogResult(r), 20482);
    const auto lines = screenAt(r, "open");
    std::string screen;
    for (const std::string& line : lines) screen += line + "\n";
    EXPECT_EQ(screen, snapshots::options_first_run);
    EXPECT_EQ(rowFromLabel(lines, "F2 Okres od"), "F2 Okres od _____________   F3 Okres do _____________");
    EXPECT_EQ(rowFromLabel(lines, "Katalog"), "Katalog   ________________________________________Wybierz");
    EXPECT_TRUE(iniCalls(r, 9).empty());
    EXPECT_EQ(storedOptions(r), "<none>");
}

TEST(Options, TypedValuesAreStoredInKeyOrderWithTheIdentifierSixth) {
    HostRunOptions options;
    options.files = {{"KalvetZakupy.ini", iniWith(R"("","","","","","ID-7","","")")}};
    options.keys =
        R"("20260101" Tab "20261231" Tab "Kowalski" Tab "ul. Długa 5, Gdańsk" Tab "KOW" Tab "PL  01" Tab "C:\Eksport" F12)";
    const HostRun r = runHost(testName(), options);
    ASSERT_EQ(r.exitCode, 0);
    EXPECT_EQ(dialogResult(r), 20481);
    ASSERT_EQ(iniCalls(r, 9).size(), 1u);
    EXPECT_EQ(iniCalls(r, 9)[0]["value"],
              R"("20260101","20261231","Kowalski","ul. Długa 5, Gdańsk","KOW","ID-7","PL  01","C:\\Eksport")");
    // Saved once more unchanged, the key reads back the same.
    options.files = {{"KalvetZakupy.ini", readFile(r.folder + "/KalvetZakupy.ini")}};
    options.keys = "F12";
    const HostRun again = runHost(testName() + "Again", options);
    EXPECT_EQ(storedOptions(again), storedOptions(r));
}

TEST(Options, OverlongAndOddValuesInTheKeyAreCutToTheirWidths) {
    HostRunOptions options;
    options.files = {
        {"KalvetZakupy.ini", iniWith(R"("2026010199","","Nazwa, z przecinkiem ""","x","","ABCDEFGHIJKLMNOP","","")")}};
    options.keys = "F12";
    const HostRun r = runHost(testName(), options);
    ASSERT_EQ(r.exitCode, 0);
    // The value is not in the host's shape (a stray quote): nothing is read,
    // the fields stay empty and the identifier too.
    EXPECT_EQ(iniCalls(r, 8).at(0)["result"], 1);
    EXPECT_EQ(iniCalls(r, 9).at(0)["value"], R"("","","","","","","","")");

    options.files = {
        {"KalvetZakupy.ini", iniWith(R"("2026010199","","Nazwa, z \"cudzyslowem\"","x","","ABCDEFGHIJKLMNOP","","")")}};
    const HostRun cut = runHost(testName() + "Cut", options);
    EXPECT_EQ(iniCalls(cut, 9).at(0)["value"],
              R"("20260101","","Nazwa, z \"cudzyslowem\"","x","","ABCDEFGHIJKLM","","")");
}

TEST(Options, EscLeavesTheFileByteIdenticalEvenAfterAFolderWasPicked) {
    const std::string before =
        iniWith(R"("20260101","","","","","ID","","stary")") + "; komentarz\r\n[Inna]\r\nKlucz=1\r\n";
    HostRunOptions options;
    options.files = {{"KalvetZakupy.ini", before}};
    const std::string picked = "scenario/" + testName();
    options.keys = "Alt-B \"" + picked + "\" Enter Esc";
    const HostRun r = runHost(testName(), options);
    ASSERT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.only("folder-picker")["result"], 0);
    EXPECT_EQ(dialogResult(r), 20482);
    EXPECT_EQ(readFile(r.folder + "/KalvetZakupy.ini"), before);
}

TEST(Options, FolderButtonKeepsWhatWasTypedAndShowsThePath) {
    const std::string folder = "scenario/" + testName();
    HostRunOptions options;
    options.files = {{"KalvetZakupy.ini", kQuiet}};
    options.keys = "\"20260105\" F4 \"Nowak\" Alt-B \"" + folder + "\" Enter F12";
    const HostRun r = runHost(testName(), options);
    ASSERT_EQ(r.exitCode, 0);
    const auto handled = r.all("handler");
    ASSERT_EQ(handled.size(), 1u);
    EXPECT_EQ(handled[0]["code"], 16724);
    EXPECT_EQ(handled[0]["result"], 4098);
    const auto lines = screenAt(r, "close");
    EXPECT_EQ(rowFromLabel(lines, "F2 Okres od"), "F2 Okres od 20260105_____   F3 Okres do _____________");
    EXPECT_NE(rowFromLabel(lines, "Katalog").find(folder.substr(0, 40)), std::string::npos)
        << "a field shows its start";
    EXPECT_EQ(iniCalls(r, 9).at(0)["value"], R"("20260105","","Nowak","","","","",")" + folder + "\"");
}

TEST(Options, CancelledOrRefusedPickerChangesNothing) {
    struct Case {
        const char* name;
        const char* keys;
        int handlerResult;
        int messages;
    };
    const Case cases[] = {
        {"Esc in the picker", "Alt-B Esc F12", -2, 0},
        {"no such folder, then Esc", "Alt-B \"nie/ma/takiego\" Enter Enter Esc F12", -2, 1},
    };
    int n = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        HostRunOptions options;
        options.files = {{"KalvetZakupy.ini", iniWith(R"("","","","","","","","poprzedni")")}};
        options.keys = c.keys;
        const HostRun r = runHost(testName() + std::to_string(n++), options);
        ASSERT_EQ(r.exitCode, 0);
        EXPECT_EQ(r.all("handler").at(0)["result"], c.handlerResult);
        EXPECT_EQ(r.count("message"), static_cast<std::size_t>(c.messages));
        EXPECT_EQ(r.count("data-exchange"), 1u) << "fields to buffer only; nothing copied back";
        EXPECT_EQ(iniCalls(r, 9).at(0)["value"], R"("","","","","","","","poprzedni")");
    }
}

TEST(Options, SecondRunStartsFromTheFileNotFromMemory) {
    HostRunOptions options;
    options.files = {{"KalvetZakupy.ini", iniWith(R"("","","Zapisany","","","","","")")}};
    options.keys = "F4 \"Niezapisany\" Esc";
    options.arguments = {"--run", "2"};
    const HostRun r = runHost(testName(), options);
    ASSERT_EQ(r.exitCode, 0);
    EXPECT_EQ(rowFromLabel(screenAt(r, "close", 0), "F4 nazwie"),
              "F4 nazwie  kontrahenta      Niezapisany___________________");
    EXPECT_EQ(rowFromLabel(screenAt(r, "open", 1), "F4 nazwie"),
              "F4 nazwie  kontrahenta      Zapisany______________________");
    EXPECT_EQ(r.count("object"), 4u) << "two export objects, each constructed and destroyed";
}

TEST(Options, InvalidPeriodCannotBeConfirmed) {
    for (const char* date : {"20261332", "20260230", "2026", "19000229"}) {
        SCOPED_TRACE(date);
        HostRunOptions options;
        options.files = {{"KalvetZakupy.ini", kQuiet}};
        options.keys = std::string("Tab \"") + date + "\" F12 Enter Esc";
        const HostRun r = runHost(testName() + date, options);
        ASSERT_EQ(r.exitCode, 0);
        EXPECT_EQ(r.only("message")["caption"], "Błąd");
        EXPECT_EQ(dialogResult(r), 20482);
        EXPECT_TRUE(iniCalls(r, 9).empty());
    }
    HostRunOptions leap;
    leap.files = {{"KalvetZakupy.ini", kQuiet}};
    leap.keys = "\"20240229\" F12";
    EXPECT_EQ(dialogResult(runHost(testName() + "Leap", leap)), 20481);
}

TEST(Options, TheObjectTableIsUsedBothWays) {
    HostRunOptions options;
    options.files = {{"KalvetZakupy.ini", kQuiet}};
    options.keys = "Tab F12";
    const HostRun r = runHost(testName(), options);
    ASSERT_EQ(r.exitCode, 0);
    const int serial = r.all("object").at(0)["serial"];
    std::map<int, int> ordinalOfEntry;
    for (const auto& e : r.all("method")) {
        EXPECT_EQ(e["serial"], serial) << "the export object is `this`";
        ordinalOfEntry[e["entry"]] = e["ordinal"];
    }
    for (const Slot called :
         {Slot::DialogBaseOpened, Slot::DialogBaseMayClose, Slot::DialogBaseFocusMoved, Slot::DialogBaseClosed})
        EXPECT_EQ(ordinalOfEntry[inheritedEntry(called)], ordinalOf(called)) << "entry " << inheritedEntry(called);
    // Delegate made before the run and destroyed after it; the selection
    // dialog that follows the confirmation has delegates of its own.
    std::vector<std::string> order;
    for (const auto& e : r.events) {
        const std::string kind = e.value("event", "");
        if ((kind == "delegate" && e.value("dispatch", 0) == ordinalOf(Slot::DispatchOptions)) ||
            (kind == "dialog" && e.value("id", 0) == kDialogOpcji))
            order.push_back(kind + ":" + e.value("action", ""));
    }
    EXPECT_EQ(order, (std::vector<std::string>{"delegate:make", "dialog:open", "dialog:close", "delegate:destroy"}));
    EXPECT_EQ(r.all("delegate").at(0)["dispatch"], ordinalOf(Slot::DispatchOptions));
}

TEST(Options, TheBlockHandedToTheRunnerIsSaved) {
    HostRunOptions options;
    options.files = {{"KalvetZakupy.ini", kQuiet}};
    options.arguments = {"--save-template", "scenario/" + testName() + "/block.bin"};
    const HostRun r = runHost(testName(), options);
    ASSERT_EQ(r.exitCode, 0);
    const std::string block = readFile(r.folder + "/block.bin");
    ASSERT_EQ(block.size(), 4u + 1058u);
    EXPECT_EQ(block.substr(0, 8), std::string("\x22\x04\x00\x00\x24\x01\x06\x00", 8));
}

TEST(Options, EveryScreenAfterEveryKeyIsWritten) {
    HostRunOptions options;
    options.files = {{"KalvetZakupy.ini", kQuiet}};
    options.keys = "\"2\" Backspace F4 \"x\" Esc";
    options.arguments = {"--screens", "scenario/" + testName() + "/screens"};
    const HostRun r = runHost(testName(), options);
    ASSERT_EQ(r.exitCode, 0);
    std::vector<std::string> screens;
    for (const auto& file : std::filesystem::directory_iterator(r.folder + "/screens"))
        screens.push_back(file.path().filename().string());
    std::sort(screens.begin(), screens.end());
    // The opened dialog, one screen per key, and the screen it leaves behind.
    ASSERT_GE(screens.size(), 6u);
    EXPECT_EQ(screens.front(), "0001.txt");
    const std::string afterTyping = readFile(r.folder + "/screens/" + screens[1]);
    EXPECT_NE(afterTyping.find("F2 Okres od 2____"), std::string::npos) << afterTyping;
    const std::string afterBackspace = readFile(r.folder + "/screens/" + screens[2]);
    EXPECT_NE(afterBackspace.find("F2 Okres od _____"), std::string::npos) << afterBackspace;
    EXPECT_EQ(readFile(r.folder + "/screens/" + screens.back()).find("Podaj dane"), std::string::npos)
        << "the last screen is the host's own, the dialog gone";
}

}  // namespace
}  // namespace kz::test

namespace kz::test {
namespace {

// Every host function that can fail fails once, run by run, until a run
// meets no fault: each run ends cleanly, and the INI file is either as it
// was or as the user typed it — never anything in between.
TEST(Faults, EachFailingCallInTurnLeavesTheOptionsWholeOrUntouched) {
    const std::string before = "\"20250101\",\"\",\"\",\"\",\"\",\"ID\",\"\",\"\"";
    const std::string typed = "\"20260101\",\"\",\"\",\"\",\"\",\"ID\",\"\",\"\"";
    // A failed read shows empty fields, and confirming then stores them.
    const std::string typedOverEmpty = "\"20260101\",\"\",\"\",\"\",\"\",\"\",\"\",\"\"";
    int faults = 0;
    for (int n = 1; n < 60; ++n) {
        SCOPED_TRACE("--fail-at " + std::to_string(n));
        HostRunOptions options;
        options.files = {{"KalvetZakupy.ini", iniWith(before)}};
        options.keys = "\"20260101\" F12";
        options.arguments = {"--fail-at", std::to_string(n)};
        const HostRun r = runHost("Faults" + std::to_string(n), options);
        ASSERT_EQ(r.exitCode, 0);
        int constructed = 0, destroyed = 0;
        for (const auto& e : r.all("object")) (e["action"] == "construct" ? constructed : destroyed)++;
        EXPECT_EQ(constructed, destroyed) << "the export object is torn down whatever failed";
        const std::string stored = storedOptions(r);
        if (r.count("fault") == 0) {
            EXPECT_EQ(stored, typed) << "the run without a fault stores what was typed";
            EXPECT_GT(faults, 3);
            return;
        }
        ++faults;
        EXPECT_TRUE(stored == before || stored == typed || stored == typedOverEmpty)
            << r.only("fault")["service"] << ": " << stored;
    }
    FAIL() << "no run got through";
}

}  // namespace
}  // namespace kz::test
