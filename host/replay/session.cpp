#include "host/replay/session.hpp"

#include <cmath>
#include <cstddef>
#include <cstring>
#include <map>
#include <optional>

#include "plugin/interface/dialog_ids.hpp"
#include "plugin/interface/host_signatures.hpp"
#include "plugin/interface/opcje_eksportu.hpp"
#include "plugin/interface/rekordy_zakupow.hpp"

namespace hadrek::replay {
namespace {

constexpr std::size_t kFolderOffset = offsetof(kz::OpcjeEksportu, katalogWyjsciowy);
constexpr std::size_t kFolderRoom = sizeof(kz::OpcjeEksportu::katalogWyjsciowy);

const nlohmann::json* next(const Trace& trace, std::size_t i, const char* read) {
    if (i + 1 >= trace.crossings.size()) return nullptr;
    const nlohmann::json& c = trace.crossings[i + 1];
    return crossingKind(c) == "read" && crossingName(c) == read ? &c : nullptr;
}

std::vector<unsigned char> bytesOf(const nlohmann::json& read) {
    return hexBytes(read["bytes"], read["size"].get<std::size_t>());
}

long long number(const nlohmann::json& args, std::size_t i) {
    return i < args.size() && args[i].is_number() ? args[i].get<long long>() : 0;
}

std::string text(const nlohmann::json& args, std::size_t i) {
    return i < args.size() && args[i].is_object() && args[i].contains("text") ? textBytes(args[i]) : std::string();
}

std::string folderOf(const std::vector<unsigned char>& options) {
    if (options.size() < kFolderOffset + kFolderRoom) return {};
    const char* field = reinterpret_cast<const char*>(options.data() + kFolderOffset);
    return std::string(field, strnlen(field, kFolderRoom));
}

// The walks in progress, innermost last: each adds its records to its range
// unless an earlier walk of the same range already did.
struct Walk {
    data::RangeKey key;
    bool keep;
};

class RangeBuilder {
public:
    explicit RangeBuilder(data::RecordedRanges& ranges) : ranges_(ranges) {}

