#include "host/replay/trace_reader.hpp"

#include <fstream>
#include <sstream>

#include "host/core/utf8_path.hpp"
#include "plugin/interface/host_table.hpp"

namespace hadrek::replay {
namespace {

constexpr std::string_view kKinds[] = {"host", "read", "enter", "leave"};
// A record is the longest thing a line holds; a line ten times that is no
// trace's.
constexpr std::size_t kLongestLine = 1 << 16;

[[noreturn]] void bad(int line, const std::string& what) { throw TraceError(line, what); }

int hexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

bool isHex(const std::string& text) {
    if (text.size() % 2) return false;
    for (const char c : text)
        if (hexDigit(c) < 0) return false;
    return true;
}

bool isText(const nlohmann::json& value) {
    if (!value.is_object() || !value.contains("text") || !value["text"].is_string()) return false;
    return !value.contains("bytes") || (value["bytes"].is_string() && isHex(value["bytes"].get<std::string>()));
}

// Arguments, answers and out buffers hold numbers, texts, null, true, a
// buffer's room or a text for an infinite or undefined amount.
bool isValue(const nlohmann::json& value) {
    if (value.is_number() || value.is_null() || value.is_boolean() || value.is_string()) return true;
    if (value.is_object() && value.contains("buffer")) return value["buffer"].is_number_unsigned();
    return isText(value);
}

void checkHost(const nlohmann::json& c, int line) {
    const std::string& role = c["host"].get_ref<const std::string&>();
    if (!c.contains("slot") || !c["slot"].is_number_unsigned() || c["slot"].get<unsigned>() >= kz::kSlotCount)
        bad(line, "a host call without a slot of the table");
    const kz::HostFunction& f = kz::kHostFunctions[c["slot"].get<unsigned>()];
    if (role != f.role || !c.contains("ordinal") || c["ordinal"] != f.ordinal)
        bad(line, "slot " + std::to_string(f.slot) + " is " + f.role + " (" + std::to_string(f.ordinal) +
                      "), not what the line says");
    if (!c.contains("args") || !c["args"].is_array()) bad(line, "a host call without its arguments");
    for (const auto& a : c["args"])
        if (!isValue(a)) bad(line, "an argument the trace cannot hold");
    if (c.contains("result") && !isValue(c["result"])) bad(line, "an answer the trace cannot hold");
    if (!c.contains("out") || !c["out"].is_array()) bad(line, "a host call without its out buffers");
    for (const auto& o : c["out"])
        if (!o.is_object() || !o.contains("arg") || !o["arg"].is_number_unsigned() || !o.contains("text") ||
            !isText(o["text"]))
            bad(line, "an out buffer without its argument or text");
}

void checkRead(const nlohmann::json& c, int line) {
    if (c.contains("bytes")) {
        if (!c["bytes"].is_string() || !isHex(c["bytes"].get<std::string>()) || !c.contains("size") ||
            !c["size"].is_number_unsigned() || c["bytes"].get_ref<const std::string&>().size() / 2 > c["size"])
            bad(line, "read bytes that are no hex of at most their size");
    } else if (c.contains("value")) {
        if (!c["value"].is_number_integer()) bad(line, "a read value that is no whole number");
    } else if (!c.contains("text") || !isText(c["text"])) {
        bad(line, "a read without bytes, value or text");
    }
}

void checkCrossing(const nlohmann::json& c, int line, long long expected) {
    if (!c.is_object()) bad(line, "a line that is no JSON object");
    if (!c.contains("n") || !c["n"].is_number_unsigned() || c["n"].get<long long>() != expected)
        bad(line, "crossing number " + std::to_string(expected) + " missing or out of order");
    int kinds = 0;
    for (const auto kind : kKinds)
        if (c.contains(kind)) {
            ++kinds;
            if (!c[std::string(kind)].is_string()) bad(line, "a crossing whose " + std::string(kind) + " is no name");
        }
    if (kinds != 1) bad(line, "a crossing that is not exactly one of host, read, enter, leave");
    const std::string_view kind = crossingKind(c);
    if (kind == "host") checkHost(c, line);
    if (kind == "read") checkRead(c, line);
    if (kind == "enter" && (!c.contains("args") || !c["args"].is_array())) bad(line, "an entry without arguments");
    if (kind == "leave" && (!c.contains("result") || !isValue(c["result"]))) bad(line, "a return without its answer");
}

}  // namespace

std::string_view crossingKind(const nlohmann::json& crossing) {
    for (const auto kind : kKinds)
        if (crossing.contains(kind)) return kind;
    return {};
}

const std::string& crossingName(const nlohmann::json& crossing) {
    return crossing[std::string(crossingKind(crossing))].get_ref<const std::string&>();
}

std::vector<unsigned char> hexBytes(const nlohmann::json& hex, std::size_t size) {
    std::vector<unsigned char> bytes(size, 0);
    const std::string& text = hex.get_ref<const std::string&>();
    for (std::size_t i = 0; i + 1 < text.size() && i / 2 < size; i += 2)
        bytes[i / 2] = static_cast<unsigned char>(hexDigit(text[i]) * 16 + hexDigit(text[i + 1]));
    return bytes;
}

std::string textBytes(const nlohmann::json& text) {
    if (!text.contains("bytes")) return text["text"].get<std::string>();
    const auto& hex = text["bytes"];
    const auto bytes = hexBytes(hex, hex.get_ref<const std::string&>().size() / 2);
    return std::string(bytes.begin(), bytes.end());
}

Trace readTrace(std::string_view text) {
    Trace trace;
    int line = 0;
    std::size_t start = 0;
    if (text.empty()) bad(1, "the trace is empty");
    while (start < text.size()) {
        ++line;
        const std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos) bad(line, "the line is cut short: the trace ends without its newline");
        const std::string_view row = text.substr(start, end - start);
        start = end + 1;
        if (row.size() > kLongestLine) bad(line, "a line longer than any trace writes");
        nlohmann::json value = nlohmann::json::parse(row, nullptr, false);
        if (value.is_discarded()) bad(line, "not JSON");
        // Each load of the plug-in appends a session, led by its own line;
        // the last one is the session replayed.
        if (line == 1 || (value.is_object() && value.contains("trace"))) {
            if (!value.is_object() || !value["trace"].is_string() || value["trace"] != "KalvetZakupy" ||
                !value.contains("version") || !value.contains("flavour"))
                bad(line, "not a trace of KalvetZakupy");
            trace.head = std::move(value);
            trace.crossings.clear();
            ++trace.sessions;
            continue;
        }
        checkCrossing(value, line, static_cast<long long>(trace.crossings.size()) + 1);
        trace.crossings.push_back(std::move(value));
    }
    return trace;
}

Trace readTraceFile(const std::string& path) {
    std::ifstream in(utf8Path(path), std::ios::binary);
    if (!in) throw TraceError(0, "the file cannot be read");
    std::ostringstream text;
    text << in.rdbuf();
    return readTrace(text.str());
}

}  // namespace hadrek::replay
