#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "host/services/services.hpp"
#include "host/toolkit/display.hpp"
#include "tests/toolkit/dialog_session.hpp"

namespace hadrek::toolkit::testing {
namespace {

std::string documentRow(int i) {
    char row[96];
    std::snprintf(row, sizeof row, "\xAE\rZ/%03d/2026\rFirma %d\r%d.50\r2026-01-15\rZakup", i, i, 100 + i);
    return row;
}

std::vector<std::string> documentRows(int count) {
    std::vector<std::string> rows;
    for (int i = 0; i < count; ++i) rows.push_back(documentRow(i));
    return rows;
}

// What the list shows on one screen: the documents in the order of their
// lines, and the one under the focus bar (-1 for none).
struct ShownList {
    std::vector<int> documents;
    int focused = -1;
};

ShownList shownList(const HandlerCall& call) {
    ShownList shown;
    for (std::size_t y = 0; y < call.screen.size(); ++y) {
        const std::size_t at = call.screen[y].find("Z/");
        if (at == std::string::npos) continue;
        const int document = std::stoi(call.screen[y].substr(at + 2, 3));
        shown.documents.push_back(document);
        // The focus bar covers the whole list width, from column 2.
        if (y < call.attributes.size() && call.attributes[y].size() > 2 && call.attributes[y][2] == 'c')
            shown.focused = document;
    }
    return shown;
}

std::vector<int> range(int first, int end) {
    std::vector<int> values;
    for (int i = first; i < end; ++i) values.push_back(i);
    return values;
}

TEST(SelectionDialog, AsksTheRowProviderOnlyForTheCountAndExistingRows) {
    const struct {
        int count;
        const char* keys;
    } cases[] = {
        {0, "F12"},
        {0, "Down End PgDn Ins F12"},
        {1, "Down Down End PgDn Ins F12"},
        {16, "End Down PgDn PgDn Ins F12"},
        {40, "F12"},
        {40, "End Down Down PgDn Ins Home Up PgUp F12"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.count) + " rows, keys " + c.keys);
        FakeDialog fake;
        fake.rows = documentRows(c.count);
        KeySession session(c.keys);
        EXPECT_EQ(runSelection(fake), kConfirmed);
        EXPECT_TRUE(fake.rowsOutOfRange.empty()) << ::testing::PrintToString(fake.rowsOutOfRange);
        EXPECT_NE(std::find(fake.rowsAsked.begin(), fake.rowsAsked.end(), -1), fake.rowsAsked.end());
        for (int row : fake.rowsAsked) EXPECT_LT(row, c.count) << "row " << row;
    }
}

// The current row at the time of INS (52033) and what the list shows then.
TEST(SelectionDialog, MovingKeysMoveTheCurrentRowAndScrollTheList) {
    const struct {
        int count;
        const char* keys;
        int current;
        int top;
    } cases[] = {
        {40, "", 0, 0},
        {40, "Down", 1, 0},
        {40, "Up", 0, 0},
        {40, "Down Down Up", 1, 0},
        {40, "Down Down Down Down Down Down Down Down Down Down Down Down Down Down Down", 15, 0},
        {40, "Down Down Down Down Down Down Down Down Down Down Down Down Down Down Down Down", 16, 1},
        {40, "PgDn", 16, 1},
        {40, "PgDn PgDn", 32, 17},
        {40, "PgDn PgDn PgDn", 39, 24},
        {40, "End", 39, 24},
        {40, "End Down", 39, 24},
        {40, "End Up", 38, 24},
        {40, "End PgUp", 23, 23},
        {40, "End PgUp PgUp PgUp", 0, 0},
        {40, "End Home", 0, 0},
        {40, "PgUp Home Up", 0, 0},
        {16, "End", 15, 0},
        {16, "PgDn Down", 15, 0},
        {16, "End PgUp", 0, 0},
        {1, "Down PgDn End", 0, 0},
        {0, "Down PgDn End", 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.count) + " rows, keys \"" + c.keys + "\"");
        FakeDialog fake;
        fake.rows = documentRows(c.count);
        KeySession session(std::string(c.keys) + " Ins Esc");
        EXPECT_EQ(runSelection(fake), kCancelled);
        const auto calls = fake.callsTo(kKeyHandler);
        ASSERT_EQ(calls.size(), 1u);
        EXPECT_EQ(calls[0].currentRow, c.current);
        const ShownList shown = shownList(calls[0]);
        EXPECT_EQ(shown.documents, range(c.top, std::min(c.count, c.top + 16)));
        EXPECT_EQ(shown.focused, c.count ? c.current : -1);
    }
}

// Which document's line carries the emphasis the current row gets while
// the focus is elsewhere (-1 for none).
int emphasisedDocument(const HandlerCall& call) {
    for (std::size_t y = 0; y < call.screen.size() && y < call.attributes.size(); ++y) {
        const std::size_t at = call.screen[y].find("Z/");
        if (at != std::string::npos && call.attributes[y].size() > at && call.attributes[y][at] == 'e')
            return std::stoi(call.screen[y].substr(at + 2, 3));
    }
    return -1;
}

