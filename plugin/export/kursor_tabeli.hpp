// Walking the host's tables: a table cursor that lives in the walking
// operation's own memory, and the walk over one key range.
//
// A walk is: build the key (51425) into a KluczZakresu, then przejdzZakres.
// Walks nest: while the header walk stands on a header, a second cursor may
// walk that document's lines. Each walking operation owns its cursors; the
// file writer declares its line cursor before its header cursor, so the
// header cursor is destroyed first.
#pragma once

#include <cstdint>
#include <cstring>

#include "plugin/export/wolaj_hosta.hpp"
#include "plugin/interface/host_signatures.hpp"
#include "plugin/interface/rekordy_zakupow.hpp"

namespace kz {

// The host fills the cursor when a range starts; before that only its last
// word is ours to set. 50538 destroys it on every path, started or not.
class KursorTabeli {
public:
    KursorTabeli() {
        const std::uint32_t zero = 0;
        std::memcpy(pamiec_ + kOstatnieSlowoKursora, &zero, sizeof zero);
    }
    ~KursorTabeli() { wolajHosta<Slot::CursorDestroy>()(pamiec_); }
    KursorTabeli(const KursorTabeli&) = delete;
    KursorTabeli& operator=(const KursorTabeli&) = delete;

    void* adres() { return pamiec_; }

private:
    alignas(4) unsigned char pamiec_[kRozmiarKursora];
};
static_assert(kOstatnieSlowoKursora + sizeof(std::uint32_t) == kRozmiarKursora);

// Filled by the host's key builder, read by the range start; zeroed first,
// so bytes a builder leaves alone are not the stack's.
struct KluczZakresu {
    alignas(4) unsigned char bajty[kRozmiarKlucza] = {};
};

// Starts the range (52278); while a step (52279) answers 1 the next record
// stands in the table's record buffer and `naRekordzie` gets its turn,
// answering false to leave the range at once. The range is ended (52281)
// after every start, started or not, also when `naRekordzie` throws.
template <typename F>
void przejdzZakres(KursorTabeli& kursor, void* tabela, int rodzajKlucza, KluczZakresu& klucz, F&& naRekordzie) {
    struct Koniec {
        void* kursor;
        ~Koniec() { wolajHosta<Slot::CursorEndRange>()(kursor); }
    } koniec{kursor.adres()};
    if (wolajHosta<Slot::CursorStartRange>()(kursor.adres(), tabela, rodzajKlucza, klucz.bajty, 0, 0) == 0) return;
    while (wolajHosta<Slot::CursorNext>()(kursor.adres()) == 1) {
        slad::odczytRekordu(tabela);
        if (!naRekordzie()) return;
    }
}

// A table just opened by 52256: prepared (52465) before any cursor uses it.
inline void przygotujTabele(void* tabela) { wolajHosta<Slot::TablePrepare>()(tabela, kPrzygotowanieTabeli); }

// Where the host places the current record of a range; read once per
// operation, after the table is prepared.
inline const unsigned char* buforRekordu(const void* tabela) {
    const unsigned char* bufor;
    std::memcpy(&bufor, static_cast<const unsigned char*>(tabela) + kTableHandleRecord, sizeof bufor);
    return bufor;
}

}  // namespace kz
