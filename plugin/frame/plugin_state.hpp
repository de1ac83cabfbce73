// Process-wide state of the frame: set up at load, never freed.
#pragma once

#include "plugin/interface/calling.hpp"
#include "plugin/interface/plugin_exports.hpp"

namespace kz {

struct PluginState {
    void* module;
    char moduleFileName[300];
    const char* moduleBaseName;
    void* hostModule;
    NotificationFunction notification;
};

PluginState& pluginState();

// The text after the last backslash, and of that the text after the last
// forward slash; the whole name when neither occurs.
const char* moduleBaseName(const char* fileName);

// Runs at process attach before the host functions are bound. Uses nothing
// that needs the C++ runtime to be initialised; the C library, a DLL of its
// own on Windows, opens the trace file when one is asked for.
void earlyAttachHook(void* module);

}  // namespace kz
