// The writing step end to end: the real plug-in confirms its options, scans,
// lets the key script mark documents and then writes the DOWODY files
// through the real host into a folder of the test's own, which the test
// fills beforehand and reads back byte for byte afterwards.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "field_rules.hpp"
#include "host/core/utf8_path.hpp"
#include "host/platform/raw_paths.hpp"
#include "host/text/mazovia.hpp"
#include "plugin/interface/rekordy_zakupow.hpp"
#include "tests/scenarios/export_checks.hpp"
#include "tests/support/host_run.hpp"
#include "tests/support/options_ini.hpp"
#include "tests/support/process.hpp"
#include "tests/support/test_text.hpp"

namespace kz::test {
namespace {

using nlohmann::json;
namespace fs = std::filesystem;

// A document with one line whose code is the document's number, so every
// file tells which document it holds.
struct Doc {
    int type = 713;
    long long id = 1;
    long long id2 = 1;
    std::string number;
    std::string date = "2026-03-15";
    int lines = 1;  // each the same
    std::string description = "Towar";
    std::string identifier = "111";
};

Doc zakup(long long id, std::string number, std::string date = "2026-03-15") {
    return Doc{713, id, 1, std::move(number), std::move(date)};
}

Doc pz(long long id, std::string number, std::string date = "2026-03-15") {
    return Doc{703, id, 1, std::move(number), std::move(date)};
}

std::string dataFile(const std::vector<Doc>& docs) {
    json documents = json::array();
    for (const Doc& d : docs) {
        const json line = {{"description", d.description},
                           {"code", d.number},
                           {"quantity", 1},
                           {"unit", "szt"},
                           {"value", 10},
                           {"rate", 3}};
        documents.push_back({{"type", d.type},
                             {"id", d.id},
                             {"id2", d.id2},
                             {"number", d.number},
                             {"date", d.date},
                             {"contractor", {{"name", "Hurtownia"}, {"nip", d.identifier}}},
                             {"values_as_stored", true},
                             {"lines", json::array()}});
        for (int i = 0; i < d.lines; ++i) documents.back()["lines"].push_back(line);
    }
    return json{{"documents", documents}}.dump();
}

// What the line of such a document looks like, as the text-mode stream
// stores it: every LF, a text's own too, as CR LF.
std::string lineOf(const Doc& d) {
    const std::string date = d.date.substr(0, 4) + d.date.substr(5, 2) + d.date.substr(8, 2);
    const std::string line = d.identifier + ":" + date + ":" + d.number + "::" + d.description +
                             ":T:10.00::szt:1.000:0:" + d.number + ":+:" + (d.type == 713 ? "V" : "D") + ":P01:2::\n";
    std::string stored;
    for (const char c : line) stored += c == '\n' ? std::string("\r\n") : std::string(1, c);
    return d.lines == 0 ? "" : stored;
}

struct Options {
    std::string from = "20260301";
    std::string to = "20260331";
    std::string branch = "P01";
    // Below the build folder, beside the run's own folder; "<out>" at its
    // start stands for the folder the test prepares.
    std::string folder = "<out>";
};

struct Writing {
    HostRun host;
    std::string out;  // the output folder, as the plug-in was given it
};

std::string outFolder(const std::string& name) { return "scenario/" + name + ".out"; }

// A fresh output folder holding `before` (name → bytes; a name ending in
// '/' is a folder).
void prepareFolder(const std::string& out, const std::vector<std::pair<std::string, std::string>>& before) {
    fs::remove_all(hadrek::utf8Path(out));
    fs::create_directories(hadrek::utf8Path(out));
    for (const auto& [name, bytes] : before) {
        if (name.back() == '/')
            fs::create_directories(hadrek::utf8Path(out + "/" + name));
        else
            std::ofstream(hadrek::utf8Path(out + "/" + name), std::ios::binary) << bytes;
    }
}

Writing write(const std::string& data, const std::string& keys, const Options& o = {},
              const std::vector<std::pair<std::string, std::string>>& before = {}, const std::string& suffix = "",
              std::vector<std::string> arguments = {}, std::vector<std::string> wrapper = {}) {
    const std::string name = testName() + suffix;
    const std::string out = outFolder(name);
    prepareFolder(out, before);
    const std::string folder = o.folder.starts_with("<out>") ? out + o.folder.substr(5) : o.folder;
    HostRunOptions options;
    options.files = {{"KalvetZakupy.ini", optionsIni({o.from, o.to, o.branch, folder})}};
    if (!data.empty()) {
        options.files.emplace_back("data.json", data);
        arguments.insert(arguments.begin(), {"--data", "scenario/" + name + "/data.json"});
    }
    options.arguments = arguments;
    options.keys = keys;
    options.wrapper = std::move(wrapper);
    return {runHost(name, options), out};
}

// The entries of a folder, sorted; folders end with '/'.
std::vector<std::string> entries(const std::string& folder) {
    return entriesOf(hadrek::utf8Path(folder), [](const fs::path& name) {
        const std::u8string utf8 = name.u8string();
        return std::string(utf8.begin(), utf8.end());
    });
}

std::string exported(const Writing& w, const std::string& file) { return readFile(w.out + "/" + file); }

std::string counted(int invoices, int receipts) {
    return "Uwaga: Wyeksportowano " + std::to_string(invoices) + " faktur zakupu\nUwaga: Wyeksportowano " +
           std::to_string(receipts) + " dokumentów PZ";
}

std::string folderMessage(const std::string& folder) {
    return "Uwaga: Pliki dostępne są w katalogu:\n\n\x02" + folder + "\x01";
}

std::string fileName(char letter, int number) {
    char name[32];
    std::snprintf(name, sizeof name, "DOWODY.%c%02d.TXT", letter, number);
    return name;
}

const char* const kAll = "F12 Ctrl-Ins F12";

bool isSelectionClose(const json& e) {
    return e.value("event", "") == "dialog" && e["action"] == "close" && e["id"] == 20081;
}

// Whether the selection dialog had closed when the (first) fault came.
bool faultAfterSelection(const HostRun& r) {
    bool selected = false;
    for (const auto& e : r.events) {
        selected = selected || isSelectionClose(e);
        if (e.value("event", "") == "fault") return selected;
    }
    return false;
}

int tablesOpenedAfterSelection(const HostRun& r) {
    bool selected = false;
    int opened = 0;
    for (const auto& e : r.events) {
        selected = selected || isSelectionClose(e);
        opened += selected && e.value("event", "") == "table" && e["action"] == "open";
    }
    return opened;
}

std::string misread(int invoices, int receipts, const std::string& firstLines) {
    return "Uwaga: W niektórych wierszach plików eksportu pole tekstowe zawiera\n"
           "dwukropek albo znak końca wiersza, więc program, do którego\n"
           "importujesz pliki, odczyta te wiersze błędnie.\n\nFaktury zakupu z takimi wierszami: " +
           std::to_string(invoices) + "\nDokumenty PZ z takimi wierszami: " + std::to_string(receipts) + "\n" +
           firstLines + "\nPopraw te teksty w HADREK i wyeksportuj dokumenty ponownie,\nzanim zaimportujesz pliki.";
}

std::string emptyFiles(int invoices, int receipts, const std::string& firstLines) {
    return "Uwaga: Niektóre zaznaczone dokumenty nie mają pozycji,\nwięc ich pliki eksportu są puste.\n\n"
           "Puste pliki faktur zakupu: " +
           std::to_string(invoices) + "\nPuste pliki dokumentów PZ: " + std::to_string(receipts) + "\n" + firstLines +
           "\nSprawdź te dokumenty w HADREK. Jeśli pozycji brakuje przez pomyłkę,\n"
           "uzupełnij je i wyeksportuj dokumenty ponownie.";
}

TEST(Writer, TheWorkedExampleLineComesOutByteForByte) {
    // The built-in sample: the invoice FZ 17/03/25 and a receipt of the same
    // id are the only documents of that day.
    const Writing w = write("", kAll, {"20250305", "20250305", "P01"});
    ASSERT_EQ(w.host.exitCode, 0);
    EXPECT_EQ(entries(w.out), (std::vector<std::string>{"DOWODY.P00.TXT", "DOWODY.Z00.TXT"}));
    EXPECT_EQ(exported(w, "DOWODY.Z00.TXT"),
              "111-222-33-44:20250305:MLK01::Mleko 2%:T:123.45::szt:12.000:ZW:FZ 17/03/25:+:V:P01:2::\r\n"
              "111-222-33-44:20250305:SMT18::\x98mietana 18% 400 g:T:29.94::szt:6.000:5:FZ 17/03/25:+:V:P01:2::\r\n"
              "111-222-33-44:20250305:MSL20::Mas\x92o ekstra 200 g:T:74.90::szt:10.000:5:FZ 17/03/25:+:V:P01:2::\r\n");
    EXPECT_EQ(joined(messages(w.host)), counted(1, 1) + "\n" + folderMessage(w.out) + "\n");
    expectNothingLeftOpen(w.host);
}

// examples/field-rules.json: one document per group of rules, all chosen.
// Its rate table names kinds 5, 8 and 9 otherwise than the plug-in does.
TEST(Writer, EveryFieldFollowsItsRule) {
    const std::string branch = " P 01 ";  // the option "  P  01 ", collapsed
    const std::string tail = ":V:" + branch + ":2::\r\n";
    const struct {
        const char* file;
        const char* what;
        std::string content;
    } cases[] = {
        {"DOWODY.Z00.TXT", "rate kinds 5, 8, 9 are the plug-in's own; others the host's text",
         "111-222-33-44:20260305:R5::zw:T:10.00::szt:1.000:ZW:FZ 1/rates:+" + tail +
             "111-222-33-44:20260305:R8::op:O:10.00::szt:1.000:OP:FZ 1/rates:+" + tail +
             "111-222-33-44:20260305:R9::np:T:10.00::szt:1.000:NP:FZ 1/rates:+" + tail +
             "111-222-33-44:20260305:R12::host:T:10.00::szt:1.000:A:12:FZ 1/rates:+" + tail +
             "111-222-33-44:20260305:R0::host:T:10.00::szt:1.000:23:FZ 1/rates:+" + tail},
        {"DOWODY.Z01.TXT", "values not as stored go through the rate conversion, then the rounding",
         "222-333-44-55:20260305:C0::23%:T:123.00::szt:1.000:23:FZ 2/converted:+" + tail +
             "222-333-44-55:20260305:C1::8%:T:10.85::szt:1.000:8:FZ 2/converted:+" + tail +
             "222-333-44-55:20260305:C5::zw:T:50.00::szt:1.000:ZW:FZ 2/converted:+" + tail +
             "222-333-44-55:20260305:C12::12%:T:0.06::szt:1.000:A:12:FZ 2/converted:+" + tail +
             "222-333-44-55:20260305:C2::5% minus:T:-18.38::szt:1.000:5:FZ 2/converted:+" + tail},
        {"DOWODY.Z02.TXT", "values as stored are only rounded",
         "333-444-55-66:20260305:S1::half up:T:12.35::szt:1.000:23:FZ 3/stored:+" + tail +
             "333-444-55-66:20260305:S2::largest:T:899999999999.99::szt:1.000:23:FZ 3/stored:+" + tail +
             "333-444-55-66:20260305:S3::minus:T:-17.50::szt:1.000:23:FZ 3/stored:+" + tail +
             "333-444-55-66:20260305:S4::zero:T:0.00::szt:1.000:23:FZ 3/stored:+" + tail},
        {"DOWODY.Z03.TXT", "quantities with their sign, additional values empty only at 0",
         "444-555-66-77:20260305:Q1::a:T:1.00::kg:0.000:0:FZ 4/extra:-" + tail +
             "444-555-66-77:20260305:Q2::b:T:1.00:0.00:kg:-1.500:0:FZ 4/extra:-" + tail +
             "444-555-66-77:20260305:Q3::c:T:1.00:-0.00:kg:0.001:0:FZ 4/extra:+" + tail +
             "444-555-66-77:20260305:Q4::d:T:1.00:1.16:kg:2147483.647:0:FZ 4/extra:+" + tail +
             "444-555-66-77:20260305:Q5::e:T:1.00:-3.25:kg:-2147483.647:0:FZ 4/extra:-" + tail +
             "444-555-66-77:20260305:Q6::f:T:1.00:0.01:kg:-0.001:0:FZ 4/extra:-" + tail},
        {"DOWODY.Z04.TXT", "the description's blanks collapse, nothing else does; colons stay",
         "PL:1234567890:20260305:T1:: Mleko 2% :T:1.00::szt:1.000:0:F:5 2/3:+" + tail +
             "PL:1234567890:20260305:T2::a\t\tb c:T:1.00::szt:1.000:0:F:5 2/3:+" + tail +
             "PL:1234567890:20260305:A:B:x:y:z:opis: pe\x92ny:T:1.00::m:2:1.000:0:F:5 2/3:+" + tail +
             "PL:1234567890:20260305:\x98\x95:  dwie  spacje  :\x9C\242d\xA6 \xA1\xA2\x92\x8D:T:1.00::szt:1.000:0:"
             "F:5 2/3:+" +
             tail},
        {"DOWODY.Z05.TXT", "a year below 1000 in four digits",
         "666:09990102:Y1::rok 999:T:1.00::szt:1.000:0:FZ 6/0999:+" + tail},
        {"DOWODY.Z06.TXT", "a document without lines gives an empty file", ""},
        {"DOWODY.Z07.TXT", "empty texts give empty fields", ":20260305::::T:1.00:::1.000:0::+" + tail},
        {"DOWODY.Z08.TXT", "the year 5", "666:00051231:Y2::rok 5:T:1.00::szt:1.000:0:FZ 9/0005:+" + tail},
        {"DOWODY.P00.TXT", "a goods receipt, its own lines only, though an invoice has its id",
         "111-222-33-44:20260305:P1::przyj\221cie:T:21.60::szt:3.000:8:PZ 1/receipt:+:D:" + branch + ":2::\r\n" +
             "111-222-33-44:20260305:P2::np:T:20.00:0.50:szt:-3.000:NP:PZ 1/receipt:-:D:" + branch + ":2::\r\n"},
    };
    // The period's start stays empty, which keeps the years below 1000 the
    // dialog would not take.
    const Writing w = write(std::string(kFieldRulesJson), kAll, {"", "20261231", "  P  01 "});
    ASSERT_EQ(w.host.exitCode, 0);
    std::vector<std::string> expectedFiles;
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.file) + ": " + c.what);
        EXPECT_EQ(exported(w, c.file), c.content);
        expectedFiles.push_back(c.file);
    }
    std::sort(expectedFiles.begin(), expectedFiles.end());
    EXPECT_EQ(entries(w.out), expectedFiles);
    // The host's text for rate kind 12 holds a colon, as do the fifth
    // document's identifier and number.
    EXPECT_EQ(joined(messages(w.host)), counted(9, 1) + "\n" +
                                            misread(3, 0,
                                                    "Pierwsza taka faktura zakupu: \x02"
                                                    "FZ 1/rates\x01 z dnia 2026-03-05:\nw pliku DOWODY.Z00.TXT pole "
                                                    "11 (stawka podatku)\nzawiera dwukropek.\n") +
                                            "\n" +
                                            emptyFiles(1, 0,
                                                       "Pierwsza taka faktura zakupu: \x02"
                                                       "FZ 7/empty\x01 z dnia 2026-03-05,\nplik DOWODY.Z06.TXT\n") +
                                            "\n" + folderMessage(w.out) + "\n");
    expectNothingLeftOpen(w.host);
}

