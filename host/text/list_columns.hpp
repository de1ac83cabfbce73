// The columns of a list, as its column header line declares them, and
// the header and rows drawn in them.
//
// Layout rules the renderer settles:
// - Columns stand from the list's left edge, one blank apart.
// - Fixed widths are kept as declared; the -1 columns share what the
//   fixed ones and the gaps leave (the first ones get the odd cells), at
//   least 1 cell each. Columns that then run past the list are cut at its
//   right edge.
// - A title or field longer than its column keeps its beginning.
// - The mark column shows its field centred.
// - Row fields are plain code-page characters split at 0x0D: no mark-up.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "host/text/cell.hpp"

namespace hadrek::text {

struct Column {
    int x;  // from the list's left edge
    int width;
    bool rightAligned;
    bool mark;
    std::string title;  // Mazovia
};

inline constexpr int kColumnGap = 1;

// Reads "z<w>", "l<w><title>" and "p<w><title>" declarations, a title
// ending at 0x0D or the end; widths are decimal, -1 for the rest. A
// damaged declaration ends the list of columns: what came before it is
// kept.
std::vector<Column> parseColumns(std::string_view headerLine, int listWidth);

// Both answer exactly max(listWidth, 0) cells.
CellRow renderHeader(const std::vector<Column>& columns, int listWidth);
CellRow renderRow(std::string_view rowText, const std::vector<Column>& columns, int listWidth);

}  // namespace hadrek::text
