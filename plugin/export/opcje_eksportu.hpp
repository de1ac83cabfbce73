// The export options record: 384 bytes inside the export object. Its first
// 370 bytes are the options dialog's data buffer, one slot per edit field in
// the dialog's record order (maximum length + 1 each).
#pragma once

#include <cstddef>

namespace kz {

struct OpcjeEksportu {
    char okresOd[9];
    char okresDo[9];
    char filtrNazwy[26];
    char filtrAdresu[26];
    char filtrSymbolu[26];
    char kodPlacowki[14];
    char katalogWyjsciowy[260];
    char poleIdentyfikatora[14];  // stored sixth in the options key, never shown
};
static_assert(sizeof(OpcjeEksportu) == 384);
static_assert(offsetof(OpcjeEksportu, okresOd) == 0);
static_assert(offsetof(OpcjeEksportu, okresDo) == 9);
static_assert(offsetof(OpcjeEksportu, filtrNazwy) == 18);
static_assert(offsetof(OpcjeEksportu, filtrAdresu) == 44);
static_assert(offsetof(OpcjeEksportu, filtrSymbolu) == 70);
static_assert(offsetof(OpcjeEksportu, kodPlacowki) == 96);
static_assert(offsetof(OpcjeEksportu, katalogWyjsciowy) == 110);
static_assert(offsetof(OpcjeEksportu, poleIdentyfikatora) == 370);

}  // namespace kz
