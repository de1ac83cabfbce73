// Byte layout of the dialog template block, as the plug-in writes it and
// the host's toolkit reads it: the block, the entry prefix of one dialog,
// the two record layouts and the record type codes. All integers are
// little-endian.
#pragma once

#include <cstddef>
#include <cstdint>

namespace kz::szablon {

enum class Typ : std::uint16_t {
    Okno = 0xFFFF,  // the dialog record, first of every entry; its text is the caption
    Przycisk = 0,
    Etykieta = 3,
    LiniaTekstu = 4,
    PoleEdycji = 5,
    Lista = 6,
};

// Record of every type but the edit field.
namespace rekord {
inline constexpr std::size_t kTyp = 0;
inline constexpr std::size_t kId = 2;
inline constexpr std::size_t kStyl = 4;
inline constexpr std::size_t kKlawisz = 6;
inline constexpr std::size_t kX = 8;
inline constexpr std::size_t kY = 10;
inline constexpr std::size_t kSzerokosc = 12;
inline constexpr std::size_t kWysokosc = 14;
inline constexpr std::size_t kFlagi = 16;
inline constexpr std::size_t kTekst = 20;
}  // namespace rekord

// Edit field record. The fixed values are the host's; only it knows what
// they mean, so they are named by where they stand.
namespace poleEdycji {
inline constexpr std::size_t kTyp = 0;
inline constexpr std::size_t kStala2 = 2;
inline constexpr std::size_t kStala4 = 4;
inline constexpr std::size_t kId = 6;
inline constexpr std::size_t kStyl = 8;
inline constexpr std::size_t kKlawisz = 10;
inline constexpr std::size_t kX = 12;
inline constexpr std::size_t kY = 14;
inline constexpr std::size_t kSzerokosc = 16;
inline constexpr std::size_t kWysokosc = 18;
inline constexpr std::size_t kFlagi = 20;
inline constexpr std::size_t kZera = 24;
inline constexpr std::size_t kMaksDlugosc = 32;
inline constexpr std::size_t kStala34 = 34;
inline constexpr std::size_t kRodzaj = 35;
inline constexpr std::size_t kRodzajSlowo = 36;
inline constexpr std::size_t kMaksDlugoscPowtorzona = 38;
inline constexpr std::size_t kStala40 = 40;
inline constexpr std::size_t kKoniec = 42;
inline constexpr std::size_t kRozmiar = 43;

inline constexpr std::uint16_t kWartosc2 = 0x0026;
inline constexpr std::uint16_t kWartosc4 = 0x0005;
inline constexpr std::uint8_t kWartosc34 = 0x08;
inline constexpr std::uint16_t kWartosc40 = 0x0001;
inline constexpr std::uint8_t kRodzajOkresu = 0x02;
inline constexpr std::uint16_t kRodzajOkresuSlowo = 0x0002;
}  // namespace poleEdycji

// Entry prefix of one dialog.
namespace wpis {
inline constexpr std::size_t kRozmiarTresci = 0;
inline constexpr std::size_t kLiczbaKontrolek = 2;
inline constexpr std::size_t kRekordy = 4;
}  // namespace wpis

namespace blok {
inline constexpr std::size_t kRozmiarCalkowity = 0;
inline constexpr std::size_t kWpisy = 4;
}  // namespace blok

static_assert(rekord::kFlagi + 4 == rekord::kTekst);
static_assert(poleEdycji::kFlagi + 4 == poleEdycji::kZera && poleEdycji::kZera + 8 == poleEdycji::kMaksDlugosc);
static_assert(poleEdycji::kMaksDlugoscPowtorzona + 2 == poleEdycji::kStala40 &&
              poleEdycji::kStala40 + 2 == poleEdycji::kKoniec);
static_assert(poleEdycji::kKoniec + 1 == poleEdycji::kRozmiar);

}  // namespace kz::szablon
