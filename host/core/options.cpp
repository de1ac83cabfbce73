#include "host/core/options.hpp"

#include <algorithm>
#include <charconv>
#include <fstream>
#include <sstream>
#include <string_view>

#include "host/core/utf8_path.hpp"
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
    "--plugin", "--config-dir", "--keys", "--log", "--run", "--screens", "--save-template", "--query",
    "--interface-version", "--refuse-module", "--missing", "--record-size", "--no-table", "--fail-at",
    "--data", "--generate", "--seed", "--show",
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
    if (nameOrNumber == "Tzak") return kz::kTabelaTzak;
    if (nameOrNumber == "Tzak_dok") return kz::kTabelaTzakDok;
    if (const auto n = number(nameOrNumber); n && *n > 0 && *n < 65536) return static_cast<int>(*n);
    return std::nullopt;
}

const char* helpText() {
    return R"(usage: hadrek --plugin PATH [options]
       hadrek --generate N [--seed S]
       hadrek --show FILE

Loads the plug-in as the accounting host does: attach, activate (or ask for
the failure report), run the menu command, detach, unload.

  --plugin PATH          the plug-in to load (required)
  --config-dir DIR       where KalvetZakupy.ini lives (default: .)
  --keys SCRIPT          key tokens answering every box and dialog; @FILE reads
                         them from FILE. When they run out a box closes with
                         Enter and a dialog with Esc.
  --log FILE             JSON Lines log of everything shown or done (- = stdout)
  --run N                choose the menu command N times (default 1)
  --screens DIR          write every rendered screen after every key to DIR
  --save-template FILE   write the dialog template block the plug-in handed over
  --query N              after activation, call exports 30009 and 30010(N)
  --data FILE            the purchase documents the tables hold (JSON; see
                         README); without it, the built-in sample
  --generate N           write synthetic data of N documents to standard output
                         in the --data format and load no plug-in
  --seed S               the generator's seed (default 1)
  --show FILE            print FILE, text in the host's code page (an export
                         file, say), as UTF-8 and load no plug-in

Fault options:
  --interface-version N  answer N for the interface version (default 112)
  --refuse-module TEXT   refuse the module, explaining with TEXT
  --missing ORD[,ORD...] lack these host functions
  --record-size TABLE=N  report record size N for TABLE (Tzak, Tzak_dok or a number)
  --no-table TABLE       know no such table
  --report               ask for the failure report even after a good attach
  --debugger             claim a debugger is attached; debug strings go to the log
                         (Linux flavour; under Windows the real calls answer)
  --no-description       attach with a null description buffer
  --fail-at N            the Nth call of a host function that can fail fails
                         (INI access, table open, memory, folder picker, dialog
                         runner); raise N run by run until one goes through
  --help                 this text
)";
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
