#include <gtest/gtest.h>

#include "host/toolkit/screen/front_end.hpp"
#include "host/toolkit/screen/front_end_factory.hpp"
#include "host/toolkit/screen/terminal_front_end.hpp"

namespace hadrek::screen {
namespace {

TEST(TerminalSize, TooSmallTerminalsAreRefusedWithTheirSize) {
    const struct {
        int width, height;
        std::optional<std::string> message;
    } cases[] = {
        {120, 25, std::nullopt},
        {200, 60, std::nullopt},
        {119, 25, "terminal is 119x25; the host screen needs at least 120x25"},
        {120, 24, "terminal is 120x24; the host screen needs at least 120x25"},
        {80, 24, "terminal is 80x24; the host screen needs at least 120x25"},
        {0, 0, "terminal is 0x0; the host screen needs at least 120x25"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.width) + "x" + std::to_string(c.height));
        EXPECT_EQ(TerminalFrontEnd::checkSize(c.width, c.height), c.message);
    }
}

// A dialog loop reads until it gets nothing; a spent script must keep
// answering nothing rather than repeat or block.
TEST(ScriptedFrontEnd, PlaysTheScriptThenStaysSpent) {
    const std::vector<Key> script{{key::F2, {}}, {0, "abc"}, {key::F12, {}}};
    std::vector<std::string> presented;
    FrontEndOptions options;
    options.keys = script;
    options.scripted = true;
    options.onPresent = [&](const Screen& screen) { presented.push_back(screen.snapshot()[0]); };
    const std::unique_ptr<FrontEnd> frontEnd = makeFrontEnd(options);
    ASSERT_NE(frontEnd, nullptr);
    EXPECT_FALSE(frontEnd->interactive());

    Screen screen(10, 2);
    for (const Key& expected : script) {
        screen.clear();
        const std::string name = keyName(expected.code);
        screen.putText(0, 0, std::u32string(name.begin(), name.end()));
        frontEnd->present(screen);
        EXPECT_EQ(frontEnd->nextKey(), expected);
    }
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(frontEnd->nextKey(), std::nullopt);
    }
    EXPECT_EQ(presented, (std::vector<std::string>{"F2", "0x0000", "F12"}));
}

TEST(ScriptedFrontEnd, WithoutKeysOrHookNothingHappens) {
    ScriptedFrontEnd frontEnd(std::unique_ptr<KeySource>{});
    frontEnd.present(Screen{});
    EXPECT_EQ(frontEnd.nextKey(), std::nullopt);
}

}  // namespace
}  // namespace hadrek::screen
