// The options step: fill the record from the options key, let the user
// change it in dialog 20082, store it back only on confirmation.
#include "plugin/export/delegat.hpp"
#include "plugin/export/komunikaty.hpp"
#include "plugin/export/przerysowanie.hpp"
#include "plugin/export/wolaj_hosta.hpp"
#include "plugin/export/znaki_rozdzielajace.hpp"
#include "plugin/export/zrob_liste_dokumentow.hpp"
#include "plugin/interface/dialog_ids.hpp"
#include "plugin/interface/host_signatures.hpp"
#include "plugin/resources/dialog_template.hpp"
#include "plugin/resources/texts.hpp"

namespace kz {
namespace {

// The options key holds the identifier field sixth, before the branch code.
int dostepDoOpcji(int operacja, OpcjeEksportu& o) {
    return wolajHosta<Slot::IniAccess>()(texts::kPlikIni.c_str(), operacja, texts::kSekcjaIni.c_str(),
                                         texts::kKluczOpcje.c_str(), kFormatOpcji.c_str(), o.okresOd, o.okresDo,
                                         o.filtrNazwy, o.filtrAdresu, o.filtrSymbolu, o.poleIdentyfikatora,
                                         o.kodPlacowki, o.katalogWyjsciowy);
}

}  // namespace

int CZrobListeDokumentow::krokOpcji() {
    if (dostepDoOpcji(kIniReadRecord, opcje_) == 0) slad::odczytBajtow("options", &opcje_, sizeof opcje_);
    std::uint16_t wynik;
    {
        Delegat delegat(this, Slot::DispatchOptions);
        wynik = static_cast<std::uint16_t>(
            wolajHosta<Slot::DialogRun>()(this, dialogTemplateBlock(), kDialogOpcji, &opcje_, delegat.wartosc()));
        slad::odczytBajtow("options", &opcje_, sizeof opcje_);
    }
    if (wynik != kPrzyciskOk) return 1;
    dostepDoOpcji(kIniWriteRecord, opcje_);
    // The branch code ends every line of every file: one holding a colon
    // or a line end would break them all. Refused here, saved as typed, so
    // the user mends just that field before any document is listed and
    // before the folder is touched.
    if (const char znak = znakRozdzielajacy(opcje_.kodPlacowki, sizeof opcje_.kodPlacowki)) {
        wolajHosta<Slot::MessageBoxFormat>()(texts::kTytulBlad.c_str(), texts::kZlaPlacowka.c_str(), kOknoKomunikatu,
                                             nazwaZnaku(znak));
        return 1;
    }
    return 0;
}

int CZrobListeDokumentow::obsluzPolecenie(std::uint16_t polecenie, std::uint16_t faza) {
    if (faza != kFazaDzialania || polecenie != kPrzyciskWybierz) return 0;
    wolajHosta<Slot::DialogDataExchange>()(&opcje_, kFieldsToBuffer);
    slad::odczytBajtow("options", &opcje_, sizeof opcje_);
    if (wolajHosta<Slot::FolderPicker>()(texts::kWybierzFolder.c_str(), opcje_.katalogWyjsciowy) < 0)
        return kWyborAnulowany;
    // Ended here too: a picker that fills the field may leave no NUL.
    opcje_.katalogWyjsciowy[sizeof opcje_.katalogWyjsciowy - 1] = '\0';
    wolajHosta<Slot::DialogDataExchange>()(&opcje_, kBufferToFields);
    przerysujDialog();
    return kPolecenieObsluzone;
}

}  // namespace kz
