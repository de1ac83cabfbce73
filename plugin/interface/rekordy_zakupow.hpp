// The host's purchase tables as the plug-in reads them: table numbers,
// record sizes and the offsets of every field read. The stand-in host packs
// its records from the same names, so a layout change is made here alone.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>

namespace kz {

inline constexpr int kTabelaTzak = 52;
inline constexpr int kTabelaTzakDok = 53;
inline constexpr int kRozmiarTzak = 901;
inline constexpr int kRozmiarTzakDok = 626;

// Both tables with the names host and user know them by: the failure
// report's lines, the host's log and the launcher's options.
struct TabelaZakupow {
    int numer;
    const char* nazwa;
    int rozmiarRekordu;
};
inline constexpr TabelaZakupow kTabeleZakupow[] = {
    {kTabelaTzak, "Tzak", kRozmiarTzak},
    {kTabelaTzakDok, "Tzak_dok", kRozmiarTzakDok},
};

inline constexpr std::int16_t kTypZakup = 713;  // purchase invoice
inline constexpr std::int16_t kTypPZ = 703;     // goods receipt

// Amounts are stored in ten-thousandths, quantities in thousandths.
inline constexpr int kJednostekKwoty = 10000;
inline constexpr int kJednostekIlosci = 1000;

// Rate kinds the export line spells out in words instead of a percentage.
inline constexpr std::int16_t kRodzajStawkiZW = 5;
inline constexpr std::int16_t kRodzajStawkiOP = 8;
inline constexpr std::int16_t kRodzajStawkiNP = 9;

// Handed to 52465 right after a table is opened.
inline constexpr int kPrzygotowanieTabeli = 255;

// A text field: its offset and the room up to the next field read, the NUL
// included.
struct PoleTekstowe {
    unsigned offset;
    unsigned room;
};

namespace tzak {
inline constexpr PoleTekstowe kNumerDokumentu{2, 17};
inline constexpr PoleTekstowe kSymbolKontrahenta{52, 17};
inline constexpr PoleTekstowe kNazwaKontrahenta{69, 101};
inline constexpr PoleTekstowe kAdresKontrahenta{170, 51};
inline constexpr PoleTekstowe kIdentyfikatorKontrahenta{221, 14};
inline constexpr unsigned kFlagiWartosci = 235;             // 8 bits
inline constexpr std::uint8_t kWartosciJakZapisane = 0x01;  // in kFlagiWartosci
inline constexpr unsigned kDataWystawienia = 237;           // host date form
inline constexpr unsigned kRozmiarDaty = 38;                // room up to the gross value
inline constexpr unsigned kWartoscBrutto = 275;             // double, ten-thousandths
inline constexpr unsigned kDrugiIdDokumentu = 893;          // int32
inline constexpr unsigned kIdDokumentu = 897;               // int32
static_assert(kDataWystawienia + kRozmiarDaty == kWartoscBrutto);
static_assert(kIdDokumentu + 4 == kRozmiarTzak);
}  // namespace tzak

namespace tzak_dok {
inline constexpr PoleTekstowe kOpisPozycji{2, 121};
inline constexpr PoleTekstowe kKodPozycji{123, 17};
inline constexpr unsigned kIlosc = 140;  // int32, thousandths
inline constexpr PoleTekstowe kJednostka{144, 6};
inline constexpr unsigned kWartoscPozycji = 150;    // double, ten-thousandths
inline constexpr unsigned kRodzajStawki = 166;      // int16
inline constexpr unsigned kWartoscDodatkowa = 192;  // double, ten-thousandths
inline constexpr PoleTekstowe kTekstDodatkowy{540, 86};
static_assert(kTekstDodatkowy.offset + kTekstDodatkowy.room == kRozmiarTzakDok);
}  // namespace tzak_dok

// Fields are read with memcpy at their offsets: records are byte arrays of
// the host's and promise no alignment.
template <typename T>
T czytajPole(const void* rekord, unsigned offset) {
    T wartosc;
    std::memcpy(&wartosc, static_cast<const unsigned char*>(rekord) + offset, sizeof wartosc);
    return wartosc;
}

inline const char* adresPola(const void* rekord, unsigned offset) { return static_cast<const char*>(rekord) + offset; }

// Copies a text field into `cel` (at least `pole.room` bytes), stopping at
// the field's room even when the record holds no NUL there.
inline void kopiujTekst(char* cel, const void* rekord, PoleTekstowe pole) {
    const char* zrodlo = adresPola(rekord, pole.offset);
    std::size_t n = 0;
    while (n + 1 < pole.room && zrodlo[n]) ++n;
    std::memcpy(cel, zrodlo, n);
    cel[n] = '\0';
}

// The table cursor: 192 bytes of the host's in the caller's memory; the
// caller zeroes the last word before first use and nothing else.
inline constexpr unsigned kRozmiarKursora = 192;
inline constexpr unsigned kOstatnieSlowoKursora = 188;
// The key buffer the host's key builder fills.
inline constexpr unsigned kRozmiarKlucza = 260;

}  // namespace kz
