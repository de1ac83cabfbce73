#include "plugin/export/export_command.hpp"

#include "plugin/export/zrob_liste_dokumentow.hpp"

namespace kz {

int KZ_CDECL eksportujDokumenty() {
    CZrobListeDokumentow eksport;
    if (eksport.krokOpcji() == 0 && eksport.krokSkanowania() == 0 && eksport.krokWyboru() == 0)
        eksport.wpiszDokumentyDoPliku();
    return 0;
}

}  // namespace kz
