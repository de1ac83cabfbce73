// Screens as the text a test compares: one line per row, each ended by a
// line feed, so a mismatch prints as a readable diff.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "host/text/cell.hpp"

namespace hadrek::screen::testing {

inline std::string joined(const std::vector<std::string>& lines)
{
    std::string text;
    for (const std::string& line : lines) {
        text += line;
        text += '\n';
    }
    return text;
}

inline CellRow cells(std::u32string_view text, Attr attr = Attr::Normal)
{
    CellRow row;
    for (char32_t ch : text) {
        row.push_back({ch, attr});
    }
    return row;
}

}  // namespace hadrek::screen::testing
