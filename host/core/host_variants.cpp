#include "host/core/host_variants.hpp"

#include <cstring>
#include <string>

#include "host/core/context.hpp"
#include "plugin/interface/host_signatures.hpp"

namespace hadrek {
namespace {

constexpr HostVariantRow kRows[] = {
    {HostVariant::CloseAnswersOne, "close-answers-one",
     "{StreamClose} answers 1 after a good close, -1 when it\ncould not flush"},
    {HostVariant::PrintAnswersZero, "print-answers-zero",
     "{StreamPrintf} answers 0 after a good print, -1 when it\nfailed"},
    {HostVariant::Findfirst, "findfirst", "{DirSearchFirst} already yields the first entry; {DirSearchNext} the\nrest"},
    {HostVariant::RawPaths, "raw-paths",
     "every file service hands path bytes to the file system\nas they are (Windows: the C library's byte calls)"},
    {HostVariant::LazyText, "lazy-text", "{BoundedCopy} copies like strncpy; {RateCodeText} writes nothing"},
    {HostVariant::WideObjects, "wide-objects",
     "objects made in the caller's storage fill 1 KiB of it\nand check it at destruction"},
    {HostVariant::DescriptorWrites, "descriptor-writes",
     "{MenuAddCommand} writes a link into the menu descriptor's\nfirst word; {MenuRemoveCommand} reads it back"},
    {HostVariant::DirsToo, "dirs-too",
     "the folder search yields every entry: \".\", \"..\",\nfolders, hidden files, then the files"},
    {HostVariant::SearchStopsEarly, "search-stops-early", "{DirSearchNext} answers \"no more\" after the second entry"},
    {HostVariant::ShortNames, "short-names",
     "the folder search gives a name longer than 12\ncharacters only as an 8.3 form naming no file"},
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
