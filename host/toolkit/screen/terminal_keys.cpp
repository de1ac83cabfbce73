#include "host/toolkit/screen/terminal_keys.hpp"

#include <curses.h>

#include <string>

#include "host/text/mazovia.hpp"

namespace hadrek::screen {

namespace {

std::optional<Key> translateFunctionKey(std::uint32_t value, int ctrlInsKeyCode) {
    constexpr std::uint16_t kFunctionKeys[] = {key::F1, key::F2, key::F3, key::F4,  key::F5,  key::F6,
                                               key::F7, key::F8, key::F9, key::F10, key::F11, key::F12};
    const int code = static_cast<int>(value);
    if (code >= KEY_F(1) && code <= KEY_F(12)) {
        return Key{kFunctionKeys[code - KEY_F(1)], {}};
    }
    if (ctrlInsKeyCode != 0 && code == ctrlInsKeyCode) {
        return Key{key::CtrlIns, {}};
    }
    switch (code) {
    case KEY_UP: return Key{key::Up, {}};
    case KEY_DOWN: return Key{key::Down, {}};
    case KEY_LEFT: return Key{key::Left, {}};
    case KEY_RIGHT: return Key{key::Right, {}};
    case KEY_PPAGE: return Key{key::PgUp, {}};
    case KEY_NPAGE: return Key{key::PgDn, {}};
    case KEY_HOME: return Key{key::Home, {}};
    case KEY_END: return Key{key::End, {}};
    case KEY_IC: return Key{key::Ins, {}};
    case KEY_DC: return Key{key::Del, {}};
    case KEY_BACKSPACE: return Key{key::Backspace, {}};
    case KEY_ENTER: return Key{key::Enter, {}};
    case KEY_BTAB: return Key{key::ShiftTab, {}};
    default: return std::nullopt;
    }
}

std::optional<Key> translateCharacter(std::uint32_t value) {
    switch (value) {
    case '\n':
    case '\r': return Key{key::Enter, {}};
    case '\t': return Key{key::Tab, {}};
    case 0x1B: return Key{key::Esc, {}};
    case 0x08:
    case 0x7F: return Key{key::Backspace, {}};
    case kCtrlInsStandIn: return Key{key::CtrlIns, {}};
    case ' ': return Key{key::Space, {}};
    default: break;
    }
    if (value < 0x20) {
        return std::nullopt;
    }
    std::string utf8;
    text::appendUtf8(utf8, static_cast<char32_t>(value));
    std::string mazovia = text::fromUtf8(utf8);
    // A letter the code page lacks comes back as '?': the host could not
    // have received it from its own keyboard either.
    if (mazovia.size() != 1 || (mazovia == "?" && value != '?')) {
        return std::nullopt;
    }
    return Key{0, std::move(mazovia)};
}

}  // namespace

std::optional<Key> translateTerminalInput(TerminalInput input, int ctrlInsKeyCode) {
    return input.functionKey ? translateFunctionKey(input.value, ctrlInsKeyCode) : translateCharacter(input.value);
}

std::optional<Key> altKeyAfterEscape(std::uint32_t character) {
    if (character > 0x7F) {
        return std::nullopt;
    }
    if (const std::uint16_t code = key::alt(static_cast<char>(character))) {
        return Key{code, {}};
    }
    return std::nullopt;
}

}  // namespace hadrek::screen
