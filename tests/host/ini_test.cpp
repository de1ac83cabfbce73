// The host's INI access: what a write followed by a read gives back.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "host/core/context.hpp"
#include "host/services/ini_file.hpp"
#include "host/services/services.hpp"

namespace {

using hadrek::ini::IniDocument;

TEST(IniDocument, EditsKeepEverythingElse) {
    const std::string original =
        "; nagłówek\r\n[Inna]\r\nOpcje=obca\r\n\r\n[KalvetZakupy]\r\npytaj=0\r\n\r\n[Ostatnia]\r\nX=1\r\n";
    struct Case {
        const char* name;
        const char* section;
        const char* key;
        const char* value;
        std::string expected;
    };
    const Case cases[] = {
        {"replace in place, key case kept from the write", "KalvetZakupy", "Pytaj", "1",
         "; nagłówek\r\n[Inna]\r\nOpcje=obca\r\n\r\n[KalvetZakupy]\r\nPytaj=1\r\n\r\n[Ostatnia]\r\nX=1\r\n"},
        {"new key after the section's last line", "kalvetzakupy", "Opcje", "\"a\"",
         "; "
         "nagłówek\r\n[Inna]\r\nOpcje=obca\r\n\r\n[KalvetZakupy]\r\npytaj=0\r\nOpcje=\"a\"\r\n\r\n[Ostatnia]\r\nX="
         "1\r\n"},
        {"new section at the end", "Nowa", "K", "", original + "\r\n[Nowa]\r\nK=\r\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        IniDocument document = IniDocument::parse(original);
        document.set(c.section, c.key, c.value);
        EXPECT_EQ(document.serialize(), c.expected);
        EXPECT_EQ(IniDocument::parse(document.serialize()).get(c.section, c.key), std::optional<std::string>(c.value));
    }
    const IniDocument document = IniDocument::parse(original);
    EXPECT_EQ(document.get("KALVETZAKUPY", "PYTAJ"), std::optional<std::string>("0"));
    EXPECT_EQ(document.get("Inna", "Pytaj"), std::nullopt);
    EXPECT_EQ(document.get("Brak", "Opcje"), std::nullopt);
}

TEST(IniRecord, WriteThenReadGivesTheTextsCutToWidth) {
    const auto format = hadrek::ini::parseRecordFormat("%8s,%8s,%25s,%25s,%25s,%13s,%13s,%259s");
    ASSERT_TRUE(format);
    struct Case {
        const char* name;
        std::vector<std::string> written;
        std::vector<std::string> read;
    };
    const std::string longFolder(300, 'k');
    const Case cases[] = {
        {"plain",
         {"20260101", "20261231", "a", "b", "c", "ID", "PL", "C:\\E"},
         {"20260101", "20261231", "a", "b", "c", "ID", "PL", "C:\\E"}},
        {"empty", {"", "", "", "", "", "", "", ""}, {"", "", "", "", "", "", "", ""}},
        {"blanks and commas",
         {"", "", " Kowal, Nowak ", ",", " ", "a\"b", "\\\"", "x,y"},
         {"", "", " Kowal, Nowak ", ",", " ", "a\"b", "\\\"", "x,y"}},
        {"over-long",
         {"2026010199", "", std::string(30, 'n'), "", "", "", "12345678901234", longFolder},
         {"20260101", "", std::string(25, 'n'), "", "", "", "1234567890123", longFolder.substr(0, 259)}},
        {"control and high bytes",
         {"", "", "\x86\x92\x01\t", "", "", "", "", ""},
         {"", "", "\x86\x92\x01\t", "", "", "", "", ""}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<std::string_view> views(c.written.begin(), c.written.end());
        const std::string stored = hadrek::ini::encodeRecord(*format, views);
        EXPECT_EQ(stored.find_first_of("\r\n"), std::string::npos) << stored;
        const auto back = hadrek::ini::decodeRecord(*format, stored);
        ASSERT_TRUE(back) << stored;
        EXPECT_EQ(*back, c.read);
    }
}

TEST(IniRecord, ValuesOfAnotherShapeAreNotRead) {
    const auto format = hadrek::ini::parseRecordFormat("%3s,%3s");
    ASSERT_TRUE(format);
    for (const char* value :
         {"", "\"a\"", "\"a\",\"b", "\"a\";\"b\"", "a,b", "\"a\",\"b\"x", "\"a\\", "\"a\",\"b\\\""}) {
        SCOPED_TRACE(value);
        EXPECT_EQ(hadrek::ini::decodeRecord(*format, value), std::nullopt);
    }
    for (const char* bad : {"%s", "%d", "%3d", "%3s%", "%0s"}) EXPECT_FALSE(hadrek::ini::parseRecordFormat(bad)) << bad;
}

class IniAccess : public ::testing::Test {
protected:
    void SetUp() override {
        folder_ = "scenario/ini-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(folder_);
        std::filesystem::create_directories(folder_);
        hadrek::context().options.configDir = folder_;
    }
    std::string folder_;
};

TEST_F(IniAccess, PlainValuesAndRecordsThroughTheService) {
    using hadrek::services::iniAccess;
    int flag = 7;
    EXPECT_NE(iniAccess("KalvetZakupy.ini", 1, "KalvetZakupy", "Pytaj", "%d", &flag) & 0xFFFF, 0) << "no file yet";
    EXPECT_EQ(flag, 7) << "a failed read leaves the variable alone";
    EXPECT_EQ(iniAccess("KalvetZakupy.ini", 2, "KalvetZakupy", "Pytaj", "%d", -1), 0);
    EXPECT_EQ(iniAccess("KalvetZakupy.ini", 1, "KalvetZakupy", "Pytaj", "%d", &flag), 0);
    EXPECT_EQ(flag, -1);

    char a[9] = "2026", b[26] = "z, przecinkiem ", c[14] = "";
    EXPECT_EQ(iniAccess("KalvetZakupy.ini", 9, "KalvetZakupy", "Opcje", "%8s,%25s,%13s", a, b, c), 0);
    char ra[9] = "xxxxxxxx", rb[26] = "yyyy", rc[14] = "zz";
    EXPECT_EQ(iniAccess("KalvetZakupy.ini", 8, "KalvetZakupy", "Opcje", "%8s,%25s,%13s", ra, rb, rc), 0);
    EXPECT_STREQ(ra, "2026");
    EXPECT_STREQ(rb, "z, przecinkiem ");
    EXPECT_STREQ(rc, "");

    // The file name is taken as a name only: nothing lands outside the folder.
    EXPECT_EQ(iniAccess("../../KalvetZakupy.ini", 2, "S", "K", "%d", 1), 0);
    EXPECT_TRUE(std::filesystem::exists(folder_ + "/KalvetZakupy.ini"));
    EXPECT_FALSE(std::filesystem::exists(folder_ + "/../../KalvetZakupy.ini"));
}

}  // namespace
