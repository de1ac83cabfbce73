// The export options record: 384 bytes inside the export object. Its first
// 370 bytes are the options dialog's data buffer, one slot per edit field in
// the dialog's record order (maximum length + 1 each); the identifier field
// after them is filled from the contractor record and stored in the options
// key, never shown.
#pragma once

#include <cstddef>

#include "plugin/interface/dialog_ids.hpp"
#include "plugin/interface/host_signatures.hpp"
#include "plugin/interface/mazovia.hpp"
#include "plugin/interface/rekordy_zakupow.hpp"

namespace kz {

struct OpcjeEksportu {
    char okresOd[kMaksOkresu + 1];
    char okresDo[kMaksOkresu + 1];
    char filtrNazwy[kMaksFiltru + 1];
    char filtrAdresu[kMaksFiltru + 1];
    char filtrSymbolu[kMaksFiltru + 1];
    char kodPlacowki[kMaksPlacowki + 1];
    char katalogWyjsciowy[kMaksKatalogu + 1];
    char poleIdentyfikatora[tzak::kIdentyfikatorKontrahenta.room];
};
static_assert(sizeof(OpcjeEksportu) == 384);
static_assert(offsetof(OpcjeEksportu, okresOd) == kSlotOkresOd);
static_assert(offsetof(OpcjeEksportu, okresDo) == kSlotOkresDo);
static_assert(offsetof(OpcjeEksportu, filtrNazwy) == kSlotFiltrNazwy);
static_assert(offsetof(OpcjeEksportu, filtrAdresu) == kSlotFiltrAdresu);
static_assert(offsetof(OpcjeEksportu, filtrSymbolu) == kSlotFiltrSymbolu);
static_assert(offsetof(OpcjeEksportu, kodPlacowki) == kSlotKodPlacowki);
static_assert(offsetof(OpcjeEksportu, katalogWyjsciowy) == kSlotKatalog);
static_assert(offsetof(OpcjeEksportu, poleIdentyfikatora) == kRozmiarDanychOpcji);
static_assert(sizeof(OpcjeEksportu::katalogWyjsciowy) >= kFolderPickerCapacity,
              "the folder picker writes into the output folder field");

namespace detail {

consteval std::size_t cyfry(std::size_t n) { return n < 10 ? 1 : 1 + cyfry(n / 10); }

// "%<room-1>s" per field, comma-separated: the host reads each value
// into its field and no further.
template <std::size_t... Pojemnosci>
consteval auto formatPol() {
    constexpr std::size_t kDlugosc = ((2 + cyfry(Pojemnosci - 1)) + ...) + sizeof...(Pojemnosci) - 1;
    mazovia::Tekst<kDlugosc + 1> format{};
    std::size_t p = 0;
    for (std::size_t pojemnosc : {Pojemnosci...}) {
        if (p != 0) format.bajty[p++] = ',';
        format.bajty[p++] = '%';
        // The width's digits, written from the last one back.
        std::size_t szerokosc = pojemnosc - 1;
        p += cyfry(szerokosc);
        std::size_t cyfra = p;
        do {
            format.bajty[--cyfra] = static_cast<char>('0' + szerokosc % 10);
            szerokosc /= 10;
        } while (szerokosc != 0);
        format.bajty[p++] = 's';
    }
    format.bajty[p] = '\0';
    return format;
}

}  // namespace detail

// The options key, in its stored order: period start, period end, name,
// address, symbol, identifier field, branch code, output folder.
inline constexpr auto kFormatOpcji =
    detail::formatPol<sizeof(OpcjeEksportu::okresOd), sizeof(OpcjeEksportu::okresDo), sizeof(OpcjeEksportu::filtrNazwy),
                      sizeof(OpcjeEksportu::filtrAdresu), sizeof(OpcjeEksportu::filtrSymbolu),
                      sizeof(OpcjeEksportu::poleIdentyfikatora), sizeof(OpcjeEksportu::kodPlacowki),
                      sizeof(OpcjeEksportu::katalogWyjsciowy)>();

}  // namespace kz
