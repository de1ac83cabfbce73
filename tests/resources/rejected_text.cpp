// Each build of this file holds one text that must not compile.
#include "plugin/interface/mazovia.hpp"

#if defined(KZ_TEXT_EURO)
constexpr auto kTekst = KZ_MAZOVIA("Cena 5 €");
#elif defined(KZ_TEXT_RAW_BYTE)
constexpr auto kTekst = KZ_MAZOVIA("\xAE");
#elif defined(KZ_TEXT_CUT_LETTER)
constexpr auto kTekst = KZ_MAZOVIA("B\xC5");
#elif defined(KZ_TEXT_NUL)
constexpr auto kTekst = KZ_MAZOVIA("Ala\0ma");
#endif

char pierwszyBajt() { return kTekst[0]; }
