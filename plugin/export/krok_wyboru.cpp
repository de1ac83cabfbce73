// The selection step: dialog 20081 shows the list, the key handler marks
// documents with INS and Ctrl-INS, the row text provider gives each row.
#include <cstdio>

#include "plugin/export/delegat.hpp"
#include "plugin/export/komunikaty.hpp"
#include "plugin/export/przerysowanie.hpp"
#include "plugin/export/wolaj_hosta.hpp"
#include "plugin/export/zrob_liste_dokumentow.hpp"
#include "plugin/interface/dialog_ids.hpp"
#include "plugin/resources/dialog_template.hpp"
#include "plugin/resources/texts.hpp"

namespace kz {
namespace {

// Room for an amount in the row; any real amount fits many times over.
constexpr int kMiejsceNaKwote = 32;
// The widest row: the mark, every text field full, the amount at its
// widest, the longer type text, each with its separator or the NUL.
static_assert(2 + sizeof(PozycjaListy::numerDokumentu) + sizeof(PozycjaListy::nazwaKontrahenta) + kMiejsceNaKwote +
                  sizeof(PozycjaListy::dataWystawienia) + texts::kNapisZakup.size() + 1 <=
              sizeof(CZrobListeDokumentow::tekstWiersza_));

}  // namespace

int CZrobListeDokumentow::krokWyboru() {
    if (liczbaDokumentow_ == 0) {
        pokazKomunikat(texts::kTytulBlad.c_str(), texts::kBrakDokumentow.c_str());
        return 1;
    }
    // The dialog's data buffer: the list opens on its first row.
    std::uint32_t dane = 0;
    std::uint16_t wynik;
    {
        Delegat wiersze(this, Slot::DispatchSelectionSecond);
        Delegat klawisze(this, Slot::DispatchSelectionFirst);
        wynik = static_cast<std::uint16_t>(wolajHosta<Slot::DialogRun>()(this, dialogTemplateBlock(), kDialogWyboru,
                                                                         &dane, klawisze.wartosc(), wiersze.wartosc()));
    }
    return wynik == kPrzyciskOk ? 0 : 1;
}

int CZrobListeDokumentow::obsluzKlawisz(std::uint16_t kod, std::uint16_t faza) {
    if (faza != kFazaDzialania || (kod != kKlawiszIns && kod != kKlawiszCtrlIns)) return 0;
    std::uint16_t* biezacy = wolajHosta<Slot::ControlValue>()(kListaDokumentow);
    const int wiersz = biezacy ? *biezacy : -1;
    if (biezacy) slad::odczytLiczby("row", wiersz);
    // A row outside the list has no document to mark.
    if (wiersz >= 0 && wiersz < liczbaDokumentow_) {
        PozycjaListy* lista = pozycje();
        if (kod == kKlawiszIns) {
            lista[wiersz].zaznaczenie = lista[wiersz].zaznaczenie ? 0 : 1;
            // Down one row, but never past the last.
            if (wiersz + 1 < liczbaDokumentow_) *biezacy = static_cast<std::uint16_t>(wiersz + 1);
        } else {
            const std::int16_t nowe = lista[wiersz].zaznaczenie == 1 ? 0 : 1;
            for (std::int32_t i = 0; i < liczbaDokumentow_; ++i) lista[i].zaznaczenie = nowe;
        }
    }
    przerysujDialog();
    return kListaDokumentow;
}

std::intptr_t CZrobListeDokumentow::podajWiersz(int wiersz) {
    if (wiersz == kPytanieOLiczbe) return liczbaDokumentow_;
    tekstWiersza_[0] = '\0';
    if (wiersz < 0 || wiersz >= liczbaDokumentow_) return reinterpret_cast<std::intptr_t>(tekstWiersza_);

    const PozycjaListy& p = pozycje()[wiersz];
    char kwota[kMiejsceNaKwote];
    if (std::snprintf(kwota, sizeof kwota, texts::kFormatKwoty.c_str(), p.wartoscBrutto) >=
        static_cast<int>(sizeof kwota))
        std::snprintf(kwota, sizeof kwota, texts::kFormatKwotyWykladniczy.c_str(), p.wartoscBrutto);
    // Every text field bounded by its own room, whatever the item holds.
    std::snprintf(tekstWiersza_, sizeof tekstWiersza_, texts::kFormatWiersza.c_str(),
                  p.zaznaczenie ? texts::kZnakZaznaczony : texts::kZnakNiezaznaczony,
                  static_cast<int>(sizeof p.numerDokumentu - 1), p.numerDokumentu,
                  static_cast<int>(sizeof p.nazwaKontrahenta - 1), p.nazwaKontrahenta, kwota,
                  static_cast<int>(sizeof p.dataWystawienia - 1), p.dataWystawienia,
                  p.typDokumentu == kTypZakup ? texts::kNapisZakup.c_str() : texts::kNapisPZ.c_str());
    return reinterpret_cast<std::intptr_t>(tekstWiersza_);
}

}  // namespace kz
