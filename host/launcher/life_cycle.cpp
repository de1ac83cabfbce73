#include "host/launcher/life_cycle.hpp"

#include <cstdio>
#include <cstring>
#include <exception>
#include <fstream>
#include <sstream>
#include <variant>

#include "host/core/context.hpp"
#include "host/core/utf8_path.hpp"
#include "host/launcher/data_loading.hpp"
#include "host/launcher/plugin_module.hpp"
#include "host/launcher/replay_run.hpp"
#include "host/platform/host_module.hpp"
#include "host/registry/registry.hpp"
#include "host/text/mazovia.hpp"
#include "host/toolkit/display.hpp"
#include "host/toolkit/screen/front_end_factory.hpp"
#include "host/toolkit/screen/keys.hpp"
#include "plugin/interface/calling.hpp"
#include "plugin/interface/plugin_exports.hpp"

namespace hadrek {
namespace {

using kz::PluginExport;

// --show: a file the plug-in wrote, readable on a UTF-8 terminal.
int showHostText(const std::string& path) {
    std::ifstream in(utf8Path(path), std::ios::binary);
    if (!in) {
        std::fprintf(stderr, "hadrek: cannot read %s\n", path.c_str());
        return kExitUsage;
    }
    std::ostringstream bytes;
    bytes << in.rdbuf();
    std::fputs(text::toUtf8(bytes.str()).c_str(), stdout);
    return kExitOk;
}

using kz::ActivateExport;
using kz::AttachExport;
using kz::kDescriptionSize;
using kz::QueryExport;
using kz::QueryValueExport;

template <typename Fn>
Fn requireExport(const PluginModule& plugin, PluginExport role) {
    const std::uint16_t ordinal = kz::ordinalOf(role);
    void* entry = plugin.exportByOrdinal(ordinal);
    if (!entry) fatal(kExitLoadFailed, "the plug-in does not export ordinal " + std::to_string(ordinal));
    return reinterpret_cast<Fn>(entry);
}

void logExportCall(PluginExport role, nlohmann::json args, int result, nlohmann::json extra = {}) {
    nlohmann::json event = {
        {"event", "export-call"}, {"ordinal", kz::ordinalOf(role)}, {"args", std::move(args)}, {"result", result}};
    if (extra.is_object()) event.update(extra);
    context().log.write(event);
}

int attach(const PluginModule& plugin, bool withDescription) {
    char description[kDescriptionSize + 1];
    std::memset(description, 0, sizeof description);
    const int result = requireExport<AttachExport>(plugin, PluginExport::Attach)(
        &hadrek_notification, withDescription ? description : nullptr);
    nlohmann::json extra = nlohmann::json::object();
    if (withDescription) {
        description[kDescriptionSize] = '\0';
        extra["description"] = text::toUtf8(description);
    }
    logExportCall(PluginExport::Attach, {"notification", withDescription ? "description" : "null"}, result, extra);
    return result;
}

void runMenuCommand(int run) {
    HostContext& host = context();
    if (host.menu.empty()) {
        host.log.write(
            {{"event", "menu-command"}, {"run", run}, {"result", nullptr}, {"note", "the menu holds no command"}});
        return;
    }
    const MenuCommand command = host.menu.front();
    say("» " + text::toUtf8(command.label) + "\n");
    const int result = command.command();
    host.log.write({{"event", "menu-command"}, {"run", run}, {"id", command.id}, {"result", result}});
}

}  // namespace

int runPlugin(const HostOptions& options) {
    HostContext& host = context();
    prepareHostModule(options);

    std::string error;
    auto plugin = loadPlugin(options.pluginPath, error);
    if (!plugin) {
        host.log.write({{"event", "load"}, {"plugin", options.pluginPath}, {"result", "failed"}, {"message", error}});
        std::fprintf(stderr, "hadrek: cannot load %s: %s\n", options.pluginPath.c_str(), error.c_str());
        return kExitLoadFailed;
    }
    host.log.write({{"event", "load"}, {"plugin", options.pluginPath}, {"result", "ok"}});

    const int attached = attach(*plugin, !options.nullDescription);
    const int activation = attached != 0 || options.report ? 1 : 0;
    logExportCall(PluginExport::Activate, {activation},
                  requireExport<ActivateExport>(*plugin, PluginExport::Activate)(activation));

    if (options.query) {
        logExportCall(PluginExport::Query, nlohmann::json::array(),
                      requireExport<QueryExport>(*plugin, PluginExport::Query)());
        const auto answer = static_cast<std::uint32_t>(
            requireExport<QueryValueExport>(*plugin, PluginExport::QueryValue)(*options.query));
        char hex[11];
        std::snprintf(hex, sizeof hex, "0x%08X", answer);
        logExportCall(PluginExport::QueryValue, {*options.query}, static_cast<int>(answer), {{"hex", hex}});
    }

    if (activation == 0)
        for (int run = 1; run <= options.runs; ++run) runMenuCommand(run);

    logExportCall(PluginExport::Attach, {"null", "null"},
                  requireExport<AttachExport>(*plugin, PluginExport::Attach)(nullptr, nullptr));
    plugin.reset();
    host.log.write({{"event", "unload"}});
    return kExitOk;
}

int hostMain(const std::vector<std::string>& arguments) {
    const ParsedOptions parsed = parseOptions(arguments);
    if (parsed.help) {
        std::fputs(helpText().c_str(), stdout);
        return kExitOk;
    }
    if (!parsed.options) {
        std::fprintf(stderr, "hadrek: %s (try --help)\n", parsed.error.c_str());
        return kExitUsage;
    }
    if (parsed.options->generate) return writeGeneratedData(*parsed.options);
    if (!parsed.options->showPath.empty()) return showHostText(parsed.options->showPath);

    // The key script is checked whole before anything runs.
    auto script = screen::parseKeyScript(parsed.options->keys);
    if (const auto* bad = std::get_if<screen::ScriptError>(&script)) {
        std::fprintf(stderr, "hadrek: the key script cannot be used: '%s' on line %d\n", bad->token.c_str(), bad->line);
        return kExitUsage;
    }

    HostContext& host = context();
    host.options = *parsed.options;
    if (!host.log.open(host.options.logPath)) {
        std::fprintf(stderr, "hadrek: cannot write the log %s\n", host.options.logPath.c_str());
        return kExitUsage;
    }
    loadPurchaseData(host.options);
    screen::FrontEndOptions frontEnd;
    frontEnd.keys = std::move(std::get<std::vector<screen::Key>>(script));
    frontEnd.scripted = !host.options.keys.empty() || !host.options.replayPath.empty();
    try {
        toolkit::display().useFrontEnd(screen::makeFrontEnd(frontEnd));
    } catch (const std::exception& error) {
        // A terminal too small for the host screen, or none that curses can use.
        std::fprintf(stderr, "hadrek: %s\n", error.what());
        return kExitUsage;
    }
    const int exitCode = host.options.replayPath.empty() ? runPlugin(host.options) : replaySession(host.options);
    toolkit::display().useFrontEnd(nullptr);
    return exitCode;
}

}  // namespace hadrek
