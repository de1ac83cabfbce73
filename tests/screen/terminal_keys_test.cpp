#include <gtest/gtest.h>

#include <curses.h>

#include "host/toolkit/screen/terminal_keys.hpp"

namespace hadrek::screen {
namespace {

constexpr int kTerminalCtrlIns = 0x250;

std::string describe(const std::optional<Key>& key) {
    if (!key) {
        return "none";
    }
    return key->text.empty() ? keyName(key->code) : "text " + key->text;
}

TEST(TerminalKeys, CursesInputBecomesHostKeys) {
    const struct {
        const char* what;
        TerminalInput input;
        int ctrlInsKeyCode;
        std::optional<Key> expected;
    } cases[] = {
        {"F1", {true, KEY_F(1)}, 0, Key{key::F1, {}}},
        {"F11", {true, KEY_F(11)}, 0, Key{key::F11, {}}},
        {"F12", {true, KEY_F(12)}, 0, Key{key::F12, {}}},
        {"shifted F1", {true, KEY_F(13)}, 0, std::nullopt},
        {"Ins", {true, KEY_IC}, 0, Key{key::Ins, {}}},
        {"Del", {true, KEY_DC}, 0, Key{key::Del, {}}},
        {"PgDn", {true, KEY_NPAGE}, 0, Key{key::PgDn, {}}},
        {"End", {true, KEY_END}, 0, Key{key::End, {}}},
        {"Shift-Tab", {true, KEY_BTAB}, 0, Key{key::ShiftTab, {}}},
        {"keypad Enter", {true, KEY_ENTER}, 0, Key{key::Enter, {}}},
        {"curses Backspace", {true, KEY_BACKSPACE}, 0, Key{key::Backspace, {}}},
        {"terminal's Ctrl-Ins", {true, kTerminalCtrlIns}, kTerminalCtrlIns, Key{key::CtrlIns, {}}},
        {"unknown function key", {true, kTerminalCtrlIns}, 0, std::nullopt},
        {"Return", {false, '\r'}, 0, Key{key::Enter, {}}},
        {"line feed", {false, '\n'}, 0, Key{key::Enter, {}}},
        {"Tab", {false, '\t'}, 0, Key{key::Tab, {}}},
        {"Esc", {false, 0x1B}, 0, Key{key::Esc, {}}},
        {"DEL as Backspace", {false, 0x7F}, 0, Key{key::Backspace, {}}},
        {"Ctrl-A for Ctrl-Ins", {false, 0x01}, kTerminalCtrlIns, Key{key::CtrlIns, {}}},
        {"Space", {false, ' '}, 0, Key{key::Space, {}}},
        {"Ctrl-C", {false, 0x03}, 0, std::nullopt},
        {"letter", {false, 'b'}, 0, Key{0, "b"}},
        {"question mark", {false, '?'}, 0, Key{0, "?"}},
        {"Polish letter", {false, U'ł'}, 0, Key{0, "\x92"}},
        {"capital Polish letter", {false, U'Ż'}, 0, Key{0, "\xA1"}},
        {"outside the code page", {false, U'€'}, 0, std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(describe(translateTerminalInput(c.input, c.ctrlInsKeyCode)), describe(c.expected));
    }
}

TEST(TerminalKeys, EscapeFollowedByALetterIsAlt) {
    const struct {
        std::uint32_t character;
        std::optional<Key> expected;
    } cases[] = {
        {'x', Key{key::alt('x'), {}}}, {'Q', Key{0x1000, {}}}, {'1', std::nullopt},
        {'[', std::nullopt},           {U'ł', std::nullopt},   {0x178, std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.character);
        EXPECT_EQ(describe(altKeyAfterEscape(c.character)), describe(c.expected));
    }
}

}  // namespace
}  // namespace hadrek::screen
