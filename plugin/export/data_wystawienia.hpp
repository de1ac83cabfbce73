// A header's issue date as the host splits it (30520), each part written
// to the trace as read, since what the plug-in makes of it follows.
#pragma once

#include <cstdint>

#include "plugin/export/wolaj_hosta.hpp"
#include "plugin/interface/rekordy_zakupow.hpp"

namespace kz {

struct DataWystawienia {
    std::int16_t rok = 0, miesiac = 0, dzien = 0;
};

inline DataWystawienia rozbijDateWystawienia(const void* naglowek) {
    DataWystawienia d;
    wolajHosta<Slot::DateSplit>()(adresPola(naglowek, tzak::kDataWystawienia), &d.rok, &d.miesiac, &d.dzien, nullptr);
    slad::odczytLiczby("year", d.rok);
    slad::odczytLiczby("month", d.miesiac);
    slad::odczytLiczby("day", d.dzien);
    return d;
}

}  // namespace kz
