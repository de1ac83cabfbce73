#include "host/replay/fidelity.hpp"

#include <algorithm>
#include <cstddef>
#include <cstring>

#include "host/text/mazovia.hpp"
#include "plugin/interface/opcje_eksportu.hpp"

namespace hadrek::replay {
namespace {

constexpr std::size_t kShown = 72;

// Texts below the output folder are written from the folder on, with '/'
// for a separator; a text without the folder stays as it is.
nlohmann::json normalized(const nlohmann::json& value, const std::string& folder) {
    if (value.is_array()) {
        nlohmann::json out = nlohmann::json::array();
        for (const auto& v : value) out.push_back(normalized(v, folder));
        return out;
    }
    if (!value.is_object()) return value;
    if (value.contains("text") && value["text"].is_string() && !folder.empty()) {
        std::string bytes = textBytes(value);
        if (bytes.rfind(folder, 0) == 0) {
            std::string rest = bytes.substr(folder.size());
            std::replace(rest.begin(), rest.end(), '\\', '/');
            return {{"text", "<folder>" + text::toUtf8(rest)}};
        }
    }
    nlohmann::json out = nlohmann::json::object();
    for (const auto& [key, v] : value.items())
        if (key != "n") out[key] = normalized(v, folder);
    return out;
}

// An options record holds the output folder: it is compared as a text.
nlohmann::json normalizedOptions(const nlohmann::json& read, const std::string& folder) {
    constexpr std::size_t kOffset = offsetof(kz::OpcjeEksportu, katalogWyjsciowy);
    constexpr std::size_t kRoom = sizeof(kz::OpcjeEksportu::katalogWyjsciowy);
    auto bytes = hexBytes(read["bytes"], read["size"].get<std::size_t>());
    if (bytes.size() < kOffset + kRoom) return normalized(read, folder);
    const char* field = reinterpret_cast<const char*>(bytes.data() + kOffset);
    const std::string path(field, strnlen(field, kRoom));
    std::memset(bytes.data() + kOffset, 0, kRoom);
    static constexpr char kDigits[] = "0123456789abcdef";
    auto hexOf = [](const auto& from) {
        std::string hex;
        for (const char c : from) {
            const auto b = static_cast<unsigned char>(c);
            hex += {kDigits[b >> 4], kDigits[b & 15]};
        }
        return hex;
    };
    nlohmann::json out = normalized(read, folder);
    out["bytes"] = hexOf(std::string(bytes.begin(), bytes.end()));
    out["folder"] = normalized(nlohmann::json{{"text", text::toUtf8(path)}, {"bytes", hexOf(path)}}, folder);
    return out;
}

std::string shown(const nlohmann::json& value) {
    if (value.is_object() && value.size() == 1 && value.contains("text")) return value["text"].dump();
    std::string text = value.dump();
    if (text.size() > kShown) text = text.substr(0, kShown) + "…";
    return text;
}

std::string field(const nlohmann::json& c, const char* key) { return c.contains(key) ? shown(c[key]) : "nothing"; }

std::string called(const nlohmann::json& c) {
    std::string text = std::string(crossingKind(c)) + " " + crossingName(c);
    if (c.contains("ordinal")) text += " (" + std::to_string(c["ordinal"].get<int>()) + ")";
    if (c.contains("args")) text += " " + shown(c["args"]);
    return text;
}

// Where the same call was made with other arguments: the first that differs.
std::string partingArgument(const nlohmann::json& r, const nlohmann::json& p) {
    if (!r.contains("args") || !p.contains("args") || crossingName(r) != crossingName(p)) return {};
    const auto& a = r["args"];
    const auto& b = p["args"];
    for (std::size_t i = 0; i < std::max(a.size(), b.size()); ++i)
        if (i >= a.size() || i >= b.size() || a[i] != b[i])
            return "; argument " + std::to_string(i) + " was " + (i < a.size() ? shown(a[i]) : "absent") + ", is " +
                   (i < b.size() ? shown(b[i]) : "absent");
    return {};
}

std::string where(std::size_t n, const nlohmann::json* call) {
    std::string text = "#" + std::to_string(n);
    if (call) text += " " + crossingName(*call) + " (" + std::to_string((*call)["ordinal"].get<int>()) + ")";
    return text;
}

}  // namespace

Fidelity compareTraces(const Trace& recorded, const Trace& replayed, const std::string& recordedFolder,
                       const std::string& replayedFolder) {
    Fidelity f;
    const nlohmann::json* lastCall = nullptr;
    const std::size_t common = std::min(recorded.crossings.size(), replayed.crossings.size());
    for (std::size_t i = 0; i < common; ++i) {
        auto norm = [](const nlohmann::json& c, const std::string& folder) {
            return crossingKind(c) == "read" && crossingName(c) == "options" && c.contains("bytes")
                       ? normalizedOptions(c, folder)
                       : normalized(c, folder);
        };
        const nlohmann::json r = norm(recorded.crossings[i], recordedFolder);
        const nlohmann::json p = norm(replayed.crossings[i], replayedFolder);
        const std::size_t n = i + 1;
        const std::string_view kind = crossingKind(r);
        const bool sameCall = kind == crossingKind(p) && crossingName(r) == crossingName(p) &&
                              ((kind != "host" && kind != "enter") || r["args"] == p["args"]);
        if (!sameCall) {
            f.parted = "#" + std::to_string(n) + ": the plug-in parts from the recording here: recorded " + called(r) +
                       ", stand-in " + called(p) + partingArgument(r, p) + "; not compared further";
            return f;
        }
        ++f.compared;
        if (kind == "host") {
            lastCall = &recorded.crossings[i];
            if (r.value("result", nlohmann::json()) != p.value("result", nlohmann::json()))
                f.differences.push_back(where(n, lastCall) + ": recorded " + field(r, "result") + ", stand-in " +
                                        field(p, "result"));
            if (r["out"] != p["out"])
                f.differences.push_back(where(n, lastCall) + " wrote: recorded " + shown(r["out"]) + ", stand-in " +
                                        shown(p["out"]));
        } else if (r != p) {
            const std::string what =
                kind == "read" ? " read " + crossingName(r) : " " + std::string(kind) + " " + crossingName(r);
            nlohmann::json rv = r, pv = p;
            rv.erase(std::string(kind));
            pv.erase(std::string(kind));
            f.differences.push_back(where(n, kind == "read" ? lastCall : nullptr) + what + ": recorded " + shown(rv) +
                                    ", stand-in " + shown(pv));
        }
    }
    if (recorded.crossings.size() != replayed.crossings.size()) {
        const bool recordedLonger = recorded.crossings.size() > replayed.crossings.size();
        f.parted =
            "#" + std::to_string(common + 1) + ": " +
            (recordedLonger
                 ? "the recording goes on with " + called(recorded.crossings[common]) + ", the replay has ended"
                 : "the replay goes on with " + called(replayed.crossings[common]) + ", the recording has ended");
    }
    return f;
}

}  // namespace hadrek::replay
