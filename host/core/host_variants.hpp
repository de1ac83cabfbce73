// Behaviours a real host may show where the interface leaves them open,
// which this stand-in does not show unless asked (--host-variant). Each one
// answers, fills, holds or names something the way another host could, so
// the plug-in is proven not to lean on this stand-in's own choices.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

#include "plugin/interface/host_table.hpp"

namespace hadrek {

enum class HostVariant : unsigned {
    CloseAnswersOne,   // 52305 answers 1 after a good close
    PrintAnswersZero,  // 52541 answers 0 after a good print
    Findfirst,         // 40503 already yields the first entry
    RawPaths,          // path bytes go to the file system unconverted
    LazyText,          // 52161 copies like strncpy; 52512 writes nothing
    WideObjects,       // objects in the caller's storage take 1 KiB of it
    DescriptorWrites,  // 52081 links the menu descriptor through its first word
    DirsToo,           // the folder search yields every entry, folders too
    SearchStopsEarly,  // the folder search ends after its second entry
    ShortNames,        // the folder search names long files by an 8.3 form
};

struct HostVariantRow {
    HostVariant variant;
    std::string_view name;
    std::string_view help;  // one line for --help
};

// Every variant, in the order --help lists them.
std::span<const HostVariantRow> hostVariantRows();

// A set of variants, one bit each.
using HostVariants = std::uint32_t;
inline constexpr HostVariants bitOf(HostVariant variant) { return HostVariants{1} << static_cast<unsigned>(variant); }

// The variants a name stands for: one, or every one for "all".
std::optional<HostVariants> hostVariantsNamed(std::string_view name);

// Whether this run shows `variant`.
bool hostVariant(HostVariant variant);

// wide-objects: an object of `size` bytes made in its caller's storage
// claims the storage up to kHostObjectRoom too, filling what lies past its
// own bytes with a pattern; its destruction by `service` ends the run when
// the pattern was overwritten. Both do nothing otherwise.
void widenObject(void* storage, unsigned size);
void checkWideObject(const void* storage, unsigned size, kz::Slot service);

}  // namespace hadrek
