// The document steps. The scan, the selection list and the file writer are
// still to come: until they exist, a confirmed options dialog ends the run
// here, with nothing opened and nothing written.
#include "plugin/export/zrob_liste_dokumentow.hpp"

namespace kz {

int CZrobListeDokumentow::krokSkanowania() { return 1; }

int CZrobListeDokumentow::krokWyboru() { return 1; }

int CZrobListeDokumentow::krokZapisu() { return 0; }

// No list is shown yet, so no key is the object's own.
int CZrobListeDokumentow::obsluzKlawisz(std::uint16_t, std::uint16_t) { return 0; }

std::intptr_t CZrobListeDokumentow::podajWiersz(int wiersz) {
    if (wiersz == -1) return liczbaDokumentow_;
    tekstWiersza_[0] = '\0';
    return reinterpret_cast<std::intptr_t>(tekstWiersza_);
}

}  // namespace kz
