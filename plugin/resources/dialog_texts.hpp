// The captions, labels and column header line of the two dialogs in the
// dialog template block, in Mazovia bytes (mazovia.hpp).
#pragma once

#include "plugin/interface/mazovia.hpp"

namespace kz::texts {

// Selection dialog 20081.
inline constexpr auto kTytulWyboru = KZ_MAZOVIA("Wybierz zamówienie");
static_assert(kTytulWyboru[11] == '\xA2');
inline constexpr auto kKolumnyListy =
    KZ_MAZOVIA("z5l17Numer dok.\rl-1Kontrahent\rp15Wartość brutto\rl12Data wyst.\rl8Typ dok.");
inline constexpr auto kEtykietaDokumenty = KZ_MAZOVIA("\002F3\x01 Dokumenty");
inline constexpr auto kNapisZaznacz = KZ_MAZOVIA("\005INS\x01 Zaznacz");
inline constexpr auto kNapisWszystkie = KZ_MAZOVIA("\005Ctrl-INS\x01 Wszystkie");

// Both dialogs.
inline constexpr auto kNapisOk = KZ_MAZOVIA("\005F12\x01 OK");

// Options dialog 20082.
inline constexpr auto kTytulOpcji = KZ_MAZOVIA("Podaj dane wejściowe");
static_assert(kTytulOpcji[14] == '\x9E');
inline constexpr auto kEtykietaOkresOd = KZ_MAZOVIA("\002F2\x01 Okres od");
inline constexpr auto kEtykietaOkresDo = KZ_MAZOVIA("\002F3\x01 Okres do");
inline constexpr auto kWyselekcjonuj = KZ_MAZOVIA("Wyselekcjonuj dokumenty zawierające w:");
inline constexpr auto kEtykietaNazwy = KZ_MAZOVIA("\002F4\x01 nazwie  kontrahenta");
inline constexpr auto kEtykietaAdresu = KZ_MAZOVIA("\002F5\x01 adresie kontrahenta");
inline constexpr auto kEtykietaSymbolu = KZ_MAZOVIA("\002F6\x01 symbolu kontrahenta");
inline constexpr auto kEtykietaPlacowki = KZ_MAZOVIA("\002F7\x01 Placówka");
inline constexpr auto kKatalog = KZ_MAZOVIA("Katalog");
inline constexpr auto kNapisWybierz = KZ_MAZOVIA("Wy~b~ierz");
inline constexpr auto kNapisAnuluj = KZ_MAZOVIA("\005Esc\x01 Anuluj");

}  // namespace kz::texts
