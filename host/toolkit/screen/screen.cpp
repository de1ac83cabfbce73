#include "host/toolkit/screen/screen.hpp"

#include <algorithm>

#include "host/text/mazovia.hpp"

namespace hadrek::screen {

namespace {

struct BoxCharacters {
    char32_t topLeft, topRight, bottomLeft, bottomRight, horizontal, vertical;
};

constexpr BoxCharacters kSingleBox{U'┌', U'┐', U'└', U'┘', U'─', U'│'};
constexpr BoxCharacters kDoubleBox{U'╔', U'╗', U'╚', U'╝', U'═', U'║'};

// A control byte that reaches the grid is mark-up nobody interpreted;
// showing it as U+FFFD makes that visible instead of upsetting a terminal.
char32_t printable(char32_t ch) {
    const bool control = ch < 0x20 || ch == 0x7F || (ch >= 0x80 && ch < 0xA0);
    const bool invalid = (ch >= 0xD800 && ch <= 0xDFFF) || ch > 0x10FFFF;
    return control || invalid ? U'\uFFFD' : ch;
}

char attributeLetter(Attr attr) {
    switch (attr) {
    case Attr::Emphasis: return 'e';
    case Attr::KeyName: return 'k';
    case Attr::HotKey: return 'h';
    case Attr::Normal: break;
    }
    return ' ';
}

template <typename Line>
void trimTrailingBlanks(Line& line) {
    const auto last = line.find_last_not_of(' ');
    line.erase(last == Line::npos ? 0 : last + 1);
}

}  // namespace

Screen::Screen(int width, int height)
    : width_(std::max(width, 0)),
      height_(std::max(height, 0)),
      cells_(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_)),
      overlays_(cells_.size(), Overlay::None) {}

void Screen::clear() {
    std::fill(cells_.begin(), cells_.end(), Cell{});
    std::fill(overlays_.begin(), overlays_.end(), Overlay::None);
    cursor_ = {};
}

bool Screen::inside(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }

std::size_t Screen::index(int x, int y) const {
    return static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) + static_cast<std::size_t>(x);
}

Cell Screen::at(int x, int y) const { return inside(x, y) ? cells_[index(x, y)] : Cell{}; }

Overlay Screen::overlayAt(int x, int y) const { return inside(x, y) ? overlays_[index(x, y)] : Overlay::None; }

void Screen::write(int x, int y, Cell cell) {
    if (!inside(x, y)) {
        return;
    }
    cell.ch = printable(cell.ch);
    cells_[index(x, y)] = cell;
    overlays_[index(x, y)] = Overlay::None;
}

void Screen::put(int x, int y, const CellRow& row) {
    for (std::size_t i = 0; i < row.size(); ++i) {
        write(x + static_cast<int>(i), y, row[i]);
    }
}

void Screen::putText(int x, int y, std::u32string_view text, Attr attr) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        write(x + static_cast<int>(i), y, Cell{text[i], attr});
    }
}

void Screen::fill(const Rect& area, Cell cell) {
    for (int y = area.y; y < area.bottom(); ++y) {
        for (int x = area.x; x < area.right(); ++x) {
            write(x, y, cell);
        }
    }
}

void Screen::frame(const Rect& box, const CellRow& caption, FrameStyle style) {
    if (box.width < 2 || box.height < 2) {
        return;
    }
    const BoxCharacters& c = style == FrameStyle::Double ? kDoubleBox : kSingleBox;
    const int lastX = box.right() - 1;
    const int lastY = box.bottom() - 1;
    for (int x = box.x + 1; x < lastX; ++x) {
        write(x, box.y, {c.horizontal});
        write(x, lastY, {c.horizontal});
    }
    for (int y = box.y + 1; y < lastY; ++y) {
        write(box.x, y, {c.vertical});
        write(lastX, y, {c.vertical});
    }
    write(box.x, box.y, {c.topLeft});
    write(lastX, box.y, {c.topRight});
    write(box.x, lastY, {c.bottomLeft});
    write(lastX, lastY, {c.bottomRight});

    const int inner = box.width - 2;
    const int shown = std::min(static_cast<int>(caption.size()), inner - 2);
    if (shown <= 0) {
        return;
    }
    const int start = box.x + 1 + (inner - (shown + 2)) / 2;
    write(start, box.y, {U' '});
    put(start + 1, box.y, CellRow(caption.begin(), caption.begin() + shown));
    write(start + 1 + shown, box.y, {U' '});
}

void Screen::shadow(const Rect& box) {
    if (box.width <= 0 || box.height <= 0) {
        return;
    }
    auto shade = [this](int x, int y) {
        if (inside(x, y)) {
            overlays_[index(x, y)] = Overlay::Shadow;
        }
    };
    for (int y = box.y + 1; y < box.bottom(); ++y) {
        shade(box.right(), y);
        shade(box.right() + 1, y);
    }
    for (int x = box.x + 2; x < box.right() + 2; ++x) {
        shade(x, box.bottom());
    }
}

void Screen::markFocus(const Rect& area) {
    for (int y = area.y; y < area.bottom(); ++y) {
        for (int x = area.x; x < area.right(); ++x) {
            if (inside(x, y)) {
                overlays_[index(x, y)] = Overlay::Focus;
            }
        }
    }
}

std::vector<std::string> Screen::snapshot() const {
    std::vector<std::string> lines;
    lines.reserve(static_cast<std::size_t>(height_));
    for (int y = 0; y < height_; ++y) {
        std::u32string row;
        for (int x = 0; x < width_; ++x) {
            row += cells_[index(x, y)].ch;
        }
        trimTrailingBlanks(row);
        std::string line;
        for (char32_t ch : row) {
            text::appendUtf8(line, ch);
        }
        lines.push_back(std::move(line));
    }
    return lines;
}

std::vector<std::string> Screen::attributeSnapshot() const {
    std::vector<std::string> lines;
    lines.reserve(static_cast<std::size_t>(height_));
    for (int y = 0; y < height_; ++y) {
        std::string line;
        for (int x = 0; x < width_; ++x) {
            const char letter = attributeLetter(cells_[index(x, y)].attr);
            switch (overlays_[index(x, y)]) {
            case Overlay::Focus: line += letter == ' ' ? 'c' : static_cast<char>(letter - 'a' + 'A'); break;
            case Overlay::Shadow: line += 's'; break;
            case Overlay::None: line += letter; break;
            }
        }
        trimTrailingBlanks(line);
        lines.push_back(std::move(line));
    }
    return lines;
}

}  // namespace hadrek::screen
