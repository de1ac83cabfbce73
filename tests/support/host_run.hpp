// One run of the stand-in host with the real plug-in, in a folder of its own,
// and what its log says happened.
#pragma once

#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "plugin/interface/host_table.hpp"
#include "plugin/interface/plugin_exports.hpp"

namespace kz::test {

struct HostRun {
    int exitCode = -1;
    std::string folder;                  // the run's config dir
    std::vector<nlohmann::json> events;  // the log, one object per line

    std::vector<nlohmann::json> all(const std::string& event) const;
    // The one event of that kind; fails the test when there are none or more.
    nlohmann::json only(const std::string& event) const;
    std::size_t count(const std::string& event) const { return all(event).size(); }
    // The calls of one of the plug-in's exports, in order.
    std::vector<nlohmann::json> exportCalls(PluginExport role) const;
};

// A service as the log's events name it: by its ordinal, in text.
inline std::string serviceName(Slot slot) { return std::to_string(ordinalOf(slot)); }

struct HostRunOptions {
    std::vector<std::string> arguments;
    std::string keys;  // the key script, passed through a file
    // Files to place in the config dir first: name → bytes.
    std::vector<std::pair<std::string, std::string>> files;
    // A program, with its arguments, that the host's command line is handed
    // to, to run the host in a setting of its own.
    std::vector<std::string> wrapper;
};

// `name` names the run's folder (below scenario/ in the build folder); it
// is emptied first.
HostRun runHost(const std::string& name, const HostRunOptions& options);

std::string pluginPath();
std::string hostPath();
std::string readFile(const std::string& path);
bool fileExists(const std::string& path);

}  // namespace kz::test
