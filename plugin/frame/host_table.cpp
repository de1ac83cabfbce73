#include "plugin/frame/host_table.hpp"

#include "plugin/frame/plugin_state.hpp"
#include "plugin/frame/windows_api.hpp"
#include "plugin/resources/texts.hpp"

namespace kz {
namespace {

MissingFunctions g_missing;

bool isOrdinal(const char* lookup) { return (reinterpret_cast<std::uintptr_t>(lookup) >> 16) == 0; }

}  // namespace

const MissingFunctions& missingFunctions() { return g_missing; }

void* bindHostFunction(const char* lookup, void** slot) {
    void* address = reinterpret_cast<void*>(GetProcAddress(static_cast<HMODULE>(pluginState().hostModule), lookup));
    *slot = address;
    if (address) return address;

    char line[1024];
    if (isOrdinal(lookup)) {
        const auto ordinal = static_cast<std::uint16_t>(reinterpret_cast<std::uintptr_t>(lookup));
        const std::uint32_t position = g_missing.count++;
        if (position < 8) g_missing.ordinals[position] = ordinal;
        if (!IsDebuggerPresent()) return nullptr;
        wsprintfA(line, texts::kBrakFunkcjiONumerze.c_str(), ordinal);
    } else {
        if (!IsDebuggerPresent()) return nullptr;
        wsprintfA(line, texts::kBrakFunkcjiONazwie.c_str(), lookup);
    }
    OutputDebugStringA(line);
    return nullptr;
}

bool allHostFunctionsBound() { return g_missing.count == 0; }

}  // namespace kz

extern "C" void* KZ_CDECL kz_bindSlot(unsigned slot) {
    const auto lookup = reinterpret_cast<const char*>(static_cast<std::uintptr_t>(kz::kHostFunctions[slot].ordinal));
    return kz::bindHostFunction(lookup, &kz_hostSlots[slot]);
}
