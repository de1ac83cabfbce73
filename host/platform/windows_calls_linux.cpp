// The six Windows calls the plug-in makes, provided by this host on Linux.
// The loaded library resolves them against the launcher, as a DLL resolves
// them against kernel32 and user32.
#include <dlfcn.h>
#include <strings.h>

#include <algorithm>
#include <climits>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "host/core/context.hpp"
#include "host/platform/host_module.hpp"
#include "host/registry/registry.hpp"
#include "plugin/interface/windows_api.hpp"

namespace hadrek {
namespace {

// Its address is the handle of the module "HADREK".
const char g_hostModule = 0;

void* hostModuleHandle() { return const_cast<char*>(&g_hostModule); }

}  // namespace

void prepareHostModule(const HostOptions&) {
    // Lookups consult the --missing option directly; nothing to patch.
}

}  // namespace hadrek

extern "C" {

__attribute__((visibility("default"))) HMODULE WINAPI GetModuleHandleA(LPCSTR name) {
    if (name && (strcasecmp(name, "HADREK") == 0 || strcasecmp(name, "HADREK.dll") == 0))
        return hadrek::hostModuleHandle();
    return nullptr;
}

__attribute__((visibility("default"))) DWORD WINAPI GetModuleFileNameA(HMODULE module, LPSTR buffer, DWORD size) {
    if (!buffer || size == 0) return 0;
    Dl_info info;
    char path[PATH_MAX];
    if (!dladdr(module, &info) || !info.dli_fname || !realpath(info.dli_fname, path)) {
        buffer[0] = '\0';
        return 0;
    }
    // As on Windows: cut to the buffer and still end it.
    const std::size_t length = std::min<std::size_t>(std::strlen(path), size - 1);
    std::memcpy(buffer, path, length);
    buffer[length] = '\0';
    return static_cast<DWORD>(length);
}

__attribute__((visibility("default"))) FARPROC WINAPI GetProcAddress(HMODULE module, LPCSTR name) {
    const auto value = reinterpret_cast<std::uintptr_t>(name);
    // The host exports by ordinal only.
    if (module != hadrek::hostModuleHandle() || (value >> 16) != 0) return nullptr;
    return reinterpret_cast<FARPROC>(hadrek::lookUpOrdinal(static_cast<std::uint16_t>(value)));
}

__attribute__((visibility("default"))) BOOL WINAPI IsDebuggerPresent() {
    return hadrek::context().options.debugger ? 1 : 0;
}

__attribute__((visibility("default"))) void WINAPI OutputDebugStringA(LPCSTR text) {
    hadrek::HostContext& host = hadrek::context();
    if (!host.options.debugger || !text) return;
    nlohmann::json event = {{"event", "debug"}};
    hadrek::addText(event, text);
    host.log.write(event);
}

// Like the Windows original: at most 1024 bytes including the end.
__attribute__((visibility("default"))) int wsprintfA(LPSTR buffer, LPCSTR format, ...) {
    va_list arguments;
    va_start(arguments, format);
    const int length = std::vsnprintf(buffer, 1024, format, arguments);
    va_end(arguments);
    return length < 0 ? 0 : std::min(length, 1023);
}

}  // extern "C"

namespace hadrek {

void* exportedAddress(std::uint16_t ordinal) { return serviceAddress(ordinal); }

}  // namespace hadrek
