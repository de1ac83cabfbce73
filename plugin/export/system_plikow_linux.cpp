#include <unistd.h>

#include <cstring>

#include "plugin/export/sciezki_katalogu.hpp"
#include "plugin/interface/mazovia.hpp"

namespace kz {

const char kSeparatorSciezki = '/';

int usunWpis(const char* nazwa) { return unlink(nazwa); }

bool usunPlikPoKonwersji(const char* sciezka) {
    // Every code point of the code page lies below U+10000: three UTF-8
    // bytes at most.
    char nazwa[3 * kMiejsceNaSciezke];
    const std::size_t dlugosc = strnlen(sciezka, kMiejsceNaSciezke);
    if (dlugosc == kMiejsceNaSciezke) return false;
    char* cel = nazwa;
    for (std::size_t i = 0; i < dlugosc; ++i) {
        const char32_t kod = mazovia::kodZnaku(static_cast<unsigned char>(sciezka[i]));
        if (kod < 0x80) {
            *cel++ = static_cast<char>(kod);
        } else if (kod < 0x800) {
            *cel++ = static_cast<char>(0xC0 | (kod >> 6));
            *cel++ = static_cast<char>(0x80 | (kod & 0x3F));
        } else {
            *cel++ = static_cast<char>(0xE0 | (kod >> 12));
            *cel++ = static_cast<char>(0x80 | ((kod >> 6) & 0x3F));
            *cel++ = static_cast<char>(0x80 | (kod & 0x3F));
        }
    }
    *cel = '\0';
    return usunWpis(nazwa) == 0;
}

}  // namespace kz
