// Every text of the plug-in's lists, read back through a decode table of
// this test's own: a wrong byte in the conversion or a stray byte shows up
// as a text that differs from the literal it was made from, and a hex
// escape that swallowed the letters after a mark-up byte leaves that mark
// unclosed. The texts come from the lists that define them, so a new one
// is read back without a line here.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "plugin/interface/opcje_eksportu.hpp"
#include "plugin/resources/dialog_texts.hpp"
#include "plugin/resources/texts.hpp"

namespace {

struct Litera {
    unsigned char bajt;
    const char* utf8;
};

// The letters the plug-in's texts may use beyond ASCII.
constexpr Litera kLitery[] = {
    {0x86, "ą"}, {0x8D, "ć"}, {0x91, "ę"}, {0x92, "ł"}, {0xA4, "ń"}, {0xA2, "ó"}, {0x9E, "ś"},
    {0xA6, "ź"}, {0xA7, "ż"}, {0x8F, "Ą"}, {0x95, "Ć"}, {0x90, "Ę"}, {0x9C, "Ł"}, {0xA5, "Ń"},
    {0xA3, "Ó"}, {0x98, "Ś"}, {0xA0, "Ź"}, {0xA1, "Ż"}, {0xAE, "«"}, {0xAF, "»"},
};

constexpr char kZamknij = 0x01;
constexpr char kWyroznij = 0x02;
constexpr char kNazwaKlawisza = 0x05;

bool jestZnacznikiem(char c) { return c == kZamknij || c == kWyroznij || c == kNazwaKlawisza; }

std::string znacznik(const char* wzor, unsigned char b) {
    char tekst[8];
    std::snprintf(tekst, sizeof tekst, wzor, b);
    return tekst;
}

// Mark-up bytes come out as {01}, {02}, {05}; line breaks and tabs as
// themselves; anything the table does not know as {?XX}.
std::string czytaj(std::string_view bajty) {
    std::string wynik;
    for (char c : bajty) {
        const auto b = static_cast<unsigned char>(c);
        const Litera* litera = nullptr;
        for (const Litera& l : kLitery)
            if (l.bajt == b) litera = &l;
        if (jestZnacznikiem(c))
            wynik += znacznik("{%02X}", b);
        else if ((b >= 0x20 && b < 0x7F) || c == '\n' || c == '\r' || c == '\t')
            wynik += c;
        else
            wynik += litera ? litera->utf8 : znacznik("{?%02X}", b);
    }
    return wynik;
}

// The UTF-8 literal as czytaj shows a correct conversion of it.
std::string zamierzony(std::string_view utf8) {
    std::string wynik;
    for (char c : utf8)
        wynik += jestZnacznikiem(c) ? znacznik("{%02X}", static_cast<unsigned char>(c)) : std::string(1, c);
    return wynik;
}

// Emphasis and key names run to the next 0x01; a line may open with a tab
// stop directive 0x01 't' … 0x01. Any other 0x01 closes nothing.
bool znacznikiDomkniete(std::string_view bajty) {
    bool otwarty = false;
    for (std::size_t i = 0; i < bajty.size(); ++i) {
        const bool poczatekLinii = i == 0 || bajty[i - 1] == '\n';
        if (bajty[i] == kWyroznij || bajty[i] == kNazwaKlawisza) {
            if (otwarty) return false;
            otwarty = true;
        } else if (bajty[i] == kZamknij && otwarty) {
            otwarty = false;
        } else if (bajty[i] == kZamknij) {
            const std::size_t koniec = bajty.find(kZamknij, i + 1);
            if (!poczatekLinii || i + 1 >= bajty.size() || bajty[i + 1] != 't' || koniec == std::string_view::npos)
                return false;
            i = koniec;
        }
    }
    return !otwarty;
}

struct Przypadek {
    const char* nazwa;
    std::string_view bajty;
    std::string zamierzony;
};

template <std::size_t N>
Przypadek przypadek(const char* nazwa, const kz::mazovia::Tekst<N>& tekst, std::string_view utf8) {
    return {nazwa, std::string_view(tekst.data(), tekst.size()), zamierzony(utf8)};
}

#define KZ_PRZYPADEK(nazwa, literal) przypadek(#nazwa, kz::texts::nazwa, literal),

const std::vector<Przypadek>& przypadki() {
    static const std::vector<Przypadek> kPrzypadki = {
        KZ_TEKSTY(KZ_PRZYPADEK) KZ_TEKSTY_DIALOGOW(KZ_PRZYPADEK)
        // Built from the options record's field sizes, not from a literal.
        przypadek("kFormatOpcji", kz::kFormatOpcji, "%8s,%8s,%25s,%25s,%25s,%13s,%13s,%259s"),
    };
    return kPrzypadki;
}

TEST(TextConstants, DecodeToTheIntendedText) {
    for (const Przypadek& p : przypadki()) {
        SCOPED_TRACE(p.nazwa);
        EXPECT_EQ(czytaj(p.bajty), p.zamierzony);
        EXPECT_TRUE(znacznikiDomkniete(p.bajty)) << czytaj(p.bajty);
    }
}

TEST(TextConstants, HoldOnlyBytesOfTheCodePage) {
    for (const Przypadek& p : przypadki()) {
        for (std::size_t i = 0; i < p.bajty.size(); ++i) {
            const std::string bajt = czytaj(p.bajty.substr(i, 1));
            EXPECT_EQ(bajt.find("{?"), std::string::npos) << p.nazwa << " byte " << i << ": " << bajt;
        }
    }
}

TEST(TextConstants, AnUnclosedOrStrayMarkIsFound) {
    EXPECT_TRUE(
        znacznikiDomkniete("\x01tl18\x01"
                           "A\t\x02"
                           "B\x01\nC"));
    EXPECT_FALSE(znacznikiDomkniete("^sc\x01 Anuluj")) << "\\x05Esc read as one escape";
    EXPECT_FALSE(
        znacznikiDomkniete("\x02"
                           "F3 Dokumenty"));
    EXPECT_FALSE(znacznikiDomkniete("A\x01tl18\x01"));
}

}  // namespace
