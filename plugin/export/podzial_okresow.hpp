// Past a kind's hundredth file the user is told shorter periods to export
// one by one instead: consecutive whole days that together hold every
// chosen document, each period at most a kind's file limit of each kind,
// each starting the day after the one before ends.
// The periods are named as the period fields take them, RRRRMMDD.
#pragma once

#include <cstdint>

namespace kz {

// A chosen document for the split: its issue day RRRRMMDD and its kind
// (0 purchase invoice, 1 goods receipt) in one number, so that one sort
// orders by day. Years below 0 count as year 0.
std::int32_t kluczDnia(int rok, int miesiac, int dzien, int rodzaj);

struct Okres {
    std::int32_t od;
    std::int32_t do_;
    // One day alone holds more than the limit of a kind: no period can
    // take it whole.
    bool ponadLimitJednegoDnia;
};

// Sorts the keys and cuts them into periods, the earliest first, each
// holding at most `limit` documents of each kind. Fills at most `miejsce`
// periods and answers how many there are in all.
int podzielNaOkresy(std::int32_t* klucze, int liczba, int limit, Okres* okresy, int miejsce);

}  // namespace kz
