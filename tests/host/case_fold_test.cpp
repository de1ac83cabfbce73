// Case folding (52156) on Mazovia texts.
#include <gtest/gtest.h>

#include <string>

#include "host/services/services.hpp"
#include "host/text/mazovia.hpp"

namespace {

std::string folded(const std::string& utf8) {
    std::string text = hadrek::text::fromUtf8(utf8);
    char* result = hadrek::services::caseFold(text.data());
    EXPECT_EQ(result, text.data()) << "the text itself comes back";
    return hadrek::text::toUtf8(text);
}

TEST(CaseFold, LettersOfBothAlphabetsBecomeUpperCaseAndNothingElseChanges) {
    const struct {
        const char* text;
        const char* expected;
    } cases[] = {
        {"ąćęłńóśźż", "ĄĆĘŁŃÓŚŹŻ"},
        {"ĄĆĘŁŃÓŚŹŻ", "ĄĆĘŁŃÓŚŹŻ"},
        {"zażółć gęślą jaźń", "ZAŻÓŁĆ GĘŚLĄ JAŹŃ"},
        {"Jan Kowalski  Handel", "JAN KOWALSKI  HANDEL"},
        {"abcdefghijklmnopqrstuvwxyz", "ABCDEFGHIJKLMNOPQRSTUVWXYZ"},
        {"0123456789 .,-/@[]{}~", "0123456789 .,-/@[]{}~"},
        // Other letters of the code page are not the host's to fold.
        {"üéâäàçêëèïîöôûù ÇÄÖÜ", "üéâäàçêëèïîöôûù ÇÄÖÜ"},
        {"αßπσµτ", "αßπσµτ"},
        {"", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(folded(c.text), c.expected);
        EXPECT_EQ(folded(c.expected), c.expected) << "folding twice changes nothing";
    }
}

TEST(CaseFold, ControlAndMarkUpBytesStayAsTheyAre) {
    std::string text = "a\x01\x02\x05\t\nb\x7F";
    hadrek::services::caseFold(text.data());
    EXPECT_EQ(text, "A\x01\x02\x05\t\nB\x7F");
}

}  // namespace