TEST(SelectionDialog, TheCurrentRowStaysInSightWhenTheFocusLeavesTheList) {
    const struct {
        const char* keys;
        int focused;
        int emphasised;
    } cases[] = {
        {"Down Down", 2, -1},      {"Down Down Tab", -1, 2},      {"End Tab Tab", -1, 39},
        {"Down Shift-Tab", -1, 1}, {"Down Tab Shift-Tab", 1, -1}, {"Down Tab F3", 1, -1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string("keys \"") + c.keys + "\"");
        FakeDialog fake;
        fake.rows = documentRows(40);
        KeySession session(std::string(c.keys) + " Ins Esc");
        EXPECT_EQ(runSelection(fake), kCancelled);
        const auto calls = fake.callsTo(kKeyHandler);
        ASSERT_EQ(calls.size(), 1u);
        EXPECT_EQ(shownList(calls[0]).focused, c.focused);
        EXPECT_EQ(emphasisedDocument(calls[0]), c.emphasised);
    }
}

struct ExpectedCall {
    int code;
    int currentRow;
};

TEST(SelectionDialog, InsAndCtrlInsReachTheKeyHandlerAsKeysAndAsButtons) {
    const struct {
        const char* keys;
        int result;
        std::vector<ExpectedCall> calls;
    } cases[] = {
        {"Ins F12", kConfirmed, {{0x5200, 0}}},
        {"Ctrl-Ins F12", kConfirmed, {{0x0400, 0}}},
        {"Down Ins Down Ctrl-Ins Ins", kCancelled, {{0x5200, 1}, {0x0400, 2}, {0x5200, 2}}},
        // List, OK, "INS Zaznacz", "Ctrl-INS Wszystkie" in Tab order.
        {"Down Tab Tab Enter", kCancelled, {{0x5200, 1}}},
        {"Tab Tab Space Esc", kCancelled, {{0x5200, 0}}},
        {"Down Down Tab Tab Tab Enter F12", kConfirmed, {{0x0400, 2}}},
        {"Shift-Tab Enter", kCancelled, {{0x0400, 0}}},
        {"Tab Tab Tab Tab Tab Tab Enter", kCancelled, {{0x5200, 0}}},
        // The keys work whatever has the focus; the list keys only on the list.
        {"Tab Tab Tab Ins", kCancelled, {{0x5200, 0}}},
        {"Tab Down Ins", kCancelled, {{0x5200, 0}}},
        {"Tab Down F3 Down Ins", kCancelled, {{0x5200, 1}}},
        // Enter on the list and on OK is no marking key.
        {"Enter Ins", kCancelled, {{0x5200, 0}}},
        {"Tab Enter", kConfirmed, {}},
        {"Esc Ins", kCancelled, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string("keys \"") + c.keys + "\"");
        FakeDialog fake;
        fake.rows = documentRows(5);
        KeySession session(c.keys);
        EXPECT_EQ(runSelection(fake), c.result);
        const auto calls = fake.callsTo(kKeyHandler);
        ASSERT_EQ(calls.size(), c.calls.size());
        for (std::size_t i = 0; i < calls.size(); ++i) {
            SCOPED_TRACE("call " + std::to_string(i));
            EXPECT_EQ(calls[i].code, c.calls[i].code);
            EXPECT_EQ(calls[i].phase, 1);
            EXPECT_EQ(calls[i].object, fake.object());
            EXPECT_EQ(calls[i].currentRow, c.calls[i].currentRow);
        }
        EXPECT_TRUE(fake.callsTo(kCommandHandler).empty());
    }
}

TEST(SelectionDialog, ClosesWithTheButtonThatEndedIt) {
    const struct {
        const char* keys;
        int result;
    } cases[] = {
        {"F12", kConfirmed},      {"Down Down F12 Esc", kConfirmed}, {"Tab Enter", kConfirmed},
        {"Esc", kCancelled},      {"Esc F12", kCancelled},           {"", kCancelled},
        {"Down Ins", kCancelled},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string("keys \"") + c.keys + "\"");
        FakeDialog fake;
        fake.rows = documentRows(3);
        KeySession session(c.keys);
        EXPECT_EQ(runSelection(fake), c.result);
    }
}

