#pragma once

#include "plugin/export/sciezki_katalogu.hpp"

namespace kz {

// Deletes every file directly in `katalog` (not empty, at most 259
// characters), whatever its name, with the host's directory search and
// `usun`, then every export file name there whether the search yielded it
// or not; subfolders and what they hold stay. A file that cannot be
// deleted stays too, and nothing is reported.
void wyczyscKatalog(const char* katalog, UsunPlik usun = usunPlik);

}  // namespace kz
