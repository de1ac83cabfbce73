// Keys as the host's dialogs receive them: 16-bit keyboard codes with the
// scan code in the high byte and the character in the low byte, plus typed
// text. Key scripts name keys the way the host's manual would.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "plugin/interface/dialog_ids.hpp"

namespace hadrek::screen {

struct Key {
    std::uint16_t code = 0;
    std::string text;  // typed text in Mazovia bytes; code is then 0
    bool operator==(const Key&) const = default;
};

namespace key {

// The codes a plug-in binds come from its table of ids, so both sides agree.
inline constexpr std::uint16_t F1 = 0x3B00;
inline constexpr std::uint16_t F2 = kz::kKlawiszF2;
inline constexpr std::uint16_t F3 = kz::kKlawiszF3;
inline constexpr std::uint16_t F4 = kz::kKlawiszF4;
inline constexpr std::uint16_t F5 = kz::kKlawiszF5;
inline constexpr std::uint16_t F6 = kz::kKlawiszF6;
inline constexpr std::uint16_t F7 = kz::kKlawiszF7;
inline constexpr std::uint16_t F8 = 0x4200;
inline constexpr std::uint16_t F9 = 0x4300;
inline constexpr std::uint16_t F10 = 0x4400;
inline constexpr std::uint16_t F11 = 0x8500;
inline constexpr std::uint16_t F12 = kz::kKlawiszF12;
inline constexpr std::uint16_t Esc = 0x011B;
inline constexpr std::uint16_t Enter = 0x1C0D;
inline constexpr std::uint16_t Tab = 0x0F09;
inline constexpr std::uint16_t ShiftTab = 0x0F00;
inline constexpr std::uint16_t Up = 0x4800;
inline constexpr std::uint16_t Down = 0x5000;
inline constexpr std::uint16_t Left = 0x4B00;
inline constexpr std::uint16_t Right = 0x4D00;
inline constexpr std::uint16_t PgUp = 0x4900;
inline constexpr std::uint16_t PgDn = 0x5100;
inline constexpr std::uint16_t Home = 0x4700;
inline constexpr std::uint16_t End = 0x4F00;
inline constexpr std::uint16_t Backspace = 0x0E08;
inline constexpr std::uint16_t Del = 0x5300;
inline constexpr std::uint16_t Ins = kz::kKlawiszIns;
inline constexpr std::uint16_t CtrlIns = kz::kKlawiszCtrlIns;
inline constexpr std::uint16_t Space = 0x3920;

// Scan code of a letter on the PC keyboard, 0 for anything but A-Z/a-z.
std::uint8_t letterScanCode(char letter);

// Alt with a letter: the letter's scan code and no character; 0 for a
// character that is not a letter.
std::uint16_t alt(char letter);

}  // namespace key

struct ScriptError {
    std::string token;  // the offending token as written
    int line = 0;       // 1-based line of the script it stands on
};

// Tokens (names case-insensitive): F1-F12, Esc, Enter, Tab, Shift-Tab, Up,
// Down, Left, Right, PgUp, PgDn, Home, End, Backspace, Del, Ins, Ctrl-Ins,
// Space, Alt-<letter>, and "text" in UTF-8 on one line, which becomes one
// text key; inside it \" is a quote, \\ a backslash, and any other
// backslash stands for itself, so paths read naturally. Blanks, line breaks
// and commas separate tokens; # comments to the end of the line. An empty
// text, a control character in it, or a letter outside the Mazovia code
// page is an error: the host's keyboard could never have typed it.
std::variant<std::vector<Key>, ScriptError> parseKeyScript(std::string_view script);

// The script name of a key code ("F12", "Ctrl-Ins", "Alt-X"); a bare
// character code as 'B'; anything else in hexadecimal, 0x1234.
std::string keyName(std::uint16_t code);

}  // namespace hadrek::screen