// What the plug-in's own key handler does: INS flips the current row and
// moves the cursor to r + 1 without looking at the count, Ctrl-INS may
// change the rows; both ask for a redraw.
TEST(SelectionDialog, KeepsTheCurrentRowInsideTheListWhenTheHandlerMovesOrShrinksIt) {
    const struct {
        int count;
        const char* keys;
        int shrinkTo;  // what Ctrl-INS leaves of the list
        std::vector<int> currentAtCalls;
    } cases[] = {
        {40, "Ins Ins Ins", 40, {0, 1, 2}},
        {3, "End Ins Ins Ins", 3, {2, 2, 2}},
        {1, "Ins Ins", 1, {0, 0}},
        {40, "End Ctrl-Ins Ins", 10, {39, 9}},
        {40, "PgDn Ctrl-Ins Up Ins", 20, {16, 15}},
        {40, "End Ctrl-Ins Ins Ins", 0, {39, 0, 0}},
        {0, "Ins Ins", 0, {0, 0}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.count) + " rows, keys \"" + c.keys + "\"");
        FakeDialog fake;
        fake.rows = documentRows(c.count);
        fake.onKey = [&c](FakeDialog& self, const HandlerCall& call) {
            std::uint16_t* current = services::controlValue(kListId);
            if (!current) return 0;
            if (call.code == 0x5200) *current = static_cast<std::uint16_t>(*current + 1);
            if (call.code == 0x0400) self.rows.resize(static_cast<std::size_t>(c.shrinkTo));
            services::dialogRedraw(kz::kRedrawRunningDialog.window, kz::kRedrawRunningDialog.flags,
                                   kz::kRedrawRunningDialog.now);
            return kListId;
        };
        KeySession session(std::string(c.keys) + " F12");
        EXPECT_EQ(runSelection(fake), kConfirmed);
        EXPECT_TRUE(fake.rowsOutOfRange.empty()) << ::testing::PrintToString(fake.rowsOutOfRange);
        std::vector<int> current;
        for (const HandlerCall& call : fake.callsTo(kKeyHandler)) current.push_back(call.currentRow.value_or(-1));
        EXPECT_EQ(current, c.currentAtCalls);
    }
}

TEST(SelectionDialog, CallsNothingOnceTheRunHasReturned) {
    FakeDialog first;
    first.rows = documentRows(20);
    {
        KeySession session("Down Ins F12");
        EXPECT_EQ(runSelection(first), kConfirmed);
    }
    EXPECT_EQ(services::controlValue(kListId), nullptr);
    display().refresh();
    FakeDialog second;
    second.rows = documentRows(2);
    {
        KeySession session("PgDn Ins Ctrl-Ins Esc");
        EXPECT_EQ(runSelection(second), kCancelled);
    }
    display().refresh();
    EXPECT_EQ(first.callsAfterRun, 0);
    EXPECT_EQ(second.callsAfterRun, 0);
    EXPECT_EQ(second.callsTo(kKeyHandler).size(), 2u);
}

// The runner calls what a delegate binds, not the object it was handed;
// values that are no live delegate leave it with the object's own entries.
TEST(SelectionDialog, CallsThroughTheDelegatesItWasHanded) {
    FakeDialog running;
    running.rows = documentRows(2);
    FakeDialog bound;
    bound.rows = documentRows(4);
    HostDelegate boundKeys(bound.object(), kz::Slot::DispatchSelectionFirst);
    HostDelegate boundRows(bound.object(), kz::Slot::DispatchSelectionSecond);
    HostDelegate destroyed(bound.object(), kz::Slot::DispatchSelectionFirst);
    void* destroyedValue = destroyed.value();
    destroyed.destroy();

    const struct {
        const char* what;
        void* keys;  // null: a delegate of the first selection dispatch bound to `running`
        void* rows;  // null: a delegate of the second selection dispatch bound to `running`
        FakeDialog* keysReach;
        FakeDialog* rowsReach;
    } cases[] = {
        {"keys bound elsewhere", boundKeys.value(), nullptr, &bound, &running},
        {"rows bound elsewhere", nullptr, boundRows.value(), &running, &bound},
        {"a destroyed delegate", destroyedValue, nullptr, &running, &running},
        {"the objects themselves", running.object(), bound.object(), &running, &running},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        for (FakeDialog* fake : {&running, &bound}) {
            fake->calls.clear();
            fake->rowsAsked.clear();
            fake->runOver = false;
        }
        {
            KeySession session("End Ins F12");
            EXPECT_EQ(runSelection(running, c.keys, c.rows), kConfirmed);
        }
        for (FakeDialog* fake : {&running, &bound}) {
            SCOPED_TRACE(fake == &running ? "the running object" : "the other object");
            const auto calls = fake->callsTo(kKeyHandler);
            ASSERT_EQ(calls.size(), fake == c.keysReach ? 1u : 0u);
            if (!calls.empty()) {
                EXPECT_EQ(calls[0].object, fake->object());
                // End went to the last row of the list that was shown.
                EXPECT_EQ(calls[0].currentRow, static_cast<int>(c.rowsReach->rows.size()) - 1);
            }
            EXPECT_EQ(fake->rowsAsked.empty(), fake != c.rowsReach);
        }
    }
}

}  // namespace
}  // namespace hadrek::toolkit::testing