TEST(Writer, AnEmptyBranchCodeLeavesItsFieldEmpty) {
    const std::vector<Doc> docs = {zakup(1, "FZ 1"), pz(1, "PZ 1")};
    const Writing w = write(dataFile(docs), kAll, {"20260301", "20260331", ""});
    ASSERT_EQ(w.host.exitCode, 0);
    EXPECT_EQ(exported(w, "DOWODY.Z00.TXT"), "111:20260315:FZ 1::Towar:T:10.00::szt:1.000:0:FZ 1:+:V::2::\r\n");
    EXPECT_EQ(exported(w, "DOWODY.P00.TXT"), "111:20260315:PZ 1::Towar:T:10.00::szt:1.000:0:PZ 1:+:D::2::\r\n");
}

// The document numbers (field 12) a file's lines carry, each once.
std::string headersIn(const std::string& content) {
    std::string headers;
    std::size_t from = 0;
    for (std::size_t end = content.find('\n'); end != std::string::npos;
         from = end + 1, end = content.find('\n', from)) {
        std::size_t field = from;
        for (int i = 0; i < 11; ++i) field = content.find(':', field) + 1;
        const std::string number = content.substr(field, content.find(':', field) - field);
        if (headers.find("[" + number + "]") == std::string::npos) headers += "[" + number + "]";
    }
    return headers;
}

