// The dialog template block: the selection dialog 20081 and the options
// dialog 20082, laid out for the host's dialog runner. The plug-in only
// hands the block's start to the runner; it never reads it.
#pragma once

#include <cstddef>

namespace kz {

// The 4-byte total size and the 1058 bytes of dialog entries it counts.
inline constexpr std::size_t kDialogTemplateBlockSize = 4 + 1058;

const unsigned char* dialogTemplateBlock();

}  // namespace kz
