// The host's background screen, seen around and behind every dialog: the
// menu bar, the path of the menu command that is running, and key hints.
#pragma once

#include <string>
#include <vector>

#include "host/toolkit/screen/screen.hpp"

namespace hadrek::screen {

struct KeyHint {
    std::u32string key;
    std::u32string action;
};

struct Desktop {
    // A tilde before a letter marks it as the title's hot key.
    std::vector<std::u32string> menuTitles;
    std::size_t openMenu = 0;  // the title whose menu the path runs through
    std::vector<std::u32string> menuPath;
    std::vector<KeyHint> keyHints;

    // The host as it stands while the plug-in's export command runs.
    static const Desktop& standard();
};

// Row 0 menu bar, row 1 menu path, the last row key hints, a shaded
// background between them.
void drawDesktop(Screen& screen, const Desktop& desktop = Desktop::standard());

// A box of the given size in the middle of the screen; an odd margin puts
// the extra cell below and to the right, and a box larger than the screen
// starts at its edge.
Rect centred(const Screen& screen, int width, int height);

}  // namespace hadrek::screen
