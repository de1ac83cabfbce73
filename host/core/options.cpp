#include "host/core/options.hpp"

#include <utility>

#include "host/core/option_table.hpp"

namespace hadrek {

ParsedOptions parseOptions(const std::vector<std::string>& arguments) {
    HostOptions options;
    ParsedOptions result;
    auto fail = [&](std::string message) {
        result.error = std::move(message);
        return result;
    };
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& name = arguments[i];
        const OptionRow* row = findOption(name);
        if (!row) return fail("unknown option " + name);
        std::string value;
        if (!row->value.empty()) {
            if (i + 1 >= arguments.size()) return fail("option " + name + " needs a value");
            value = arguments[++i];
        }
        if (!row->apply) {
            result.help = true;
            return result;
        }
        if (std::string error = row->apply(options, value); !error.empty()) return fail(std::move(error));
    }
    if (options.pluginPath.empty() && !options.generate && options.showPath.empty())
        return fail("--plugin PATH is required");
    result.options = std::move(options);
    return result;
}

}  // namespace hadrek
