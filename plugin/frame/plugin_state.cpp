#include "plugin/frame/plugin_state.hpp"

#include "plugin/export/slad.hpp"
#include "plugin/interface/host_table.hpp"
#include "plugin/interface/windows_api.hpp"

namespace kz {
namespace {

// Constant-initialised: valid before any load-time initializer has run.
PluginState g_state;

const char* afterLast(const char* text, char separator) {
    const char* rest = text;
    for (const char* p = text; *p; ++p)
        if (*p == separator) rest = p + 1;
    return rest;
}

}  // namespace

PluginState& pluginState() { return g_state; }

const char* moduleBaseName(const char* fileName) { return afterLast(afterLast(fileName, '\\'), '/'); }

void earlyAttachHook(void* module) {
    g_state.module = module;
    GetModuleFileNameA(static_cast<HMODULE>(module), g_state.moduleFileName, sizeof g_state.moduleFileName);
    g_state.moduleFileName[sizeof g_state.moduleFileName - 1] = '\0';
    g_state.moduleBaseName = moduleBaseName(g_state.moduleFileName);
    slad::otworz(g_state.moduleBaseName);
    if (g_state.hostModule) return;
    g_state.hostModule = GetModuleHandleA("HADREK");
    if (g_state.hostModule)
        g_state.notification = reinterpret_cast<NotificationFunction>(reinterpret_cast<void*>(GetProcAddress(
            static_cast<HMODULE>(g_state.hostModule), reinterpret_cast<const char*>(kNotificationOrdinal))));
}

}  // namespace kz
