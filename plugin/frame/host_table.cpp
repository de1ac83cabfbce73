#include "plugin/interface/host_table.hpp"

#include "plugin/frame/plugin_state.hpp"
#include "plugin/interface/windows_api.hpp"
#include "plugin/resources/texts.hpp"

namespace kz {
namespace {

MissingFunctions g_missing;

}  // namespace

const MissingFunctions& missingFunctions() { return g_missing; }

void* bindHostFunction(std::uint16_t ordinal, void** slot) {
    const auto lookup = reinterpret_cast<const char*>(static_cast<std::uintptr_t>(ordinal));
    void* address = reinterpret_cast<void*>(GetProcAddress(static_cast<HMODULE>(pluginState().hostModule), lookup));
    *slot = address;
    if (address) return address;

    const std::uint32_t position = g_missing.count++;
    if (position < kKeptMissingOrdinals) g_missing.ordinals[position] = ordinal;
    if (!IsDebuggerPresent()) return nullptr;
    char line[1024];
    wsprintfA(line, texts::kBrakFunkcjiONumerze.c_str(), ordinal);
    OutputDebugStringA(line);
    return nullptr;
}

bool allHostFunctionsBound() { return g_missing.count == 0; }

}  // namespace kz

extern "C" void* KZ_CDECL kz_bindSlot(unsigned slot) {
    return kz::bindHostFunction(kz::kHostFunctions[slot].ordinal, &kz_hostSlots[slot]);
}
