// Orders of the document list, in the form qsort takes.
#pragma once

namespace kz {

// The list order: purchase invoices (713) before goods receipts (703); within
// a type the greater issue date text first; then the document number
// ascending. Texts compare as unsigned bytes. Not a total order of items:
// qsort may leave equal ones either way.
int kolejnoscListy(const void* a, const void* b);

// Marked documents before unmarked ones, nothing else.
int kolejnoscZaznaczenia(const void* a, const void* b);

}  // namespace kz
