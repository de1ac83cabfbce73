#include "host/text/markup.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "host/text/mazovia.hpp"
#include "tests/text/cell_text.hpp"

namespace hadrek::text {
namespace {

using namespace std::string_view_literals;
using testing::attrText;
using testing::columnOf;
using testing::screenText;

std::string printable(std::string_view bytes) {
    std::string out;
    char buffer[8];
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte >= 0x7F) {
            std::snprintf(buffer, sizeof buffer, "\\x%02X", byte);
            out += buffer;
        } else {
            out += c;
        }
    }
    return out;
}

TEST(Markup, VisibleLines) {
    struct Case {
        std::string_view mazovia;
        std::vector<std::string> lines;
    };
    const Case cases[] = {
        {"\002F3\x01 Dokumenty", {"F3 Dokumenty"}},
        {"Wy~b~ierz", {"Wybierz"}},
        {"\005Ctrl-INS\x01 Wszystkie", {"Ctrl-INS Wszystkie"}},
        {"Pliki dost\x91pne s\x86 w katalogu:\n\n\002C:\\EXPORT\x01",
         {"Pliki dostępne są w katalogu:", "", "C:\\EXPORT"}},
        {"", {}},
        {"\n", {""}},
        {"a\n", {"a"}},
        {"a\n\n", {"a", ""}},
        {"a\n\nb", {"a", "", "b"}},
        {"x\ry", {"x y"}},
        {"bell\007del\x7F", {"bell del "}},
        {"abc\0def"sv, {"abc"}},
        // Tildes that mark nothing are part of the text.
        {"C:\\PROGRA~1\\DANE", {"C:\\PROGRA~1\\DANE"}},
        {"a~ ~b", {"a~ ~b"}},
        {"~~x~", {"~x"}},
        {"~", {"~"}},
        {"x~y", {"x~y"}},
        // Tabs and stops.
        {"a\tb", {"a b"}},
        {"\x01tl4\001a\tb\tc", {"a   b c"}},
        {"\x01tl2\001abcdef\tg", {"abcdef g"}},
        {"\x01tl3\001abc\tg", {"abcg"}},
        {"\x01tp5\x01\t12", {"   12"}},
        {"\x01tp3\001a\tlong", {"a long"}},
        {"\x01tl5p9\x01\tx\t\002yy\x01", {"     x yy"}},
        // A right stop measures what follows as it is shown: a hot key is
        // one cell, and the stretch ends at the next tab.
        {"\x01tp6p9\x01\t~a~b\tc", {"    ab  c"}},
        {"\x01t\001a\tb", {"a b"}},
        {"\x01tq7l\001a\tb", {"a b"}},
        {"\x01tl5", {""}},
        {"\x01tl5\nnext", {"", "next"}},
        {"\x01t", {""}},
        {"\x01", {""}},
        // Only a line's start opens a directive; elsewhere 0x01 closes an
        // emphasis and the rest is text.
        {"a\x01tl5\x01\tb", {"atl5 b"}},
        {"\x01tl3\001a\tb\n\tc", {"a  b", " c"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(printable(c.mazovia));
        EXPECT_EQ(visibleLines(c.mazovia), c.lines);
    }
}

TEST(Markup, Attributes) {
    struct Case {
        std::string_view mazovia;
        std::vector<std::string> attrs;
    };
    const Case cases[] = {
        {"\002F3\x01 Dokumenty", {"EE.........."}},
        {"Wy~b~ierz", {"..H...."}},
        {"\005Esc\x01 Anuluj", {"KKK......."}},
        {"K~a~lvet zakupy", {".H..........."}},
        {"\002a~b~c\x01", {"EHE"}},
        {"\x02open\nnext", {"EEEE", "...."}},
        {"\002a\005b\001c", {"EK."}},
        {"\x01tl3\x01\002a\tb\x01", {"E..E"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(printable(c.mazovia));
        std::vector<std::string> attrs;
        for (const CellRow& row : renderText(c.mazovia)) attrs.push_back(attrText(row));
        EXPECT_EQ(attrs, c.attrs);
    }
}

TEST(Markup, FailureReportTable) {
    const std::string description =
        fromUtf8("Miesiące->Export-import danych->Export do innych programów:\n\x02Kalvet zakupy\x01");
    const std::string header =
        fromUtf8("Rozmiary rekordów niektórych tabel nie zgadzają się\nmiędzy programem a wtyczką '") + description +
        fromUtf8("' (moduł 'KalvetZakupy.dll'):\n\n\x01tl18l33\x01TABELA\tWE WTYCZCE\tW PROGRAMIE\n");
    const std::string report = header +
                               "\x01tp25p40\x01Tzak\t901\t900\n"
                               "\x01tp25p40\x01Tzak_dok\t626\tbrak\n";
    const std::vector<CellRow> rows = renderText(report);

    EXPECT_EQ(screenText(rows), R"(Rozmiary rekordów niektórych tabel nie zgadzają się
między programem a wtyczką 'Miesiące->Export-import danych->Export do innych programów:
Kalvet zakupy' (moduł 'KalvetZakupy.dll'):

TABELA            WE WTYCZCE     W PROGRAMIE
Tzak                  901            900
Tzak_dok              626           brak
)");
    ASSERT_EQ(rows.size(), 7u);
    EXPECT_EQ(attrText(rows[2]).substr(0, 14), "EEEEEEEEEEEEE.");
    // Headings start at their left stops; sizes end just before their
    // right stops, in the same 0-based count.
    EXPECT_EQ(columnOf(rows[4], U"WE WTYCZCE"), 18);
    EXPECT_EQ(columnOf(rows[4], U"W PROGRAMIE"), 33);
    EXPECT_EQ(columnOf(rows[5], U"901") + 3, 25);
    EXPECT_EQ(columnOf(rows[5], U"900") + 3, 40);
    EXPECT_EQ(columnOf(rows[6], U"brak") + 4, 40);
}

TEST(Markup, HostileDirectivesStayBounded) {
    struct Case {
        std::string_view mazovia;
        std::size_t cells;
    };
    const Case cases[] = {
        {"\x01tl99999999999999999999\x01\tx", kMaxLineWidth + 1},
        {"\x01tp99999999999999999999\x01\txy", kMaxLineWidth},
        {"\x01tl5l3l1\x01\ta\tb\tc", 10},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(printable(c.mazovia));
        const std::vector<CellRow> rows = renderText(c.mazovia);
        ASSERT_EQ(rows.size(), 1u);
        EXPECT_EQ(rows[0].size(), c.cells);
    }
}

TEST(Markup, HotKeys) {
    struct Case {
        std::string_view mazovia;
        std::uint16_t key;
    };
    const Case cases[] = {
        {"Wy~b~ierz", 0x0042},
        {"K~a~lvet zakupy", 0x0041},
        {"~Z~apisz", 0x005A},
        {"Opcja ~7~", 0x0037},
        {"Wy~b~ierz ~c~", 0x0042},
        {"\002F3\x01 Dokumenty", 0},
        {"C:\\PROGRA~1\\X", 0},
        {"a~ ~b", 0},
        {"ends with ~b", 0},
        {"~b", 0},
        {"", 0},
        {"cut\0~b~"sv, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(printable(c.mazovia));
        EXPECT_EQ(hotKeyOf(c.mazovia), c.key);
    }
}

}  // namespace
}  // namespace hadrek::text
