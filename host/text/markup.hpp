// Turns a Mazovia text with in-band mark-up into what the screen shows:
// line breaks, emphasis (0x02 ... 0x01), button key names (0x05 ... 0x01),
// per-line tab-stop directives (0x01 't' stops 0x01) and tilde-marked hot
// keys. Every function takes untrusted bytes and stops at the first NUL.
//
// Layout rules the renderer settles:
// - 0x0A ends a line: "a\n" is one line, "a\n\nb" three, "" none.
// - An emphasis left open ends with its line.
// - Columns count from 0 at the line start. A left stop n puts the next
//   character in column n; a right stop n makes the text end just before
//   column n (its last character in column n - 1), so a left and a right
//   stop with the same number meet without overlapping.
// - A tab that cannot reach its stop (the text already stands past it, or
//   the line has no stop left for it) becomes a single blank.
// - A tilde is a mark only in the pattern "~x~" with x a visible
//   character; any other tilde is shown as it is.
// - Carriage returns and the other control bytes show as blanks.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "host/text/cell.hpp"
#include "host/text/list_columns.hpp"

namespace hadrek::text {

// Tab-stop columns beyond this are taken as this, so a hostile directive
// cannot make a line of millions of cells.
inline constexpr int kMaxLineWidth = 1024;

std::vector<CellRow> renderText(std::string_view mazovia);

// The row as the user reads it, in UTF-8.
std::string visibleText(const CellRow& row);

std::vector<std::string> visibleLines(std::string_view mazovia);

// Key code of the first tilde-marked character: an ASCII letter gives its
// upper-case code ("Wy~b~ierz" gives 0x0042), any other byte its own
// value; 0 when the text marks none.
std::uint16_t hotKeyOf(std::string_view mazovia);

}  // namespace hadrek::text
