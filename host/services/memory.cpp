// Memory services: the allocator behind the plug-in's document list.
#include <cstdlib>
#include <map>

#include "host/core/context.hpp"
#include "host/services/services.hpp"

namespace hadrek::services {
namespace {

// Blocks are named by the order they were first made, so logs compare
// between runs and flavours.
std::map<void*, int>& blocks() {
    static std::map<void*, int> live;
    return live;
}
int g_nextBlock = 1;

}  // namespace

// 21286: resize a block (null makes one); null when memory runs out, the
// old block then staying as it was.
void* KZ_CDECL memoryResize(void* block, std::uint32_t size) {
    auto& live = blocks();
    int name = g_nextBlock;
    if (block) {
        const auto found = live.find(block);
        if (found == live.end()) fatal(71, "21286 was handed a block this host never made");
        name = found->second;
        live.erase(found);
    }
    void* resized = injectFault("21286") ? nullptr : std::realloc(block, size ? size : 1);
    context().log.write({{"event", "memory"}, {"action", "resize"}, {"block", name}, {"size", size},
                         {"result", resized ? "ok" : "null"}});
    if (!resized) {
        if (block) live[block] = name;
        return nullptr;
    }
    if (!block) ++g_nextBlock;
    live[resized] = name;
    return resized;
}

// 21287: free a block.
void KZ_CDECL memoryFree(void* block) {
    auto& live = blocks();
    const auto found = live.find(block);
    if (!block || found == live.end()) fatal(71, "21287 was handed a block this host never made (or freed twice)");
    context().log.write({{"event", "memory"}, {"action", "free"}, {"block", found->second}});
    live.erase(found);
    std::free(block);
}

}  // namespace hadrek::services
