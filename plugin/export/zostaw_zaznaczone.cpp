// Keep marked documents: what the writing step reduces the list to before
// it writes anything.
#include <cstdlib>

#include "plugin/export/kolejnosc_listy.hpp"
#include "plugin/export/komunikaty.hpp"
#include "plugin/export/wolaj_hosta.hpp"
#include "plugin/export/zrob_liste_dokumentow.hpp"

namespace kz {

int CZrobListeDokumentow::zostawZaznaczone() {
    if (liczbaDokumentow_ <= 0) return 0;
    std::qsort(listaDokumentow_, static_cast<std::size_t>(liczbaDokumentow_), sizeof(PozycjaListy),
               kolejnoscZaznaczenia);
    std::int32_t zaznaczone = 0;
    while (zaznaczone < liczbaDokumentow_ && pozycje()[zaznaczone].zaznaczenie != 0) ++zaznaczone;
    liczbaDokumentow_ = zaznaczone;
    if (zaznaczone == 0) return 0;

    void* nowa = wolajHosta<Slot::MemoryResize>()(listaDokumentow_,
                                                  static_cast<std::uint32_t>(zaznaczone) * sizeof(PozycjaListy));
    if (!nowa) {
        pokazBladAlokacji();
        return 0;
    }
    listaDokumentow_ = nowa;
    pojemnoscListy_ = zaznaczone;
    std::qsort(listaDokumentow_, static_cast<std::size_t>(zaznaczone), sizeof(PozycjaListy), kolejnoscListy);
    return zaznaczone;
}

}  // namespace kz
