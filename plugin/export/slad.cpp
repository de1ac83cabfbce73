#include "plugin/export/slad.hpp"

#include <charconv>
#include <cstdlib>

#include "plugin/export/sciezki_katalogu.hpp"
#include "plugin/interface/host_signatures.hpp"
#include "plugin/interface/mazovia.hpp"

namespace kz::slad {

std::FILE* g_plik = nullptr;

namespace {

constexpr char kZmienna[] = "KALVETZAKUPY_SLAD";
unsigned long long g_numer = 0;

// A write that failed ends the trace; the export goes on without it.
bool g_blad = false;

void pisz(const char* tekst, std::size_t ile) {
    if (g_plik && std::fwrite(tekst, 1, ile, g_plik) != ile) g_blad = true;
}
void pisz(const char* tekst) { pisz(tekst, std::strlen(tekst)); }

void piszZnak(char znak) { pisz(&znak, 1); }

void piszHex(unsigned char bajt) {
    static constexpr char kCyfry[] = "0123456789abcdef";
    const char para[2] = {kCyfry[bajt >> 4], kCyfry[bajt & 15]};
    pisz(para, 2);
}

// A code point as UTF-8, JSON-escaped where JSON needs it.
void piszZnakJson(char32_t kod) {
    char bufor[6];
    if (kod == '"' || kod == '\\') {
        const char para[2] = {'\\', static_cast<char>(kod)};
        pisz(para, 2);
    } else if (kod < 0x20) {
        pisz("\\u00");
        piszHex(static_cast<unsigned char>(kod));
    } else if (kod < 0x80) {
        piszZnak(static_cast<char>(kod));
    } else if (kod < 0x800) {
        bufor[0] = static_cast<char>(0xC0 | (kod >> 6));
        bufor[1] = static_cast<char>(0x80 | (kod & 0x3F));
        pisz(bufor, 2);
    } else {
        bufor[0] = static_cast<char>(0xE0 | (kod >> 12));
        bufor[1] = static_cast<char>(0x80 | ((kod >> 6) & 0x3F));
        bufor[2] = static_cast<char>(0x80 | (kod & 0x3F));
        pisz(bufor, 3);
    }
}

}  // namespace

void otworz(const char* nazwaModulu) {
    if (g_plik) return;
    const char* nazwa = std::getenv(kZmienna);
    if (!nazwa || !*nazwa) return;
    g_plik = std::fopen(nazwa, "ab");
    if (!g_plik) return;
    Linia l("trace", "KalvetZakupy");
    l.pole("version");
    l.surowe("\"" KZ_WERSJA "\"");
    l.pole("flavour");
    l.surowe("\"" KZ_ODMIANA "\"");
    l.pole("module");
    l.tekst(nazwaModulu, 300);
    l.zakoncz();
}

Linia::Linia(const char* rodzaj, const char* nazwa) {
    if (!g_plik) return;
    pisz("{\"n\":");
    char liczba[24];
    const auto koniec = std::to_chars(liczba, liczba + sizeof liczba, g_numer++).ptr;
    pisz(liczba, static_cast<std::size_t>(koniec - liczba));
    pisz(",\"");
    pisz(rodzaj);
    pisz("\":\"");
    pisz(nazwa);
    piszZnak('"');
    pierwszy_ = false;
}

void Linia::przecinek() {
    if (!pierwszy_) piszZnak(',');
    pierwszy_ = false;
}

void Linia::pole(const char* klucz) {
    przecinek();
    piszZnak('"');
    pisz(klucz);
    pisz("\":");
}

void Linia::liczba(long long wartosc) {
    char bufor[24];
    const auto koniec = std::to_chars(bufor, bufor + sizeof bufor, wartosc).ptr;
    pisz(bufor, static_cast<std::size_t>(koniec - bufor));
}

void Linia::liczbaBezZnaku(unsigned long long wartosc) {
    char bufor[24];
    const auto koniec = std::to_chars(bufor, bufor + sizeof bufor, wartosc).ptr;
    pisz(bufor, static_cast<std::size_t>(koniec - bufor));
}

// JSON has no infinity or NaN: those go as texts.
void Linia::zmienna(double wartosc) {
    if (wartosc != wartosc || wartosc - wartosc != 0) {
        pisz(wartosc != wartosc ? "\"nan\"" : wartosc > 0 ? "\"inf\"" : "\"-inf\"");
        return;
    }
    char bufor[32];
    const auto koniec = std::to_chars(bufor, bufor + sizeof bufor, wartosc).ptr;
    pisz(bufor, static_cast<std::size_t>(koniec - bufor));
}

void Linia::tekst(const char* bajty, std::size_t miejsce) {
    const std::size_t dlugosc = strnlen(bajty, miejsce);
    bool wysokie = false;
    pisz("{\"text\":\"");
    for (std::size_t i = 0; i < dlugosc; ++i) {
        const auto bajt = static_cast<unsigned char>(bajty[i]);
        wysokie = wysokie || bajt >= 0x80;
        piszZnakJson(mazovia::kodZnaku(bajt));
    }
    piszZnak('"');
    if (wysokie) {
        pisz(",\"bytes\":\"");
        for (std::size_t i = 0; i < dlugosc; ++i) piszHex(static_cast<unsigned char>(bajty[i]));
        piszZnak('"');
    }
    piszZnak('}');
}

void Linia::wskaznik(const void* adres) { pisz(adres ? "true" : "null"); }

void Linia::bajty(const void* adres, std::size_t ile) {
    const auto* p = static_cast<const unsigned char*>(adres);
    // Trailing zeros are left out: the size beside says how many there are.
    while (ile > 0 && p[ile - 1] == 0) --ile;
    piszZnak('"');
    for (std::size_t i = 0; i < ile; ++i) piszHex(p[i]);
    piszZnak('"');
}

void Linia::surowe(const char* json) { pisz(json); }

void Linia::zakoncz() {
    if (!g_plik) return;
    pisz("}\n");
    // Each line reaches the file at once, so a crash leaves the trace whole
    // up to the crossing it happened in.
    if (std::fflush(g_plik) != 0) g_blad = true;
    if (g_blad) {
        std::fclose(g_plik);
        g_plik = nullptr;
    }
}

std::size_t miejsceWyjscia(Slot slot, unsigned indeks, const long long* liczby, unsigned ileLiczb) {
    auto liczba = [&](unsigned i) { return i < ileLiczb && liczby[i] > 0 ? static_cast<std::size_t>(liczby[i]) : 0; };
    switch (slot) {
    case Slot::DateToText: return indeks == 0 ? kDateTextSize : 0;
    case Slot::RateCodeText: return indeks == 0 ? kRateTextSize : 0;
    case Slot::FolderPicker: return indeks == 1 ? static_cast<std::size_t>(kFolderPickerCapacity) : 0;
    case Slot::BoundedCopy: return indeks == 0 ? liczba(2) : 0;
    case Slot::ModuleAcceptance: return indeks == 1 ? liczba(2) : 0;
    case Slot::PathAppendName:
    case Slot::CaseFold: return indeks == 0 ? kMiejsceNaSciezke : 0;
    default: return 0;
    }
}

void odczyt::rekord(const void* tabela) {
    std::int16_t rozmiar;
    std::memcpy(&rozmiar, static_cast<const unsigned char*>(tabela) + kTableHandleRecordSize, sizeof rozmiar);
    const unsigned char* rekord;
    std::memcpy(&rekord, static_cast<const unsigned char*>(tabela) + kTableHandleRecord, sizeof rekord);
    Linia l("read", "record");
    l.pole("size");
    l.liczba(rozmiar);
    l.pole("bytes");
    l.bajty(rekord, rozmiar > 0 ? static_cast<std::size_t>(rozmiar) : 0);
    l.zakoncz();
}

void odczyt::bajty(const char* co, const void* adres, std::size_t ile) {
    Linia l("read", co);
    l.pole("size");
    l.liczbaBezZnaku(ile);
    l.pole("bytes");
    l.bajty(adres, ile);
    l.zakoncz();
}

void odczyt::liczba(const char* co, long long wartosc) {
    Linia l("read", co);
    l.pole("value");
    l.liczba(wartosc);
    l.zakoncz();
}

void odczyt::tekst(const char* co, const char* tekst, std::size_t miejsce) {
    Linia l("read", co);
    l.pole("room");
    l.liczbaBezZnaku(miejsce);
    l.pole("text");
    l.tekst(tekst, miejsce);
    l.zakoncz();
}

std::intptr_t Wejscie::wynikWiersza(int wiersz, std::intptr_t odpowiedz, int pytanieOLiczbe) {
    if (!wlaczony()) return odpowiedz;
    Linia l("leave", rola_);
    l.pole("result");
    if (wiersz == pytanieOLiczbe)
        l.liczba(odpowiedz);
    else
        l.tekst(reinterpret_cast<const char*>(odpowiedz), 256);
    l.zakoncz();
    return odpowiedz;
}

}  // namespace kz::slad
