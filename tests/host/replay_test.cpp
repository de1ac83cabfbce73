// A session taken from its trace, and two traces compared: records go to
// the range their walk started, nested walks and repeated walks included;
// the host's calls into the plug-in go to the host call they happened in;
// no folder of the recording survives into the replay; the comparison
// finds each kind of difference, paths below the output folder compare
// alike whatever the separator, and other calls part the two.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "host/replay/fidelity.hpp"
#include "host/replay/session.hpp"
#include "plugin/interface/opcje_eksportu.hpp"

namespace hadrek::replay {
namespace {

using nlohmann::json;

json host(const std::string& role, json args, json result = nullptr, json out = json::array()) {
    for (const kz::HostFunction& f : kz::kHostFunctions)
        if (role == f.role) {
            json c = {{"host", role}, {"slot", f.slot}, {"ordinal", f.ordinal}, {"args", args}, {"out", out}};
            if (!result.is_null()) c["result"] = result;
            return c;
        }
    ADD_FAILURE() << role;
    return {};
}
json read(const std::string& what, json fields) {
    fields["read"] = what;
    return fields;
}
json enter(const std::string& role, json args) { return {{"enter", role}, {"args", args}}; }
json leave(const std::string& role, json result) { return {{"leave", role}, {"result", result}}; }
json text(const std::string& t) { return {{"text", t}}; }

Trace traceOf(std::vector<json> crossings) {
    Trace t;
    t.head = {{"trace", "KalvetZakupy"}, {"version", "1"}, {"flavour", "linux"}};
    t.sessions = 1;
    for (std::size_t i = 0; i < crossings.size(); ++i) crossings[i]["n"] = i + 1;
    t.crossings = std::move(crossings);
    return t;
}

std::string hexOptions(const std::string& folder) {
    kz::OpcjeEksportu o{};
    std::memcpy(o.katalogWyjsciowy, folder.data(), folder.size());
    std::string hex;
    const auto* p = reinterpret_cast<const unsigned char*>(&o);
    for (std::size_t i = 0; i < sizeof o; ++i) {
        char pair[3];
        std::snprintf(pair, sizeof pair, "%02x", p[i]);
        hex += pair;
    }
    return hex;
}

json record(const std::string& hex, int size) { return read("record", {{"size", size}, {"bytes", hex}}); }

TEST(ReplaySession, RecordsDialogsAndFoldersComeFromTheTrace) {
    const std::string folder = "C:\\eksport";
    const Trace t = traceOf({
        enter("MenuCommand", json::array()),
        host("IniAccess", {text("KalvetZakupy.ini"), 8, text("KalvetZakupy"), text("Opcje"), text("%8s"), true}, 0),
        read("options", {{"size", sizeof(kz::OpcjeEksportu)}, {"bytes", hexOptions("D:\\stary")}}),
        enter("KeyHandler", {0x5200, 1}),
        host("ControlValue", {16385}, true),
        read("row", {{"value", 2}}),
        host("DialogRedraw", {0, 32768, 1}, 0),
        leave("KeyHandler", 16385),
        enter("RowText", {3, 0}),
        leave("RowText", text("row")),
        host("DialogRun", {true, true, 20082, true, true}, 20481),
        read("options", {{"size", sizeof(kz::OpcjeEksportu)}, {"bytes", hexOptions(folder)}}),
        // Headers of 713, with a document's lines walked inside; the
        // writer's second walk of the same headers adds nothing.
        host("KeyBuild", {713, nullptr, true, 0}),
        host("CursorStartRange", {true, true, 713, true, 0, 0}, 1),
        host("CursorNext", {true}, 1),
        record("0a", 901),
        host("LineKeyKind", {713}, 5713),
        host("KeyBuild", {5713, nullptr, true, 7}),
        host("CursorStartRange", {true, true, 5713, true, 0, 0}, 1),
        host("CursorNext", {true}, 1),
        record("0b", 626),
        host("CursorEndRange", {true}, 0),
        host("CursorNext", {true}, 1),
        record("0c", 901),
        host("CursorEndRange", {true}, 0),
        host("KeyBuild", {713, nullptr, true, 0}),
        host("CursorStartRange", {true, true, 713, true, 0, 0}, 1),
        host("CursorNext", {true}, 1),
        record("0d", 901),
        host("CursorEndRange", {true}, 0),
        host("RateCodeText", {{{"buffer", 256}}, 3}, nullptr, {{{"arg", 0}, {"room", 256}, {"text", text("A:12")}}}),
        host("RateCodeText", {{{"buffer", 256}}, 0}, nullptr, {{{"arg", 0}, {"room", 256}, {"text", text("")}}}),
        host("LineRateConversion", {1, 3, 100.0}, 112.0),
        read("entry", {{"room", 260}, {"text", text("..")}}),
        read("entry", {{"room", 260}, {"text", text("notatka.txt")}}),
        leave("MenuCommand", 0),
    });
    Session s = sessionOf(t);
    EXPECT_EQ(s.runs, 1);
    EXPECT_EQ(s.folder, folder);
    EXPECT_EQ(s.entries, std::vector<std::string>{"notatka.txt"});
    // Each record whole, its trailing zeros put back.
    const auto firstBytes = [](const std::vector<data::Record>& records, std::size_t size) {
        std::vector<int> first;
        for (const data::Record& r : records) first.push_back(r.size() == size ? r[0] : -1);
        return first;
    };
    EXPECT_EQ(firstBytes(s.ranges.at({kz::kTabelaTzak, 713, 0}), 901), (std::vector<int>{0x0a, 0x0c}));
    EXPECT_EQ(firstBytes(s.ranges.at({kz::kTabelaTzakDok, 713, 7}), 626), (std::vector<int>{0x0b}));
    ASSERT_EQ(s.input.dialogs.size(), 1u);
    ASSERT_EQ(s.input.dialogs[0].calls.size(), 2u) << "the handlers the run made, not those of the redraw";
    EXPECT_EQ(s.input.dialogs[0].calls[0].role, "KeyHandler");
    EXPECT_EQ(s.input.dialogs[0].calls[1].role, "RowText");
    EXPECT_EQ(s.input.rows, std::deque<int>{2});
    ASSERT_EQ(s.input.redraws.size(), 1u);
    EXPECT_TRUE(s.input.redraws[0].empty());
    ASSERT_EQ(s.ini.size(), 1u);
    const auto rate = [&](int kind) {
        for (const data::Rate& r : s.rates)
            if (r.kind == kind) return r.code + " " + std::to_string(static_cast<int>(r.percent));
        return std::string("none");
    };
    EXPECT_EQ(rate(3), "A:12 12") << "a code and a percent the host's answers show";
    EXPECT_EQ(rate(0), "23 23") << "an empty code is the host's behaviour, not its table's";

    moveFolder(s, "/tmp/r");
    const auto folderOf = [](const std::vector<unsigned char>& o) {
        return std::string(reinterpret_cast<const char*>(o.data() + offsetof(kz::OpcjeEksportu, katalogWyjsciowy)));
    };
    EXPECT_EQ(folderOf(s.input.dialogs[0].buffer), "/tmp/r");
    EXPECT_EQ(folderOf(s.ini[0].options), "/tmp/r") << "an earlier folder is not reached either";
}

struct CompareCase {
    const char* what;
    json replayed;  // in place of the recorded crossing
    std::size_t differences;
    bool parts;
};

TEST(ReplayFidelity, EachKindOfDifferenceIsFoundAndPathsCompareBelowTheFolder) {
    const json recorded = host("FileOpen", {text("C:\\eks\\DOWODY.Z00.TXT"), text("wt"), 64}, true);
    const CompareCase cases[] = {
        {"the same call below the other folder",
         host("FileOpen", {text("/tmp/r/DOWODY.Z00.TXT"), text("wt"), 64}, true), 0, false},
        {"another answer", host("FileOpen", {text("/tmp/r/DOWODY.Z00.TXT"), text("wt"), 64}, nullptr), 1, false},
        {"another file", host("FileOpen", {text("/tmp/r/DOWODY.Z01.TXT"), text("wt"), 64}, true), 0, true},
        {"another function", host("StreamClose", {true}, 0), 0, true},
        {"a read instead", read("row", {{"value", 1}}), 0, true},
    };
    for (const CompareCase& c : cases) {
        SCOPED_TRACE(c.what);
        const Fidelity f = compareTraces(traceOf({recorded, read("row", {{"value", 1}})}),
                                         traceOf({c.replayed, read("row", {{"value", 1}})}), "C:\\eks", "/tmp/r");
        EXPECT_EQ(f.differences.size(), c.differences);
        EXPECT_EQ(!f.parted.empty(), c.parts) << f.parted;
        EXPECT_EQ(f.compared, c.parts ? 0u : 2u);
    }
    const Fidelity reads =
        compareTraces(traceOf({read("row", {{"value", 1}})}), traceOf({read("row", {{"value", 2}})}), "", "");
    EXPECT_EQ(reads.differences.size(), 1u);
    const Fidelity shorter = compareTraces(traceOf({recorded, recorded}), traceOf({recorded}), "", "");
    EXPECT_NE(shorter.parted.find("the replay has ended"), std::string::npos) << shorter.parted;
}

}  // namespace
}  // namespace hadrek::replay
