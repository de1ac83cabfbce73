// The whole export under every host behaviour the interface leaves open,
// one at a time and all at once: every document marked and written into a
// folder with Polish letters that holds stale export files, a user's file
// and a subfolder. Whatever the host answers, fills, holds or names, the
// folder ends up holding the same export files, byte for byte, as under
// the stand-in's own behaviour, and the user is told the same.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "field_rules.hpp"
#include "host/core/utf8_path.hpp"
#include "host/platform/raw_paths.hpp"
#include "host/text/mazovia.hpp"
#include "sample_data.hpp"
#include "tests/scenarios/export_checks.hpp"
#include "tests/support/hidden_file.hpp"
#include "tests/support/host_run.hpp"
#include "tests/support/options_ini.hpp"
#include "tests/support/test_text.hpp"

namespace kz::test {
namespace {

namespace fs = std::filesystem;
using nlohmann::json;

struct Variant {
    const char* name;  // empty: the stand-in's own behaviour
    bool lazyText;     // the host gives no rate texts
    bool rawPaths;     // the folder is named by its code page bytes
    // The user's files its search never yields, or yields by a name that
    // names no file: they stay, every earlier export file goes regardless.
    std::vector<std::string> left = {};
};

const std::string kNote = "notatka księgowej.txt";  // longer than an 8.3 name
const std::string kHidden = ".ukryty";

const Variant kVariants[] = {
    {"close-answers-one", false, false},
    {"print-answers-zero", false, false},
    {"findfirst", false, false},
    {"raw-paths", false, true},
    {"lazy-text", true, false},
    {"wide-objects", false, false},
    {"descriptor-writes", false, false},
    {"dirs-too", false, false},
    {"search-stops-early", false, false, {kNote}},
    {"short-names", false, false, {kNote}},
    // ".", ".." and the search ends.
    {"all", true, true, {kHidden, kNote}},
};

struct DataSet {
    const char* name;
    std::string_view json;
    bool builtIn;  // the host's own sample, served without --data
};

const DataSet kDataSets[] = {{"field-rules", kFieldRulesJson, false}, {"sample", kSampleDataJson, true}};

const std::string kFolder = "/Księgowość/Żółte faktury";

// A path below the build folder, UTF-8 in the test, as the host under test
// names it on the file system.
fs::path onDisk(const std::string& utf8, bool raw) {
    return raw ? hadrek::platform::rawFileSystemPath(hadrek::text::fromUtf8(utf8)) : hadrek::utf8Path(utf8);
}

std::vector<std::string> entriesOnDisk(const std::string& folder, bool raw) {
    return entriesOf(onDisk(folder, raw), [raw](const fs::path& name) {
        if (raw) return hadrek::text::toUtf8(hadrek::platform::rawHostName(name));
        const std::u8string utf8 = name.u8string();
        return std::string(utf8.begin(), utf8.end());
    });
}

std::string readOnDisk(const std::string& path, bool raw) {
    std::ifstream in(onDisk(path, raw), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

struct Export {
    HostRun host;
    std::string folder;                        // UTF-8
    std::map<std::string, std::string> files;  // DOWODY files: name → bytes
    std::vector<std::string> before, after;    // the folder's entries
    std::vector<std::string> subfolder;        // the subfolder's entries after
};

Export exportAll(const DataSet& data, const Variant* variant) {
    const std::string name = testName() + "." + data.name + "." + (variant ? variant->name : "default");
    const bool raw = variant && variant->rawPaths;
    const std::string out = "scenario/" + name + ".out";
    fs::remove_all(onDisk(out, raw));
    const std::string folder = out + kFolder;
    fs::create_directories(onDisk(folder + "/Łódź", raw));
    fs::create_directories(onDisk(folder + "/pusty", raw));
    for (const std::string file :
         {"DOWODY.Z00.TXT", "DOWODY.P42.TXT", kNote.c_str(), kHidden.c_str(), "Łódź/DOWODY.Z00.TXT"})
        std::ofstream(onDisk(folder + "/" + file, raw), std::ios::binary) << "stary";
    hideFile(onDisk(folder + "/" + kHidden, raw));

    HostRunOptions options;
    options.files = {{"KalvetZakupy.ini", optionsIni({"", "", "PL 01", hadrek::text::fromUtf8(folder)})}};
    if (!data.builtIn) {
        options.files.emplace_back("data.json", std::string(data.json));
        options.arguments = {"--data", "scenario/" + name + "/data.json"};
    }
    if (variant) options.arguments.insert(options.arguments.end(), {"--host-variant", variant->name});
    options.keys = "F12 Ctrl-Ins F12";

    Export e;
    e.folder = folder;
    e.before = entriesOnDisk(folder, raw);
    e.host = runHost(name, options);
    e.after = entriesOnDisk(folder, raw);
    e.subfolder = entriesOnDisk(folder + "/Łódź", raw);
    for (const std::string& entry : e.after)
        if (entry.starts_with("DOWODY.")) e.files[entry] = readOnDisk(folder + "/" + entry, raw);
    return e;
}

// The messages shown, the run's own folder named alike in every run.
// What the user was told, the folder as <katalog>. Without the box on
// lines the other program would misread where `withoutMisread`: a host that
// gives no rate text writes no colon of its own into field 11.
std::string told(const Export& e, bool withoutMisread = false) {
    std::vector<std::string> said = messages(e.host);
    if (withoutMisread)
        std::erase_if(said, [](const std::string& m) { return m.starts_with("Uwaga: W niektórych wierszach"); });
    std::string text = joined(said);
    for (std::size_t at; (at = text.find(e.folder)) != std::string::npos;)
        text.replace(at, e.folder.size(), "<katalog>");
    return text;
}

// The host's own texts for rate kinds other than 5, 8 and 9, which the
// plug-in spells out itself.
std::set<std::string> hostRateTexts(std::string_view data) {
    std::set<std::string> texts;
    const json parsed = json::parse(data);
    for (const json& rate : parsed["rates"])
        if (rate["kind"] != 5 && rate["kind"] != 8 && rate["kind"] != 9)
            texts.insert(hadrek::text::fromUtf8(rate["code"].get<std::string>()));
    return texts;
}

// A host that gives no rate text leaves field 11 empty: each line of
// `lazy` is its line of `reference` with one host text dropped from between
// its colons, or the same line where the plug-in spelt the rate out itself.
bool onlyHostRateTextsDropped(const std::string& reference, const std::string& lazy,
                              const std::set<std::string>& texts) {
    const auto lines = [](const std::string& file) {
        std::vector<std::string> out;
        for (std::size_t from = 0, end; (end = file.find('\n', from)) != std::string::npos; from = end + 1)
            out.push_back(file.substr(from, end + 1 - from));
        return out;
    };
    const auto want = lines(reference), got = lines(lazy);
    if (want.size() != got.size()) return false;
    for (std::size_t i = 0; i < want.size(); ++i) {
        bool found = false;
        if (want[i] == got[i])
            for (const char* own : {":ZW:", ":OP:", ":NP:"}) found = found || want[i].find(own) != std::string::npos;
        for (const std::string& text : texts)
            for (std::size_t at = 0; !found && (at = want[i].find(":" + text + ":", at)) != std::string::npos; ++at)
                found = want[i].substr(0, at) + "::" + want[i].substr(at + text.size() + 2) == got[i];
        if (!found) return false;
    }
    return true;
}

TEST(HostVariants, EveryVariantWritesTheSameFilesAndSaysTheSame) {
    for (const DataSet& data : kDataSets) {
        SCOPED_TRACE(data.name);
        const Export reference = exportAll(data, nullptr);
        ASSERT_EQ(reference.host.exitCode, 0);
        ASSERT_EQ(reference.before,
                  (std::vector<std::string>{kHidden, "DOWODY.P42.TXT", "DOWODY.Z00.TXT", kNote, "pusty/", "Łódź/"}));
        ASSERT_FALSE(reference.files.empty());
        ASSERT_FALSE(reference.files.count("DOWODY.P42.TXT")) << "the data has no 43 receipts";
        ASSERT_EQ(told(reference).find("Błąd"), std::string::npos) << told(reference);

        for (const Variant& variant : kVariants) {
            SCOPED_TRACE(std::string("--host-variant ") + variant.name);
            const Export e = exportAll(data, &variant);
            EXPECT_EQ(e.host.exitCode, 0);
            if (e.host.exitCode != 0) continue;
            EXPECT_EQ(e.before, reference.before) << "the folder was not laid out as the host names it";
            std::vector<std::string> after = reference.after;
            after.insert(after.end(), variant.left.begin(), variant.left.end());
            std::sort(after.begin(), after.end());
            EXPECT_EQ(e.after, after) << "every file of the folder goes but what the search never names; "
                                         "no earlier export file stays; the subfolders stay";
            EXPECT_EQ(e.subfolder, std::vector<std::string>{"DOWODY.Z00.TXT"});
            for (const std::string& left : variant.left)
                EXPECT_EQ(readOnDisk(e.folder + "/" + left, variant.rawPaths), "stary") << left;
            EXPECT_EQ(told(e, variant.lazyText), told(reference, variant.lazyText));
            if (variant.lazyText) EXPECT_EQ(told(e).find("pole 11"), std::string::npos) << "field 11 was left empty";
            expectNothingLeftOpen(e.host);
            if (!variant.lazyText) {
                EXPECT_EQ(e.files, reference.files);
                continue;
            }
            const auto texts = hostRateTexts(data.json);
            for (const auto& [file, bytes] : reference.files)
                EXPECT_TRUE(onlyHostRateTextsDropped(bytes, e.files.count(file) ? e.files.at(file) : "", texts))
                    << file << " differs otherwise than by its host rate texts:\n"
                    << (e.files.count(file) ? e.files.at(file) : "");
        }
    }
}

}  // namespace
}  // namespace kz::test
