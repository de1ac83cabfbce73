#include "host/core/options.hpp"

#include <algorithm>
#include <charconv>
#include <fstream>
#include <sstream>
#include <string_view>
#include <utility>

#include "help_text.hpp"
#include "host/core/utf8_path.hpp"
#include "plugin/interface/host_signatures.hpp"
#include "plugin/interface/plugin_exports.hpp"
#include "plugin/interface/rekordy_zakupow.hpp"

namespace hadrek {
namespace {

std::optional<long> number(const std::string& text) {
    long value = 0;
    const char* end = text.data() + text.size();
    const auto [p, error] = std::from_chars(text.data(), end, value);
    if (error != std::errc() || p != end || text.empty()) return std::nullopt;
    return value;
}

constexpr std::string_view kTakesValue[] = {
    "--plugin", "--config-dir",        "--keys",          "--log",     "--run",         "--screens",  "--save-template",
    "--query",  "--interface-version", "--refuse-module", "--missing", "--record-size", "--no-table", "--fail-at",
    "--data",   "--generate",          "--seed",          "--show",
};

// Document ids of generated data stay far below the 32-bit limit.
constexpr long kMostGenerated = 100'000'000;

bool takesValue(const std::string& name) {
    return std::find(std::begin(kTakesValue), std::end(kTakesValue), name) != std::end(kTakesValue);
}

std::vector<std::string> split(const std::string& text, char separator) {
    std::vector<std::string> parts;
    std::stringstream stream(text);
    for (std::string part; std::getline(stream, part, separator);) parts.push_back(part);
    return parts;
}

}  // namespace

std::optional<int> tableNumber(const std::string& nameOrNumber) {
    for (const kz::TabelaZakupow& table : kz::kTabeleZakupow)
        if (nameOrNumber == table.nazwa) return table.numer;
    if (const auto n = number(nameOrNumber); n && *n > 0 && *n < 65536) return static_cast<int>(*n);
    return std::nullopt;
}

std::string helpText() {
    std::string text(kHelpText);
    const std::pair<std::string_view, unsigned> kFacts[] = {
        {"{interface_version}", kz::kInterfaceVersion},
        {"{query}", kz::ordinalOf(kz::PluginExport::Query)},
        {"{query_value}", kz::ordinalOf(kz::PluginExport::QueryValue)},
    };
    for (const auto& [placeholder, value] : kFacts)
        for (std::size_t at; (at = text.find(placeholder)) != std::string::npos;)
            text.replace(at, placeholder.size(), std::to_string(value));
    return text;
}

ParsedOptions parseOptions(const std::vector<std::string>& arguments) {
    HostOptions options;
    ParsedOptions result;
    auto fail = [&](std::string message) {
        result.error = std::move(message);
        return result;
    };
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& name = arguments[i];
        std::optional<std::string> v;
        if (takesValue(name)) {
            if (i + 1 >= arguments.size()) return fail("option " + name + " needs a value");
            v = arguments[++i];
        }

        if (name == "--help" || name == "-h") {
            result.help = true;
            return result;
        } else if (name == "--plugin") {
            options.pluginPath = *v;
        } else if (name == "--config-dir") {
            options.configDir = *v;
        } else if (name == "--keys") {
            if (!v->empty() && (*v)[0] == '@') {
                std::ifstream file(utf8Path(v->substr(1)), std::ios::binary);
                if (!file) return fail("cannot read key script " + v->substr(1));
                std::ostringstream text;
                text << file.rdbuf();
                options.keys = text.str();
            } else {
                options.keys = *v;
            }
        } else if (name == "--log") {
            options.logPath = *v;
        } else if (name == "--screens") {
            options.screensDir = *v;
        } else if (name == "--save-template") {
            options.saveTemplate = *v;
        } else if (name == "--run") {
            const auto n = number(*v);
            if (!n || *n < 0) return fail("--run needs a count, not " + *v);
            options.runs = static_cast<int>(*n);
        } else if (name == "--query") {
            const auto n = number(*v);
            if (!n) return fail("--query needs a number, not " + *v);
            options.query = static_cast<int>(*n);
        } else if (name == "--interface-version") {
            const auto n = number(*v);
            if (!n) return fail("--interface-version needs a number, not " + *v);
            options.interfaceVersion = static_cast<int>(*n);
        } else if (name == "--refuse-module") {
            options.refuseModule = *v;
        } else if (name == "--missing") {
            for (const std::string& part : split(*v, ',')) {
                const auto n = number(part);
                if (!n || *n <= 0 || *n > 65535) return fail("--missing takes ordinals, not " + part);
                options.missing.insert(static_cast<std::uint16_t>(*n));
            }
        } else if (name == "--record-size") {
            const auto equals = v->find('=');
            const auto table = equals == std::string::npos ? std::nullopt : tableNumber(v->substr(0, equals));
            const auto size = equals == std::string::npos ? std::nullopt : number(v->substr(equals + 1));
            if (!table || !size || *size < -32768 || *size > 32767)
                return fail("--record-size takes TABLE=N, not " + *v);
            options.recordSizes[*table] = static_cast<int>(*size);
        } else if (name == "--no-table") {
            const auto table = tableNumber(*v);
            if (!table) return fail("--no-table takes Tzak, Tzak_dok or a number, not " + *v);
            options.noTables.insert(*table);
        } else if (name == "--data") {
            options.dataPath = *v;
        } else if (name == "--generate") {
            const auto n = number(*v);
            if (!n || *n < 0 || *n > kMostGenerated)
                return fail("--generate needs a count from 0 to " + std::to_string(kMostGenerated) + ", not " + *v);
            options.generate = static_cast<std::size_t>(*n);
        } else if (name == "--seed") {
            const auto [p, error] = std::from_chars(v->data(), v->data() + v->size(), options.seed);
            if (error != std::errc() || p != v->data() + v->size() || v->empty())
                return fail("--seed needs a whole number from 0, not " + *v);
        } else if (name == "--show") {
            options.showPath = *v;
        } else if (name == "--fail-at") {
            const auto n = number(*v);
            if (!n || *n < 1) return fail("--fail-at needs a count from 1, not " + *v);
            options.failAt = static_cast<int>(*n);
        } else if (name == "--report") {
            options.report = true;
        } else if (name == "--debugger") {
            options.debugger = true;
        } else if (name == "--no-description") {
            options.nullDescription = true;
        } else {
            return fail("unknown option " + name);
        }
    }
    if (options.pluginPath.empty() && !options.generate && options.showPath.empty())
        return fail("--plugin PATH is required");
    result.options = std::move(options);
    return result;
}

}  // namespace hadrek
