// The yardstick of the writer: the export lines the plug-in wrote, read
// back and split into their fields apart from the clock, then printed again
// with the line format, one fprintf per line into one stream.
#pragma once

#include <cstddef>
#include <filesystem>

namespace bench {

struct ReferenceWrite {
    double seconds = 0;
    std::size_t lines = 0;
};

// Every file of `exportFolder`, in name order, into `file`.
ReferenceWrite referenceWrite(const std::filesystem::path& exportFolder, const std::filesystem::path& file);

}  // namespace bench
