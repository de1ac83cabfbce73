// Curses input turned into host keys. Kept apart from the terminal so the
// mapping can be checked without one.
#pragma once

#include <cstdint>
#include <optional>

#include "host/toolkit/screen/keys.hpp"

namespace hadrek::screen {

// One read of curses' wide-character input: a function key code (status
// KEY_CODE_YES) or a character.
struct TerminalInput {
    bool functionKey = false;
    std::uint32_t value = 0;
};

// Curses has no key code of its own for Ctrl-Ins; where the terminal
// describes one, its code is passed here, 0 otherwise. Ctrl-A always
// stands in for Ctrl-Ins as well, for terminals that cannot send it.
inline constexpr std::uint32_t kCtrlInsStandIn = 0x01;

// None for input the host has no key for (it is then ignored). Esc comes
// out plain; pairing it with a following letter into Alt is the reader's.
std::optional<Key> translateTerminalInput(TerminalInput input, int ctrlInsKeyCode);

// The Alt key for a character that followed Esc, none when it is no letter.
std::optional<Key> altKeyAfterEscape(std::uint32_t character);

}  // namespace hadrek::screen
