#include "plugin/export/podzial_okresow.hpp"

#include <algorithm>
#include <cstdlib>

namespace kz {
namespace {

int porownajKlucze(const void* a, const void* b) {
    const std::int32_t x = *static_cast<const std::int32_t*>(a), y = *static_cast<const std::int32_t*>(b);
    return (x > y) - (x < y);
}

constexpr int kDniMiesiaca[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

int dniMiesiaca(int rok, int miesiac) {
    const bool przestepny = (rok % 4 == 0 && rok % 100 != 0) || rok % 400 == 0;
    return kDniMiesiaca[miesiac - 1] + (miesiac == 2 && przestepny);
}

// The day after and the day before RRRRMMDD. A date the host made of parts
// out of range (month 13, day 40) only steps its day.
std::int32_t nastepnyDzien(std::int32_t dzien) {
    const int rok = dzien / 10000, miesiac = dzien / 100 % 100, d = dzien % 100;
    if (miesiac < 1 || miesiac > 12 || d < dniMiesiaca(rok, miesiac)) return dzien + 1;
    return miesiac == 12 ? (rok + 1) * 10000 + 101 : rok * 10000 + (miesiac + 1) * 100 + 1;
}

std::int32_t poprzedniDzien(std::int32_t dzien) {
    const int rok = dzien / 10000, miesiac = dzien / 100 % 100, d = dzien % 100;
    if (miesiac < 1 || miesiac > 12 || d != 1) return dzien - 1;
    return miesiac == 1 ? (rok - 1) * 10000 + 1231 : rok * 10000 + (miesiac - 1) * 100 + dniMiesiaca(rok, miesiac - 1);
}

}  // namespace

std::int32_t kluczDnia(int rok, int miesiac, int dzien, int rodzaj) {
    return ((std::max(rok, 0) * 100 + miesiac) * 100 + dzien) * 2 + rodzaj;
}

int podzielNaOkresy(std::int32_t* klucze, int liczba, int limit, Okres* okresy, int miejsce) {
    if (liczba > 0) std::qsort(klucze, static_cast<std::size_t>(liczba), sizeof *klucze, porownajKlucze);
    int wszystkich = 0;
    Okres biezacy{};
    int wBiezacym[2] = {};
    for (int i = 0; i < liczba;) {
        const std::int32_t dzien = klucze[i] / 2;
        int tegoDnia[2] = {};
        for (; i < liczba && klucze[i] / 2 == dzien; ++i) ++tegoDnia[klucze[i] % 2];

        const bool miesciSie = wBiezacym[0] + tegoDnia[0] <= limit && wBiezacym[1] + tegoDnia[1] <= limit;
        const bool ponadLimit = tegoDnia[0] > limit || tegoDnia[1] > limit;
        if (wszystkich == 0 || !miesciSie) {
            // Periods follow each other day by day, so that together they
            // cover the whole span; a day past the limit stays a period of
            // its own, which the user exports in parts.
            std::int32_t od = dzien;
            if (wszystkich > 0) {
                if (biezacy.ponadLimitJednegoDnia)
                    od = ponadLimit ? dzien : nastepnyDzien(biezacy.do_);
                else
                    biezacy.do_ = poprzedniDzien(dzien);
                if (wszystkich <= miejsce) okresy[wszystkich - 1] = biezacy;
            }
            biezacy = Okres{od, dzien, ponadLimit};
            ++wszystkich;
            wBiezacym[0] = wBiezacym[1] = 0;
        }
        biezacy.do_ = dzien;
        wBiezacym[0] += tegoDnia[0];
        wBiezacym[1] += tegoDnia[1];
    }
    if (wszystkich > 0 && wszystkich <= miejsce) okresy[wszystkich - 1] = biezacy;
    return wszystkich;
}

}  // namespace kz
