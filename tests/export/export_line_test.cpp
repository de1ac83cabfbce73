// The export line against hand-packed records and fakes in the slots, for
// what a data file cannot hold: stored values between the whole
// ten-thousandths the host's data keeps, and a contractor identifier that
// fills its field to the last byte. The rest runs through the real host in
// tests/scenarios/writer_scenarios_test.cpp.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "plugin/export/plik_eksportu.hpp"
#include "plugin/export/zrob_liste_dokumentow.hpp"
#include "plugin/interface/host_signatures.hpp"
#include "plugin/interface/rekordy_zakupow.hpp"

namespace {

using kz::Slot;

std::string g_printed;
int g_stream;  // its address is the stream the object holds

void* KZ_THISCALL construct(void* self) { return self; }
void KZ_THISCALL destroy(void*) {}

std::int16_t g_date[3];  // what the date split gives: year, month, day
void KZ_CDECL dateSplit(const void*, std::int16_t* year, std::int16_t* month, std::int16_t* day, void*) {
    *year = g_date[0], *month = g_date[1], *day = g_date[2];
}
void KZ_CDECL rateText(char* buffer, int rateKind) { std::snprintf(buffer, kz::kRateTextSize, "k%d", rateKind); }
// A host's rate text that fills the whole buffer and ends nowhere.
void KZ_CDECL rateTextFillingItsBuffer(char* buffer, int) { std::memset(buffer, 'r', kz::kRateTextSize); }
double KZ_CDECL convert(int, int, double amount) { return amount; }
double KZ_CDECL doubling(int, int, double amount) { return 2 * amount; }
// As the host rounds: to whole units, half away from zero.
double KZ_CDECL roundAmount(double amount, int unit) { return std::round(amount / unit) * unit; }
char* KZ_CDECL boundedCopy(char* destination, const char* source, int limit) {
    const std::size_t length = strnlen(source, static_cast<std::size_t>(limit));
    std::memcpy(destination, source, length);
    destination[length] = '\0';
    return destination;
}
int KZ_CDECL print(void* stream, const char* format, ...) {
    EXPECT_EQ(stream, &g_stream);
    char text[4096];
    va_list arguments;
    va_start(arguments, format);
    const int length = std::vsnprintf(text, sizeof text, format, arguments);
    va_end(arguments);
    g_printed += text;
    return length;
}

template <typename F>
void put(Slot slot, F* function) {
    kz_hostSlots[static_cast<unsigned>(slot)] = reinterpret_cast<void*>(function);
}

// The fields of the one line printed, split at the colons (no text here
// holds one).
std::vector<std::string> fields(const std::string& line) {
    std::vector<std::string> out(1);
    for (const char c : line) {
        if (c == ':')
            out.emplace_back();
        else
            out.back() += c;
    }
    return out;
}

class ExportLine : public ::testing::Test {
protected:
    void SetUp() override {
        g_printed.clear();
        g_date[0] = 2026, g_date[1] = 3, g_date[2] = 5;
        put(Slot::DialogBaseConstruct, &construct);
        put(Slot::DialogBaseDestroy, &destroy);
        put(Slot::DateSplit, &dateSplit);
        put(Slot::RateCodeText, &rateText);
        put(Slot::LineRateConversion, &convert);
        put(Slot::AmountRound, &roundAmount);
        put(Slot::BoundedCopy, &boundedCopy);
        put(Slot::StreamPrintf, &print);
        header_.assign(kz::kRozmiarTzak, 0);
        line_.assign(kz::kRozmiarTzakDok, 0);
        header_[kz::tzak::kFlagiWartosci] = 1;
    }

    std::vector<std::string> printLine() {
        kz::ZnakWPolu structural;
        return printLine(structural);
    }

