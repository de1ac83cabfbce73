// Calls through slots that load-time binding never reached: the lazy entry
// must bind the slot and complete the call in flight, `this` and stack
// arguments included.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "plugin/frame/exports.hpp"
#include "plugin/frame/plugin_state.hpp"
#include "plugin/interface/host_signatures.hpp"
#include "plugin/interface/windows_api.hpp"

namespace {

using kz::Slot;

class LazyBinding : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
#if defined(_WIN32)
        LoadLibraryA("HADREK.dll");
#endif
        kz::pluginState().hostModule = GetModuleHandleA("HADREK");
    }
    static void* slot(Slot s) { return kz_hostSlots[static_cast<unsigned>(s)]; }
    static void* hostAddress(Slot s) {
        return reinterpret_cast<void*>(GetProcAddress(static_cast<HMODULE>(kz::pluginState().hostModule),
                                                      reinterpret_cast<const char*>(kz::ordinalOf(s))));
    }
};

TEST_F(LazyBinding, FreeFunctionBindsAndAnswers) {
    ASSERT_NE(kz::pluginState().hostModule, nullptr);
    ASSERT_NE(slot(Slot::InterfaceVersion), hostAddress(Slot::InterfaceVersion)) << "bound before the first call";
    EXPECT_EQ(kz::host<Slot::InterfaceVersion>()(), 112);
    EXPECT_EQ(slot(Slot::InterfaceVersion), hostAddress(Slot::InterfaceVersion));
    EXPECT_EQ(kz::host<Slot::InterfaceVersion>()(), 112) << "second call, straight to the host";
}

TEST_F(LazyBinding, MemberFunctionsKeepThisAndTheirStackArguments) {
    alignas(4) unsigned char object[16];
    std::memset(object, 0xAB, sizeof object);
    void* constructed = kz::host<Slot::DialogBaseConstruct>()(object);
    EXPECT_EQ(constructed, object) << "`this` travelled through the lazy entry";
    std::uint32_t serial;
    std::memcpy(&serial, object + 4, sizeof serial);
    EXPECT_NE(serial, 0xABABABABu) << "the host wrote its base part";

    // Entry 11 of the dialog base: a thiscall with two stack arguments that
    // the callee removes; it answers 1.
    using MayClose = int(KZ_THISCALL*)(void*, int, int);
    const auto mayClose = reinterpret_cast<MayClose>(slot(Slot::DialogBaseMayClose));
    volatile int guard = 0x5EED;
    EXPECT_EQ(mayClose(object, 20481, 1), 1);
    EXPECT_EQ(mayClose(object, 20481, 1), 1);
    EXPECT_EQ(guard, 0x5EED);
    EXPECT_EQ(slot(Slot::DialogBaseMayClose), hostAddress(Slot::DialogBaseMayClose));

    kz::host<Slot::DialogBaseDestroy>()(object);
    EXPECT_EQ(slot(Slot::DialogBaseDestroy), hostAddress(Slot::DialogBaseDestroy));
}

TEST_F(LazyBinding, MissingFunctionIsRecordedAndAnswersNothing) {
    // Ordinal 40008 exists in this host; ask the binder for one that does not.
    void* stray = reinterpret_cast<void*>(1);
    const auto before = kz::missingFunctions().count;
    EXPECT_EQ(kz::bindHostFunction(12345, &stray), nullptr);
    EXPECT_EQ(stray, nullptr) << "null is stored in the slot too";
    EXPECT_EQ(kz::missingFunctions().count, before + 1);
    EXPECT_EQ(kz::missingFunctions().ordinals[before], 12345);
}

int g_commandsAdded;
int KZ_CDECL addCommand(const kz::MenuCommandDescriptor*) { return ++g_commandsAdded; }

// A host that ignored the refused attach still activates: the command, which
// would reach the gap, is not offered.
TEST_F(LazyBinding, ActivationWithAFunctionMissingOffersNoCommand) {
    void* stray;
    kz::bindHostFunction(12345, &stray);
    void*& menuAdd = kz_hostSlots[static_cast<unsigned>(Slot::MenuAddCommand)];
    void* const kept = menuAdd;
    menuAdd = reinterpret_cast<void*>(&addCommand);
    EXPECT_EQ(kz_activate(0), 0);
    EXPECT_EQ(g_commandsAdded, 0);
    menuAdd = kept;
}

int KZ_CDECL notified(int, int) { return 0; }

// The host's description buffer may hold anything: exactly its 76 bytes are
// written, the NUL last, and nothing after them.
TEST_F(LazyBinding, AttachWritesTheDescriptionIntoItsBufferAndNoFurther) {
    char buffer[80];
    std::memset(buffer, 0x55, sizeof buffer);
    const kz::NotificationFunction kept = kz::pluginState().notification;
    kz_attach(&notified, buffer);
    kz::pluginState().notification = kept;
    EXPECT_EQ(std::string(buffer, 75),
              "Miesi\x86"
              "ce->Export-import danych->Export do innych program\xA2w:\n\x02Kalvet zakupy\x01");
    EXPECT_EQ(buffer[75], '\0');
    for (int i = 76; i < 80; ++i) EXPECT_EQ(buffer[i], 0x55) << "byte " << i;
}

}  // namespace
