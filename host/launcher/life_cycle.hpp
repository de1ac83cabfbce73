#pragma once

#include <string>
#include <vector>

namespace hadrek {

// The whole launcher: parse the command line, then load, attach, activate
// (or ask for the report), run the menu command, detach and unload the
// plug-in. Returns the process's exit code.
int hostMain(const std::vector<std::string>& arguments);

struct HostOptions;
// Load, attach, activate (or report), run the menu command, detach, unload.
int runPlugin(const HostOptions& options);

}  // namespace hadrek
