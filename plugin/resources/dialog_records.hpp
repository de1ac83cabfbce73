// Readable descriptions of dialog template records and the compile-time
// writer that lays them out byte for byte (uklad_szablonu.hpp) as the
// host's dialog toolkit reads them.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "plugin/interface/mazovia.hpp"
#include "plugin/interface/uklad_szablonu.hpp"

namespace kz::szablon {

enum class RodzajPola { Okres, Tekst };

// A record's text, or for an edit field its maximum length and kind.
struct Zawartosc {
    std::string_view tekst;
    std::uint16_t maksDlugosc;
    RodzajPola rodzaj;
};

template <std::size_t N>
constexpr Zawartosc tekst(const mazovia::Tekst<N>& t) {
    return {std::string_view(t.data(), t.size()), 0, RodzajPola::Tekst};
}
constexpr Zawartosc bezTekstu() { return {std::string_view(), 0, RodzajPola::Tekst}; }
constexpr Zawartosc poleOkresu(std::uint16_t maksDlugosc) {
    return {std::string_view(), maksDlugosc, RodzajPola::Okres};
}
constexpr Zawartosc poleTekstu(std::uint16_t maksDlugosc) {
    return {std::string_view(), maksDlugosc, RodzajPola::Tekst};
}

struct Rekord {
    Typ typ;
    std::uint16_t id;
    std::uint16_t styl;
    std::uint16_t klawisz;
    std::uint16_t x;
    std::uint16_t y;
    std::uint16_t szerokosc;
    std::uint16_t wysokosc;
    std::uint32_t flagi;
    Zawartosc zawartosc;
};

constexpr std::size_t rozmiarRekordu(const Rekord& r) {
    return r.typ == Typ::PoleEdycji ? poleEdycji::kRozmiar : rekord::kTekst + r.zawartosc.tekst.size() + 1;
}

// Offset of record k inside its dialog's body.
template <std::size_t N>
constexpr std::size_t poczatekRekordu(const Rekord (&okno)[N], std::size_t k) {
    std::size_t rozmiar = 0;
    for (std::size_t i = 0; i < k; ++i) rozmiar += rozmiarRekordu(okno[i]);
    return rozmiar;
}

template <std::size_t N>
constexpr std::size_t rozmiarTresci(const Rekord (&okno)[N]) {
    return poczatekRekordu(okno, N);
}

template <std::size_t N>
constexpr std::size_t rozmiarWpisu(const Rekord (&okno)[N]) {
    return wpis::kRekordy + rozmiarTresci(okno);
}

namespace detail {

// Declared only: reaching it while the block is built is the compile error.
void blokNieZgadzaSieZOpisem();

template <std::size_t Rozmiar>
struct Pisarz {
    std::array<unsigned char, Rozmiar> bajty{};

    constexpr void bajt(std::size_t gdzie, unsigned wartosc) { bajty[gdzie] = static_cast<unsigned char>(wartosc); }
    constexpr void slowo(std::size_t gdzie, unsigned wartosc) {
        if (wartosc > 0xFFFF) blokNieZgadzaSieZOpisem();
        bajt(gdzie, wartosc & 0xFF);
        bajt(gdzie + 1, wartosc >> 8);
    }
    constexpr void podwojneSlowo(std::size_t gdzie, std::uint32_t wartosc) {
        slowo(gdzie, wartosc & 0xFFFF);
        slowo(gdzie + 2, wartosc >> 16);
    }

    constexpr void rekordZwykly(std::size_t p, const Rekord& r) {
        slowo(p + rekord::kTyp, static_cast<std::uint16_t>(r.typ));
        slowo(p + rekord::kId, r.id);
        slowo(p + rekord::kStyl, r.styl);
        slowo(p + rekord::kKlawisz, r.klawisz);
        slowo(p + rekord::kX, r.x);
        slowo(p + rekord::kY, r.y);
        slowo(p + rekord::kSzerokosc, r.szerokosc);
        slowo(p + rekord::kWysokosc, r.wysokosc);
        podwojneSlowo(p + rekord::kFlagi, r.flagi);
        const std::string_view t = r.zawartosc.tekst;
        for (std::size_t i = 0; i < t.size(); ++i) bajt(p + rekord::kTekst + i, static_cast<unsigned char>(t[i]));
        bajt(p + rekord::kTekst + t.size(), 0);
    }

    constexpr void rekordPolaEdycji(std::size_t p, const Rekord& r) {
        using namespace poleEdycji;
        const bool okres = r.zawartosc.rodzaj == RodzajPola::Okres;
        slowo(p + kTyp, static_cast<std::uint16_t>(r.typ));
        slowo(p + kStala2, kWartosc2);
        slowo(p + kStala4, kWartosc4);
        slowo(p + kId, r.id);
        slowo(p + kStyl, r.styl);
        slowo(p + kKlawisz, r.klawisz);
        slowo(p + kX, r.x);
        slowo(p + kY, r.y);
        slowo(p + kSzerokosc, r.szerokosc);
        slowo(p + kWysokosc, r.wysokosc);
        podwojneSlowo(p + kFlagi, r.flagi);
        for (std::size_t i = kZera; i < kMaksDlugosc; ++i) bajt(p + i, 0);
        slowo(p + kMaksDlugosc, r.zawartosc.maksDlugosc);
        bajt(p + kStala34, kWartosc34);
        bajt(p + kRodzaj, okres ? kRodzajOkresu : 0);
        slowo(p + kRodzajSlowo, okres ? kRodzajOkresuSlowo : 0);
        slowo(p + kMaksDlugoscPowtorzona, r.zawartosc.maksDlugosc);
        slowo(p + kStala40, kWartosc40);
        bajt(p + kKoniec, 0);
    }

    // Writes one dialog entry at p and answers where the next one starts.
    template <std::size_t N>
    constexpr std::size_t okno(std::size_t p, const Rekord (&rekordy)[N]) {
        if (rekordy[0].typ != Typ::Okno) blokNieZgadzaSieZOpisem();
        slowo(p + wpis::kRozmiarTresci, rozmiarTresci(rekordy));
        slowo(p + wpis::kLiczbaKontrolek, N - 1);
        std::size_t r = p + wpis::kRekordy;
        for (const Rekord& opis : rekordy) {
            if (opis.typ == Typ::PoleEdycji) {
                rekordPolaEdycji(r, opis);
            } else {
                rekordZwykly(r, opis);
            }
            r += rozmiarRekordu(opis);
        }
        return r;
    }
};

}  // namespace detail

// The block: its total size, then the given dialogs back to back. Rozmiar
// is the whole block, the 4-byte total size included.
template <std::size_t Rozmiar, std::size_t... N>
consteval std::array<unsigned char, Rozmiar> zbudujBlok(const Rekord (&... okna)[N]) {
    detail::Pisarz<Rozmiar> pisarz;
    pisarz.podwojneSlowo(blok::kRozmiarCalkowity, Rozmiar - blok::kWpisy);
    std::size_t p = blok::kWpisy;
    ((p = pisarz.okno(p, okna)), ...);
    if (p != Rozmiar) detail::blokNieZgadzaSieZOpisem();
    return pisarz.bajty;
}

}  // namespace kz::szablon
