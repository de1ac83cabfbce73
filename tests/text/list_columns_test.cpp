#include "host/text/list_columns.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "host/text/markup.hpp"
#include "host/text/mazovia.hpp"

namespace hadrek::text {
namespace {

using namespace std::string_view_literals;

const std::string kSelectionHeader =
    fromUtf8("z5l17Numer dok.\rl-1Kontrahent\rp15Wartość brutto\rl12Data wyst.\rl8Typ dok.");

std::string describe(const std::vector<Column>& columns) {
    std::string out;
    for (const Column& c : columns) {
        out += (c.mark ? "z" : c.rightAligned ? "p" : "l");
        out += "@" + std::to_string(c.x) + "+" + std::to_string(c.width) + "'" + toUtf8(c.title) + "' ";
    }
    return out;
}

TEST(ListColumns, SelectionListHeader) {
    const std::vector<Column> columns = parseColumns(kSelectionHeader, 116);
    EXPECT_EQ(describe(columns),
              "z@0+5'' l@6+17'Numer dok.' l@24+54'Kontrahent' p@79+15'Wartość brutto' "
              "l@95+12'Data wyst.' l@108+8'Typ dok.' ");
    ASSERT_FALSE(columns.empty());
    EXPECT_EQ(columns.back().x + columns.back().width, 116) << "the last column ends at the list's edge";
}

TEST(ListColumns, Declarations) {
    struct Case {
        std::string_view header;
        int listWidth;
        std::string columns;
    };
    const Case cases[] = {
        {"l10Abc", 20, "l@0+10'Abc' "},
        {"l10\r", 20, "l@0+10'' "},
        {"p3X\rl4Y", 20, "p@0+3'X' l@4+4'Y' "},
        {"z5\rl3A", 20, "z@0+5'' l@6+3'A' "},
        {"z2z3", 20, "z@0+2'' z@3+3'' "},
        {"l0A\rl2B", 20, "l@0+0'A' l@1+2'B' "},
        // The rest is shared, the first flexible column taking the odd cell.
        {"l-1A\rl-1B", 21, "l@0+10'A' l@11+10'B' "},
        {"l-1A\rl-1B", 22, "l@0+11'A' l@12+10'B' "},
        // Fixed widths that fill or overfill the list leave the rest 1 cell.
        {"l10A\rl-1B\rl10C", 21, "l@0+10'A' l@11+1'B' l@13+10'C' "},
        {"l10A\rl-1B\rl10C", 5, "l@0+10'A' l@11+1'B' l@13+10'C' "},
        {"l-1A", 0, "l@0+1'A' "},
        {"l-1A", -7, "l@0+1'A' "},
        {"l99999999999A", 20, "l@0+1024'A' "},
        // Damage ends the list, keeping what came before.
        {"", 20, ""},
        {"x5abc", 20, ""},
        {"l", 20, ""},
        {"l-", 20, ""},
        {"lA", 20, ""},
        {"l-2A", 20, ""},
        {"l-10A", 20, ""},
        {"z5l", 20, "z@0+5'' "},
        {"l3A\rq4B", 20, "l@0+3'A' "},
        {"l3A\r\rl4B", 20, "l@0+3'A' "},
        {"l5A\0l5B"sv, 20, "l@0+5'A' "},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << "'" << c.header << "' in " << c.listWidth);
        EXPECT_EQ(describe(parseColumns(c.header, c.listWidth)), c.columns);
    }
}

TEST(ListColumns, TooManyColumnsAreCut) {
    std::string header;
    for (int i = 0; i < 1000; ++i) header += "l1\r";
    EXPECT_LE(parseColumns(header, 80).size(), 256u);
}

TEST(ListColumns, SelectionListSnapshot) {
    const std::vector<Column> columns = parseColumns(kSelectionHeader, 116);
    const std::string rows[] = {
        fromUtf8("«\rFZ 12/2024\rHurtownia Żelazo Sp. z o.o.\r1234.50\r2024-03-05\rZakup"),
        fromUtf8(" \rPZ 7\rAB\r0.00\r2024-03-06\rPZ"),
        fromUtf8("»\rNUMER-DOKUMENTU-DLUGI-BARDZO\rK\r123456789012345678.00\r2024-03-07\rZakup-zbyt-dlugi"),
        fromUtf8("«\rtylko dwa pola"),
        fromUtf8("«\ra\rb\rc\rd\re\rnadmiarowe\rpola"),
        "\x01\r\ttab\x02\r\r\r\r",
        "",
    };
    std::string screen = visibleText(renderHeader(columns, 116)) + "|\n";
    for (const std::string& row : rows) {
        ASSERT_EQ(renderRow(row, columns, 116).size(), 116u);
        screen += visibleText(renderRow(row, columns, 116)) + "|\n";
    }
    EXPECT_EQ(
        screen,
        R"(      Numer dok.        Kontrahent                                              Wartość brutto Data wyst.   Typ dok.|
  «   FZ 12/2024        Hurtownia Żelazo Sp. z o.o.                                    1234.50 2024-03-05   Zakup   |
      PZ 7              AB                                                                0.00 2024-03-06   PZ      |
  »   NUMER-DOKUMENTU-D K                                                      123456789012345 2024-03-07   Zakup-zb|
  «   tylko dwa pola                                                                                                |
  «   a                 b                                                                    c d            e       |
       tab                                                                                                          |
                                                                                                                    |
)");
}

TEST(ListColumns, NarrowListCutsAtItsEdge) {
    const std::vector<Column> columns = parseColumns(kSelectionHeader, 30);
    const std::string row = fromUtf8("«\rFZ 1\rKontrahent\r1.00\r2024-03-05\rZakup");
    std::string screen =
        visibleText(renderHeader(columns, 30)) + "|\n" + visibleText(renderRow(row, columns, 30)) + "|\n";
    EXPECT_EQ(screen, R"(      Numer dok.        K  War|
  «   FZ 1              K     |
)");
}

TEST(ListColumns, DegenerateLists) {
    const std::vector<Column> columns = parseColumns(kSelectionHeader, 116);
    EXPECT_TRUE(renderRow("\xAE\rx", columns, 0).empty());
    EXPECT_TRUE(renderRow("\xAE\rx", columns, -5).empty());
    EXPECT_TRUE(renderHeader(columns, -5).empty());
    const CellRow blank = renderRow("a\rb", {}, 4);
    EXPECT_EQ(visibleText(blank), "    ");
    EXPECT_EQ(visibleText(renderRow("a\rb\0c"sv, parseColumns("l1A\rl1B\rl1C", 5), 5)), "a b  ");
}

}  // namespace
}  // namespace hadrek::text
