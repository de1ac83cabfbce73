// In the Win32 flavour the plug-in asks the real GetProcAddress, so a
// missing function is made by clearing its entry in this module's export
// address table: the loader answers null for an empty entry.
#include <windows.h>

#include "host/core/context.hpp"
#include "host/platform/host_module.hpp"

namespace hadrek {

void prepareHostModule(const HostOptions& options) {
    if (options.missing.empty()) return;
    auto* base = reinterpret_cast<unsigned char*>(GetModuleHandleA("HADREK"));
    if (!base) fatal(kExitLoadFailed, "the host module HADREK.dll is not loaded");
    const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
    const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS32*>(base + dos->e_lfanew);
    const IMAGE_DATA_DIRECTORY& directory = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_EXPORT];
    const auto* exports = reinterpret_cast<const IMAGE_EXPORT_DIRECTORY*>(base + directory.VirtualAddress);
    auto* functions = reinterpret_cast<DWORD*>(base + exports->AddressOfFunctions);
    for (const std::uint16_t ordinal : options.missing) {
        if (ordinal < exports->Base || ordinal - exports->Base >= exports->NumberOfFunctions) continue;
        DWORD* entry = &functions[ordinal - exports->Base];
        DWORD protection;
        VirtualProtect(entry, sizeof *entry, PAGE_READWRITE, &protection);
        *entry = 0;
        VirtualProtect(entry, sizeof *entry, protection, &protection);
    }
}

}  // namespace hadrek

namespace hadrek {

void* exportedAddress(std::uint16_t ordinal) {
    return reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("HADREK"), MAKEINTRESOURCEA(ordinal)));
}

}  // namespace hadrek
