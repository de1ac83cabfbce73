#include "host/launcher/replay_run.hpp"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>

#include "host/core/context.hpp"
#include "host/core/utf8_path.hpp"
#include "host/data/data_in_use.hpp"
#include "host/data/recorded_ranges.hpp"
#include "host/launcher/life_cycle.hpp"
#include "host/platform/environment.hpp"
#include "host/platform/file_paths.hpp"
#include "host/replay/fidelity.hpp"
#include "host/replay/session.hpp"
#include "host/services/services.hpp"
#include "plugin/interface/opcje_eksportu.hpp"

namespace hadrek {
namespace {

namespace fs = std::filesystem;

constexpr char kTraceVariable[] = "KALVETZAKUPY_SLAD";

// The INI values the recorded session read, stored as the plug-in would
// store them.
void storeIniValues(const std::vector<replay::IniValue>& values) {
    for (const replay::IniValue& v : values) {
        if (!v.record) {
            services::iniAccess(v.file.c_str(), kz::kIniWriteValue, v.section.c_str(), v.key.c_str(), v.format.c_str(),
                                v.number);
            continue;
        }
        kz::OpcjeEksportu o{};
        std::memcpy(&o, v.options.data(), std::min(v.options.size(), sizeof o));
        services::iniAccess(v.file.c_str(), kz::kIniWriteRecord, v.section.c_str(), v.key.c_str(), v.format.c_str(),
                            o.okresOd, o.okresDo, o.filtrNazwy, o.filtrAdresu, o.filtrSymbolu, o.poleIdentyfikatora,
                            o.kodPlacowki, o.katalogWyjsciowy);
    }
}

fs::path scratchFolder() {
    const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
    fs::path folder = fs::temp_directory_path() / ("hadrek-replay-" + std::to_string(stamp));
    fs::create_directories(folder / "eksport");
    return folder;
}

std::string versionOf(const nlohmann::json& head) {
    return "KalvetZakupy " + head.value("version", std::string("?")) + " (" + head.value("flavour", std::string("?")) +
           ")";
}

void printReport(const std::string& path, const replay::Trace& recorded, const replay::Trace& replayed,
                 const replay::Fidelity& f) {
    std::printf("replay of %s: recorded by %s, replayed with %s\n", path.c_str(), versionOf(recorded.head).c_str(),
                versionOf(replayed.head).c_str());
    if (recorded.sessions > 1) std::printf("the file holds %d sessions; the last one is replayed\n", recorded.sessions);
    for (const std::string& line : f.differences) std::printf("%s\n", line.c_str());
    if (!f.parted.empty()) std::printf("%s\n", f.parted.c_str());
    std::printf("replay: %zu of %zu crossings compared, %zu differ%s\n", f.compared, recorded.crossings.size(),
                f.differences.size(), f.parted.empty() ? "" : ", the calls part");
}

}  // namespace

int replaySession(const HostOptions& options) {
    replay::Trace recorded;
    try {
        recorded = replay::readTraceFile(options.replayPath);
    } catch (const replay::TraceError& error) {
        const std::string where = error.line() > 0 ? "line " + std::to_string(error.line()) + ": " : "";
        const std::string message = "cannot replay " + options.replayPath + ": " + where + error.what();
        std::fprintf(stderr, "hadrek: %s\n", message.c_str());
        context().log.write({{"event", "error"}, {"message", message}, {"line", error.line()}});
        return kExitUsage;
    }
    replay::Session session = replay::sessionOf(recorded);
    const fs::path scratch = scratchFolder();
    const std::string folder = platform::hostName(scratch / "eksport");
    const std::string recordedFolder = session.folder;
    replay::moveFolder(session, folder);
    for (const std::string& entry : session.entries)
        std::ofstream(platform::fileSystemPath(folder) / platform::fileSystemPath(entry), std::ios::binary);

    HostContext& host = context();
    host.options = options;
    host.options.configDir = reinterpret_cast<const char*>(scratch.u8string().c_str());
    host.options.runs = session.runs;
    host.options.report = session.report;
    storeIniValues(session.ini);
    data::PurchaseData rates;
    rates.rates = std::move(session.rates);
    data::usePurchaseData(std::move(rates));
    data::useRecordedRanges(std::move(session.ranges));
    host.replay = std::move(session.input);
    host.replay.active = true;
    const fs::path trace = scratch / "replay.trace";
    platform::setEnvironment(kTraceVariable, trace.string());

    const int exitCode = runPlugin(host.options);
    int result = exitCode;
    if (exitCode == kExitOk) {
        try {
            const replay::Trace replayed =
                replay::readTraceFile(reinterpret_cast<const char*>(trace.u8string().c_str()));
            const replay::Fidelity f = replay::compareTraces(recorded, replayed, recordedFolder, folder);
            printReport(options.replayPath, recorded, replayed, f);
            host.log.write({{"event", "replay"},
                            {"crossings", recorded.crossings.size()},
                            {"compared", f.compared},
                            {"differences", f.differences},
                            {"parted", f.parted}});
            result = f.clean() ? kExitOk : 1;
        } catch (const replay::TraceError& error) {
            std::fprintf(stderr, "hadrek: the replay left no trace to compare: %s\n", error.what());
            result = 1;
        }
    }
    std::error_code ignored;
    fs::remove_all(scratch, ignored);
    return result;
}

}  // namespace hadrek
