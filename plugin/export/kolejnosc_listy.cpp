#include "plugin/export/kolejnosc_listy.hpp"

#include <cstddef>

#include "plugin/export/pozycja_listy.hpp"

namespace kz {
namespace {

const PozycjaListy& pozycja(const void* p) { return *static_cast<const PozycjaListy*>(p); }

// Byte by byte as unsigned values up to the first difference or NUL, never
// past the field even when it holds no NUL.
template <std::size_t N>
int porownajTeksty(const char (&a)[N], const char (&b)[N]) {
    for (std::size_t i = 0; i < N; ++i) {
        const auto x = static_cast<unsigned char>(a[i]);
        const auto y = static_cast<unsigned char>(b[i]);
        if (x != y) return x < y ? -1 : 1;
        if (x == 0) return 0;
    }
    return 0;
}

}  // namespace

int kolejnoscListy(const void* pa, const void* pb) {
    const PozycjaListy& a = pozycja(pa);
    const PozycjaListy& b = pozycja(pb);
    if (a.typDokumentu != b.typDokumentu) return a.typDokumentu > b.typDokumentu ? -1 : 1;
    if (const int daty = porownajTeksty(a.dataWystawienia, b.dataWystawienia)) return -daty;
    return porownajTeksty(a.numerDokumentu, b.numerDokumentu);
}

int kolejnoscZaznaczenia(const void* pa, const void* pb) {
    const PozycjaListy& a = pozycja(pa);
    const PozycjaListy& b = pozycja(pb);
    return b.zaznaczenie - a.zaznaczenie;
}

}  // namespace kz
