// Everything the host's services share during one run of the launcher.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "host/core/event_log.hpp"
#include "host/core/options.hpp"
#include "host/toolkit/screen/front_end.hpp"
#include "plugin/frame/calling.hpp"
#include "plugin/frame/host_table.hpp"

namespace hadrek {

struct MenuCommand {
    std::uint16_t id;
    std::string label;  // Mazovia, as handed over
    int(KZ_CDECL* command)();
};

struct HostContext {
    HostOptions options;
    EventLog log;
    std::unique_ptr<screen::FrontEnd> frontEnd;
    std::vector<MenuCommand> menu;
    int failableCalls = 0;
};

// Counts a call of a service that can fail; true when --fail-at says this
// call is the one to fail (the log then says so).
bool injectFault(kz::Slot service);

// A message about a call of `service`, led by its ordinal as the log's
// readers know it: "52534 was handed a null path or mode".
std::string serviceMessage(kz::Slot service, std::string_view what);

HostContext& context();

// Says what went wrong on stderr and in the log, then ends the process with
// `exitCode`: used where the host cannot return a meaningful answer.
[[noreturn]] void fatal(int exitCode, const std::string& message, nlohmann::json event = {});

// Human-readable output for the person at the terminal (stderr when the log
// itself goes to stdout, nothing while a full-screen front end owns it).
void say(const std::string& utf8);

}  // namespace hadrek