// Files are numbered per type in the order of the host's range (by id, then
// second id), not in the list's order (newest first); only marked documents
// are written, told apart by type and both ids (FZ 1 and PZ 1 share theirs).
TEST(Writer, WritesTheMarkedDocumentsNumberedInRangeOrder) {
    const std::vector<Doc> docs = {
        zakup(1, "FZ 1", "2026-03-01"), zakup(2, "FZ 2", "2026-03-02"),        zakup(3, "FZ 3", "2026-03-03"),
        zakup(4, "FZ 4", "2026-03-04"), Doc{713, 5, 2, "FZ 4b", "2026-03-05"}, pz(1, "PZ 1", "2026-03-01"),
        pz(2, "PZ 2", "2026-03-02"),
    };
    // The list: FZ 4b, FZ 4, FZ 3, FZ 2, FZ 1, PZ 2, PZ 1.
    const struct {
        const char* keys;
        std::vector<std::string> written;  // file: the document in it
    } cases[] = {
        {"Ins", {"Z00 [FZ 4b]"}},
        {"Down Ins", {"Z00 [FZ 4]"}},
        {"Ins Down Ins Ins", {"Z00 [FZ 2]", "Z01 [FZ 3]", "Z02 [FZ 4b]"}},
        {"Down Down Down Down Ins", {"Z00 [FZ 1]"}},
        {"End Ins", {"P00 [PZ 1]"}},
        {"Down Down Ins Down Down Ins", {"Z00 [FZ 3]", "P00 [PZ 2]"}},
        {"Ctrl-Ins",
         {"Z00 [FZ 1]", "Z01 [FZ 2]", "Z02 [FZ 3]", "Z03 [FZ 4]", "Z04 [FZ 4b]", "P00 [PZ 1]", "P01 [PZ 2]"}},
    };
    int n = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.keys);
        const Writing w = write(dataFile(docs), std::string("F12 ") + c.keys + " F12", {}, {}, std::to_string(n++));
        ASSERT_EQ(w.host.exitCode, 0);
        std::vector<std::string> written;
        int invoices = 0, receipts = 0;
        for (const std::string& file : entries(w.out)) {
            written.push_back(file.substr(7, 3) + " " + headersIn(exported(w, file)));
            (file[7] == 'Z' ? invoices : receipts)++;
        }
        std::sort(written.begin(), written.end(),
                  [](const std::string& a, const std::string& b) { return a[0] != b[0] ? a[0] > b[0] : a < b; });
        EXPECT_EQ(written, c.written);
        EXPECT_EQ(joined(messages(w.host)), counted(invoices, receipts) + "\n" + folderMessage(w.out) + "\n");
        expectNothingLeftOpen(w.host);
    }
}

