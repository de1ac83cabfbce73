// Ids and key codes of the two dialogs, and the layout of the options
// dialog's data buffer. Key codes keep the scan code in the high byte and
// the character in the low byte; Ctrl-INS has a code of its own.
#pragma once

#include <cstddef>
#include <cstdint>

namespace kz {

inline constexpr std::uint16_t kDialogWyboru = 20081;
inline constexpr std::uint16_t kDialogOpcji = 20082;

inline constexpr std::uint16_t kBezId = 0xFFFF;

inline constexpr std::uint16_t kKlawiszF2 = 0x3C00;
inline constexpr std::uint16_t kKlawiszF3 = 0x3D00;
inline constexpr std::uint16_t kKlawiszF4 = 0x3E00;
inline constexpr std::uint16_t kKlawiszF5 = 0x3F00;
inline constexpr std::uint16_t kKlawiszF6 = 0x4000;
inline constexpr std::uint16_t kKlawiszF7 = 0x4100;
inline constexpr std::uint16_t kKlawiszF12 = 0x8600;
inline constexpr std::uint16_t kKlawiszIns = 0x5200;
inline constexpr std::uint16_t kKlawiszCtrlIns = 0x0400;
inline constexpr std::uint16_t kKlawiszB = 0x0042;

// The runner returns the id of the button that closed the dialog.
inline constexpr std::uint16_t kPrzyciskOk = 20481;
inline constexpr std::uint16_t kPrzyciskAnuluj = 20482;
// These buttons only reach the handlers, with the code of their key.
inline constexpr std::uint16_t kPrzyciskZaznacz = kKlawiszIns;
inline constexpr std::uint16_t kPrzyciskWszystkie = kKlawiszCtrlIns;

// The event phase in which the host calls the handlers to act; they leave
// every other phase to the host.
inline constexpr std::uint16_t kFazaDzialania = 1;

// What the handlers answer the host: the command handler 4098 for the
// folder button it served, -2 when the user cancelled the picker; the key
// handler the list's id for a key it handled. The list asks the row text
// provider for row -1 to learn how many rows there are.
inline constexpr int kPolecenieObsluzone = 4098;
inline constexpr int kWyborAnulowany = -2;
inline constexpr int kPytanieOLiczbe = -1;

inline constexpr std::uint16_t kNaglowekListy = 0x5801;
inline constexpr std::uint16_t kListaDokumentow = 16385;
inline constexpr std::uint16_t kEtykietaKatalogu = 0x4152;
inline constexpr std::uint16_t kPoleKatalogu = 0x4153;
inline constexpr std::uint16_t kPrzyciskWybierz = 16724;
static_assert(kEtykietaKatalogu + 1 == kPoleKatalogu && kPoleKatalogu + 1 == kPrzyciskWybierz);

// Maximum lengths of the options dialog's edit fields.
inline constexpr std::uint16_t kMaksOkresu = 8;
inline constexpr std::uint16_t kMaksFiltru = 25;
inline constexpr std::uint16_t kMaksPlacowki = 13;
inline constexpr std::uint16_t kMaksKatalogu = 259;

// The host binds the edit fields, in record order, to consecutive slots of
// the data buffer, each one byte longer than the field's maximum length.
inline constexpr std::size_t kSlotOkresOd = 0;
inline constexpr std::size_t kSlotOkresDo = kSlotOkresOd + kMaksOkresu + 1;
inline constexpr std::size_t kSlotFiltrNazwy = kSlotOkresDo + kMaksOkresu + 1;
inline constexpr std::size_t kSlotFiltrAdresu = kSlotFiltrNazwy + kMaksFiltru + 1;
inline constexpr std::size_t kSlotFiltrSymbolu = kSlotFiltrAdresu + kMaksFiltru + 1;
inline constexpr std::size_t kSlotKodPlacowki = kSlotFiltrSymbolu + kMaksFiltru + 1;
inline constexpr std::size_t kSlotKatalog = kSlotKodPlacowki + kMaksPlacowki + 1;
inline constexpr std::size_t kRozmiarDanychOpcji = kSlotKatalog + kMaksKatalogu + 1;
static_assert(kSlotOkresDo == 9);
static_assert(kSlotFiltrNazwy == 18);
static_assert(kSlotFiltrAdresu == 44);
static_assert(kSlotFiltrSymbolu == 70);
static_assert(kSlotKodPlacowki == 96);
static_assert(kSlotKatalog == 110);
static_assert(kRozmiarDanychOpcji == 370);

}  // namespace kz
