// One character cell of the host's text screen. Every text the host draws
// (boxes, labels, buttons, captions, list rows) becomes rows of cells.
#pragma once

#include <cstdint>
#include <vector>

namespace hadrek {

enum class Attr : std::uint8_t {
    Normal,
    Emphasis,  // opened by 0x02
    KeyName,   // opened by 0x05, button key names
    HotKey,    // the letter between two tildes
};

struct Cell {
    char32_t ch = U' ';
    Attr attr = Attr::Normal;
    bool operator==(const Cell&) const = default;
};

using CellRow = std::vector<Cell>;

}  // namespace hadrek
