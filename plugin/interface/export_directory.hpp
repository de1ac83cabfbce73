// The plug-in's exports by ordinal, laid out like a PE export directory with
// addresses in place of RVAs. The ELF flavour publishes it under the one
// symbol KZ_ExportDirectory; the launcher reads it where Windows would use
// GetProcAddress on the plug-in.
#pragma once

#include <cstddef>
#include <cstdint>

#include "plugin/interface/plugin_exports.hpp"

namespace kz {

struct ExportDirectory {
    std::uint32_t characteristics;
    std::uint32_t timeDateStamp;
    std::uint16_t majorVersion;
    std::uint16_t minorVersion;
    const char* name;
    std::uint32_t base;
    std::uint32_t numberOfFunctions;
    std::uint32_t numberOfNames;
    void* const* addressOfFunctions;
    const char* const* addressOfNames;
    const std::uint16_t* addressOfNameOrdinals;
};
static_assert(sizeof(ExportDirectory) == 40);
static_assert(offsetof(ExportDirectory, base) == 16);
static_assert(offsetof(ExportDirectory, numberOfFunctions) == 20);
static_assert(offsetof(ExportDirectory, addressOfFunctions) == 28);

// The entry for `ordinal`, null when the ordinal is outside the table or empty.
inline void* exportByOrdinal(const ExportDirectory& directory, std::uint32_t ordinal) {
    const std::uint32_t index = ordinal - directory.base;
    if (ordinal < directory.base || index >= directory.numberOfFunctions) return nullptr;
    return directory.addressOfFunctions[index];
}

}  // namespace kz
