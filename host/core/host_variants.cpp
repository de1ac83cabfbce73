#include "host/core/host_variants.hpp"

#include <cstring>
#include <string>

#include "host/core/context.hpp"
#include "plugin/interface/host_signatures.hpp"

namespace hadrek {
namespace {

constexpr HostVariantRow kRows[] = {
    {HostVariant::CloseAnswersOne, "close-answers-one",
     "52305 answers 1 after a good close, -1 when it\ncould not flush"},
    {HostVariant::PrintAnswersZero, "print-answers-zero", "52541 answers 0 after a good print, -1 when it\nfailed"},
    {HostVariant::Findfirst, "findfirst", "40503 already yields the first entry; 40504 the rest"},
    {HostVariant::RawPaths, "raw-paths",
     "every file service hands path bytes to the file system\nas they are (Windows: the C library's byte calls)"},
    {HostVariant::LazyText, "lazy-text", "52161 copies like strncpy; 52512 writes nothing"},
    {HostVariant::WideObjects, "wide-objects",
     "objects made in the caller's storage fill 1 KiB of it\nand check it at destruction"},
    {HostVariant::DescriptorWrites, "descriptor-writes",
     "52081 writes a link into the menu descriptor's first\nword; 52082 reads it back"},
};

constexpr unsigned char kWidePattern = 0xA5;

}  // namespace

std::span<const HostVariantRow> hostVariantRows() { return kRows; }

std::optional<HostVariants> hostVariantsNamed(std::string_view name) {
    HostVariants all = 0;
    for (const HostVariantRow& row : kRows) {
        if (name == row.name) return bitOf(row.variant);
        all |= bitOf(row.variant);
    }
    if (name == "all") return all;
    return std::nullopt;
}

bool hostVariant(HostVariant variant) { return (context().options.hostVariants & bitOf(variant)) != 0; }

void widenObject(void* storage, unsigned size) {
    if (hostVariant(HostVariant::WideObjects))
        std::memset(static_cast<unsigned char*>(storage) + size, kWidePattern, kz::kHostObjectRoom - size);
}

void checkWideObject(const void* storage, unsigned size, kz::Slot service) {
    if (!hostVariant(HostVariant::WideObjects)) return;
    const auto* bytes = static_cast<const unsigned char*>(storage);
    for (unsigned at = size; at < kz::kHostObjectRoom; ++at)
        if (bytes[at] != kWidePattern)
            misuse(service, "found its object's storage overwritten at byte " + std::to_string(at) +
                                " (the object takes " + std::to_string(kz::kHostObjectRoom) + " bytes)");
}

}  // namespace hadrek
