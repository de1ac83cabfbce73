#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "host/toolkit/dialog/list_view.hpp"
#include "host/toolkit/screen/keys.hpp"

namespace hadrek::toolkit {
namespace {

namespace key = screen::key;

TEST(ListView, MovesAndScrollsWithinItsRows) {
    const struct {
        int height;
        int count;
        std::vector<std::uint16_t> keys;
        int current;
        int top;
    } cases[] = {
        {16, 40, {}, 0, 0},
        {16, 40, {key::Up}, 0, 0},
        {16, 40, {key::PgUp}, 0, 0},
        {16, 40, {key::Down}, 1, 0},
        {16, 40, {key::PgDn}, 16, 1},
        {16, 40, {key::PgDn, key::PgDn, key::PgDn}, 39, 24},
        {16, 40, {key::End}, 39, 24},
        {16, 40, {key::End, key::Down}, 39, 24},
        {16, 40, {key::End, key::Up}, 38, 24},
        {16, 40, {key::End, key::PgUp}, 23, 23},
        {16, 40, {key::End, key::Home}, 0, 0},
        {16, 16, {key::End}, 15, 0},
        {16, 17, {key::End}, 16, 1},
        {16, 1, {key::Down, key::End, key::PgDn}, 0, 0},
        {16, 0, {key::Down, key::End, key::PgDn, key::Up}, 0, 0},
        {1, 3, {key::Down, key::Down}, 2, 2},
        {0, 3, {key::Down}, 1, 1},
        {-4, 3, {key::PgDn}, 1, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE("height " + std::to_string(c.height) + ", " + std::to_string(c.count) + " rows, " +
                     std::to_string(c.keys.size()) + " keys");
        ListView list(c.height);
        list.setCount(c.count);
        for (const std::uint16_t code : c.keys) EXPECT_TRUE(list.handle(code)) << screen::keyName(code);
        EXPECT_EQ(*list.currentRow(), c.current);
        EXPECT_EQ(list.top(), c.top);
    }
}

TEST(ListView, LeavesOtherKeysAlone) {
    ListView list(16);
    list.setCount(40);
    for (const std::uint16_t code : {key::Enter, key::Ins, key::CtrlIns, key::Left, key::Right, key::Tab, key::F12}) {
        SCOPED_TRACE(screen::keyName(code));
        EXPECT_FALSE(list.handle(code));
        EXPECT_EQ(*list.currentRow(), 0);
    }
}

// The count comes anew before every drawing, and the plug-in writes the
// current row itself (INS moves it to r + 1 unchecked).
TEST(ListView, ComesBackInsideWhenTheCountOrTheCurrentRowChanges) {
    const struct {
        const char* what;
        std::function<void(ListView&)> before;
        int newCount;
        int current;
        int top;
    } cases[] = {
        {"end of 40, then 10 rows", [](ListView& l) { l.handle(key::End); }, 10, 9, 0},
        {"row 32 of 40, then 20 rows", [](ListView& l) { l.handle(key::PgDn), l.handle(key::PgDn); }, 20, 19, 4},
        {"end of 40, then none", [](ListView& l) { l.handle(key::End); }, 0, 0, 0},
        {"end of 40, then a negative count", [](ListView& l) { l.handle(key::End); }, -3, 0, 0},
        {"row 5 of 40, then more rows", [](ListView& l) { *l.currentRow() = 5; }, 100000, 5, 0},
        {"row written past the end", [](ListView& l) { *l.currentRow() = 40; }, 40, 39, 24},
        {"row written far past the end", [](ListView& l) { *l.currentRow() = 0xFFFF; }, 40, 39, 24},
        {"row written below the page", [](ListView& l) { *l.currentRow() = 20; }, 40, 20, 5},
        {"row written above the page",
         [](ListView& l) {
             l.handle(key::End);
             *l.currentRow() = 3;
         },
         40, 3, 3},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ListView list(16);
        list.setCount(40);
        c.before(list);
        list.setCount(c.newCount);
        EXPECT_EQ(*list.currentRow(), c.current);
        EXPECT_EQ(list.top(), c.top);
        EXPECT_LE(list.count(), 0xFFFF);
        EXPECT_GE(list.count(), 0);
    }
}

}  // namespace
}  // namespace hadrek::toolkit
