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
    const std::uint16_t remove = kz::ordinalOf(kz::Slot::MenuRemoveCommand);
    const std::uint16_t accept = kz::ordinalOf(kz::Slot::ModuleAcceptance);
    hadrek::context().options.missing = {remove, accept};
    EXPECT_EQ(hadrek::lookUpOrdinal(remove), nullptr);
    EXPECT_EQ(hadrek::lookUpOrdinal(accept), nullptr);
    EXPECT_NE(hadrek::lookUpOrdinal(kz::ordinalOf(kz::Slot::MenuAddCommand)), nullptr);
    hadrek::context().options.missing.clear();
    EXPECT_NE(hadrek::lookUpOrdinal(remove), nullptr);
}

TEST(Registry, AServiceOfALaterStageEndsTheRunWithAClearError) {
    using Service = int(KZ_CDECL*)();
    const auto boundOnly = reinterpret_cast<Service>(hadrek::serviceAddress(40008));
    EXPECT_EXIT(boundOnly(), ::testing::ExitedWithCode(70), "host function 40008 .*is not implemented");
}

}  // namespace
