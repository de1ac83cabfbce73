#include <gtest/gtest.h>

#include "host/toolkit/screen/desktop.hpp"
#include "host/toolkit/screen/screen.hpp"
#include "screen_text.hpp"

namespace hadrek::screen {
namespace {

using testing::cells;
using testing::joined;

TEST(Screen, FramedDialogWithCaptionEmphasisFocusAndShadow) {
    Screen screen(32, 8);
    const Rect box{2, 1, 24, 5};
    screen.fill(box, Cell{});
    screen.frame(box, cells(U"Opcje"), FrameStyle::Double);
    CellRow label = cells(U"F2", Attr::Emphasis);
    const CellRow rest = cells(U" Okres od");
    label.insert(label.end(), rest.begin(), rest.end());
    screen.put(4, 2, label);
    screen.putText(4, 4, U"[ ");
    screen.putText(6, 4, U"F12", Attr::KeyName);
    screen.putText(9, 4, U" OK ]");
    screen.putText(16, 4, U"Wy");
    screen.putText(18, 4, U"b", Attr::HotKey);
    screen.putText(19, 4, U"ierz");
    screen.markFocus({4, 4, 10, 1});
    screen.shadow(box);

    EXPECT_EQ(joined(screen.snapshot()), R"(
  ╔═══════ Opcje ════════╗
  ║ F2 Okres od          ║
  ║                      ║
  ║ [ F12 OK ]  Wybierz  ║
  ╚══════════════════════╝


)");
    EXPECT_EQ(joined(screen.attributeSnapshot()), R"(

    ee                    ss
                          ss
    ccKKKccccc    h       ss
                          ss
    ssssssssssssssssssssssss

)");
}

TEST(Screen, DrawingIsClippedAtEveryEdge) {
    Screen screen(12, 5);
    screen.frame({-3, -1, 8, 4}, cells(U"X"));
    screen.putText(-2, 3, U"abcdef");
    screen.putText(9, 4, U"wxyz", Attr::Emphasis);
    screen.putText(0, -1, U"hidden");
    screen.putText(0, 5, U"hidden");
    screen.fill({10, 1, 5, 2}, Cell{U'#'});
    screen.frame({7, 2, 8, 8}, {});
    screen.shadow({6, 0, 5, 4});

    EXPECT_EQ(joined(screen.snapshot()), R"(    │
    │     ##
────┘  ┌────
cdef   │
       │ wxy
)");
    EXPECT_EQ(joined(screen.attributeSnapshot()), R"(
           s
           s
           s
        ssss
)");
    EXPECT_EQ(screen.at(-1, 0), Cell{});
    EXPECT_EQ(screen.at(12, 4), Cell{});
    EXPECT_EQ(screen.overlayAt(0, 5), Overlay::None);
}

TEST(Screen, CaptionIsCentredAndCutToTheBox) {
    const struct {
        int width;
        std::string_view top;
    } cases[] = {
        {16, "┌─ Podaj dane ─┐"},
        {15, "┌ Podaj dane ─┐"},
        {14, "┌ Podaj dane ┐"},
        {10, "┌ Podaj  ┐"},
        {5, "┌ P ┐"},
        {4, "┌──┐"},
        {2, "┌┐"},
        {1, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.width);
        Screen screen(20, 3);
        screen.frame({0, 0, c.width, 3}, cells(U"Podaj dane"));
        EXPECT_EQ(screen.snapshot()[0], c.top);
    }
}

TEST(Screen, WhatIsDrawnLastIsSeenPlainly) {
    Screen screen(10, 3);
    screen.shadow({0, 0, 4, 2});
    screen.markFocus({0, 0, 3, 1});
    screen.putText(4, 1, U"ab", Attr::HotKey);
    screen.putText(1, 0, U"x");
    EXPECT_EQ(joined(screen.attributeSnapshot()), "c c\n    hh\n  ssss\n");

    screen.setCursor(3, 1);
    screen.clear();
    EXPECT_EQ(joined(screen.attributeSnapshot()), "\n\n\n");
    EXPECT_EQ(joined(screen.snapshot()), "\n\n\n");
    EXPECT_FALSE(screen.cursor().visible);
}

TEST(Screen, UninterpretedControlCharactersShowAsReplacements) {
    Screen screen(10, 1);
    screen.putText(0, 0, U"a\tb\x01\x7F\u0085c");
    screen.put(7, 0, {Cell{U'\n'}, Cell{static_cast<char32_t>(0xD800)}});
    EXPECT_EQ(screen.snapshot()[0], "a\uFFFDb\uFFFD\uFFFD\uFFFDc\uFFFD\uFFFD");
}

TEST(Screen, DegenerateSizesHoldNothing) {
    for (const auto& [width, height] : {std::pair{0, 0}, std::pair{-3, 5}, std::pair{4, -1}}) {
        SCOPED_TRACE(std::to_string(width) + "x" + std::to_string(height));
        Screen screen(width, height);
        screen.putText(0, 0, U"abc");
        screen.frame({0, 0, 3, 3}, cells(U"x"));
        screen.shadow({0, 0, 3, 3});
        EXPECT_EQ(screen.at(0, 0), Cell{});
        EXPECT_EQ(screen.snapshot().size(), static_cast<std::size_t>(std::max(height, 0)));
    }
}

TEST(Centred, DialogsSitInTheMiddleOfTheScreen) {
    const struct {
        int screenWidth, screenHeight, width, height;
        Rect expected;
    } cases[] = {
        {120, 25, 73, 16, {23, 4, 73, 16}}, {120, 25, 120, 25, {0, 0, 120, 25}}, {120, 25, 130, 30, {0, 0, 130, 30}},
        {120, 25, 1, 1, {59, 12, 1, 1}},    {132, 43, 73, 16, {29, 13, 73, 16}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.width) + "x" + std::to_string(c.height) + " in " + std::to_string(c.screenWidth) +
                     "x" + std::to_string(c.screenHeight));
        EXPECT_EQ(centred(Screen(c.screenWidth, c.screenHeight), c.width, c.height), c.expected);
    }
}

}  // namespace
}  // namespace hadrek::screen
