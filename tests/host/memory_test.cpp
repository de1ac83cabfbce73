// The allocator behind the document list (21286, 21287) and what it counts
// of the plug-in's blocks: the live total and its peak bound the list's
// memory in the benchmarks.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>

#include "host/core/context.hpp"
#include "host/services/memory_use.hpp"
#include "host/services/services.hpp"

namespace {

using hadrek::services::liveBlockBytes;
using hadrek::services::memoryFree;
using hadrek::services::memoryResize;
using hadrek::services::peakBlockBytes;

TEST(MemoryUse, LiveAndPeakFollowEveryResizeAndFree) {
    hadrek::services::restartPeakBlockBytes();
    const std::size_t base = liveBlockBytes();
    void* list = nullptr;
    void* other = nullptr;
    const struct {
        const char* step;
        void (*run)(void*& list, void*& other);
        std::size_t live;
        std::size_t peak;
    } steps[] = {
        {"make 100 items", [](void*& l, void*&) { l = memoryResize(nullptr, 15100); }, 15100, 15100},
        {"grow to 200 items", [](void*& l, void*&) { l = memoryResize(l, 30200); }, 30200, 30200},
        {"make another block", [](void*&, void*& o) { o = memoryResize(nullptr, 1000); }, 31200, 31200},
        {"shrink the list", [](void*& l, void*&) { l = memoryResize(l, 151); }, 1151, 31200},
        {"free the list", [](void*& l, void*&) { memoryFree(l); }, 1000, 31200},
        {"restart the peak", [](void*&, void*&) { hadrek::services::restartPeakBlockBytes(); }, 1000, 1000},
        {"free the other", [](void*&, void*& o) { memoryFree(o); }, 0, 1000},
    };
    for (const auto& s : steps) {
        SCOPED_TRACE(s.step);
        s.run(list, other);
        EXPECT_EQ(liveBlockBytes() - base, s.live);
        EXPECT_EQ(peakBlockBytes() - base, s.peak);
    }
}

TEST(MemoryUse, AFailedGrowthKeepsTheOldBlockAndItsCount) {
    void* block = memoryResize(nullptr, 300);
    ASSERT_NE(block, nullptr);
    std::memset(block, 0x5A, 300);
    hadrek::services::restartPeakBlockBytes();
    const std::size_t live = liveBlockBytes();

    hadrek::context().options.failAt = hadrek::context().failableCalls + 1;
    EXPECT_EQ(memoryResize(block, 600), nullptr);
    hadrek::context().options.failAt.reset();

    EXPECT_EQ(liveBlockBytes(), live);
    EXPECT_EQ(peakBlockBytes(), live) << "the growth that failed never counted";
    const auto* bytes = static_cast<const unsigned char*>(block);
    for (int i = 0; i < 300; ++i) ASSERT_EQ(bytes[i], 0x5A) << "byte " << i;
    memoryFree(block);
    EXPECT_EQ(liveBlockBytes(), live - 300);
}

// --fail-call counts the calls of its own service only: the other
// services' failable calls in between move nothing.
TEST(MemoryUse, FailCallFailsTheNthCallOfItsServiceOnly) {
    auto& host = hadrek::context();
    host.options.failCall = hadrek::HostOptions::FailCall{
        kz::ordinalOf(kz::Slot::MemoryResize), host.failableCallsOf[kz::ordinalOf(kz::Slot::MemoryResize)] + 2};
    void* block = memoryResize(nullptr, 16);
    EXPECT_NE(block, nullptr);
    EXPECT_FALSE(hadrek::injectFault(kz::Slot::TableOpen));
    EXPECT_EQ(memoryResize(block, 32), nullptr) << "the second resize from here";
    block = memoryResize(block, 32);
    EXPECT_NE(block, nullptr) << "and that one only";
    host.options.failCall.reset();
    memoryFree(block);
}

}  // namespace
