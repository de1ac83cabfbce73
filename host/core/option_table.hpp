// The launcher's options, each once: its name, the value it takes, its
// help line and what it does to the options. Parsing and --help are both
// made from this table, so neither can name an option the other lacks.
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "host/core/options.hpp"

namespace hadrek {

// Stores `value` (empty for an option without one) into `options`; the
// error message, or empty.
using ApplyOption = std::string (*)(HostOptions& options, const std::string& value);

struct OptionRow {
    std::string_view name;
    std::string_view value;  // as --help names it; empty: takes none
    // Lines after the first start with \n; {placeholders} are filled in
    // from the interface (help.cpp).
    std::string_view help;
    ApplyOption apply;              // null for --help itself
    std::string_view heading = {};  // --help prints it before this row
    std::string_view shortName = {};
};

// Every row, in the order --help lists them.
std::span<const OptionRow> optionRows();

// The row of `name` (its long or short form), or null.
const OptionRow* findOption(std::string_view name);

// The names of the tables the host knows, comma-separated, for messages.
std::string tableNames();
// Likewise the names of the host variants.
std::string hostVariantNames();

}  // namespace hadrek
