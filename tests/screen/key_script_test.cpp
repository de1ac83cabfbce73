#include <gtest/gtest.h>

#include <string>
#include <variant>
#include <vector>

#include "host/toolkit/screen/keys.hpp"

namespace hadrek::screen {
namespace {

std::vector<Key> parsedKeys(std::string_view script) {
    auto result = parseKeyScript(script);
    if (const auto* error = std::get_if<ScriptError>(&result)) {
        ADD_FAILURE() << "script " << script << " refused at token '" << error->token << "'";
        return {};
    }
    return std::get<std::vector<Key>>(result);
}

Key code(std::uint16_t value) { return Key{value, {}}; }

Key text(std::string mazovia) { return Key{0, std::move(mazovia)}; }

TEST(KeyScript, NamedKeysGiveTheirKeyboardCodes) {
    const struct {
        std::string_view token;
        std::uint16_t code;
    } cases[] = {
        {"F1", 0x3B00},        {"F2", 0x3C00},       {"F3", 0x3D00},        {"F4", 0x3E00},    {"F5", 0x3F00},
        {"F6", 0x4000},        {"F7", 0x4100},       {"F8", 0x4200},        {"F9", 0x4300},    {"F10", 0x4400},
        {"F11", 0x8500},       {"F12", 0x8600},      {"Esc", 0x011B},       {"Enter", 0x1C0D}, {"Tab", 0x0F09},
        {"Shift-Tab", 0x0F00}, {"Up", 0x4800},       {"Down", 0x5000},      {"Left", 0x4B00},  {"Right", 0x4D00},
        {"PgUp", 0x4900},      {"PgDn", 0x5100},     {"Home", 0x4700},      {"End", 0x4F00},   {"Backspace", 0x0E08},
        {"Del", 0x5300},       {"Ins", 0x5200},      {"Ctrl-Ins", 0x0400},  {"Space", 0x3920}, {"f12", 0x8600},
        {"ENTER", 0x1C0D},     {"ctrl-INS", 0x0400}, {"shift-TAB", 0x0F00}, {"pgdn", 0x5100},  {"Alt-A", 0x1E00},
        {"alt-z", 0x2C00},     {"ALT-q", 0x1000},    {"Alt-M", 0x3200},     {"Alt-b", 0x3000}, {"Alt-L", 0x2600},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.token);
        EXPECT_EQ(parsedKeys(c.token), std::vector<Key>{code(c.code)});
    }
}

TEST(KeyScript, QuotedTextBecomesOneTextKeyInMazovia) {
    const struct {
        std::string_view script;
        std::string mazovia;
    } cases[] = {
        {R"("Błąd")", "\x42\x92\x86\x64"},
        {R"("Wartość brutto")", "Warto\x9E\x8D brutto"},
        {R"("ZAŻÓŁĆ gęślą jaźń")", "ZA\xA1\xA3\x9C\x95 g\x91\x9El\x86 ja\xA6\xA4"},
        {R"("say \"hi\"")", "say \"hi\""},
        {R"("C:\\DANE")", "C:\\DANE"},
        {R"("C:\DANE\*.*")", "C:\\DANE\\*.*"},
        {R"("#1, 2")", "#1, 2"},
        {R"("co?")", "co?"},
        {R"("«»")", "\xAE\xAF"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.script);
        EXPECT_EQ(parsedKeys(c.script), std::vector<Key>{text(c.mazovia)});
    }
}

TEST(KeyScript, SeparatorsAndCommentsOnlySeparate) {
    const struct {
        std::string_view script;
        std::vector<Key> keys;
    } cases[] = {
        {"", {}},
        {" \t\r\n, ,\n", {}},
        {"# Enter F12", {}},
        {"Enter,Enter", {code(0x1C0D), code(0x1C0D)}},
        {"F2 \"0101\",Tab\r\n# Esc would cancel\n  F12 # confirm",
         {code(0x3C00), text("0101"), code(0x0F09), code(0x8600)}},
        {"Enter#no blank before the comment\nEsc", {code(0x1C0D), code(0x011B)}},
        {"\"a\"\"b\"", {text("a"), text("b")}},
        {"Ins\"x\"", {code(0x5200), text("x")}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.script);
        EXPECT_EQ(parsedKeys(c.script), c.keys);
    }
}

TEST(KeyScript, BadTokensAreReportedWithTheirLine) {
    const struct {
        std::string_view script;
        std::string token;
        int line;
    } cases[] = {
        {"F13", "F13", 1},
        {"Enter Foo Esc", "Foo", 1},
        {"F1\n# fine\nAlt-1", "Alt-1", 3},
        {"Alt-", "Alt-", 1},
        {"Alt-AB", "Alt-AB", 1},
        {"Ctrl-Del", "Ctrl-Del", 1},
        {"F0", "F0", 1},
        {"\"never closed", "\"never closed", 1},
        {"Tab \"two\nlines\"", "\"two", 1},
        {"\"\"", "\"\"", 1},
        {"\"5 €\"", "\"5 €\"", 1},
        {"\"tab\there\"", "\"tab\there\"", 1},
        {"\"\xFF\"", "\"\xFF\"", 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.script);
        const auto result = parseKeyScript(c.script);
        const auto* error = std::get_if<ScriptError>(&result);
        ASSERT_NE(error, nullptr);
        EXPECT_EQ(error->token, c.token);
        EXPECT_EQ(error->line, c.line);
    }
}

TEST(KeyName, NamesParseBackToTheSameKey) {
    const std::string_view tokens[] = {
        "F1",   "F2",  "F3",        "F4",  "F5",        "F6",       "F7",    "F8",    "F9",    "F10",   "F11",
        "F12",  "Esc", "Enter",     "Tab", "Shift-Tab", "Up",       "Down",  "Left",  "Right", "PgUp",  "PgDn",
        "Home", "End", "Backspace", "Del", "Ins",       "Ctrl-Ins", "Space", "Alt-A", "Alt-X", "Alt-Q",
    };
    for (std::string_view token : tokens) {
        SCOPED_TRACE(token);
        const std::vector<Key> keys = parsedKeys(token);
        ASSERT_EQ(keys.size(), 1u);
        EXPECT_EQ(keyName(keys[0].code), token);
    }
}

TEST(KeyName, CodesWithoutANameStayReadable) {
    const struct {
        std::uint16_t code;
        std::string_view name;
    } cases[] = {
        {0x0042, "'B'"},
        {0x1234, "0x1234"},
        {0x0000, "0x0000"},
        {0x1E61, "0x1E61"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.code);
        EXPECT_EQ(keyName(c.code), c.name);
    }
}

}  // namespace
}  // namespace hadrek::screen
