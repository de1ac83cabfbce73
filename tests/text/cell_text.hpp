// Rows of cells as text the tests can compare with snapshots: the visible
// characters, and one letter per cell for its attribute.
#pragma once

#include <string>
#include <vector>

#include "host/text/cell.hpp"
#include "host/text/markup.hpp"

namespace hadrek::text::testing {

// '.' normal, 'E' emphasis, 'K' key name, 'H' hot key.
inline std::string attrText(const CellRow& row) {
    std::string out;
    for (const Cell& cell : row) {
        switch (cell.attr) {
        case Attr::Normal: out += '.'; break;
        case Attr::Emphasis: out += 'E'; break;
        case Attr::KeyName: out += 'K'; break;
        case Attr::HotKey: out += 'H'; break;
        }
    }
    return out;
}

// One line per row, each ended by '\n'.
inline std::string screenText(const std::vector<CellRow>& rows) {
    std::string out;
    for (const CellRow& row : rows) out += visibleText(row) + "\n";
    return out;
}

// Where the emitted text lives in a line, in cells (not UTF-8 bytes).
inline int columnOf(const CellRow& row, const std::u32string& needle) {
    std::u32string line;
    for (const Cell& cell : row) line += cell.ch;
    const auto at = line.find(needle);
    return at == std::u32string::npos ? -1 : static_cast<int>(at);
}

}  // namespace hadrek::text::testing
