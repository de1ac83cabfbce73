// The document filter, for the scan and again for the writing step.
#include <cstring>

#include "plugin/export/wolaj_hosta.hpp"
#include "plugin/export/zrob_liste_dokumentow.hpp"
#include "plugin/interface/host_signatures.hpp"
#include "plugin/interface/rekordy_zakupow.hpp"

namespace kz {
namespace {

// An empty filter passes everything; a filled one must occur somewhere in
// the folded text.
bool pasuje(const char* tekst, const char* filtr) { return filtr[0] == '\0' || std::strstr(tekst, filtr); }

// The host reads option texts up to their NUL: a slot filled to its last
// byte must still end inside the slot.
template <std::size_t N>
char* wSlocie(char (&tekst)[N]) {
    tekst[N - 1] = '\0';
    return tekst;
}

template <std::size_t N>
void zlozFiltr(char (&filtr)[N]) {
    wolajHosta<Slot::CaseFold>()(wSlocie(filtr));
}

}  // namespace

int CZrobListeDokumentow::filtrujDokument(const void* rekord) {
    if (czytajPole<std::int32_t>(rekord, tzak::kIdDokumentu) == 0 ||
        czytajPole<std::int32_t>(rekord, tzak::kDrugiIdDokumentu) == 0)
        return 1;
    const char* data = adresPola(rekord, tzak::kDataWystawienia);
    if (wolajHosta<Slot::DateCompare>()(data, wSlocie(opcje_.okresOd)) < 0) return 1;
    if (wolajHosta<Slot::DateCompare>()(data, wSlocie(opcje_.okresDo)) > 0) return 1;

    // Working copies: the record stays as the host keeps it.
    char nazwa[tzak::kNazwaKontrahenta.room];
    char adres[tzak::kAdresKontrahenta.room];
    char symbol[tzak::kSymbolKontrahenta.room];
    kopiujTekst(nazwa, rekord, tzak::kNazwaKontrahenta);
    kopiujTekst(adres, rekord, tzak::kAdresKontrahenta);
    kopiujTekst(symbol, rekord, tzak::kSymbolKontrahenta);
    wolajHosta<Slot::CaseFold>()(nazwa);
    wolajHosta<Slot::CaseFold>()(adres);
    wolajHosta<Slot::CaseFold>()(symbol);
    zlozFiltr(opcje_.filtrNazwy);
    zlozFiltr(opcje_.filtrAdresu);
    zlozFiltr(opcje_.filtrSymbolu);

    if (!pasuje(nazwa, opcje_.filtrNazwy)) return 1;
    if (!pasuje(adres, opcje_.filtrAdresu)) return 1;
    if (!pasuje(symbol, opcje_.filtrSymbolu)) return 1;
    return 0;
}

}  // namespace kz
