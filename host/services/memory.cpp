// Memory services: the allocator behind the plug-in's document list.
#include <algorithm>
#include <cstdlib>
#include <map>

#include "host/core/context.hpp"
#include "host/services/memory_use.hpp"
#include "host/services/services.hpp"

namespace hadrek::services {
namespace {

// Blocks are named by the order they were first made, so logs compare
// between runs and flavours.
struct Block {
    int name;
    std::uint32_t size;
};

std::map<void*, Block>& blocks() {
    static std::map<void*, Block> live;
    return live;
}
int g_nextBlock = 1;
std::size_t g_liveBytes = 0;
std::size_t g_peakBytes = 0;

void keep(void* block, Block kept) {
    blocks()[block] = kept;
    g_liveBytes += kept.size;
    g_peakBytes = std::max(g_peakBytes, g_liveBytes);
}

Block forget(std::map<void*, Block>::iterator found) {
    const Block block = found->second;
    g_liveBytes -= block.size;
    blocks().erase(found);
    return block;
}

}  // namespace

// 21286: resize a block (null makes one); null when memory runs out, the
// old block then staying as it was.
void* KZ_CDECL memoryResize(void* block, std::uint32_t size) {
    auto& live = blocks();
    Block old{g_nextBlock, 0};
    if (block) {
        const auto found = live.find(block);
        if (found == live.end()) misuse(kz::Slot::MemoryResize, "was handed a block this host never made");
        old = forget(found);
    }
    void* resized = injectFault(kz::Slot::MemoryResize) ? nullptr : std::realloc(block, size ? size : 1);
    context().log.write({{"event", "memory"},
                         {"action", "resize"},
                         {"block", old.name},
                         {"size", size},
                         {"result", resized ? "ok" : "null"}});
    if (!resized) {
        if (block) keep(block, old);
        return nullptr;
    }
    if (!block) ++g_nextBlock;
    keep(resized, {old.name, size});
    return resized;
}

// 21287: free a block.
void KZ_CDECL memoryFree(void* block) {
    auto& live = blocks();
    const auto found = live.find(block);
    if (!block || found == live.end())
        misuse(kz::Slot::MemoryFree, "was handed a block this host never made (or freed twice)");
    context().log.write({{"event", "memory"}, {"action", "free"}, {"block", forget(found).name}});
    std::free(block);
}

std::size_t liveBlockBytes() { return g_liveBytes; }

std::size_t peakBlockBytes() { return g_peakBytes; }

void restartPeakBlockBytes() { g_peakBytes = g_liveBytes; }

}  // namespace hadrek::services
