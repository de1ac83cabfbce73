// The writing step's selection test. After keep-marked the list holds the
// chosen documents only; sorted once by type and ids it answers every
// header the writer walks by binary search, where a search in list order
// would pass over the whole list for each header. The answer (chosen or
// not) is the same either way, and nothing reads the list's order after
// the writer.
//
// The type counts as well as the two ids: the host numbers invoices and
// goods receipts apart, so a receipt may carry an invoice's ids, and
// marking one must not export the other.
#pragma once

#include <cstdint>

#include "plugin/export/pozycja_listy.hpp"

namespace kz {

void uporzadkujDoWyszukiwania(PozycjaListy* lista, std::int32_t liczba);

// The item with the pass's type and the Tzak header's document id and
// second document id, or null when the document is not chosen; the list
// must be ordered by uporzadkujDoWyszukiwania.
const PozycjaListy* znajdzWybrany(const PozycjaListy* lista, std::int32_t liczba, std::int16_t typ,
                                  const void* naglowek);

}  // namespace kz
