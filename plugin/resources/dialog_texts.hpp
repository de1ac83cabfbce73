// The captions, labels and column header line of the two dialogs in the
// dialog template block, in Mazovia bytes (mazovia.hpp), each defined from
// its line in one of the lists below.
#pragma once

#include "plugin/interface/mazovia.hpp"

// Selection dialog 20081.
#define KZ_TEKSTY_WYBORU(X)                                                                          \
    X(kTytulWyboru, "Wybierz zamówienie")                                                            \
    X(kKolumnyListy, "z5l17Numer dok.\rl-1Kontrahent\rp15Wartość brutto\rl12Data wyst.\rl8Typ dok.") \
    X(kEtykietaDokumenty, "\002F3\x01 Dokumenty")                                                    \
    X(kNapisZaznacz, "\005INS\x01 Zaznacz")                                                          \
    X(kNapisWszystkie, "\005Ctrl-INS\x01 Wszystkie")

// Both dialogs.
#define KZ_TEKSTY_OBU_DIALOGOW(X) X(kNapisOk, "\005F12\x01 OK")

// Options dialog 20082.
#define KZ_TEKSTY_OPCJI(X)                                      \
    X(kTytulOpcji, "Podaj dane wejściowe")                      \
    X(kEtykietaOkresOd, "\002F2\x01 Okres od")                  \
    X(kEtykietaOkresDo, "\002F3\x01 Okres do")                  \
    X(kWyselekcjonuj, "Wyselekcjonuj dokumenty zawierające w:") \
    X(kEtykietaNazwy, "\002F4\x01 nazwie  kontrahenta")         \
    X(kEtykietaAdresu, "\002F5\x01 adresie kontrahenta")        \
    X(kEtykietaSymbolu, "\002F6\x01 symbolu kontrahenta")       \
    X(kEtykietaPlacowki, "\002F7\x01 Placówka")                 \
    X(kKatalog, "Katalog")                                      \
    X(kNapisWybierz, "Wy~b~ierz")                               \
    X(kNapisAnuluj, "\005Esc\x01 Anuluj")

// Every dialog text above.
#define KZ_TEKSTY_DIALOGOW(X) KZ_TEKSTY_WYBORU(X) KZ_TEKSTY_OBU_DIALOGOW(X) KZ_TEKSTY_OPCJI(X)

namespace kz::texts {

KZ_TEKSTY_DIALOGOW(KZ_TEKST_MAZOVII)

static_assert(kTytulWyboru[11] == '\xA2');
static_assert(kTytulOpcji[14] == '\x9E');

}  // namespace kz::texts
