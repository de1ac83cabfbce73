// The key script reader on any bytes. What it accepts is written out again
// in script form (key names, quoted texts in UTF-8) and must read back as
// the same keys; what it refuses names a line the script has.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "host/text/mazovia.hpp"
#include "host/toolkit/screen/keys.hpp"

using namespace hadrek::screen;

namespace {

void appendQuoted(std::string& script, const std::string& mazovia) {
    script += '"';
    for (const char c : hadrek::text::toUtf8(mazovia)) {
        if (c == '"' || c == '\\') script += '\\';
        script += c;
    }
    script += '"';
}

// Built in one string: the writing must not cost more than the reading.
std::string written(const std::vector<Key>& keys, std::size_t sizeRead) {
    std::string script;
    script.reserve(2 * sizeRead);
    for (const Key& key : keys) {
        if ((key.code == 0) == key.text.empty()) std::abort();
        if (key.code)
            script += keyName(key.code);
        else
            appendQuoted(script, key.text);
        script += '\n';
    }
    return script;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view script(reinterpret_cast<const char*>(data), size);
    const auto result = parseKeyScript(script);
    if (const auto* error = std::get_if<ScriptError>(&result)) {
        const auto lines = std::count(script.begin(), script.end(), '\n') + 1;
        if (error->line < 1 || error->line > lines || script.find(error->token) == std::string_view::npos) std::abort();
        return 0;
    }
    const auto& keys = std::get<std::vector<Key>>(result);
    const auto again = parseKeyScript(written(keys, size));
    if (!std::holds_alternative<std::vector<Key>>(again) || std::get<std::vector<Key>>(again) != keys) std::abort();
    return 0;
}
