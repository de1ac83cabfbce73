#include "host/text/list_columns.hpp"

#include <algorithm>
#include <cstddef>
#include <utility>

#include "host/text/markup.hpp"
#include "host/text/mazovia.hpp"

namespace hadrek::text {
namespace {

constexpr char kFieldSeparator = 0x0D;
constexpr int kRestOfList = -1;
// Keeps the sums of widths and gaps far from overflow.
constexpr std::size_t kMaxColumns = 256;

bool isDigit(char c) { return c >= '0' && c <= '9'; }

struct Declared {
    char letter;
    int width;
    std::string title;
};

std::vector<Declared> readDeclarations(std::string_view header) {
    std::vector<Declared> declared;
    std::size_t pos = 0;
    while (pos < header.size() && declared.size() < kMaxColumns) {
        const char letter = header[pos];
        if (letter != 'z' && letter != 'l' && letter != 'p') break;
        ++pos;
        const bool minus = pos < header.size() && header[pos] == '-';
        if (minus) ++pos;
        if (pos >= header.size() || !isDigit(header[pos])) break;
        int width = 0;
        while (pos < header.size() && isDigit(header[pos])) {
            width = std::min(width * 10 + (header[pos] - '0'), kMaxLineWidth);
            ++pos;
        }
        if (minus) {
            if (width != 1) break;
            width = kRestOfList;
        }
        std::string title;
        if (letter != 'z') {
            const std::size_t end = std::min(header.find(kFieldSeparator, pos), header.size());
            title.assign(header.substr(pos, end - pos));
            pos = end;
        }
        if (pos < header.size() && header[pos] == kFieldSeparator) ++pos;
        declared.push_back({letter, width, std::move(title)});
    }
    return declared;
}

void place(CellRow& row, std::string_view text, const Column& column) {
    const int listWidth = static_cast<int>(row.size());
    const int length = static_cast<int>(std::min<std::size_t>(text.size(), static_cast<std::size_t>(column.width)));
    int start = column.x;
    if (column.mark) {
        start += (column.width - length) / 2;
    } else if (column.rightAligned) {
        start += column.width - length;
    }
    for (int i = 0; i < length && start + i < listWidth; ++i) {
        row[static_cast<std::size_t>(start + i)].ch =
            displayChar(static_cast<unsigned char>(text[static_cast<std::size_t>(i)]));
    }
}

CellRow blankRow(int listWidth) { return CellRow(static_cast<std::size_t>(std::max(listWidth, 0))); }

}  // namespace

std::vector<Column> parseColumns(std::string_view headerLine, int listWidth) {
    const std::vector<Declared> declared = readDeclarations(untilNul(headerLine));
    if (declared.empty()) return {};

    int fixed = kColumnGap * static_cast<int>(declared.size() - 1);
    int flexible = 0;
    for (const Declared& d : declared) {
        if (d.width == kRestOfList) {
            ++flexible;
        } else {
            fixed += d.width;
        }
    }
    const int rest = std::max(listWidth - fixed, 0);

    std::vector<Column> columns;
    int x = 0;
    int flexibleSeen = 0;
    for (const Declared& d : declared) {
        int width = d.width;
        if (width == kRestOfList) {
            width = rest / flexible + (flexibleSeen < rest % flexible ? 1 : 0);
            width = std::max(width, 1);
            ++flexibleSeen;
        }
        columns.push_back({x, width, d.letter == 'p', d.letter == 'z', d.title});
        x += width + kColumnGap;
    }
    return columns;
}

CellRow renderHeader(const std::vector<Column>& columns, int listWidth) {
    CellRow row = blankRow(listWidth);
    for (const Column& column : columns) place(row, column.title, column);
    return row;
}

CellRow renderRow(std::string_view rowText, const std::vector<Column>& columns, int listWidth) {
    CellRow row = blankRow(listWidth);
    const std::string_view text = untilNul(rowText);
    std::size_t start = 0;
    for (const Column& column : columns) {
        if (start > text.size()) break;
        std::size_t end = text.find(kFieldSeparator, start);
        if (end == std::string_view::npos) end = text.size();
        place(row, text.substr(start, end - start), column);
        start = end + 1;
    }
    return row;
}

}  // namespace hadrek::text
