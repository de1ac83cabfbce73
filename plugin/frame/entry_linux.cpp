// ELF edge of the frame: the early attach hook runs from a load-time
// constructor ahead of the bind-now initializers (which sit at 1000 + slot),
// and the exports are published as one ordinal directory, since ELF has no
// ordinals.
#include "plugin/frame/export_directory.hpp"
#include "plugin/frame/exports.hpp"
#include "plugin/frame/plugin_state.hpp"

// The linker's name for the first byte of this object's image: its load
// base, which is what a module handle is.
extern "C" const char __ehdr_start[] __attribute__((visibility("hidden")));

namespace {

__attribute__((constructor(101))) void processAttach() { kz::earlyAttachHook(const_cast<char*>(__ehdr_start)); }

void* const kEntries[kz::kExportCount] = {
    reinterpret_cast<void*>(&kz_attach),
    nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
    reinterpret_cast<void*>(&kz_activate),
    reinterpret_cast<void*>(&kz_query),
    reinterpret_cast<void*>(&kz_queryValue),
};

}  // namespace

extern "C" __attribute__((visibility("default"))) const kz::ExportDirectory KZ_ExportDirectory = {
    0, 0, 0, 0, "KalvetZakupy", kz::kExportBase, kz::kExportCount, 0, kEntries, nullptr, nullptr,
};
