#include <gtest/gtest.h>

#include "host/toolkit/screen/desktop.hpp"
#include "screen_snapshots.hpp"
#include "screen_text.hpp"

namespace hadrek::screen {
namespace {

using testing::cells;
using testing::joined;

// The options dialog is the one box that leaves the host's own screen in
// sight around it; the selection dialog covers it whole.
TEST(Desktop, OptionsDialogOverTheHostScreen) {
    Screen screen;
    drawDesktop(screen);
    const Rect box = centred(screen, 73, 16);
    screen.fill(box, Cell{});
    screen.frame(box, cells(U"Podaj dane wejściowe"), FrameStyle::Double);
    screen.shadow(box);

    EXPECT_EQ(joined(screen.snapshot()), snapshots::options_dialog_over_desktop);
    EXPECT_EQ(joined(screen.attributeSnapshot()), snapshots::options_dialog_over_desktop_attributes);
}

TEST(Desktop, FullScreenDialogHidesEverything) {
    Screen screen;
    drawDesktop(screen);
    const Rect box = centred(screen, 120, 25);
    screen.fill(box, Cell{});
    screen.frame(box, cells(U"Wybierz zamówienie"), FrameStyle::Double);
    screen.shadow(box);

    const std::vector<std::string> lines = screen.snapshot();
    ASSERT_EQ(lines.size(), 25u);
    EXPECT_EQ(lines.front().substr(0, 3), "╔");
    EXPECT_NE(lines.front().find(" Wybierz zamówienie "), std::string::npos);
    for (int y = 1; y < 24; ++y) {
        SCOPED_TRACE(y);
        EXPECT_EQ(lines[static_cast<std::size_t>(y)], "║" + std::string(118, ' ') + "║");
    }
    EXPECT_EQ(joined(screen.attributeSnapshot()), std::string(25, '\n'));
}

}  // namespace
}  // namespace hadrek::screen
