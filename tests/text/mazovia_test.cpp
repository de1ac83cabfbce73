#include "host/text/mazovia.hpp"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace hadrek::text {
namespace {

std::string hexOf(std::string_view bytes) {
    std::string out;
    char buffer[4];
    for (const char c : bytes) {
        std::snprintf(buffer, sizeof buffer, "%02X ", static_cast<unsigned char>(c));
        out += buffer;
    }
    return out;
}

TEST(Mazovia, PolishLettersSitAtTheirBytes) {
    struct Case {
        unsigned char byte;
        const char* utf8;
    };
    const Case cases[] = {
        {0x86, "ą"},
        {0x8D, "ć"},
        {0x8F, "Ą"},
        {0x90, "Ę"},
        {0x91, "ę"},
        {0x92, "ł"},
        {0x95, "Ć"},
        {0x98, "Ś"},
        {0x9C, "Ł"},
        {0x9E, "ś"},
        {0xA0, "Ź"},
        {0xA1, "Ż"},
        {0xA2, "ó"},
        {0xA3, "Ó"},
        {0xA4, "ń"},
        {0xA5, "Ń"},
        {0xA6, "ź"},
        {0xA7, "ż"},
        // The graphics set around them stays: list marks, box lines, a
        // letter next to the Polish ones.
        {0xAE, "«"},
        {0xAF, "»"},
        {0xC4, "─"},
        {0xB3, "│"},
        {0xDA, "┌"},
        {0x99, "Ö"},
        {0x9D, "¥"},
        {0xE1, "ß"},
        {0xFF, "\u00A0"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << "byte 0x" << std::hex << int{c.byte});
        const std::string byte(1, static_cast<char>(c.byte));
        EXPECT_EQ(toUtf8(byte), c.utf8);
        EXPECT_EQ(hexOf(fromUtf8(c.utf8)), hexOf(byte));
    }
}

TEST(Mazovia, TextsConvertBothWays) {
    struct Case {
        const char* mazovia;
        const char* utf8;
    };
    const Case cases[] = {
        {"B\x92\206d", "Błąd"},
        {"Warto\x9E\x8D brutto", "Wartość brutto"},
        {"Wybierz zam\xA2wienie", "Wybierz zamówienie"},
        {"Podaj dane wej\236ciowe", "Podaj dane wejściowe"},
        {"\002F3\x01 x\t\r\n", "\002F3\x01 x\t\r\n"},
        {"", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.utf8);
        EXPECT_EQ(toUtf8(c.mazovia), c.utf8);
        EXPECT_EQ(hexOf(fromUtf8(c.utf8)), hexOf(c.mazovia));
    }
}

TEST(Mazovia, EveryByteSurvivesTheRoundTrip) {
    std::set<char32_t> seen;
    for (int byte = 0; byte < 256; ++byte) {
        SCOPED_TRACE(::testing::Message() << "byte " << byte);
        const std::string one(1, static_cast<char>(byte));
        EXPECT_EQ(hexOf(fromUtf8(toUtf8(one))), hexOf(one));
        EXPECT_TRUE(seen.insert(decode(static_cast<unsigned char>(byte))).second) << "two bytes decode alike";
    }
}

TEST(Mazovia, WhatTheCodePageLacksBecomesAQuestionMark) {
    struct Case {
        const char* what;
        std::string utf8;
        std::string mazovia;
    };
    const Case cases[] = {
        {"letter of another alphabet", "a\u0416b", "a?b"},
        {"emoji", "\U0001F600", "?"},
        {"lone continuation byte", "a\x80z", "a?z"},
        {"sequence cut short at the end", "ab\xC5", "ab?"},
        {"sequence cut by an ASCII byte", "\xC5z", "?z"},
        {"overlong slash", "\xC0\xAF", "??"},
        {"encoded surrogate", "\xED\xA0\x80", "???"},
        {"above U+10FFFF", "\xF4\x90\x80\x80", "????"},
        {"invalid lead byte", "\xFF", "?"},
        {"replacement character itself", "\uFFFD", "?"},
        // Characters are looked up in a table that ends at U+2600, where
        // 0 means "not in the code page": never a NUL in the text.
        {"letter among the page's Latin ones", "\u0100", "?"},
        {"box line beside the page's own", "\u2501", "?"},
        {"last character the table holds", "\u25FF", "?"},
        {"first character beyond the table", "\u2600", "?"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(hexOf(fromUtf8(c.utf8)), hexOf(c.mazovia));
    }
}

TEST(Mazovia, ViewsEndAtTheirFirstNul) {
    using namespace std::string_view_literals;
    EXPECT_EQ(untilNul("abc\0def"sv), "abc");
    EXPECT_EQ(untilNul("abc"sv), "abc");
    EXPECT_EQ(untilNul("\0"sv), "");
}

}  // namespace
}  // namespace hadrek::text
