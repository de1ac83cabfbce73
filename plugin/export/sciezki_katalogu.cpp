#include "plugin/export/sciezki_katalogu.hpp"

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "plugin/resources/texts.hpp"

namespace kz {

bool zlozSciezke(char (&cel)[kMiejsceNaSciezke], const char* katalog, const char* nazwa) {
    const int dlugosc =
        std::snprintf(cel, sizeof cel, texts::kFormatSciezki.c_str(), katalog, kSeparatorSciezki, nazwa);
    if (dlugosc >= 0 && static_cast<std::size_t>(dlugosc) < sizeof cel) return true;
    cel[0] = '\0';
    return false;
}

bool usunPlik(const char* sciezka) {
    errno = 0;
    if (usunWpis(sciezka) == 0) return true;
    return errno == ENOENT && usunPlikPoKonwersji(sciezka);
}

bool brakKatalogu(const char* katalog) { return katalog[std::strspn(katalog, " ")] == '\0'; }

bool nazwaWewnatrzKatalogu(const char* nazwa) {
    if (nazwa[0] == '\0' || std::strcmp(nazwa, ".") == 0 || std::strcmp(nazwa, "..") == 0) return false;
    // Windows takes `/` as a separator too; on Linux both tests are one.
    return !std::strchr(nazwa, kSeparatorSciezki) && !std::strchr(nazwa, '/');
}

}  // namespace kz
