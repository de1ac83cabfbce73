#include "plugin/export/export_command.hpp"

#include "plugin/export/slad.hpp"
#include "plugin/export/zrob_liste_dokumentow.hpp"

namespace kz {

int KZ_CDECL eksportujDokumenty() {
    slad::Wejscie wejscie("MenuCommand");
    {
        CZrobListeDokumentow eksport;
        if (eksport.krokOpcji() == 0 && eksport.krokSkanowania() == 0 && eksport.krokWyboru() == 0)
            eksport.wpiszDokumentyDoPliku();
    }
    return wejscie.wynik(0);
}

}  // namespace kz
