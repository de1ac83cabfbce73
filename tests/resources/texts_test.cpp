// Every text constant, read back through a decode table of this test's own:
// a wrong byte in the conversion, a swallowed hex escape or a stray byte
// shows up as a text that differs from the one intended.
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

// Mark-up bytes come out as {01}, {02}, {05}; line breaks and tabs as
// themselves; anything the table does not know as {?XX}.
std::string czytaj(std::string_view bajty) {
    std::string wynik;
    for (char c : bajty) {
        const auto b = static_cast<unsigned char>(c);
        char znacznik[8];
        if (b == 0x01 || b == 0x02 || b == 0x05) {
            std::snprintf(znacznik, sizeof znacznik, "{%02X}", b);
            wynik += znacznik;
        } else if ((b >= 0x20 && b < 0x7F) || b == '\n' || b == '\r' || b == '\t') {
            wynik += c;
        } else {
            const Litera* litera = nullptr;
            for (const Litera& l : kLitery) {
                if (l.bajt == b) litera = &l;
            }
            if (litera) {
                wynik += litera->utf8;
            } else {
                std::snprintf(znacznik, sizeof znacznik, "{?%02X}", b);
                wynik += znacznik;
            }
        }
    }
    return wynik;
}

struct Przypadek {
    const char* nazwa;
    std::string_view bajty;
    const char* zamierzony;
};

template <std::size_t N>
Przypadek przypadek(const char* nazwa, const kz::mazovia::Tekst<N>& tekst, const char* zamierzony) {
    return {nazwa, std::string_view(tekst.data(), tekst.size()), zamierzony};
}

#define KZ_PRZYPADEK(stala, zamierzony) przypadek(#stala, kz::texts::stala, zamierzony)