    void keyBuilt(const nlohmann::json& args) {
        keyValues_[number(args, 0)] = static_cast<std::int32_t>(number(args, 3));
    }
    void lineKind(const nlohmann::json& c) {
        if (c.contains("result") && c["result"].is_number())
            lineTypes_[c["result"].get<long long>()] = number(c["args"], 0);
    }
    void started(const nlohmann::json& args) {
        const long long kind = number(args, 2);
        const auto line = lineTypes_.find(kind);
        const data::RangeKey key =
            line != lineTypes_.end()
                ? data::RangeKey{kz::kTabelaTzakDok, static_cast<int>(line->second), keyValues_[kind]}
                : data::RangeKey{kz::kTabelaTzak, static_cast<int>(kind), keyValues_[kind]};
        const bool fresh = !ranges_.count(key);
        if (fresh) ranges_[key];
        walks_.push_back({key, fresh});
    }
    void ended() {
        if (!walks_.empty()) walks_.pop_back();
    }
    void record(const nlohmann::json& read) {
        if (!walks_.empty() && walks_.back().keep) ranges_[walks_.back().key].push_back(bytesOf(read));
    }

private:
    data::RecordedRanges& ranges_;
    std::map<long long, std::int32_t> keyValues_;
    std::map<long long, long long> lineTypes_;
    std::vector<Walk> walks_;
};

bool isHandler(const std::string& role) {
    return role == "KeyHandler" || role == "CommandHandler" || role == "RowText";
}

data::Rate& rateOf(Session& s, long long kind) {
    for (data::Rate& r : s.rates)
        if (r.kind == kind) return r;
    s.rates.push_back({static_cast<std::int16_t>(kind), std::to_string(kind), 0});
    return s.rates.back();
}

void rateSeen(Session& s, const std::string& role, const nlohmann::json& c) {
    const nlohmann::json& args = c["args"];
    // No rate table holds an empty code: a host that wrote nothing shows its
    // own behaviour, which the replay must find, not take over.
    if (role == "RateCodeText" && !c["out"].empty() && !textBytes(c["out"][0]["text"]).empty())
        rateOf(s, number(args, 1)).code = textBytes(c["out"][0]["text"]);
    if (role == "LineRateConversion" && args.size() == 3 && args[2].is_number() && c.contains("result") &&
        c["result"].is_number()) {
        const double amount = args[2].get<double>();
        if (amount != 0)
            rateOf(s, number(args, 1)).percent =
                std::round((c["result"].get<double>() * 100 / amount - 100) * 1e6) / 1e6;
    }
}

void hostCall(const Trace& trace, std::size_t i, Session& s, RangeBuilder& ranges) {
    const nlohmann::json& c = trace.crossings[i];
    const std::string& role = crossingName(c);
    const nlohmann::json& args = c["args"];
    const long long result = c.contains("result") && c["result"].is_number() ? c["result"].get<long long>() : 0;
    rateSeen(s, role, c);
    if (role == "KeyBuild") ranges.keyBuilt(args);
    if (role == "LineKeyKind") ranges.lineKind(c);
    if (role == "CursorStartRange") ranges.started(args);
    if (role == "CursorEndRange") ranges.ended();
    if (role == "DialogDataExchange" && number(args, 1) == kz::kFieldsToBuffer)
        if (const auto* read = next(trace, i, "options")) s.input.exchanges.push_back(bytesOf(*read));
    if (role == "FolderPicker" && !c["out"].empty())
        s.input.picks.push_back({static_cast<int>(result), textBytes(c["out"][0]["text"])});
    if (role == "NoticeWithFlag")
        if (const auto* read = next(trace, i, "flag")) s.input.noticeFlags.push_back(read->at("value").get<int>());
    if (role == "IniAccess" && static_cast<std::uint16_t>(result) == 0) {
        IniValue value;
        value.file = text(args, 0);
        value.section = text(args, 2);
        value.key = text(args, 3);
        value.format = text(args, 4);
        const long long operation = number(args, 1);
        if (operation == kz::kIniReadRecord)
            if (const auto* read = next(trace, i, "options")) {
                value.record = true;
                value.options = bytesOf(*read);
                s.ini.push_back(value);
            }
        if (operation == kz::kIniReadValue)
            if (const auto* read = next(trace, i, "flag")) {
                value.number = read->at("value").get<int>();
                s.ini.push_back(value);
            }
    }
}

}  // namespace

Session sessionOf(const Trace& trace) {
    Session s;
    s.rates = data::defaultRates();
    RangeBuilder ranges(s.ranges);
    // The host's calls into the plug-in made while the plug-in's own call
    // at each depth was in the host: a host call's line comes after them.
    std::vector<std::vector<ReplayedHandlerCall>> pending(1);
    std::size_t depth = 0;
    for (std::size_t i = 0; i < trace.crossings.size(); ++i) {
        const nlohmann::json& c = trace.crossings[i];
        const std::string_view kind = crossingKind(c);
        const std::string& name = crossingName(c);
        if (kind == "enter") {
            const nlohmann::json& args = c["args"];
            if (isHandler(name))
                pending[depth].push_back({name, static_cast<int>(number(args, 0)), static_cast<int>(number(args, 1))});
            if (name == "MenuCommand") ++s.runs;
            if (name == "Activate" && number(args, 0) != 0) s.report = true;
            if (++depth == pending.size()) pending.emplace_back();
        } else if (kind == "leave") {
            if (depth > 0) --depth;
        } else if (kind == "host") {
            std::vector<ReplayedHandlerCall> nested = std::move(pending[depth]);
            pending[depth].clear();
            if (name == "DialogRedraw") s.input.redraws.push_back(std::move(nested));
            if (name == "DialogRun") {
                ReplayedDialog dialog;
                dialog.result = c.contains("result") && c["result"].is_number() ? c["result"].get<int>() : 0;
                dialog.calls = std::move(nested);
                if (const auto* read = next(trace, i, "options")) {
                    dialog.buffer = bytesOf(*read);
                    // The folder the options dialog was left with is the one
                    // exported to.
                    if (dialog.result == kz::kPrzyciskOk) s.folder = folderOf(dialog.buffer);
                }
                s.input.dialogs.push_back(std::move(dialog));
            }
            hostCall(trace, i, s, ranges);
        } else if (name == "options" && s.folder.empty()) {
            s.folder = folderOf(bytesOf(c));
        } else if (name == "record") {
            ranges.record(c);
        } else if (name == "row") {
            s.input.rows.push_back(c["value"].get<int>());
        } else if (name == "entry") {
            const std::string entry = textBytes(c["text"]);
            const bool plain =
                !entry.empty() && entry != "." && entry != ".." && entry.find_first_of("/\\") == std::string::npos;
            bool seen = false;
            for (const std::string& e : s.entries) seen = seen || e == entry;
            if (plain && !seen) s.entries.push_back(entry);
        }
    }
    return s;
}

// Every folder of the session, not only the one exported to: the replay
// never reaches a folder of this machine that the recording named. An
// empty field stays empty.
void moveFolder(Session& s, const std::string& folder) {
    auto move = [&](std::vector<unsigned char>& options) {
        if (options.size() < kFolderOffset + kFolderRoom || options[kFolderOffset] == 0) return;
        std::memset(options.data() + kFolderOffset, 0, kFolderRoom);
        std::memcpy(options.data() + kFolderOffset, folder.data(), std::min(folder.size(), kFolderRoom - 1));
    };
    for (ReplayedDialog& d : s.input.dialogs) move(d.buffer);
    for (auto& e : s.input.exchanges) move(e);
    for (IniValue& v : s.ini) move(v.options);
    for (ReplayedPick& p : s.input.picks)
        if (!p.folder.empty()) p.folder = folder;
}

}  // namespace hadrek::replay
