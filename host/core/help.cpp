// --help: the usage head, then one entry per row of the option table, its
// name and value in a column of their own and its help lines beside them.
#include <string_view>
#include <utility>

#include "host/core/option_table.hpp"
#include "plugin/interface/host_signatures.hpp"
#include "plugin/interface/plugin_exports.hpp"

namespace hadrek {
namespace {

constexpr std::string_view kUsage = R"(usage: hadrek --plugin PATH [options]
       hadrek --generate N [--seed S]
       hadrek --show FILE

Loads the plug-in as the accounting host does: attach, activate (or ask for
the failure report), run the menu command, detach, unload.

)";

// Where the help lines start; a longer name and value push the first one
// one blank past them.
constexpr std::size_t kHelpColumn = 25;

std::string entry(std::string_view name, std::string_view value, std::string_view help) {
    std::string text = "  " + std::string(name);
    if (!value.empty()) text += " " + std::string(value);
    text.append(text.size() < kHelpColumn ? kHelpColumn - text.size() : 1, ' ');
    for (const char c : help) text += c == '\n' ? "\n" + std::string(kHelpColumn, ' ') : std::string(1, c);
    return text + "\n";
}

void fillIn(std::string& text) {
    const std::pair<std::string_view, std::string> kFacts[] = {
        {"{interface_version}", std::to_string(kz::kInterfaceVersion)},
        {"{query}", std::to_string(kz::ordinalOf(kz::PluginExport::Query))},
        {"{query_value}", std::to_string(kz::ordinalOf(kz::PluginExport::QueryValue))},
        {"{tables}", tableNames()},
    };
    const auto replace = [&text](std::string_view placeholder, const std::string& value) {
        for (std::size_t at; (at = text.find(placeholder)) != std::string::npos;)
            text.replace(at, placeholder.size(), value);
    };
    for (const auto& [placeholder, value] : kFacts) replace(placeholder, value);
    // "{StreamClose}": a host function by its role, so the help names the
    // ordinal the interface gives it.
    for (const kz::HostFunction& function : kz::kHostFunctions)
        replace("{" + std::string(function.role) + "}", std::to_string(function.ordinal));
}

}  // namespace

std::string helpText() {
    std::string text(kUsage);
    for (const OptionRow& row : optionRows()) {
        if (!row.heading.empty()) text += "\n" + std::string(row.heading) + "\n";
        text += entry(row.name, row.value, row.help);
    }
    text += "\nHost variants:\n";
    for (const HostVariantRow& row : hostVariantRows()) text += entry(row.name, {}, row.help);
    fillIn(text);
    return text;
}

}  // namespace hadrek
