// How much of the host's allocator the plug-in holds, counted in the sizes
// it asked for (21286): for benchmarks and tests that bound the document
// list's memory.
#pragma once

#include <cstddef>

namespace hadrek::services {

std::size_t liveBlockBytes();
// The largest live total since the start or the last restart.
std::size_t peakBlockBytes();
void restartPeakBlockBytes();

}  // namespace hadrek::services
