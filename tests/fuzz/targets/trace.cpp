// The trace reader on any bytes. What it refuses names a line the input
// has; what it accepts is numbered in order, yields a session to replay,
// and compared with itself shows no difference and never parts.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "host/replay/fidelity.hpp"
#include "host/replay/session.hpp"
#include "host/replay/trace_reader.hpp"

using namespace hadrek::replay;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    Trace trace;
    try {
        trace = readTrace(text);
    } catch (const TraceError& error) {
        const auto lines = std::count(text.begin(), text.end(), '\n') + 1;
        if (error.line() < 1 || error.line() > lines) std::abort();
        return 0;
    }
    if (trace.sessions < 1 || !trace.head.is_object()) std::abort();
    for (std::size_t i = 0; i < trace.crossings.size(); ++i)
        if (trace.crossings[i]["n"] != i + 1 || crossingKind(trace.crossings[i]).empty()) std::abort();
    Session session = sessionOf(trace);
    moveFolder(session, "/tmp/replay");
    const Fidelity self = compareTraces(trace, trace, session.folder, session.folder);
    if (!self.clean() || self.compared != trace.crossings.size()) std::abort();
    return 0;
}
