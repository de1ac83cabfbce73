// The trace the plug-in writes when KALVETZAKUPY_SLAD names a file: one JSON
// object per line, the plug-in's own line first, then every crossing of the
// interface numbered from 0. The reader checks each line whole and names the
// first one it cannot use.
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include <nlohmann/json.hpp>

namespace hadrek::replay {

class TraceError : public std::runtime_error {
public:
    TraceError(int line, const std::string& what) : std::runtime_error(what), line_(line) {}
    int line() const { return line_; }

private:
    int line_;
};

struct Trace {
    nlohmann::json head;                    // trace, version, flavour, module
    std::vector<nlohmann::json> crossings;  // each with n and one of host, read, enter, leave
    int sessions = 0;                       // the file's; the last one is kept
};

// The kind of a crossing ("host", "read", "enter", "leave") and its name.
std::string_view crossingKind(const nlohmann::json& crossing);
const std::string& crossingName(const nlohmann::json& crossing);

// The bytes of a text as the trace writes it: {"text": …, "bytes": hex}.
std::string textBytes(const nlohmann::json& text);
std::vector<unsigned char> hexBytes(const nlohmann::json& hex, std::size_t size);

Trace readTrace(std::string_view text);
// Throws TraceError with line 0 when the file cannot be read.
Trace readTraceFile(const std::string& path);

}  // namespace hadrek::replay