TEST(Writer, ClearsEveryFileOfTheFolderAndKeepsItsSubfolders) {
    const std::vector<std::pair<std::string, std::string>> before = {
        {"notatki.txt", "moje"}, {"DOWODY.Z07.TXT", "stary"}, {"bez rozszerzenia", "x"},
        {".ukryty", "x"},        {"podkatalog/", ""},         {"podkatalog/DOWODY.Z00.TXT", "zostaje"},
        {"pusty/", ""},
    };
    const std::vector<Doc> docs = {zakup(1, "FZ 1")};
    const struct {
        const char* what;
        const char* keys;
        std::vector<std::string> after;
        std::size_t messages;
    } cases[] = {
        {"one document written", kAll, {"DOWODY.Z00.TXT", "podkatalog/", "pusty/"}, 3},
        {"nothing marked", "F12 F12", {"podkatalog/", "pusty/"}, 0},
    };
    int n = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const std::string suffix = std::to_string(n++);
        // A file beside the folder: nothing outside the folder goes.
        const std::string beside = "scenario/" + testName() + suffix + ".beside";
        std::ofstream(hadrek::utf8Path(beside), std::ios::binary) << "obok";
        const Writing w = write(dataFile(docs), c.keys, {}, before, suffix);
        ASSERT_EQ(w.host.exitCode, 0);
        EXPECT_EQ(entries(w.out), c.after);
        EXPECT_EQ(entries(w.out + "/podkatalog"), std::vector<std::string>{"DOWODY.Z00.TXT"});
        EXPECT_EQ(readFile(w.out + "/podkatalog/DOWODY.Z00.TXT"), "zostaje");
        EXPECT_EQ(readFile(beside), "obok");
        EXPECT_EQ(messages(w.host).size(), c.messages);
    }
}

// The options keep the folder in the host's code page; the host's file
// services and the clearing must both find it, and the files in it, on the
// file system.
TEST(Writer, AFolderWithPolishLettersIsClearedAndWrittenLikeAnyOther) {
    const std::string inside = "/Księgowość/Żółte faktury";
    const std::vector<std::pair<std::string, std::string>> before = {
        {"Księgowość/", ""},
        {"Księgowość/Żółte faktury/", ""},
        {"Księgowość/Żółte faktury/DOWODY.Z00.TXT", "stary"},
        {"Księgowość/Żółte faktury/DOWODY.P07.TXT", "stary"},
        {"Księgowość/Żółte faktury/zażółć gęślą jaźń.txt", "notatka"},
        {"Księgowość/Żółte faktury/cena €.txt", "poza stroną kodową"},
        {"Księgowość/Żółte faktury/Łódź/", ""},
        {"Księgowość/Żółte faktury/Łódź/DOWODY.Z00.TXT", "zostaje"},
        {"Księgowość/obok.txt", "obok"},
    };
    const std::vector<Doc> docs = {zakup(1, "FZ 1"), pz(1, "PZ 1")};
    Options o;
    o.folder = hadrek::text::fromUtf8("<out>" + inside);
    const Writing w = write(dataFile(docs), kAll, o, before);
    ASSERT_EQ(w.host.exitCode, 0);
    const std::string out = w.out + inside;
    // The search hands over a name the code page cannot hold with '?' in
    // place of what it lacks, so the clearing finds no such file.
    EXPECT_EQ(entries(out), (std::vector<std::string>{"DOWODY.P00.TXT", "DOWODY.Z00.TXT", "cena €.txt", "Łódź/"}));
    EXPECT_EQ(readFile(out + "/DOWODY.Z00.TXT"), lineOf(docs[0]));
    EXPECT_EQ(readFile(out + "/DOWODY.P00.TXT"), lineOf(docs[1]));
    EXPECT_EQ(entries(out + "/Łódź"), std::vector<std::string>{"DOWODY.Z00.TXT"});
    EXPECT_EQ(readFile(out + "/Łódź/DOWODY.Z00.TXT"), "zostaje");
    EXPECT_EQ(readFile(w.out + "/Księgowość/obok.txt"), "obok");
    EXPECT_EQ(joined(messages(w.host)), counted(1, 1) + "\n" + folderMessage(out) + "\n");
}

TEST(Writer, AnEmptyFolderOptionClearsAndWritesNothing) {
    const std::vector<Doc> docs = {zakup(1, "FZ 1"), pz(1, "PZ 1")};
    const char* const folders[] = {"", "   "};
    int n = 0;
    for (const char* folder : folders) {
        SCOPED_TRACE(std::string("folder \"") + folder + "\"");
        Options o;
        o.folder = folder;
        const Writing w = write(dataFile(docs), kAll, o, {{"notatki.txt", "moje"}}, std::to_string(n++));
        ASSERT_EQ(w.host.exitCode, 0);
        EXPECT_EQ(messages(w.host), std::vector<std::string>{"Błąd: Nie wybrano katalogu na pliki eksportu!\n"
                                                             "Nie zapisano ani nie usunięto żadnego pliku."});
        EXPECT_EQ(w.host.count("folder"), 0u) << "no search anywhere";
        EXPECT_EQ(w.host.count("file"), 0u) << "no file opened anywhere";
        EXPECT_EQ(w.host.count("fault"), 0u);
        EXPECT_EQ(tablesOpenedAfterSelection(w.host), 0);
        EXPECT_EQ(entries(w.host.folder),
                  (std::vector<std::string>{"KalvetZakupy.ini", "data.json", "keys.txt", "log.jsonl"}));
    }
}

std::string leftOut(int invoices, int receipts, const std::string& firstLines, const std::string& periods) {
    return "Uwaga: Jeden eksport zapisuje najwyżej 100 plików jednego rodzaju.\n"
           "Pliki powstają w kolejności, w jakiej HADREK przechowuje\n"
           "dokumenty, a nie w kolejności listy.\n\nPominięte faktury zakupu: " +
           std::to_string(invoices) + "\nPominięte dokumenty PZ: " + std::to_string(receipts) + "\n" + firstLines +
           "\nNie importuj plików z tego eksportu. Wyeksportuj kolejno te okresy,\n"
           "zaznaczając w każdym te same dokumenty, a pliki każdego okresu\n"
           "zaimportuj przed eksportem następnego (eksport opróżnia katalog):\n" +
           periods;
}

