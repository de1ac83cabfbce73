// The export object of one run: the host's WDialogBase part (constructed and
// destroyed by the host), then the state every step hands to the next. It is
// also the dialog object of both dialogs: the host calls it through the
// 35-entry table installed at offset 0.
#pragma once

#include <cstddef>
#include <cstdint>

#include "plugin/export/pozycja_listy.hpp"
#include "plugin/export/znaki_rozdzielajace.hpp"
#include "plugin/interface/dialog_base_table.hpp"
#include "plugin/interface/opcje_eksportu.hpp"
#include "plugin/interface/rekordy_zakupow.hpp"

namespace kz {

// What every export line of one document prints alike, formatted once per
// document by polaDokumentu.
struct PolaDokumentu {
    static constexpr std::size_t kMiejsceNaDate = 24;  // three signed 16-bit numbers at their widest
    char data[kMiejsceNaDate];
    char numer[tzak::kNumerDokumentu.room];
    const char* znakRodzaju;
    bool wartosciJakZapisane;
};

// The class's table, as the host indexes it.
extern const void* const kTablicaMetod[kDialogTableEntries];

class CZrobListeDokumentow {
public:
    CZrobListeDokumentow();
    ~CZrobListeDokumentow() noexcept(false);
    CZrobListeDokumentow(const CZrobListeDokumentow&) = delete;
    CZrobListeDokumentow& operator=(const CZrobListeDokumentow&) = delete;

    // The steps of a run: 0 goes on, non-zero ends the run.
    int krokOpcji();
    int krokSkanowania();
    int krokWyboru();
    // The writing step, last: its result (0 ran to the end or stopped at an
    // error it showed, 1 no document marked) is not examined.
    int wpiszDokumentyDoPliku();

    // The document filter: 0 keeps the Tzak record, 1 drops it. Folds the
    // options' three filter texts in place on every call, and ends them and
    // the period bounds inside their slots.
    int filtrujDokument(const void* rekord);
    // Reduces the list to the marked documents, in the list order; answers
    // how many it kept, 0 also when shrinking the block failed (the user is
    // told; the count then stays reduced).
    int zostawZaznaczone();
    // The fields of the chosen document `naglowek` that its lines share;
    // `typ` is the pass's document type. Leaves the contractor identifier
    // and the collapsed branch code in the options, where the lines read
    // them.
    PolaDokumentu polaDokumentu(std::int16_t typ, const void* naglowek);
    // One export line for a line record of that document, printed to the
    // open output file. False when the host could not print it whole.
    // Notes in `rozdzielajacy`, while it names no field yet, the first text
    // field of the line holding a byte the other program reads as the
    // line's structure.
    bool wpiszLinieEksportu(const PolaDokumentu& dokument, const void* pozycja, ZnakWPolu& rozdzielajacy);

    PozycjaListy* pozycje() { return static_cast<PozycjaListy*>(listaDokumentow_); }

    // The operations the host calls while a dialog runs (entries 1, 2, 12).
    int obsluzKlawisz(std::uint16_t kod, std::uint16_t faza);
    int obsluzPolecenie(std::uint16_t polecenie, std::uint16_t faza);
    std::intptr_t podajWiersz(int wiersz);

    // The body of the destructor; also run by the deleting destructor.
    void rozbierz();

    const OpcjeEksportu& opcje() const { return opcje_; }

    // Fields in the host's order; offsets are checked below.
    const void* const* tablicaMetod_;
    std::uint32_t slowoBazy_;  // the host's own word of WDialogBase
    void* listaDokumentow_;
    std::int32_t liczbaDokumentow_;
    std::int32_t pojemnoscListy_;
    OpcjeEksportu opcje_;
    char tekstWiersza_[256];
    std::uint32_t plikWyjsciowy_;
};

static_assert(sizeof(CZrobListeDokumentow) == 664);
static_assert(offsetof(CZrobListeDokumentow, tablicaMetod_) == 0);
static_assert(offsetof(CZrobListeDokumentow, slowoBazy_) == 4);
static_assert(offsetof(CZrobListeDokumentow, listaDokumentow_) == 8);
static_assert(offsetof(CZrobListeDokumentow, liczbaDokumentow_) == 12);
static_assert(offsetof(CZrobListeDokumentow, pojemnoscListy_) == 16);
static_assert(offsetof(CZrobListeDokumentow, opcje_) == 20);
static_assert(offsetof(CZrobListeDokumentow, tekstWiersza_) == 404);
static_assert(offsetof(CZrobListeDokumentow, plikWyjsciowy_) == 660);

}  // namespace kz
