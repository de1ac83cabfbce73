#pragma once

namespace kz {

// Deletes every file directly in `katalog` (not empty, at most 259
// characters), whatever its name, with the host's directory search and
// usunPlik; subfolders and what they hold stay. A file that cannot be
// deleted stays too, and nothing is reported.
void wyczyscKatalog(const char* katalog);

}  // namespace kz
