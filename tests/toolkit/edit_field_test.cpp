#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <variant>
#include <vector>

#include "host/toolkit/dialog/edit_field.hpp"
#include "host/toolkit/screen/keys.hpp"

namespace hadrek::toolkit {
namespace {

struct Field {
    int maxLength;
    int width;
    bool period;
};

constexpr Field kPeriod{8, 13, true};
constexpr Field kName{25, 30, false};
constexpr Field kNarrow{20, 5, false};
constexpr Field kFolder{259, 40, false};

// Keys in the host's key script notation, handed to the field in turn.
void type(EditField& field, std::string_view script) {
    auto parsed = screen::parseKeyScript(script);
    ASSERT_TRUE(std::holds_alternative<std::vector<screen::Key>>(parsed)) << script;
    for (const screen::Key& key : std::get<std::vector<screen::Key>>(parsed)) field.handle(key.code, key.text);
}

TEST(EditField, EditsItsValue) {
    const struct {
        Field field;
        const char* initial;
        bool entered;  // the focus came in, selecting the content
        const char* keys;
        const char* value;
    } cases[] = {
        {kPeriod, "20260101", true, "\"2025\"", "2025"},
        {kPeriod, "20260101", true, "End \"1\"", "20260101"},
        {kPeriod, "20260101", true, "Backspace \"20250101\"", "20250101"},
        {kPeriod, "", true, "\"12ab34.56-78\"", "12345678"},
        {kPeriod, "", true, "\"123456789\"", "12345678"},
        {kPeriod, "", true, "\"ó1\" Space \"2\"", "12"},
        {kPeriod, "2026", true, "\"x\"", "2026"},
        {kName, "Kowalski", true, "Backspace", ""},
        {kName, "Kowalski", true, "Del", ""},
        {kName, "Kowalski", true, "Left Backspace", "Kowalsi"},
        {kName, "Kowalski", true, "Home Del", "owalski"},
        {kName, "Kowalski", true, "Home Backspace", "Kowalski"},
        {kName, "Kowalski", true, "End Del", "Kowalski"},
        {kName, "Kowalski", true, "End Space \"Jan\"", "Kowalski Jan"},
        {kName, "Kowalski", true, "Home Right Right \"-\"", "Ko-walski"},
        {kName, "Kowalski", true, "Right Right Right \"!\"", "Kowalski!"},
        {kName, "Kowalski", false, "\"Jan \"", "Jan Kowalski"},
        {kName, "", true, "\"Łódź Żółta\"", "\x9C\242d\xA6 \xA1\xA2\x92ta"},
        {kName, "", true, "\"abcdefghijklmnopqrstuvwxyz0123\"", "abcdefghijklmnopqrstuvwxy"},
        {kName, "abcdefghijklmnopqrstuvwxy", true, "End \"z\"", "abcdefghijklmnopqrstuvwxy"},
        {Field{3, 5, false}, "abc", true, "\"xyz1\"", "xyz"},
        {Field{0, 5, false}, "", true, "\"a\"", ""},
        {kName, "Kowalski", true, "F12 Tab Enter Up", "Kowalski"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string("\"") + c.initial + "\" then " + c.keys);
        EditField field(c.field.maxLength, c.field.width, c.field.period);
        field.setValue(c.initial);
        if (c.entered) field.enter();
        type(field, c.keys);
        EXPECT_EQ(field.value(), c.value);
    }
}

TEST(EditField, IgnoresControlBytesAndTakesOnlyItsMaximumFromTheBuffer) {
    EditField field(8, 13, false);
    field.setValue("2026010199");
    EXPECT_EQ(field.value(), "20260101");
    field.setValue("ab");
    field.enter();
    for (const char* text : {"\x01", "\x1B", "\x7F", "\n"}) {
        SCOPED_TRACE(static_cast<int>(text[0]));
        EXPECT_TRUE(field.handle(0, text));
        EXPECT_EQ(field.value(), "ab");
        EXPECT_TRUE(field.selected()) << "a byte that types nothing replaces nothing";
    }
    EXPECT_FALSE(field.handle(screen::key::F12, ""));
    EXPECT_FALSE(field.handle(screen::key::Tab, ""));
}

// What the field shows and where the cursor stands in it.
TEST(EditField, ScrollsToKeepTheCursorVisible) {
    const std::string longPath = "C:\\" + std::string(97, 'a');
    const struct {
        Field field;
        std::string initial;
        bool entered;
        const char* keys;
        std::string visible;
        int cursor;
        bool selected;
    } cases[] = {
        {kNarrow, "", true, "\"abcd\"", "abcd", 4, false},
        {kNarrow, "", true, "\"abcde\"", "bcde", 4, false},
        {kNarrow, "", true, "\"abcdefgh\"", "efgh", 4, false},
        {kNarrow, "", true, "\"abcdefgh\" Home", "abcde", 0, false},
        {kNarrow, "", true, "\"abcdefgh\" Home End", "efgh", 4, false},
        {kNarrow, "", true, "\"abcdefgh\" Left Left Left Left Left", "defgh", 0, false},
        {kNarrow, "", true, "\"abcdefgh\" Backspace Backspace Backspace Backspace", "abcd", 4, false},
        {kNarrow, "abcdefgh", false, "", "abcde", 0, false},
        {kNarrow, "abcdefgh", true, "", "efgh", 4, true},
        {kNarrow, "abcdefgh", true, "Backspace", "", 0, false},
        {kFolder, longPath, false, "", longPath.substr(0, 40), 0, false},
        {kFolder, longPath, true, "", longPath.substr(61), 39, true},
        {kFolder, longPath, true, "Home", longPath.substr(0, 40), 0, false},
        {kPeriod, "20260101", true, "", "20260101", 8, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE("\"" + c.initial + "\" then " + c.keys);
        EditField field(c.field.maxLength, c.field.width, c.field.period);
        field.setValue(c.initial);
        if (c.entered) field.enter();
        type(field, c.keys);
        EXPECT_EQ(field.visible(), c.visible);
        EXPECT_EQ(field.cursorColumn(), c.cursor);
        EXPECT_EQ(field.selected(), c.selected);
        EXPECT_LT(field.cursorColumn(), c.field.width);
    }
}

TEST(EditField, PeriodFieldsTakeNothingOrARealDate) {
    const struct {
        const char* text;
        bool date;
    } cases[] = {
        {"20261231", true},  {"20260101", true},  {"19000101", true},  {"99991231", true},  {"20240229", true},
        {"20000229", true},  {"20230229", false}, {"19000229", false}, {"21000229", false}, {"20260228", true},
        {"20260430", true},  {"20260431", false}, {"20260631", false}, {"20260731", true},  {"20260831", true},
        {"20261131", false}, {"20261232", false}, {"20260132", false}, {"20260000", false}, {"20260100", false},
        {"20261301", false}, {"18991231", false}, {"00000101", false}, {"2026011", false},  {"202601011", false},
        {"2026-1-1", false}, {"2026 101", false}, {"abcdefgh", false}, {"", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string("\"") + c.text + "\"");
        EXPECT_EQ(isDate(c.text), c.date);
        // Longer texts would be cut to the field's eight characters.
        if (std::strlen(c.text) <= 8) {
            EditField period(8, 13, true);
            period.setValue(c.text);
            EXPECT_EQ(period.valid(), c.date || !*c.text);
        }
        EditField plain(25, 30, false);
        plain.setValue(c.text);
        EXPECT_TRUE(plain.valid());
    }
}

}  // namespace
}  // namespace hadrek::toolkit
