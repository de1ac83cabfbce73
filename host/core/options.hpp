// The launcher's command line. These names are an interface: tests and
// users depend on them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "host/core/host_variants.hpp"
#include "plugin/interface/host_signatures.hpp"

namespace hadrek {

struct HostOptions {
    std::string pluginPath;
    std::string configDir = ".";
    std::string keys;
    std::string logPath;
    std::string screensDir;
    std::string saveTemplate;
    int runs = 1;
    std::string dataPath;  // empty: the built-in sample
    // Write synthetic data of this many documents and load no plug-in.
    std::optional<std::size_t> generate;
    std::uint64_t seed = 1;
    // Print this file of the host's code page as UTF-8 and load no plug-in.
    std::string showPath;
    // Replay the session this trace recorded and compare it.
    std::string replayPath;

    // Fault options: make the host look like another host.
    int interfaceVersion = kz::kInterfaceVersion;
    std::optional<std::string> refuseModule;
    std::set<std::uint16_t> missing;
    std::map<int, int> recordSizes;
    std::set<int> noTables;
    bool report = false;
    bool debugger = false;
    bool nullDescription = false;
    std::optional<int> query;
    // Countdown: the Nth call of a service that can fail fails.
    std::optional<int> failAt;
    // The same, counting the calls of one such service only.
    struct FailCall {
        std::uint16_t ordinal = 0;
        int nth = 1;
    };
    std::optional<FailCall> failCall;
    // Behaviours of another host that the interface allows.
    HostVariants hostVariants = 0;
};

struct ParsedOptions {
    std::optional<HostOptions> options;
    std::string error;  // empty when options is set or help was asked for
    bool help = false;
};

ParsedOptions parseOptions(const std::vector<std::string>& arguments);
// --help, made from the option table with the interface's numbers filled in.
std::string helpText();

// Table numbers the host knows by name as well.
std::optional<int> tableNumber(const std::string& nameOrNumber);

}  // namespace hadrek
