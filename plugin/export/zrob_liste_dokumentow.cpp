#include "plugin/export/zrob_liste_dokumentow.hpp"

#include <cstring>

#include "plugin/export/slad.hpp"
#include "plugin/export/wolaj_hosta.hpp"
#include "plugin/interface/dialog_ids.hpp"
#include "plugin/interface/host_signatures.hpp"

extern "C" {
#define HOST_FUNCTION(slot, ordinal, role, what) void kz_jump_##slot();
#include "plugin/interface/host_functions.inc"
#undef HOST_FUNCTION
}

namespace kz {
namespace {

// The host calls the table's entries as member functions: `this` in ECX.
void* KZ_THISCALL usunObiekt(CZrobListeDokumentow* self, unsigned flagi) {
    slad::Wejscie wejscie("DeletingDestructor", flagi);
    self->rozbierz();
    if (flagi & 1) ::operator delete(self);
    return wejscie.wynik(static_cast<void*>(self));
}

int KZ_THISCALL obslugaKlawisza(CZrobListeDokumentow* self, std::uint16_t kod, std::uint16_t faza) {
    slad::Wejscie wejscie("KeyHandler", kod, faza);
    return wejscie.wynik(self->obsluzKlawisz(kod, faza));
}

int KZ_THISCALL obslugaPolecenia(CZrobListeDokumentow* self, std::uint16_t polecenie, std::uint16_t faza) {
    slad::Wejscie wejscie("CommandHandler", polecenie, faza);
    return wejscie.wynik(self->obsluzPolecenie(polecenie, faza));
}

std::intptr_t KZ_THISCALL dostawcaWierszy(CZrobListeDokumentow* self, int wiersz, int) {
    slad::Wejscie wejscie("RowText", wiersz);
    return wejscie.wynikWiersza(wiersz, self->podajWiersz(wiersz), kPytanieOLiczbe);
}

// The slot jumps by slot, so an inherited entry finds its jump by role.
using Skok = void (*)();
constexpr Skok kSkoki[] = {
#define HOST_FUNCTION(slot, ordinal, role, what) &kz_jump_##slot,
#include "plugin/interface/host_functions.inc"
#undef HOST_FUNCTION
};

#define KZ_OWN_DeletingDestructor reinterpret_cast<const void*>(&usunObiekt)
#define KZ_OWN_KeyHandler reinterpret_cast<const void*>(&obslugaKlawisza)
#define KZ_OWN_CommandHandler reinterpret_cast<const void*>(&obslugaPolecenia)
#define KZ_OWN_RowText reinterpret_cast<const void*>(&dostawcaWierszy)

}  // namespace

// The inherited entries are the host's own methods, reached through the
// slot jumps; the table's order is the host's. Every entry is an address
// constant, so the table is in place before any load-time initializer runs.
const void* const kTablicaMetod[kDialogTableEntries] = {
#define OWN_ENTRY(entry, role) KZ_OWN_##role,
#define INHERITED_ENTRY(entry, role) reinterpret_cast<const void*>(kSkoki[static_cast<unsigned>(Slot::role)]),
#include "plugin/interface/dialog_base_entries.inc"
#undef INHERITED_ENTRY
#undef OWN_ENTRY
};

#undef KZ_OWN_RowText
#undef KZ_OWN_CommandHandler
#undef KZ_OWN_KeyHandler
#undef KZ_OWN_DeletingDestructor

CZrobListeDokumentow::CZrobListeDokumentow() {
    wolajHosta<Slot::DialogBaseConstruct>()(this);
    tablicaMetod_ = kTablicaMetod;
    listaDokumentow_ = nullptr;
    liczbaDokumentow_ = 0;
    pojemnoscListy_ = 0;
    std::memset(&opcje_, 0, sizeof opcje_);
}

CZrobListeDokumentow::~CZrobListeDokumentow() noexcept(false) { rozbierz(); }

void CZrobListeDokumentow::rozbierz() {
    tablicaMetod_ = kTablicaMetod;
    struct NiszczenieBazy {
        CZrobListeDokumentow* obiekt;
        ~NiszczenieBazy() { wolajHosta<Slot::DialogBaseDestroy>()(obiekt); }
    } niszczenieBazy{this};
    if (listaDokumentow_) {
        void* lista = listaDokumentow_;
        listaDokumentow_ = nullptr;
        liczbaDokumentow_ = 0;
        pojemnoscListy_ = 0;
        wolajHosta<Slot::MemoryFree>()(lista);
    }
}

}  // namespace kz
