#include "plugin/export/zrob_liste_dokumentow.hpp"

#include <cstring>

#include "plugin/frame/host_signatures.hpp"

extern "C" {
#define HOST_FUNCTION(slot, ordinal, role, what) void kz_jump_##slot();
#include "plugin/frame/host_functions.inc"
#undef HOST_FUNCTION
}

namespace kz {
namespace {

// The host calls the table's entries as member functions: `this` in ECX.
void* KZ_THISCALL usunObiekt(CZrobListeDokumentow* self, unsigned flagi) {
    self->rozbierz();
    if (flagi & 1) ::operator delete(self);
    return self;
}

int KZ_THISCALL obslugaKlawisza(CZrobListeDokumentow* self, std::uint16_t kod, std::uint16_t faza) {
    return self->obsluzKlawisz(kod, faza);
}

int KZ_THISCALL obslugaPolecenia(CZrobListeDokumentow* self, std::uint16_t polecenie, std::uint16_t faza) {
    return self->obsluzPolecenie(polecenie, faza);
}

std::intptr_t KZ_THISCALL dostawcaWierszy(CZrobListeDokumentow* self, int wiersz, int) {
    return self->podajWiersz(wiersz);
}

template <typename F>
const void* own(F* function) {
    return reinterpret_cast<const void*>(function);
}

#define KZ_INHERITED(slot) reinterpret_cast<const void*>(&kz_jump_##slot)

}  // namespace

// Entries 3-11 and 13-34 are the host's own methods, reached through the
// slot jumps of slots 74 down to 44; the table's order is the host's.
const void* const kTablicaMetod[kMethodTableEntries] = {
    own(&usunObiekt),      own(&obslugaKlawisza), own(&obslugaPolecenia),
    KZ_INHERITED(74),      KZ_INHERITED(73),      KZ_INHERITED(72),
    KZ_INHERITED(71),      KZ_INHERITED(70),      KZ_INHERITED(69),
    KZ_INHERITED(68),      KZ_INHERITED(67),      KZ_INHERITED(66),
    own(&dostawcaWierszy), KZ_INHERITED(65),      KZ_INHERITED(64),
    KZ_INHERITED(63),      KZ_INHERITED(62),      KZ_INHERITED(61),
    KZ_INHERITED(60),      KZ_INHERITED(59),      KZ_INHERITED(58),
    KZ_INHERITED(57),      KZ_INHERITED(56),      KZ_INHERITED(55),
    KZ_INHERITED(54),      KZ_INHERITED(53),      KZ_INHERITED(52),
    KZ_INHERITED(51),      KZ_INHERITED(50),      KZ_INHERITED(49),
    KZ_INHERITED(48),      KZ_INHERITED(47),      KZ_INHERITED(46),
    KZ_INHERITED(45),      KZ_INHERITED(44),
};

#undef KZ_INHERITED

CZrobListeDokumentow::CZrobListeDokumentow() {
    host<Slot::DialogBaseConstruct>()(this);
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
        ~NiszczenieBazy() { host<Slot::DialogBaseDestroy>()(obiekt); }
    } niszczenieBazy{this};
    if (listaDokumentow_) {
        void* lista = listaDokumentow_;
        listaDokumentow_ = nullptr;
        liczbaDokumentow_ = 0;
        pojemnoscListy_ = 0;
        host<Slot::MemoryFree>()(lista);
    }
}

}  // namespace kz