    std::vector<std::string> printLine(kz::ZnakWPolu& structural) {
        kz::CZrobListeDokumentow eksport;
        eksport.plikWyjsciowy_ = kz::uchwytPliku(&g_stream);
        eksport.wpiszLinieEksportu(eksport.polaDokumentu(kz::kTypZakup, header_.data()), line_.data(), structural);
        eksport.plikWyjsciowy_ = 0;
        return fields(g_printed);
    }

    // Field `n` of the line whose amount at `offset` is stored as `stored`.
    std::string amountField(unsigned offset, double stored, std::size_t n) {
        std::memcpy(line_.data() + offset, &stored, sizeof stored);
        g_printed.clear();
        const auto f = printLine();
        EXPECT_EQ(f.size(), 18u) << g_printed;
        return f.size() > n ? f[n] : "";
    }

    std::vector<unsigned char> header_;
    std::vector<unsigned char> line_;
};

TEST_F(ExportLine, AnAdditionalValueIsEmptyOnlyStrictlyInsideATenThousandthOfAUnit) {
    const struct {
        double stored;
        const char* field;
    } cases[] = {
        {0.0, ""},         {-0.0, ""},          {0.000009, ""},    {-0.000009, ""},
        {0.00001, "0.00"}, {-0.00001, "-0.00"}, {0.0001, "0.00"},  {49.99, "0.00"},
        {50.0, "0.01"},    {-50.0, "-0.01"},    {11600.0, "1.16"}, {1e15, "100000000000.00"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE("stored " + std::to_string(c.stored));
        EXPECT_EQ(amountField(kz::tzak_dok::kWartoscDodatkowa, c.stored, 7), c.field);
    }
}

TEST_F(ExportLine, TheLineValueIsRoundedToHundredthsOfAUnit) {
    // Stored ten-thousandths whose printed value differs when rounded to
    // tens or thousands of them, or not at all.
    const struct {
        double stored;
        const char* field;
    } cases[] = {{12345, "1.23"}, {-12345, "-1.23"}, {10050, "1.01"}, {-10050, "-1.01"}};
    for (const auto& c : cases) {
        SCOPED_TRACE("stored " + std::to_string(c.stored));
        EXPECT_EQ(amountField(kz::tzak_dok::kWartoscPozycji, c.stored, 6), c.field);
    }
}

TEST_F(ExportLine, TheContractorIdentifierIsCutAtThirteenCharactersEvenWithoutItsNul) {
    std::memcpy(header_.data() + kz::tzak::kIdentyfikatorKontrahenta.offset, "1234567890ABCD", 14);
    const auto f = printLine();
    ASSERT_EQ(f.size(), 18u) << g_printed;
    EXPECT_EQ(f[0], "1234567890ABC");
}

// Bit 0 of the header's flag byte alone keeps the stored value; the other
// bits are the host's and say nothing about it.
TEST_F(ExportLine, OnlyBitZeroOfTheValueFlagsKeepsTheStoredValue) {
    put(Slot::LineRateConversion, &doubling);
    const struct {
        unsigned char flags;
        const char* field;
    } cases[] = {{0x00, "2.00"}, {0x01, "1.00"}, {0x02, "2.00"}, {0x03, "1.00"},
                 {0x80, "2.00"}, {0xFE, "2.00"}, {0xFF, "1.00"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "flags 0x" << std::hex << unsigned{c.flags});
        header_[kz::tzak::kFlagiWartosci] = c.flags;
        EXPECT_EQ(amountField(kz::tzak_dok::kWartoscPozycji, 10000, 6), c.field);
    }
}

// Parts of a date as wide as 16 bits make them, each in full.
TEST_F(ExportLine, TheDateFieldHoldsEveryPartTheHostGivesWhole) {
    const struct {
        std::int16_t year, month, day;
        const char* field;
    } cases[] = {
        {5, 1, 2, "00050102"},
        {9999, 12, 31, "99991231"},
        {32767, 12, 31, "327671231"},
        {-32768, -32768, -32768, "-32768-32768-32768"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.field);
        g_date[0] = c.year, g_date[1] = c.month, g_date[2] = c.day;
        g_printed.clear();
        const auto f = printLine();
        ASSERT_EQ(f.size(), 18u) << g_printed;
        EXPECT_EQ(f[1], c.field);
    }
}

// Every text filling its room to the last byte, no NUL in it, and a rate
// text that fills the host's buffer: each field stops at its room.
TEST_F(ExportLine, TextsFillingTheirRoomsAreCutAtTheirRoom) {
    put(Slot::RateCodeText, &rateTextFillingItsBuffer);
    const auto fill = [](std::vector<unsigned char>& record, kz::PoleTekstowe field, char letter) {
        std::memset(record.data() + field.offset, letter, field.room);
    };
    fill(header_, kz::tzak::kNumerDokumentu, 'n');
    fill(line_, kz::tzak_dok::kOpisPozycji, 'd');
    fill(line_, kz::tzak_dok::kKodPozycji, 'c');
    fill(line_, kz::tzak_dok::kJednostka, 'u');
    fill(line_, kz::tzak_dok::kTekstDodatkowy, 'e');
    const auto f = printLine();
    ASSERT_EQ(f.size(), 18u) << g_printed;
    EXPECT_EQ(f[2], std::string(16, 'c'));
    EXPECT_EQ(f[3], std::string(85, 'e'));
    EXPECT_EQ(f[4], std::string(120, 'd'));
    EXPECT_EQ(f[8], std::string(5, 'u'));
    EXPECT_EQ(f[10], std::string(kz::kRateTextSize - 1, 'r'));
    EXPECT_EQ(f[11], std::string(16, 'n'));
}

// A colon, CR or LF in a text field goes out byte for byte, and the first
// such field in the line's order is noted with its byte; a field already
// noted for the document stays.
TEST_F(ExportLine, TheFirstTextFieldHoldingAColonOrALineEndIsNoted) {
    const auto text = [this](kz::PoleTekstowe field, bool inHeader, const char* bytes) {
        std::vector<unsigned char>& record = inHeader ? header_ : line_;
        std::memcpy(record.data() + field.offset, bytes, std::strlen(bytes) + 1);
    };
    const struct {
        const char* name;
        kz::PoleTekstowe field;
        bool inHeader;
        const char* bytes;
        int noted;
        char byte;
    } cases[] = {
        {"identifier", kz::tzak::kIdentyfikatorKontrahenta, true, "PL:525", 1, ':'},
        {"code", kz::tzak_dok::kKodPozycji, false, "A\rB", 3, '\r'},
        {"extra text", kz::tzak_dok::kTekstDodatkowy, false, "x\n", 4, '\n'},
        {"description", kz::tzak_dok::kOpisPozycji, false, "Usługa: transport", 5, ':'},
        {"unit", kz::tzak_dok::kJednostka, false, ":", 9, ':'},
        {"number", kz::tzak::kNumerDokumentu, true, "FZ\n1", 12, '\n'},
        {"nothing", kz::tzak_dok::kOpisPozycji, false, "Towar; 5% / szt.", 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        SetUp();
        text(c.field, c.inHeader, c.bytes);
        kz::ZnakWPolu noted;
        printLine(noted);
        EXPECT_EQ(noted.pole, c.noted);
        EXPECT_EQ(noted.znak, c.byte);
        EXPECT_NE(g_printed.find(c.bytes), std::string::npos) << "written as stored: " << g_printed;
    }

    SetUp();
    text(kz::tzak_dok::kOpisPozycji, false, "a:b");
    text(kz::tzak_dok::kJednostka, false, "k:g");
    kz::ZnakWPolu noted;
    printLine(noted);
    EXPECT_EQ(noted.pole, 5) << "the description comes before the unit";
    text(kz::tzak_dok::kKodPozycji, false, "c:d");
    printLine(noted);
    EXPECT_EQ(noted.pole, 5) << "a later line does not replace the document's first";
}

}  // namespace