const char* const kOneDayNote =
    "(*) Tego dnia zaznaczono ponad 100 dokumentów jednego rodzaju:\n"
    "wyeksportuj go w częściach, zawężając filtry kontrahenta\n"
    "albo zaznaczając za każdym razem najwyżej 100 wierszy.\n";

// `count` documents of a type numbered from 1, each dated by `dateOf`.
std::vector<Doc> numbered(int type, int count, const std::function<std::string(int)>& dateOf) {
    std::vector<Doc> docs;
    for (int i = 1; i <= count; ++i) {
        char number[16];
        std::snprintf(number, sizeof number, "%s %03d", type == 713 ? "FZ" : "PZ", i);
        docs.push_back(Doc{type, i, 1, number, dateOf(i)});
    }
    return docs;
}

std::string dayOfMarch(int i) {
    char date[16];
    std::snprintf(date, sizeof date, "2026-03-%02d", 1 + i % 28);
    return date;
}

// Range order is by id; the list shows the newest first. Past a kind's
// hundredth file the rest of its range is walked only to count what was
// left out and to name the first of it, per kind.
TEST(Writer, AtMostAHundredFilesPerTypeTheRestCountedAndTheFirstNamed) {
    // Document i is dated March 1 + i % 28. With 101 invoices the days hold
    // 3, then 4 (days 2 to 18), then 3 each: 101 reach day 28 alone. With
    // 130 invoices and 110 receipts the invoices pass 100 on day 21.
    const struct {
        int invoices, receipts;
        std::string firstLines, periods;
    } cases[] = {
        {101, 1,
         "Pierwsza pominięta faktura zakupu: \x02"
         "FZ 101\x01 z dnia 2026-03-18\n",
         "  od 20260301 do 20260327\n  od 20260328 do 20260328\n"},
        {130, 110,
         "Pierwsza pominięta faktura zakupu: \x02"
         "FZ 101\x01 z dnia 2026-03-18\n"
         "Pierwszy pominięty dokument PZ: \x02"
         "PZ 101\x01 z dnia 2026-03-18\n",
         "  od 20260301 do 20260320\n  od 20260321 do 20260328\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.invoices) + " invoices, " + std::to_string(c.receipts) + " receipts");
        std::vector<Doc> docs = numbered(713, c.invoices, dayOfMarch);
        for (Doc& d : numbered(703, c.receipts, dayOfMarch)) docs.push_back(d);
        const Writing w = write(dataFile(docs), kAll, {}, {}, std::to_string(c.invoices));
        ASSERT_EQ(w.host.exitCode, 0);
        std::vector<std::string> files;
        int numbers[2] = {};
        for (const Doc& d : docs) {
            int& n = numbers[d.type == 703];
            if (n == 100) continue;
            const std::string file = fileName(d.type == 713 ? 'Z' : 'P', n++);
            files.push_back(file);
            EXPECT_EQ(exported(w, file), lineOf(d)) << file;
        }
        std::sort(files.begin(), files.end());
        EXPECT_EQ(entries(w.out), files);
        EXPECT_EQ(joined(messages(w.host)),
                  counted(100, std::min(c.receipts, 100)) + "\n" +
                      leftOut(c.invoices - 100, std::max(c.receipts - 100, 0), c.firstLines, c.periods) + "\n" +
                      folderMessage(w.out) + "\n");
        // The writer walks each kind's whole range, opening no file past
        // the hundredth.
        std::vector<long long> invoiceRanges;
        for (const auto& e : w.host.all("table"))
            if (e["action"] == "range-end" && e["keyKind"] == 713) invoiceRanges.push_back(e["records"]);
        EXPECT_EQ(invoiceRanges, (std::vector<long long>{c.invoices, c.invoices})) << "scan, then writer";
        EXPECT_EQ(w.host.count("file"), 2 * files.size()) << "an open and a close for each file written, no more";
        expectNothingLeftOpen(w.host);
    }
}

// The periods advised past the limit: whole days, each period at most 100
// marked documents of each kind, together every marked document; a day
// that alone holds more is marked, and past four periods the box says
// where the rest begins.
TEST(Writer, PastTheLimitTheBoxNamesPeriodsEachWithinIt) {
    const struct {
        const char* what;
        int invoices;
        std::function<std::string(int)> dateOf;
        std::string periods;
    } cases[] = {
        {"150 invoices over 30 days", 150,
         [](int i) { return "2026-04-" + std::string(i <= 45 ? "0" : "") + std::to_string(1 + (i - 1) / 5); },
         "  od 20260401 do 20260420\n  od 20260421 do 20260430\n"},
        {"120 invoices on one day", 120, [](int) { return std::string("2026-04-15"); },
         "  od 20260415 do 20260415 (*)\n" + std::string(kOneDayNote)},
        {"520 invoices over 26 days", 520,
         [](int i) { return "2026-05-" + std::string(i <= 180 ? "0" : "") + std::to_string(1 + (i - 1) / 20); },
         "  od 20260501 do 20260505\n  od 20260506 do 20260510\n  od 20260511 do 20260515\n"
         "  od 20260516 do 20260520\n  i dalej od 20260521: po tych okresach wyeksportuj resztę,\n"
         "  a wtyczka znów podzieli ją na okresy.\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const std::vector<Doc> docs = numbered(713, c.invoices, c.dateOf);
        Options o;
        o.from = "20260101";
        o.to = "20261231";
        const Writing w = write(dataFile(docs), kAll, o, {}, std::to_string(c.invoices));
        ASSERT_EQ(w.host.exitCode, 0);
        EXPECT_EQ(entries(w.out).size(), 100u);
        const std::vector<std::string> said = messages(w.host);
        ASSERT_EQ(said.size(), 4u) << joined(said);
        EXPECT_EQ(said[2], leftOut(c.invoices - 100, 0,
                                   "Pierwsza pominięta faktura zakupu: \x02" + docs[100].number + "\x01 z dnia " +
                                       docs[100].date + "\n",
                                   c.periods));
        expectNothingLeftOpen(w.host);
    }
}

Doc withText(Doc d, std::string description, std::string identifier = "111") {
    d.description = std::move(description);
    d.identifier = std::move(identifier);
    return d;
}

Doc withoutLines(Doc d) {
    d.lines = 0;
    return d;
}

// The files stay as the host stores the texts, colons and line ends
// included; the user is told which documents the other program would
// misread or find empty, each kind's first named with its file (and the
// field and byte), after the counts and before the folder.
TEST(Writer, LinesTheOtherProgramWouldMisreadAndEmptyFilesAreSaid) {
    const struct {
        const char* what;
        std::vector<Doc> docs;
        std::string boxes;
    } cases[] = {
        {"a description with a colon",
         {zakup(1, "FZ 1"), withText(zakup(2, "FZ 2"), "Transport: 5 km"), pz(1, "PZ 1")},
         misread(1, 0,
                 "Pierwsza taka faktura zakupu: \x02"
                 "FZ 2\x01 z dnia 2026-03-15:\nw pliku DOWODY.Z01.TXT pole 5 (opis pozycji)\nzawiera dwukropek.\n")},
        {"an identifier with a colon",
         {zakup(1, "FZ 1"), withText(pz(1, "PZ 1"), "Towar", "PL:5250001009")},
         misread(0, 1,
                 "Pierwszy taki dokument PZ: \x02"
                 "PZ 1\x01 z dnia 2026-03-15:\nw pliku DOWODY.P00.TXT pole 1 (identyfikator kontrahenta)\n"
                 "zawiera dwukropek.\n")},
        {"a description with a line feed, then a number with a colon",
         {withText(zakup(1, "FZ 1"), "Towar\nbis"), zakup(2, "FZ:2"), pz(1, "PZ 1")},
         misread(2, 0,
                 "Pierwsza taka faktura zakupu: \x02"
                 "FZ 1\x01 z dnia 2026-03-15:\nw pliku DOWODY.Z00.TXT pole 5 (opis pozycji)\n"
                 "zawiera znak końca wiersza (LF).\n")},
        {"documents without lines",
         {zakup(1, "FZ 1"), withoutLines(zakup(2, "FZ 2")), withoutLines(zakup(3, "FZ 3")),
          withoutLines(pz(1, "PZ 1"))},
         emptyFiles(2, 1,
                    "Pierwsza taka faktura zakupu: \x02"
                    "FZ 2\x01 z dnia 2026-03-15,\nplik DOWODY.Z01.TXT\n"
                    "Pierwszy taki dokument PZ: \x02"
                    "PZ 1\x01 z dnia 2026-03-15,\nplik DOWODY.P00.TXT\n")},
        {"both, in that order",
         {withoutLines(zakup(1, "FZ 1")), withText(zakup(2, "FZ 2"), "a\rb")},
         misread(1, 0,
                 "Pierwsza taka faktura zakupu: \x02"
                 "FZ 2\x01 z dnia 2026-03-15:\nw pliku DOWODY.Z01.TXT pole 5 (opis pozycji)\n"
                 "zawiera znak końca wiersza (CR).\n") +
             "\n" +
             emptyFiles(1, 0,
                        "Pierwsza taka faktura zakupu: \x02"
                        "FZ 1\x01 z dnia 2026-03-15,\nplik DOWODY.Z00.TXT\n")},
    };
    int n = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const Writing w = write(dataFile(c.docs), kAll, {}, {}, std::to_string(n++));
        ASSERT_EQ(w.host.exitCode, 0);
        int numbers[2] = {};
        for (const Doc& d : c.docs) {
            const std::string file = fileName(d.type == 713 ? 'Z' : 'P', numbers[d.type == 703]++);
            EXPECT_EQ(exported(w, file), lineOf(d)) << file << " holds the texts as stored";
        }
        EXPECT_EQ(joined(messages(w.host)),
                  counted(numbers[0], numbers[1]) + "\n" + c.boxes + "\n" + folderMessage(w.out) + "\n");
    }
}

// The branch code ends every line: one holding a colon is refused as soon
// as the options are confirmed, before the list and before the folder is
// touched; the options stay saved as typed, so only that field needs
// mending.
TEST(Writer, ABranchCodeWithAColonIsRefusedBeforeAnythingIsTouched) {
    Options o;
    o.branch = "P:01";
    const std::vector<std::pair<std::string, std::string>> before = {{"DOWODY.Z00.TXT", "stary"},
                                                                     {"notatki.txt", "moje"}};
    const Writing w = write(dataFile({zakup(1, "FZ 1")}), "F12", o, before);
    ASSERT_EQ(w.host.exitCode, 0);
    EXPECT_EQ(joined(messages(w.host)),
              "Błąd: Pole \"Placówka\" zawiera dwukropek.\n"
              "Kod placówki trafia do każdego wiersza plików eksportu,\n"
              "więc program, do którego importujesz pliki, odczytałby\n"
              "błędnie wszystkie wiersze.\n\n"
              "Nie usunięto ani nie zapisano żadnego pliku.\n"
              "Popraw pole \"Placówka\" i uruchom eksport ponownie.\n");
    EXPECT_EQ(entries(w.out), (std::vector<std::string>{"DOWODY.Z00.TXT", "notatki.txt"}));
    EXPECT_EQ(exported(w, "DOWODY.Z00.TXT"), "stary");
    EXPECT_EQ(exported(w, "notatki.txt"), "moje");
    EXPECT_NE(readFile(w.host.folder + "/KalvetZakupy.ini").find("\"P:01\""), std::string::npos)
        << readFile(w.host.folder + "/KalvetZakupy.ini");
    std::size_t walked = 0, listed = 0;
    for (const auto& e : w.host.all("table")) walked += e["action"] != "open";
    for (const auto& e : w.host.all("dialog")) listed += e["id"] == 20081;
    EXPECT_EQ(walked, 0u) << "no table was read";
    EXPECT_EQ(listed, 0u) << "no list was shown";
    EXPECT_EQ(w.host.count("folder"), 0u) << "the folder was not searched";
}

std::string notCreated(const std::string& folder, int invoices, int receipts) {
    return "Błąd: Nie udało się utworzyć plików eksportu w katalogu:\n\x02" + folder +
           "\x01\n\nNie zapisano faktur zakupu: " + std::to_string(invoices) +
           "\nNie zapisano dokumentów PZ: " + std::to_string(receipts) +
           "\n\nSprawdź, czy katalog istnieje, czy wolno w nim zapisywać\n"
           "i czy żaden plik eksportu nie jest otwarty ani tylko do odczytu.";
}

// The folder was removed after its options were saved: every open fails,
// and the user reads that failure, not just two zeros.
TEST(Writer, AFolderGoneSinceItsOptionsWereSavedIsSaidNotCountedAsNothing) {
    const std::vector<Doc> docs = {zakup(1, "FZ 1"), zakup(2, "FZ 2"), pz(1, "PZ 1")};
    Options o;
    o.folder = "scenario/" + testName() + ".missing";
    fs::remove_all(hadrek::utf8Path(o.folder));
    const Writing w = write(dataFile(docs), kAll, o);
    ASSERT_EQ(w.host.exitCode, 0);
    EXPECT_EQ(joined(messages(w.host)), counted(0, 0) + "\n" + notCreated(o.folder, 2, 1) + "\n");
    EXPECT_FALSE(fileExists(o.folder)) << "the writer makes no folder";
    std::size_t failedOpens = 0;
    for (const auto& e : w.host.all("file")) failedOpens += e["action"] == "open" && e["result"] == "null";
    EXPECT_EQ(failedOpens, 3u);
}

std::string notWritten(int invoices, int receipts) {
    return "Błąd: Błąd zapisu pliku eksportu (np. brak miejsca na dysku)!\n\nNie zapisano faktur zakupu: " +
           std::to_string(invoices) + "\nNie zapisano dokumentów PZ: " + std::to_string(receipts) +
           "\n\nNiepełne pliki usunięto, zapisane pliki są kompletne.";
}

// Which export file a fault in a file service hit: the 1-based count of
// opens up to it, the failed open itself included.
int faultedFile(const HostRun& r, const std::string& service) {
    int opens = 0;
    for (const auto& e : r.events) {
        if (e.value("event", "") == "fault") return opens + (service == serviceName(Slot::FileOpen));
        opens += e.value("event", "") == "file" && e["action"] == "open";
    }
    return 0;
}

// Raises the fault countdown run by run until a run meets no fault: every
// open, print and close of an export file fails once on the way, and so
// does everything else that can fail in a run. Each run ends cleanly; what
// it wrote is whole and numbered without gaps in range order, a document
// whose file failed leaves no file behind and is said: a file not created
// apart from one not written whole.
TEST(Writer, EveryFailureOnTheWayEndsCleanlyAndLeavesNoGapInTheNumbering) {
    const std::vector<Doc> docs = {zakup(1, "FZ 1"), zakup(2, "FZ 2"), zakup(3, "FZ 3"), pz(1, "PZ 1"), pz(2, "PZ 2")};
    std::map<std::string, std::vector<int>> failedFiles;
    bool failedSearch = false, failedShrink = false;
    int failedTables = 0;
    for (int n = 1; n < 90; ++n) {
        SCOPED_TRACE("--fail-at " + std::to_string(n));
        const Writing w = write(dataFile(docs), kAll, {}, {{"notatki.txt", "moje"}}, std::to_string(n),
                                {"--fail-at", std::to_string(n)});
        ASSERT_EQ(w.host.exitCode, 0);
        expectNothingLeftOpen(w.host);
        const auto faults = w.host.all("fault");
        if (faults.empty()) break;
        const std::string service = faults.at(0)["service"];
        std::vector<Doc> expected = docs;
        int notCreatedFiles[2] = {}, lostFiles[2] = {};
        for (Slot file : {Slot::FileOpen, Slot::StreamPrintf, Slot::StreamClose}) {
            if (service != serviceName(file)) continue;
            const int nth = faultedFile(w.host, service);
            failedFiles[service].push_back(nth);
            const Doc& lost = expected.at(static_cast<std::size_t>(nth - 1));
            ++(file == Slot::FileOpen ? notCreatedFiles : lostFiles)[lost.type == 703];
            expected.erase(expected.begin() + (nth - 1));
        }
        const auto shown = messages(w.host);
        const bool wrote = std::any_of(shown.begin(), shown.end(), [](const std::string& m) {
            return m.find("Wyeksportowano") != std::string::npos;
        });
        std::vector<std::string> files;
        std::string expectedText, writtenText;
        int invoices = 0, receipts = 0;
        if (wrote) {
            for (const Doc& d : expected) {
                const std::string file = d.type == 713 ? fileName('Z', invoices++) : fileName('P', receipts++);
                files.push_back(file);
                expectedText += file + ": " + lineOf(d);
                writtenText += file + ": " + exported(w, file);
            }
            EXPECT_EQ(writtenText, expectedText);
            std::string told = counted(invoices, receipts) + "\n";
            if (notCreatedFiles[0] + notCreatedFiles[1])
                told += notCreated(w.out, notCreatedFiles[0], notCreatedFiles[1]) + "\n";
            if (lostFiles[0] + lostFiles[1]) told += notWritten(lostFiles[0], lostFiles[1]) + "\n";
            EXPECT_EQ(joined(shown), told + folderMessage(w.out) + "\n");
        }
        const bool cleared = service != serviceName(Slot::DirSearchFirst) && (wrote || faultAfterSelection(w.host));
        if (!cleared) files.push_back("notatki.txt");
        std::sort(files.begin(), files.end());
        EXPECT_EQ(entries(w.out), files) << "after a fault in " << service;

        if (service == serviceName(Slot::DirSearchFirst)) failedSearch = true;
        if (service == serviceName(Slot::TableOpen) && faultAfterSelection(w.host)) {
            ++failedTables;
            EXPECT_EQ(shown, std::vector<std::string>{"Błąd: Błąd operacji dyskowej w wpiszDokumentyDoPliku!"});
        }
        if (service == serviceName(Slot::MemoryResize) && faultAfterSelection(w.host)) {
            failedShrink = true;
            EXPECT_EQ(shown, std::vector<std::string>{"Błąd: Błąd podczas alokowania pamięci w KalvetZakupy!\n"
                                                      "Operacja niekompletna!"});
        }
    }
    for (Slot file : {Slot::FileOpen, Slot::StreamPrintf, Slot::StreamClose})
        EXPECT_EQ(failedFiles[serviceName(file)], (std::vector<int>{1, 2, 3, 4, 5})) << serviceName(file);
    EXPECT_TRUE(failedSearch);
    EXPECT_EQ(failedTables, 2) << "Tzak, then Tzak_dok";
    EXPECT_TRUE(failedShrink);
}

#if !defined(_WIN32)
// A file system that really fills up: a tmpfs of two pages over the output
// folder, in a private user and mount namespace of the host's run, which
// copies what the folder holds beside it before the namespace goes. Every
// file that holds a byte takes a page of its own.
TEST(Writer, AFullFileSystemKeepsOnlyWholeFilesAndSaysWhatWasNotWritten) {
    const std::string mount = "mount -t tmpfs -o size=8k tmpfs \"$0\"";
    const std::string probe = "scenario/" + testName() + ".probe";
    fs::create_directories(probe);
    const std::vector<std::string> namespaceOf = {"/usr/bin/unshare", "--user",  "--map-root-user",
                                                  "--mount",          "/bin/sh", "-c"};
    std::vector<std::string> probeCommand(namespaceOf.begin() + 1, namespaceOf.end());
    probeCommand.insert(probeCommand.end(), {mount, probe});
    if (runProgram(namespaceOf.front(), probeCommand) != 0)
        GTEST_SKIP() << "this kernel lets no unprivileged user and mount namespace mount a tmpfs";

    std::vector<Doc> docs;
    for (int i = 1; i <= 4; ++i) docs.push_back(zakup(i, "FZ " + std::to_string(i)));
    for (int i = 1; i <= 3; ++i) docs.push_back(pz(i, "PZ " + std::to_string(i)));
    const std::string out = outFolder(testName()), after = out + ".after";
    fs::remove_all(after);
    std::vector<std::string> wrapper = namespaceOf;
    wrapper.push_back(mount + " && { \"$@\"; status=$?; cp -R \"$0\" \"$0.after\" && exit $status; }");
    wrapper.push_back(out);
    const Writing w = write(dataFile(docs), kAll, {}, {}, "", {}, wrapper);
    ASSERT_EQ(w.host.exitCode, 0);
    expectNothingLeftOpen(w.host);

    std::vector<std::string> files;
    int invoices = 0, receipts = 0;
    for (const Doc& d : docs) {
        const std::string file = d.type == 713 ? fileName('Z', invoices) : fileName('P', receipts);
        if (!fileExists(after + "/" + file)) continue;
        files.push_back(file);
        EXPECT_EQ(readFile(after + "/" + file), lineOf(d)) << file << " is whole and holds its own document";
        ++(d.type == 713 ? invoices : receipts);
    }
    std::sort(files.begin(), files.end());
    EXPECT_EQ(entries(after), files) << "no file cut short, no empty file";
    EXPECT_GT(invoices, 0);
    EXPECT_LT(invoices + receipts, 7) << "the file system filled up";
    EXPECT_EQ(joined(messages(w.host)), counted(invoices, receipts) + "\n" + notWritten(4 - invoices, 3 - receipts) +
                                            "\n" + folderMessage(w.out) + "\n");
}
#endif

// A print the host could not make ends the document's line walk there: no
// further line of it is asked for, its file goes, and the next document
// takes the number.
TEST(Writer, AFailedPrintEndsTheDocumentsLineWalk) {
    Doc first = zakup(1, "FZ 1"), second = zakup(2, "FZ 2");
    first.lines = second.lines = 3;
    const Writing w =
        write(dataFile({first, second}), kAll, {}, {}, "", {"--fail-call", serviceName(Slot::StreamPrintf) + ":2"});
    ASSERT_EQ(w.host.exitCode, 0);
    std::vector<long long> lineRanges;
    for (const auto& e : w.host.all("table"))
        if (e["action"] == "range-end" && e["table"] == kTabelaTzakDok) lineRanges.push_back(e["records"]);
    EXPECT_EQ(lineRanges, (std::vector<long long>{2, 3})) << "FZ 1 left at its second line";
    EXPECT_EQ(entries(w.out), std::vector<std::string>{"DOWODY.Z00.TXT"});
    EXPECT_EQ(exported(w, "DOWODY.Z00.TXT"), lineOf(second) + lineOf(second) + lineOf(second));
    EXPECT_EQ(joined(messages(w.host)), counted(1, 0) + "\n" + notWritten(1, 0) + "\n" + folderMessage(w.out) + "\n");
    expectNothingLeftOpen(w.host);
}

// The folder the options name stands twice on the disk: under its bytes as
// they are, and under the host's conversion, where the host writes. Beside
// the old export file in the converted one, the other holds a folder of the
// same name; the clearing deletes a name by its bytes first, so it cannot
// reach that file. The export must replace what it held, not add to it.
TEST(Writer, AnExportFileTheClearingCouldNotReachIsReplacedWhole) {
    const std::string twins = "scenario/" + testName() + ".twins";
    const std::string folder = twins + "/Księgowość";
    const std::string bytes = hadrek::text::fromUtf8(folder);
    fs::remove_all(hadrek::utf8Path(twins));
    fs::create_directories(hadrek::platform::rawFileSystemPath(bytes + "/DOWODY.Z00.TXT"));
    std::ofstream(hadrek::platform::rawFileSystemPath(bytes + "/DOWODY.Z00.TXT/zostaje.txt")) << "x";
    fs::create_directories(hadrek::utf8Path(folder));
    std::ofstream(hadrek::utf8Path(folder + "/DOWODY.Z00.TXT"), std::ios::binary) << "stara linia\r\n";

    const Doc doc = zakup(1, "FZ 1");
    Options o;
    o.folder = bytes;
    const Writing w = write(dataFile({doc}), kAll, o);
    ASSERT_EQ(w.host.exitCode, 0);
    EXPECT_TRUE(fs::is_directory(hadrek::platform::rawFileSystemPath(bytes + "/DOWODY.Z00.TXT")));
    EXPECT_EQ(readFile(folder + "/DOWODY.Z00.TXT"), lineOf(doc));
    EXPECT_EQ(joined(messages(w.host)), counted(1, 0) + "\n" + folderMessage(folder) + "\n");
}

// The longest folder the options keep, 259 characters, in components a file
// system takes: the files land in it whole, and the message names it whole.
// It stays from run to run beside the run's own folder: a Win32 process
// cannot list or remove a folder this deep, though it can read a file in it.
TEST(Writer, TheLongestFolderTakesTheFilesWhole) {
    std::string folder = "scenario/" + testName() + ".deep";
    for (std::size_t left = 259 - folder.size(); left > 0;) {
        std::size_t take = std::min<std::size_t>(left, 101);
        if (left - take == 1) --take;
        folder += "/" + std::string(take - 1, 'k');
        left -= take;
    }
    ASSERT_EQ(folder.size(), 259u);
    fs::create_directories(hadrek::utf8Path(folder));
    const Doc doc = zakup(1, "FZ 1");
    Options o;
    o.folder = folder;
    const Writing w = write(dataFile({doc}), kAll, o);
    ASSERT_EQ(w.host.exitCode, 0);
    EXPECT_EQ(readFile(folder + "/DOWODY.Z00.TXT"), lineOf(doc));
    EXPECT_EQ(joined(messages(w.host)), counted(1, 0) + "\n" + folderMessage(folder) + "\n");
}

}  // namespace
}  // namespace kz::test
