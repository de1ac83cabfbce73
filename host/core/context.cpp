#include "host/core/context.hpp"

#include <cstdio>

#include "host/core/quick_exit.hpp"

namespace hadrek {

HostContext& context() {
    static HostContext instance;
    return instance;
}

void fatal(int exitCode, const std::string& message, nlohmann::json event) {
    std::fprintf(stderr, "hadrek: %s\n", message.c_str());
    if (event.is_null()) event = nlohmann::json::object();
    event["event"] = "error";
    event["message"] = message;
    context().log.write(event);
    std::fflush(nullptr);
    quickExit(exitCode);
}

void misuse(kz::Slot service, std::string_view what) {
    fatal(kExitMisuse, serviceMessage(service, what), {{"ordinal", kz::ordinalOf(service)}});
}

bool injectFault(kz::Slot service) {
    HostContext& host = context();
    const int call = ++host.failableCalls;
    const std::uint16_t ordinal = kz::ordinalOf(service);
    const int callOfService = ++host.failableCallsOf[ordinal];
    const auto& one = host.options.failCall;
    const bool fails = (host.options.failAt && *host.options.failAt == call) ||
                       (one && one->ordinal == ordinal && one->nth == callOfService);
    if (!fails) return false;
    host.log.write({{"event", "fault"},
                    {"call", call},
                    {"service", std::to_string(ordinal)},
                    {"role", kz::kHostFunctions[static_cast<unsigned>(service)].role}});
    return true;
}

std::string serviceMessage(kz::Slot service, std::string_view what) {
    return std::to_string(kz::ordinalOf(service)) + " " + std::string(what);
}

void say(const std::string& utf8) {
    HostContext& host = context();
    if (host.terminalTaken) return;
    std::FILE* out = host.log.toStdout() ? stderr : stdout;
    std::fputs(utf8.c_str(), out);
    std::fflush(out);
}

}  // namespace hadrek
