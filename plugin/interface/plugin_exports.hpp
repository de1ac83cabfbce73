// The plug-in's exports by role, as the host calls them; the ordinals come
// from plugin_exports.inc.
#pragma once

#include <cstddef>
#include <cstdint>

#include "plugin/interface/calling.hpp"

namespace kz {

// The host's notification function; the caller removes the arguments.
// The failure report calls it with these two values before its box.
using NotificationFunction = int(KZ_CDECL*)(int, int);
inline constexpr int kNotificationReportWhat = 1;
inline constexpr int kNotificationReportValue = -1;

// What 30010 answers when no handler is installed, whatever its argument.
inline constexpr std::uint32_t kQueryValueAnswer = 0xB669FD2E;

// The exports' shapes, as the plug-in defines them and the host calls them.
using AttachExport = int(KZ_STDCALL*)(NotificationFunction notification, char* description);
using ActivateExport = int(KZ_STDCALL*)(int report);
using QueryExport = int(KZ_STDCALL*)();
using QueryValueExport = int(KZ_STDCALL*)(int value);

// The buffer the host hands to attach for the plug-in's description.
inline constexpr std::size_t kDescriptionSize = 76;

enum class PluginExport : std::uint16_t {
#define PLUGIN_EXPORT(ordinal, role, function, argumentBytes) role = ordinal,
#include "plugin/interface/plugin_exports.inc"
#undef PLUGIN_EXPORT
};

constexpr std::uint16_t ordinalOf(PluginExport role) { return static_cast<std::uint16_t>(role); }

inline constexpr std::uint16_t kPluginExportOrdinals[] = {
#define PLUGIN_EXPORT(ordinal, role, function, argumentBytes) ordinal,
#include "plugin/interface/plugin_exports.inc"
#undef PLUGIN_EXPORT
};

constexpr bool pluginExportsInOrder() {
    for (std::size_t i = 1; i < sizeof kPluginExportOrdinals / sizeof kPluginExportOrdinals[0]; ++i)
        if (kPluginExportOrdinals[i] <= kPluginExportOrdinals[i - 1]) return false;
    return true;
}
static_assert(pluginExportsInOrder(), "plugin_exports.inc must list ordinals in rising order");

// The span of ordinals an export directory covers.
inline constexpr std::uint32_t kExportBase = kPluginExportOrdinals[0];
inline constexpr std::uint32_t kExportCount =
    kPluginExportOrdinals[sizeof kPluginExportOrdinals / sizeof kPluginExportOrdinals[0] - 1] - kExportBase + 1;

}  // namespace kz
