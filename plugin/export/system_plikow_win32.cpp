#include <cstdio>
#include <cstring>
#include <cwchar>

#include "plugin/export/sciezki_katalogu.hpp"
#include "plugin/interface/mazovia.hpp"

namespace kz {

const char kSeparatorSciezki = '\\';

int usunWpis(const char* nazwa) { return std::remove(nazwa); }

bool usunPlikPoKonwersji(const char* sciezka) {
    // Every code point of the code page is one UTF-16 unit.
    wchar_t nazwa[kMiejsceNaSciezke];
    const std::size_t dlugosc = strnlen(sciezka, kMiejsceNaSciezke);
    if (dlugosc == kMiejsceNaSciezke) return false;
    for (std::size_t i = 0; i < dlugosc; ++i)
        nazwa[i] = static_cast<wchar_t>(mazovia::kodZnaku(static_cast<unsigned char>(sciezka[i])));
    nazwa[dlugosc] = L'\0';
    return _wremove(nazwa) == 0;
}

}  // namespace kz
