#include "tests/support/host_run.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "host/core/utf8_path.hpp"
#include "tests/support/process.hpp"

namespace kz::test {

#if defined(_WIN32)
std::string pluginPath() { return "KalvetZakupy.dll"; }
std::string hostPath() { return "hadrek.exe"; }
#else
std::string pluginPath() { return "./libKalvetZakupy.so"; }
std::string hostPath() { return "./hadrek"; }
#endif

std::string readFile(const std::string& path) {
    std::ifstream in(hadrek::utf8Path(path), std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

bool fileExists(const std::string& path) { return std::filesystem::exists(hadrek::utf8Path(path)); }

std::vector<nlohmann::json> HostRun::all(const std::string& event) const {
    std::vector<nlohmann::json> found;
    for (const auto& e : events)
        if (e.value("event", "") == event) found.push_back(e);
    return found;
}

nlohmann::json HostRun::only(const std::string& event) const {
    const auto found = all(event);
    EXPECT_EQ(found.size(), 1u) << "events '" << event << "' in the log of " << folder;
    return found.empty() ? nlohmann::json::object() : found.front();
}

std::vector<nlohmann::json> HostRun::exportCalls(PluginExport role) const {
    std::vector<nlohmann::json> found;
    for (const auto& e : all("export-call"))
        if (e.value("ordinal", 0) == ordinalOf(role)) found.push_back(e);
    return found;
}

HostRun runHost(const std::string& name, const HostRunOptions& options) {
    HostRun run;
    run.folder = "scenario/" + name;
    std::filesystem::remove_all(hadrek::utf8Path(run.folder));
    std::filesystem::create_directories(hadrek::utf8Path(run.folder));
    for (const auto& [file, bytes] : options.files)
        std::ofstream(hadrek::utf8Path(run.folder + "/" + file), std::ios::binary) << bytes;

    std::vector<std::string> arguments = {"--plugin", pluginPath(), "--config-dir",
                                          run.folder, "--log",      run.folder + "/log.jsonl"};
    if (!options.keys.empty()) {
        std::ofstream(hadrek::utf8Path(run.folder + "/keys.txt"), std::ios::binary) << options.keys;
        arguments.insert(arguments.end(), {"--keys", "@" + run.folder + "/keys.txt"});
    }
    arguments.insert(arguments.end(), options.arguments.begin(), options.arguments.end());
    if (options.wrapper.empty()) {
        run.exitCode = runProgram(hostPath(), arguments);
    } else {
        std::vector<std::string> wrapped(options.wrapper.begin() + 1, options.wrapper.end());
        wrapped.push_back(hostPath());
        wrapped.insert(wrapped.end(), arguments.begin(), arguments.end());
        run.exitCode = runProgram(options.wrapper.front(), wrapped);
    }

    std::istringstream log(readFile(run.folder + "/log.jsonl"));
    for (std::string line; std::getline(log, line);)
        if (!line.empty()) run.events.push_back(nlohmann::json::parse(line, nullptr, false));
    return run;
}

}  // namespace kz::test
