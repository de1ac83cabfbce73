// The document list: items of 151 bytes, back to back in one block of the
// host's allocator, whose sizes count in such items. The writing step finds
// a chosen document again by its two ids.
#pragma once

#include <cstddef>
#include <cstdint>

#include "plugin/interface/host_signatures.hpp"
#include "plugin/interface/rekordy_zakupow.hpp"

namespace kz {

#pragma pack(push, 1)
struct PozycjaListy {
    char numerDokumentu[17];
    char nazwaKontrahenta[101];           // spaces collapsed
    double wartoscBrutto;                 // currency units
    char dataWystawienia[kDateTextSize];  // as 32008 writes it
    std::int32_t idDokumentu;
    std::int32_t drugiIdDokumentu;
    std::int16_t typDokumentu;  // kTypZakup or kTypPZ
    std::int16_t zaznaczenie;   // 1 chosen for export, 0 not
};
#pragma pack(pop)

static_assert(sizeof(PozycjaListy) == 151);
static_assert(offsetof(PozycjaListy, numerDokumentu) == 0);
static_assert(offsetof(PozycjaListy, nazwaKontrahenta) == 17);
static_assert(offsetof(PozycjaListy, wartoscBrutto) == 118);
static_assert(offsetof(PozycjaListy, dataWystawienia) == 126);
static_assert(offsetof(PozycjaListy, idDokumentu) == 139);
static_assert(offsetof(PozycjaListy, drugiIdDokumentu) == 143);
static_assert(offsetof(PozycjaListy, typDokumentu) == 147);
static_assert(offsetof(PozycjaListy, zaznaczenie) == 149);
static_assert(sizeof(PozycjaListy::numerDokumentu) == tzak::kNumerDokumentu.room);
static_assert(sizeof(PozycjaListy::nazwaKontrahenta) == tzak::kNazwaKontrahenta.room);

// The block grows by this many items whenever it is full.
inline constexpr std::int32_t kKrokWzrostu = 100;
static_assert(kKrokWzrostu * sizeof(PozycjaListy) == 15100);

// The list's current row is 16 bits wide and signed to the host's list, so
// rows 0 to 32,766 are all it can address.
inline constexpr std::int32_t kMaksDokumentow = 32767;

}  // namespace kz
