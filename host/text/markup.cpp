#include "host/text/markup.hpp"

#include <algorithm>
#include <cstddef>

#include "host/text/mazovia.hpp"

namespace hadrek::text {
namespace {

constexpr char kLineFeed = 0x0A;
constexpr char kTab = 0x09;
constexpr char kClose = 0x01;
constexpr char kEmphasis = 0x02;
constexpr char kKeyName = 0x05;
constexpr char kDirective = 't';
constexpr char kTilde = '~';

struct TabStop {
    int column;
    bool right;
};

bool isDigit(char c) { return c >= '0' && c <= '9'; }

bool isHotKeyMark(std::string_view text, std::size_t pos) {
    if (text[pos] != kTilde || text.size() - pos < 3 || text[pos + 2] != kTilde) return false;
    const auto letter = static_cast<unsigned char>(text[pos + 1]);
    return letter > 0x20 && letter != 0x7F && letter != kTilde;
}

// Letters other than l and p, and a letter without digits, are skipped:
// a damaged directive loses stops instead of the line.
std::vector<TabStop> parseStops(std::string_view directive) {
    std::vector<TabStop> stops;
    std::size_t pos = 0;
    while (pos < directive.size()) {
        const char letter = directive[pos++];
        if ((letter != 'l' && letter != 'p') || pos >= directive.size() || !isDigit(directive[pos])) continue;
        int column = 0;
        while (pos < directive.size() && isDigit(directive[pos])) {
            column = std::min(column * 10 + (directive[pos] - '0'), kMaxLineWidth);
            ++pos;
        }
        stops.push_back({column, letter == 'p'});
    }
    return stops;
}

struct Line {
    std::string_view body;
    std::vector<TabStop> stops;
};

// A directive without its closing 0x01 swallows the rest of the line.
Line splitDirective(std::string_view line) {
    if (line.size() < 2 || line[0] != kClose || line[1] != kDirective) return {line, {}};
    const std::size_t close = line.find(kClose, 2);
    if (close == std::string_view::npos) return {{}, parseStops(line.substr(2))};
    return {line.substr(close + 1), parseStops(line.substr(2, close - 2))};
}

// The cells a stretch of the body takes, from `pos` up to its next tab.
std::size_t segmentWidth(std::string_view body, std::size_t pos) {
    std::size_t width = 0;
    while (pos < body.size() && body[pos] != kTab) {
        const char byte = body[pos];
        if (isHotKeyMark(body, pos)) {
            ++width;
            pos += 3;
            continue;
        }
        if (byte != kEmphasis && byte != kKeyName && byte != kClose) ++width;
        ++pos;
    }
    return width;
}

// A tab moves on to its stop (a right stop ends the stretch after the tab
// there), but never back: past its stop, or without one, it leaves one cell.
void moveToStop(CellRow& row, const std::vector<TabStop>& stops, std::size_t tab, std::size_t nextWidth) {
    const auto cursor = static_cast<std::ptrdiff_t>(row.size());
    std::ptrdiff_t target = -1;
    if (tab < stops.size()) {
        const TabStop& stop = stops[tab];
        target = stop.right ? stop.column - static_cast<std::ptrdiff_t>(nextWidth) : stop.column;
    }
    row.resize(static_cast<std::size_t>(target >= cursor ? target : cursor + 1));
}

// Drawn straight into one row, the stretch after a tab measured first:
// lines are rendered on every redraw, so no stretch gets a row of its own.
CellRow renderLine(std::string_view line) {
    const Line parts = splitDirective(line);
    const std::string_view body = parts.body;
    CellRow row;
    row.reserve(body.size());
    Attr attr = Attr::Normal;
    std::size_t tabs = 0;
    std::size_t pos = 0;
    while (pos < body.size()) {
        const char byte = body[pos];
        if (byte == kTab) {
            moveToStop(row, parts.stops, tabs++, segmentWidth(body, pos + 1));
        } else if (byte == kEmphasis) {
            attr = Attr::Emphasis;
        } else if (byte == kKeyName) {
            attr = Attr::KeyName;
        } else if (byte == kClose) {
            attr = Attr::Normal;
        } else if (isHotKeyMark(body, pos)) {
            row.push_back({decode(static_cast<unsigned char>(body[pos + 1])), Attr::HotKey});
            pos += 3;
            continue;
        } else {
            row.push_back({displayChar(static_cast<unsigned char>(byte)), attr});
        }
        ++pos;
    }
    return row;
}

}  // namespace

std::vector<CellRow> renderText(std::string_view mazovia) {
    const std::string_view text = untilNul(mazovia);
    std::vector<CellRow> rows;
    rows.reserve(static_cast<std::size_t>(std::count(text.begin(), text.end(), kLineFeed)) + 1);
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find(kLineFeed, start);
        if (end == std::string_view::npos) end = text.size();
        rows.push_back(renderLine(text.substr(start, end - start)));
        start = end + 1;
    }
    return rows;
}

std::string visibleText(const CellRow& row) {
    std::string out;
    out.reserve(row.size());
    for (const Cell& cell : row) appendUtf8(out, cell.ch);
    return out;
}

std::vector<std::string> visibleLines(std::string_view mazovia) {
    std::vector<std::string> lines;
    for (const CellRow& row : renderText(mazovia)) lines.push_back(visibleText(row));
    return lines;
}

std::uint16_t hotKeyOf(std::string_view mazovia) {
    const std::string_view text = untilNul(mazovia);
    for (std::size_t pos = 0; pos < text.size(); ++pos) {
        if (!isHotKeyMark(text, pos)) continue;
        const char letter = text[pos + 1];
        if (letter >= 'a' && letter <= 'z') return static_cast<std::uint16_t>(letter - 'a' + 'A');
        return static_cast<unsigned char>(letter);
    }
    return 0;
}

}  // namespace hadrek::text
