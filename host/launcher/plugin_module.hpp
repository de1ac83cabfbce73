// A loaded plug-in, reached by export ordinal as the host reaches it.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

namespace hadrek {

class PluginModule {
public:
    virtual ~PluginModule() = default;
    // The entry behind an export ordinal; null when there is none.
    virtual void* exportByOrdinal(std::uint16_t ordinal) const = 0;
};

// Loads the library (dlopen or LoadLibrary); on failure null and `error` says why.
std::unique_ptr<PluginModule> loadPlugin(const std::string& path, std::string& error);

}  // namespace hadrek
