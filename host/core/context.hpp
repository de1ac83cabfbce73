// Everything the host's services share during one run of the launcher.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "host/core/event_log.hpp"
#include "host/core/options.hpp"
#include "host/core/replay_input.hpp"
#include "plugin/interface/calling.hpp"
#include "plugin/interface/host_table.hpp"

namespace hadrek {

struct MenuCommand {
    std::uint16_t id;
    std::string label;  // Mazovia, as handed over
    int(KZ_CDECL* command)();
    // Under descriptor-writes: the descriptor, kept as a host that links it
    // into its menu keeps it, and the link written into its first word.
    void* descriptor = nullptr;
    std::uint32_t link = 0;
};

struct HostContext {
    HostOptions options;
    EventLog log;
    bool terminalTaken = false;  // a full-screen front end owns the terminal
    std::vector<MenuCommand> menu;
    int failableCalls = 0;
    std::map<std::uint16_t, int> failableCallsOf;  // by ordinal
    ReplayInput replay;
};

// Counts a call of a service that can fail; true when --fail-at or
// --fail-call says this call is the one to fail (the log then says so).
bool injectFault(kz::Slot service);

// A message about a call of `service`, led by its ordinal as the log's
// readers know it: "52534 was handed a null path or mode".
std::string serviceMessage(kz::Slot service, std::string_view what);

HostContext& context();

// How a run of the launcher ends; README lists them for people.
enum ExitCode : int {
    kExitOk = 0,
    kExitLoadFailed = 1,       // the plug-in or the host module could not be loaded
    kExitUsage = 2,            // bad command line, key script or purchase data
    kExitNotImplemented = 70,  // the plug-in called a host function this host lacks
    kExitMisuse = 71,          // a host function called against its protocol
    kExitDeadDialogBase = 72,  // a dialog base part destroyed that is not alive
    kExitDeadDelegate = 73,    // a delegate destroyed that is not alive
};

// Says what went wrong on stderr and in the log, then ends the process with
// `exitCode`: used where the host cannot return a meaningful answer.
[[noreturn]] void fatal(int exitCode, const std::string& message, nlohmann::json event = {});

// A call of `service` against its protocol: no answer could be right, so
// the run ends (kExitMisuse) with a message led by the service's ordinal,
// which the log's `error` event carries as well.
[[noreturn]] void misuse(kz::Slot service, std::string_view what);

// Human-readable output for the person at the terminal (stderr when the log
// itself goes to stdout, nothing while a full-screen front end owns it).
void say(const std::string& utf8);

}  // namespace hadrek
