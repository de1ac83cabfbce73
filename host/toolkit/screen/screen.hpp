// The host's text screen: a grid of cells that dialogs are drawn onto and
// that a front end shows. Drawing never fails: whatever falls outside the
// grid is clipped, so callers can place boxes without checking the edges.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "host/text/cell.hpp"

namespace hadrek::screen {

struct Rect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;

    int right() const { return x + width; }    // first column past the rect
    int bottom() const { return y + height; }  // first row past the rect
    bool operator==(const Rect&) const = default;
};

enum class FrameStyle { Single, Double };

// How a cell stands out beyond its own attribute: the focus bar of the
// control the user is on, or the shadow a box casts on what lies behind it.
enum class Overlay : unsigned char { None, Focus, Shadow };

struct Cursor {
    int x = 0;
    int y = 0;
    bool visible = false;
    bool operator==(const Cursor&) const = default;
};

class Screen {
public:
    static constexpr int kMinimumWidth = 120;
    static constexpr int kMinimumHeight = 25;

    explicit Screen(int width = kMinimumWidth, int height = kMinimumHeight);

    int width() const { return width_; }
    int height() const { return height_; }

    // Blanks every cell, drops every overlay and hides the cursor.
    void clear();

    // A blank normal cell for positions outside the grid.
    Cell at(int x, int y) const;
    Overlay overlayAt(int x, int y) const;

    // Writing a cell also drops the overlay it had: what is drawn on top
    // of a shadow or an old focus bar is seen plainly. Control characters
    // are mark-up that nobody interpreted and are stored as U+FFFD.
    void put(int x, int y, const CellRow& row);
    void putText(int x, int y, std::u32string_view text, Attr attr = Attr::Normal);
    void fill(const Rect& area, Cell cell);

    // Draws the border only; the caption is centred in the top edge with a
    // blank on either side and cut short when the box is too narrow for it.
    // Boxes smaller than 2x2 have no border to draw and are left out.
    void frame(const Rect& box, const CellRow& caption, FrameStyle style = FrameStyle::Single);

    // Two columns to the right and one row below, as a box lifted off the
    // screen would throw it.
    void shadow(const Rect& box);
    void markFocus(const Rect& area);

    const Cursor& cursor() const { return cursor_; }
    void setCursor(int x, int y) { cursor_ = {x, y, true}; }
    void hideCursor() { cursor_.visible = false; }

    // One UTF-8 line per row, trailing blanks trimmed.
    std::vector<std::string> snapshot() const;

    // One letter per cell, trailing blanks trimmed: ' ' normal, 'e' emphasis,
    // 'k' key name, 'h' hot key; under the focus bar 'c' for a normal cell
    // and the upper-case letter otherwise; 's' for a shadowed cell.
    std::vector<std::string> attributeSnapshot() const;

private:
    bool inside(int x, int y) const;
    std::size_t index(int x, int y) const;
    void write(int x, int y, Cell cell);

    int width_;
    int height_;
    std::vector<Cell> cells_;
    std::vector<Overlay> overlays_;
    Cursor cursor_;
};

}  // namespace hadrek::screen
