#include "host/core/option_table.hpp"

#include <charconv>
#include <fstream>
#include <limits>
#include <sstream>
#include <vector>

#include "host/core/utf8_path.hpp"
#include "plugin/interface/host_table.hpp"
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

// A host function by its ordinal or by its role in the interface
// ("FileOpen"), so scripts need not write ordinals as numbers.
std::optional<std::uint16_t> hostFunction(const std::string& text) {
    for (const kz::HostFunction& function : kz::kHostFunctions)
        if (text == function.role) return function.ordinal;
    const auto n = number(text);
    if (!n || *n <= 0 || *n > 65535) return std::nullopt;
    return static_cast<std::uint16_t>(*n);
}

// Document ids of generated data stay far below the 32-bit limit.
constexpr long kMostGenerated = 100'000'000;

// Options that take a whole number from `low` to `high`; anything else is
// refused with `needs`, then the value.
template <typename T>
std::string wholeNumber(T& field, const std::string& value, long low, long high, const std::string& needs) {
    const auto n = number(value);
    if (!n || *n < low || *n > high) return needs + ", not " + value;
    field = static_cast<T>(*n);
    return {};
}

constexpr long kSmallest = std::numeric_limits<long>::min();
constexpr long kLargest = std::numeric_limits<long>::max();

std::vector<std::string> split(const std::string& text, char separator) {
    std::vector<std::string> parts;
    std::stringstream stream(text);
    for (std::string part; std::getline(stream, part, separator);) parts.push_back(part);
    return parts;
}

// Options that only keep their value as it is.
template <std::string HostOptions::*field>
std::string keep(HostOptions& options, const std::string& value) {
    options.*field = value;
    return {};
}

// Options that only switch something on.
template <bool HostOptions::*field>
std::string set(HostOptions& options, const std::string&) {
    options.*field = true;
    return {};
}

std::string keys(HostOptions& options, const std::string& value) {
    if (value.empty() || value[0] != '@') {
        options.keys = value;
        return {};
    }
    std::ifstream file(utf8Path(value.substr(1)), std::ios::binary);
    if (!file) return "cannot read key script " + value.substr(1);
    std::ostringstream text;
    text << file.rdbuf();
    options.keys = text.str();
    return {};
}

std::string runs(HostOptions& options, const std::string& value) {
    return wholeNumber(options.runs, value, 0, kLargest, "--run needs a count");
}

std::string query(HostOptions& options, const std::string& value) {
    return wholeNumber(options.query, value, kSmallest, kLargest, "--query needs a number");
}

std::string generate(HostOptions& options, const std::string& value) {
    return wholeNumber(options.generate, value, 0, kMostGenerated,
                       "--generate needs a count from 0 to " + std::to_string(kMostGenerated));
}

std::string seed(HostOptions& options, const std::string& value) {
    const char* end = value.data() + value.size();
    const auto [p, error] = std::from_chars(value.data(), end, options.seed);
    if (error != std::errc() || p != end || value.empty()) return "--seed needs a whole number from 0, not " + value;
    return {};
}

std::string interfaceVersion(HostOptions& options, const std::string& value) {
    return wholeNumber(options.interfaceVersion, value, kSmallest, kLargest, "--interface-version needs a number");
}

std::string refuseModule(HostOptions& options, const std::string& value) {
    options.refuseModule = value;
    return {};
}

std::string missing(HostOptions& options, const std::string& value) {
    for (const std::string& part : split(value, ',')) {
        const auto ordinal = hostFunction(part);
        if (!ordinal) return "--missing takes ordinals, not " + part;
        options.missing.insert(*ordinal);
    }
    return {};
}

std::string recordSize(HostOptions& options, const std::string& value) {
    const auto equals = value.find('=');
    const auto table = equals == std::string::npos ? std::nullopt : tableNumber(value.substr(0, equals));
    const auto size = equals == std::string::npos ? std::nullopt : number(value.substr(equals + 1));
    if (!table || !size || *size < -32768 || *size > 32767) return "--record-size takes TABLE=N, not " + value;
    options.recordSizes[*table] = static_cast<int>(*size);
    return {};
}

std::string noTable(HostOptions& options, const std::string& value) {
    const auto table = tableNumber(value);
    if (!table) return "--no-table takes " + tableNames() + " or a number, not " + value;
    options.noTables.insert(*table);
    return {};
}

std::string failAt(HostOptions& options, const std::string& value) {
    return wholeNumber(options.failAt, value, 1, kLargest, "--fail-at needs a count from 1");
}

std::string failCall(HostOptions& options, const std::string& value) {
    const std::vector<std::string> parts = split(value, ':');
    const auto ordinal = parts.empty() ? std::nullopt : hostFunction(parts[0]);
    const auto nth = parts.size() == 2 ? number(parts[1]) : std::optional<long>(1);
    if (parts.size() > 2 || !ordinal || !nth || *nth < 1 || *nth > kLargest)
        return "--fail-call takes ORD or ORD:N (N from 1), not " + value;
    options.failCall = HostOptions::FailCall{*ordinal, static_cast<int>(*nth)};
    return {};
}