const std::vector<Przypadek>& przypadki() {
    static const std::vector<Przypadek> kPrzypadki = {
        KZ_PRZYPADEK(kOpisWtyczki,
                     "Miesiące->Export-import danych->Export do innych programów:\n{02}Kalvet zakupy{01}"),
        KZ_PRZYPADEK(kEtykietaMenu, "K~a~lvet zakupy"),
        KZ_PRZYPADEK(kZainstalowanoWtyczke, "Zainstalowano wtyczkę do programu:\n%s"),
        KZ_PRZYPADEK(kPlikIni, "KalvetZakupy.ini"),
        KZ_PRZYPADEK(kSekcjaIni, "KalvetZakupy"),
        KZ_PRZYPADEK(kKluczPytaj, "Pytaj"),
        KZ_PRZYPADEK(kFormatPytaj, "%d"),
        KZ_PRZYPADEK(kKluczOpcje, "Opcje"),
        przypadek("kFormatOpcji", kz::kFormatOpcji, "%8s,%8s,%25s,%25s,%25s,%13s,%13s,%259s"),
        KZ_PRZYPADEK(kWybierzFolder, "Wybierz folder z plikami do importu"),
        KZ_PRZYPADEK(kBrakFunkcjiONumerze, "Brak funkcji o numerze %d\n"),
        KZ_PRZYPADEK(kFunkcjeONumerze, "funkcję o numerze %hu"),
        KZ_PRZYPADEK(kFunkcjeONumerach, "funkcje o numerach"),
        KZ_PRZYPADEK(kKolejnyNumer, " %hu,"),
        KZ_PRZYPADEK(kJej, "jej"),
        KZ_PRZYPADEK(kIch, "ich"),
        KZ_PRZYPADEK(kBrakujaceFunkcje,
                     "Wtyczka \"%s\" potrzebuje zaimportować\n%s z modułu głównego,\n"
                     "jednak moduł główny %s nie posiada. Aby naprawić tę sytuację\n"
                     "zainstaluj aktualizację programu oraz wtyczki.\n\nWTYCZKA NIE ZOSTANIE ZAŁADOWANA!!!\n"),
        KZ_PRZYPADEK(
            kNaglowekRozmiarow,
            "Rozmiary rekordów niektórych tabel nie zgadzają się\n"
            "między programem a wtyczką '%s' (moduł '%s'):\n\n{01}tl18l33{01}TABELA\tWE WTYCZCE\tW PROGRAMIE\n"),
        KZ_PRZYPADEK(kWierszRozmiaru, "{01}tp25p40{01}%s\t%d\t%s\n"),
        KZ_PRZYPADEK(kBrak, "brak"),
        KZ_PRZYPADEK(kStopkaRozmiarow, "\nModuł {02}%s{01}\nNIE zostanie załadowany!"),
        KZ_PRZYPADEK(kRozneWersje,
                     "Moduł \"%s\" i program występują w różnych wersjach!\n\n"
                     "Został zakualizowany tylko program albo tylko moduł,\n"
                     "a nie oba jednocześnie! Aby naprawić tę sytuację\n"
                     "zainstaluj aktualizację programu wraz z modułem \"%s\".\n\nMODUŁ NIE ZOSTANIE ZAŁADOWANY!!!\n"),
        KZ_PRZYPADEK(kNiezainicjowany, "Moduł \"%s\" nie został poprawnie zainicjowany,\nwięc NIE BĘDZIE AKTYWNY!"),
        KZ_PRZYPADEK(kNazwaWtyczki, "KalvetZakupy"),
        KZ_PRZYPADEK(kBladOperacjiDyskowej, "Błąd operacji dyskowej!"),
        KZ_PRZYPADEK(kBladAlokacji, "Błąd podczas alokowania pamięci w %s!\nOperacja niekompletna!"),
        KZ_PRZYPADEK(kListaPelna,
                     "Dokumentów spełniających kryteria jest więcej niż %d,\na tyle najwyżej mieści lista. "
                     "Pozostałe nie zostały\nna nią wpisane i nie zostaną wyeksportowane.\n\n"
                     "Zawęź okres lub filtry kontrahenta\ni uruchom eksport ponownie."),
        KZ_PRZYPADEK(kBrakDokumentow, "Brak dokumentów spełniających kryteria!"),
        KZ_PRZYPADEK(kFormatWiersza, "%c\r%.*s\r%.*s\r%s\r%.*s\r%s"),
        KZ_PRZYPADEK(kNapisZakup, "Zakup"),
        KZ_PRZYPADEK(kNapisPZ, "PZ"),
        KZ_PRZYPADEK(kTytulBlad, "Błąd"),
        KZ_PRZYPADEK(kTytulUwaga, "Uwaga"),
        KZ_PRZYPADEK(kStop, "STOP!!!"),
        KZ_PRZYPADEK(kTytulWyboru, "Wybierz zamówienie"),
        KZ_PRZYPADEK(kKolumnyListy, "z5l17Numer dok.\rl-1Kontrahent\rp15Wartość brutto\rl12Data wyst.\rl8Typ dok."),
        KZ_PRZYPADEK(kEtykietaDokumenty, "{02}F3{01} Dokumenty"),
        KZ_PRZYPADEK(kNapisZaznacz, "{05}INS{01} Zaznacz"),
        KZ_PRZYPADEK(kNapisWszystkie, "{05}Ctrl-INS{01} Wszystkie"),
        KZ_PRZYPADEK(kNapisOk, "{05}F12{01} OK"),
        KZ_PRZYPADEK(kTytulOpcji, "Podaj dane wejściowe"),
        KZ_PRZYPADEK(kEtykietaOkresOd, "{02}F2{01} Okres od"),
        KZ_PRZYPADEK(kEtykietaOkresDo, "{02}F3{01} Okres do"),
        KZ_PRZYPADEK(kWyselekcjonuj, "Wyselekcjonuj dokumenty zawierające w:"),
        KZ_PRZYPADEK(kEtykietaNazwy, "{02}F4{01} nazwie  kontrahenta"),
        KZ_PRZYPADEK(kEtykietaAdresu, "{02}F5{01} adresie kontrahenta"),
        KZ_PRZYPADEK(kEtykietaSymbolu, "{02}F6{01} symbolu kontrahenta"),
        KZ_PRZYPADEK(kEtykietaPlacowki, "{02}F7{01} Placówka"),
        KZ_PRZYPADEK(kKatalog, "Katalog"),
        KZ_PRZYPADEK(kNapisWybierz, "Wy~b~ierz"),
        KZ_PRZYPADEK(kNapisAnuluj, "{05}Esc{01} Anuluj"),
    };
    return kPrzypadki;
}

TEST(TextConstants, DecodeToTheIntendedText) {
    for (const Przypadek& p : przypadki()) {
        SCOPED_TRACE(p.nazwa);
        EXPECT_EQ(czytaj(p.bajty), p.zamierzony);
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

}  // namespace
