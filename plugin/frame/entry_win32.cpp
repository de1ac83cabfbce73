// PE edge of the frame: the DLL's entry point runs the early attach hook,
// then hands over to the runtime's own entry, which runs the load-time
// initializers (the bind-now entries among them) and DllMain.
#include <windows.h>

#include "plugin/frame/plugin_state.hpp"

extern "C" BOOL WINAPI DllMainCRTStartup(HINSTANCE instance, DWORD reason, LPVOID reserved);

extern "C" BOOL WINAPI KZ_DllEntry(HINSTANCE instance, DWORD reason, LPVOID reserved) {
    if (reason == DLL_PROCESS_ATTACH) kz::earlyAttachHook(instance);
    return DllMainCRTStartup(instance, reason, reserved);
}
