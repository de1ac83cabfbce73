// Screens as the text a test compares: one line per row, each ended by a
// line feed, so a mismatch prints as a readable diff.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "host/text/cell.hpp"
#include "tests/support/test_text.hpp"

namespace hadrek::screen::testing {

using kz::test::joined;

inline CellRow cells(std::u32string_view text, Attr attr = Attr::Normal) {
    CellRow row;
    for (char32_t ch : text) {
        row.push_back({ch, attr});
    }
    return row;
}

}  // namespace hadrek::screen::testing
