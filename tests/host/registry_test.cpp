// The host exports every function the plug-in binds, hides the ones it is
// told to lack, and refuses loudly the ones it does not implement yet.
#include <gtest/gtest.h>

#include "host/core/context.hpp"
#include "host/registry/registry.hpp"

namespace {

TEST(Registry, EveryBoundOrdinalIsExported) {
    for (const auto& service : hadrek::kServices) {
        SCOPED_TRACE(service.ordinal);
        EXPECT_NE(hadrek::serviceAddress(service.ordinal), nullptr);
        EXPECT_EQ(hadrek::findService(service.ordinal)->slot, service.slot);
    }
    EXPECT_NE(hadrek::serviceAddress(hadrek::kNotificationOrdinal), nullptr);
    EXPECT_EQ(hadrek::serviceAddress(30002), nullptr);
}

TEST(Registry, MissingOrdinalsAreHiddenFromLookups) {
    hadrek::context().options.missing = {52082, 30018};
    EXPECT_EQ(hadrek::lookUpOrdinal(52082), nullptr);
    EXPECT_EQ(hadrek::lookUpOrdinal(30018), nullptr);
    EXPECT_NE(hadrek::lookUpOrdinal(52081), nullptr);
    hadrek::context().options.missing.clear();
    EXPECT_NE(hadrek::lookUpOrdinal(52082), nullptr);
}

TEST(Registry, AServiceOfALaterStageEndsTheRunWithAClearError) {
    using Service = int(KZ_CDECL*)();
    const auto boundOnly = reinterpret_cast<Service>(hadrek::serviceAddress(40008));
    EXPECT_EXIT(boundOnly(), ::testing::ExitedWithCode(70), "host function 40008 .*is not implemented");
}

}  // namespace
