#include "plugin/export/scalanie_spacji.hpp"

#include <cstring>

namespace kz {

char* scalSpacje(char* tekst) {
    const std::size_t dlugosc = std::strlen(tekst);
    std::size_t zapis = 0;
    for (std::size_t odczyt = 0; odczyt < dlugosc; ++odczyt) {
        const char znak = tekst[odczyt];
        tekst[zapis] = znak;
        if (zapis == 0 || znak != ' ' || tekst[zapis - 1] != ' ') ++zapis;
    }
    tekst[zapis] = '\0';
    return tekst;
}

}  // namespace kz
