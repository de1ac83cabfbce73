// The scan step: the headers of both types that pass the document filter
// become the document list, sorted in the list order.
#include <cstdlib>
#include <cstring>

#include "plugin/export/kolejnosc_listy.hpp"
#include "plugin/export/komunikaty.hpp"
#include "plugin/export/kursor_tabeli.hpp"
#include "plugin/export/scalanie_spacji.hpp"
#include "plugin/export/wolaj_hosta.hpp"
#include "plugin/export/zrob_liste_dokumentow.hpp"

namespace kz {
namespace {

// The stored gross value in currency units; 1/10000 rounds to the same
// double as 0.0001.
constexpr double kDziesiecioTysieczne = 1.0 / kJednostekKwoty;

enum class Dodanie { dodano, brakPamieci, listaPelna };

bool powiekszListe(CZrobListeDokumentow& eksport) {
    const auto nowaPojemnosc = eksport.pojemnoscListy_ + kKrokWzrostu;
    void* nowa = wolajHosta<Slot::MemoryResize>()(eksport.listaDokumentow_,
                                                  static_cast<std::uint32_t>(nowaPojemnosc) * sizeof(PozycjaListy));
    if (!nowa) return false;
    eksport.listaDokumentow_ = nowa;
    eksport.pojemnoscListy_ = nowaPojemnosc;
    return true;
}

Dodanie dodajDokument(CZrobListeDokumentow& eksport, const void* rekord, std::int16_t typ) {
    if (eksport.liczbaDokumentow_ == kMaksDokumentow) {
        wolajHosta<Slot::MessageBoxFormat>()(texts::kTytulUwaga.c_str(), texts::kListaPelna.c_str(), kOknoKomunikatu,
                                             static_cast<int>(kMaksDokumentow));
        return Dodanie::listaPelna;
    }
    if (eksport.liczbaDokumentow_ == eksport.pojemnoscListy_ && !powiekszListe(eksport)) {
        pokazBladAlokacji();
        return Dodanie::brakPamieci;
    }
    PozycjaListy& p = eksport.pozycje()[eksport.liczbaDokumentow_];
    std::memset(&p, 0, sizeof p);
    kopiujTekst(p.numerDokumentu, rekord, tzak::kNumerDokumentu);
    kopiujTekst(p.nazwaKontrahenta, rekord, tzak::kNazwaKontrahenta);
    scalSpacje(p.nazwaKontrahenta);
    wolajHosta<Slot::DateToText>()(p.dataWystawienia, adresPola(rekord, tzak::kDataWystawienia));
    p.dataWystawienia[sizeof p.dataWystawienia - 1] = '\0';
    p.wartoscBrutto = czytajPole<double>(rekord, tzak::kWartoscBrutto) * kDziesiecioTysieczne;
    p.idDokumentu = czytajPole<std::int32_t>(rekord, tzak::kIdDokumentu);
    p.drugiIdDokumentu = czytajPole<std::int32_t>(rekord, tzak::kDrugiIdDokumentu);
    p.typDokumentu = typ;
    ++eksport.liczbaDokumentow_;
    return Dodanie::dodano;
}

}  // namespace

int CZrobListeDokumentow::krokSkanowania() {
    // Made before the table is opened, so it is destroyed on every path.
    KursorTabeli kursor;
    void* tzak = wolajHosta<Slot::TableOpen>()(kTabelaTzak);
    if (!tzak) {
        pokazKomunikat(texts::kTytulBlad.c_str(), texts::kBladOperacjiDyskowej.c_str());
        return 1;
    }
    przygotujTabele(tzak);
    const unsigned char* rekord = buforRekordu(tzak);

    bool pelna = false;
    for (const std::int16_t typ : {kTypZakup, kTypPZ}) {
        if (pelna) break;
        KluczZakresu klucz;
        // The key builder is handed the handle variable itself and may
        // change it: the range starts with what it then holds.
        wolajHosta<Slot::KeyBuild>()(typ, &tzak, klucz.bajty, 0);
        przejdzZakres(kursor, tzak, typ, klucz, [&] {
            if (filtrujDokument(rekord)) return true;
            const Dodanie wynik = dodajDokument(*this, rekord, typ);
            pelna = wynik == Dodanie::listaPelna;
            return wynik == Dodanie::dodano;
        });
    }
    if (liczbaDokumentow_ > 0)
        std::qsort(listaDokumentow_, static_cast<std::size_t>(liczbaDokumentow_), sizeof(PozycjaListy), kolejnoscListy);
    return 0;
}

}  // namespace kz
