// ELF edge of the frame: the early attach hook runs from a load-time
// constructor ahead of the bind-now initializers (which sit at 1000 + slot),
// and the exports are published as one ordinal directory, since ELF has no
// ordinals.
#include <cstddef>
#include <utility>

#include "plugin/frame/exports.hpp"
#include "plugin/frame/plugin_state.hpp"
#include "plugin/interface/export_directory.hpp"

// The linker's name for the first byte of this object's image: its load
// base, which is what a module handle is.
extern "C" const char __ehdr_start[] __attribute__((visibility("hidden")));

namespace {

__attribute__((constructor(101))) void processAttach() { kz::earlyAttachHook(const_cast<char*>(__ehdr_start)); }

// One entry per ordinal from the base on, empty where nothing is exported;
// constant-initialised, as a PE file's table would be.
template <typename Positions>
struct Entries;

template <std::size_t... Position>
struct Entries<std::index_sequence<Position...>> {
    static void* const table[sizeof...(Position)];
};

template <std::size_t... Position>
void* const Entries<std::index_sequence<Position...>>::table[sizeof...(Position)] = {(
#define PLUGIN_EXPORT(ordinal, role, function, argumentBytes) \
    kz::kExportBase + Position == ordinal ? reinterpret_cast<void*>(&function):
#include "plugin/interface/plugin_exports.inc"
#undef PLUGIN_EXPORT
    nullptr)...};

using ExportEntries = Entries<std::make_index_sequence<kz::kExportCount>>;

}  // namespace

extern "C" __attribute__((visibility("default"))) const kz::ExportDirectory KZ_ExportDirectory = {
    0, 0, 0, 0, "KalvetZakupy", kz::kExportBase, kz::kExportCount, 0, ExportEntries::table, nullptr, nullptr,
};
