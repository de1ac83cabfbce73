#include "host/toolkit/screen/desktop.hpp"

#include <algorithm>

#include "host/text/host_texts.hpp"

namespace hadrek::screen {

namespace {

constexpr char32_t kBackground = U'░';
constexpr std::u32string_view kPathSeparator = U" → ";
constexpr int kMenuBarRow = 0;
constexpr int kMenuPathRow = 1;

// Draws a title with its tilde-marked letter as a hot key; answers the
// number of cells drawn.
int putTitle(Screen& screen, int x, int y, std::u32string_view title) {
    int drawn = 0;
    for (std::size_t i = 0; i < title.size(); ++i) {
        if (title[i] == U'~' && i + 1 < title.size()) {
            screen.putText(x + drawn++, y, title.substr(i + 1, 1), Attr::HotKey);
            ++i;
            continue;
        }
        screen.putText(x + drawn++, y, title.substr(i, 1));
    }
    return drawn;
}

}  // namespace

const Desktop& Desktop::standard() {
    static const Desktop kStandard = [] {
        Desktop desktop;
        for (const std::u32string_view title : texts::kMenuTitles) desktop.menuTitles.emplace_back(title);
        desktop.openMenu = texts::kOpenMenu;
        for (const std::u32string_view step : texts::kMenuPath) desktop.menuPath.emplace_back(step);
        for (const auto& hint : texts::kKeyHints)
            desktop.keyHints.push_back({std::u32string(hint[0]), std::u32string(hint[1])});
        return desktop;
    }();
    return kStandard;
}

void drawDesktop(Screen& screen, const Desktop& desktop) {
    screen.clear();
    const int lastRow = screen.height() - 1;
    screen.fill({0, kMenuPathRow + 1, screen.width(), lastRow - kMenuPathRow - 1}, Cell{kBackground});

    // Each title sits between two blanks so the bar of the open menu
    // covers more than the bare word.
    int x = 0;
    for (std::size_t i = 0; i < desktop.menuTitles.size(); ++i) {
        const int width = putTitle(screen, x + 1, kMenuBarRow, desktop.menuTitles[i]) + 2;
        if (i == desktop.openMenu) {
            screen.markFocus({x, kMenuBarRow, width, 1});
        }
        x += width;
    }

    std::u32string path;
    for (std::size_t i = 0; i < desktop.menuPath.size(); ++i) {
        path += i == 0 ? std::u32string_view(U" ") : kPathSeparator;
        path += desktop.menuPath[i];
    }
    screen.putText(0, kMenuPathRow, path);

    int hintX = 1;
    for (const KeyHint& hint : desktop.keyHints) {
        screen.putText(hintX, lastRow, hint.key, Attr::KeyName);
        hintX += static_cast<int>(hint.key.size()) + 1;
        screen.putText(hintX, lastRow, hint.action);
        hintX += static_cast<int>(hint.action.size()) + 3;
    }
}

Rect centred(const Screen& screen, int width, int height) {
    return Rect{std::max((screen.width() - width) / 2, 0), std::max((screen.height() - height) / 2, 0), width, height};
}

}  // namespace hadrek::screen