std::string hostVariants(HostOptions& options, const std::string& value) {
    for (const std::string& part : split(value, ',')) {
        const auto variants = hostVariantsNamed(part);
        if (!variants) return "--host-variant takes " + hostVariantNames() + " or all, not " + part;
        options.hostVariants |= *variants;
    }
    return {};
}

constexpr OptionRow kRows[] = {
    {"--plugin", "PATH", "the plug-in to load (required)", keep<&HostOptions::pluginPath>},
    {"--config-dir", "DIR", "where KalvetZakupy.ini lives (default: .)", keep<&HostOptions::configDir>},
    {"--keys", "SCRIPT",
     "key tokens answering every box and dialog; @FILE reads\n"
     "them from FILE. When they run out a box closes with\n"
     "Enter and a dialog with Esc.",
     keys},
    {"--log", "FILE", "JSON Lines log of everything shown or done (- = stdout)", keep<&HostOptions::logPath>},
    {"--run", "N", "choose the menu command N times (default 1)", runs},
    {"--screens", "DIR", "write every rendered screen after every key to DIR", keep<&HostOptions::screensDir>},
    {"--save-template", "FILE", "write the dialog template block the plug-in handed over",
     keep<&HostOptions::saveTemplate>},
    {"--query", "N", "after activation, call exports {query} and {query_value}(N)", query},
    {"--data", "FILE",
     "the purchase documents the tables hold (JSON; see\n"
     "README); without it, the built-in sample",
     keep<&HostOptions::dataPath>},
    {"--generate", "N",
     "write synthetic data of N documents to standard output\n"
     "in the --data format and load no plug-in",
     generate},
    {"--seed", "S", "the generator's seed (default 1)", seed},
    {"--show", "FILE",
     "print FILE, text in the host's code page (an export\n"
     "file, say), as UTF-8 and load no plug-in",
     keep<&HostOptions::showPath>},
    {"--replay", "FILE",
     "replay the session a KalvetZakupy trace recorded (see\n"
     "README) against this host and print where they differ:\n"
     "exit 0 all alike, 1 a difference, 2 a trace it cannot read",
     keep<&HostOptions::replayPath>},
    {"--interface-version", "N", "answer N for the interface version (default {interface_version})", interfaceVersion,
     "Fault options:"},
    {"--refuse-module", "TEXT", "refuse the module, explaining with TEXT", refuseModule},
    {"--missing", "ORD[,ORD...]",
     "lack these host functions, by ordinal or role (TableOpen);\n"
     "under Wine too: their export entries are cleared",
     missing},
    {"--record-size", "TABLE=N", "report record size N for TABLE ({tables} or a number)", recordSize},
    {"--no-table", "TABLE", "know no such table", noTable},
    {"--report", "", "ask for the failure report even after a good attach", set<&HostOptions::report>},
    {"--debugger", "",
     "claim a debugger is attached; debug strings go to the log\n"
     "(Linux flavour; under Windows the real calls answer)",
     set<&HostOptions::debugger>},
    {"--no-description", "", "attach with a null description buffer", set<&HostOptions::nullDescription>},
    {"--fail-at", "N",
     "the Nth call of a host function that can fail fails\n"
     "(INI access, table open, memory, folder picker, dialog\n"
     "runner, file open, print and close, folder search);\n"
     "raise N run by run until a run meets no fault",
     failAt},
    {"--fail-call", "ORD[:N]",
     "the Nth call (default the first) of host function ORD\n"
     "(ordinal or role, as FileOpen) fails, ORD being one of\n"
     "those --fail-at counts",
     failCall},
    {"--host-variant", "NAME[,...]",
     "behave as another host may where the interface leaves\n"
     "it open (Host variants below; all: every one)",
     hostVariants},
    {"--help", "", "this text", nullptr, {}, "-h"},
};

}  // namespace

std::span<const OptionRow> optionRows() { return kRows; }

const OptionRow* findOption(std::string_view name) {
    for (const OptionRow& row : kRows)
        if (name == row.name || (!row.shortName.empty() && name == row.shortName)) return &row;
    return nullptr;
}

std::optional<int> tableNumber(const std::string& nameOrNumber) {
    for (const kz::TabelaZakupow& table : kz::kTabeleZakupow)
        if (nameOrNumber == table.nazwa) return table.numer;
    if (const auto n = number(nameOrNumber); n && *n > 0 && *n < 65536) return static_cast<int>(*n);
    return std::nullopt;
}

std::string hostVariantNames() {
    std::string names;
    for (const HostVariantRow& row : hostVariantRows()) names += (names.empty() ? "" : ", ") + std::string(row.name);
    return names;
}

std::string tableNames() {
    std::string names;
    for (const kz::TabelaZakupow& table : kz::kTabeleZakupow)
        names += (names.empty() ? "" : ", ") + std::string(table.nazwa);
    return names;
}

}  // namespace hadrek
