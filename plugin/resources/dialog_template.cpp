#include "plugin/resources/dialog_template.hpp"

#include <initializer_list>
#include <iterator>

#include "plugin/interface/dialog_ids.hpp"
#include "plugin/resources/dialog_records.hpp"
#include "plugin/resources/dialog_texts.hpp"

namespace kz {
namespace {

using szablon::bezTekstu;
using szablon::poleOkresu;
using szablon::poleTekstu;
using szablon::Rekord;
using szablon::tekst;
using szablon::Typ;

// Style flags and the folder field's extra flag; their meaning is the host's.
constexpr std::uint16_t kStylOkna = 0x0200;
constexpr std::uint16_t kStylListy = 0x8488;
constexpr std::uint16_t kStylPrzycisku = 0x0100;
constexpr std::uint16_t kStylPrzyciskuWybierz = 0x0180;
constexpr std::uint16_t kStylPrzyciskuOk = 0x0004;
constexpr std::uint16_t kStylPola = 0x0400;
constexpr std::uint32_t kFlagaPolaKatalogu = 0x00010000;

// The list sits under its column header line, with the same x and width.
constexpr Rekord kOknoWyboru[] = {
    // type            id                  style           hot key          x   y   width height extra text or edit
    // field
    {Typ::Okno, kDialogWyboru, kStylOkna, 0, 0, 0, 120, 25, 0, tekst(texts::kTytulWyboru)},
    {Typ::LiniaTekstu, kNaglowekListy, 0, 0, 2, 3, 116, 1, 0, tekst(texts::kKolumnyListy)},
    {Typ::Etykieta, kBezId, 0, kKlawiszF3, 2, 2, 20, 1, 0, tekst(texts::kEtykietaDokumenty)},
    {Typ::Lista, kListaDokumentow, kStylListy, 0, 2, 4, 116, 16, 0, bezTekstu()},
    {Typ::Przycisk, kPrzyciskOk, kStylPrzycisku, kKlawiszF12, 28, 22, 15, 1, 0, tekst(texts::kNapisOk)},
    {Typ::Przycisk, kPrzyciskZaznacz, kStylPrzycisku, kKlawiszIns, 47, 22, 15, 1, 0, tekst(texts::kNapisZaznacz)},
    {Typ::Przycisk, kPrzyciskWszystkie, kStylPrzycisku, kKlawiszCtrlIns, 66, 22, 25, 1, 0,
     tekst(texts::kNapisWszystkie)},
};

// Each label's id is the key of the function key its text names. The edit
// fields bind, in this order, to the slots of dialog_ids.hpp.
constexpr Rekord kOknoOpcji[] = {
    // type            id                 style                  hot key      x   y   width height extra text or edit
    // field
    {Typ::Okno, kDialogOpcji, 0, 0, 0, 0, 73, 16, 0, tekst(texts::kTytulOpcji)},
    {Typ::Etykieta, kKlawiszF2, 0, 0, 2, 2, 12, 1, 0, tekst(texts::kEtykietaOkresOd)},
    {Typ::PoleEdycji, kBezId, kStylPola, 0, 14, 2, 13, 1, 0, poleOkresu(kMaksOkresu)},
    {Typ::Etykieta, kKlawiszF3, 0, 0, 30, 2, 12, 1, 0, tekst(texts::kEtykietaOkresDo)},
    {Typ::PoleEdycji, kBezId, kStylPola, 0, 42, 2, 13, 1, 0, poleOkresu(kMaksOkresu)},
    {Typ::LiniaTekstu, kBezId, 0, 0, 2, 4, 36, 1, 0, tekst(texts::kWyselekcjonuj)},
    {Typ::Etykieta, kKlawiszF4, 0, 0, 2, 5, 28, 1, 0, tekst(texts::kEtykietaNazwy)},
    {Typ::PoleEdycji, kBezId, kStylPola, 0, 30, 5, 30, 1, 0, poleTekstu(kMaksFiltru)},
    {Typ::Etykieta, kKlawiszF5, 0, 0, 2, 6, 28, 1, 0, tekst(texts::kEtykietaAdresu)},
    {Typ::PoleEdycji, kBezId, kStylPola, 0, 30, 6, 30, 1, 0, poleTekstu(kMaksFiltru)},
    {Typ::Etykieta, kKlawiszF6, 0, 0, 2, 7, 28, 1, 0, tekst(texts::kEtykietaSymbolu)},
    {Typ::PoleEdycji, kBezId, kStylPola, 0, 30, 7, 30, 1, 0, poleTekstu(kMaksFiltru)},
    {Typ::Etykieta, kKlawiszF7, 0, 0, 2, 9, 27, 1, 0, tekst(texts::kEtykietaPlacowki)},
    {Typ::PoleEdycji, kBezId, kStylPola, 0, 30, 9, 30, 1, 0, poleTekstu(kMaksPlacowki)},
    {Typ::Etykieta, kEtykietaKatalogu, 0, 0, 2, 11, 10, 1, 0, tekst(texts::kKatalog)},
    {Typ::PoleEdycji, kPoleKatalogu, 0, 0, 12, 11, 40, 1, kFlagaPolaKatalogu, poleTekstu(kMaksKatalogu)},
    {Typ::Przycisk, kPrzyciskWybierz, kStylPrzyciskuWybierz, kKlawiszB, 52, 11, 8, 1, 0, tekst(texts::kNapisWybierz)},
    {Typ::Przycisk, kPrzyciskOk, kStylPrzyciskuOk, kKlawiszF12, 19, 13, 15, 1, 0, tekst(texts::kNapisOk)},
    {Typ::Przycisk, kPrzyciskAnuluj, 0, 0, 38, 13, 15, 1, 0, tekst(texts::kNapisAnuluj)},
};

constexpr std::size_t kPoczatekWyboru = szablon::blok::kWpisy;
constexpr std::size_t kPoczatekOpcji = kPoczatekWyboru + szablon::rozmiarWpisu(kOknoWyboru);

constexpr auto kBlok = szablon::zbudujBlok<kDialogTemplateBlockSize>(kOknoWyboru, kOknoOpcji);

// Where record k of a dialog starts in the block.
template <std::size_t N>
constexpr std::size_t poczatek(std::size_t wpis, const Rekord (&okno)[N], std::size_t k) {
    return wpis + szablon::wpis::kRekordy + szablon::poczatekRekordu(okno, k);
}

constexpr bool maBajty(std::size_t od, std::initializer_list<unsigned> oczekiwane) {
    for (unsigned b : oczekiwane) {
        if (kBlok[od++] != b) return false;
    }
    return true;
}

template <std::size_t N>
constexpr bool maTekst(std::size_t od, const mazovia::Tekst<N>& t) {
    for (std::size_t i = 0; i <= t.size(); ++i) {
        if (kBlok[od + i] != static_cast<unsigned char>(t[i])) return false;
    }
    return true;
}

template <std::size_t N, std::size_t M>
constexpr bool maRozmiaryRekordow(const Rekord (&okno)[N], const std::size_t (&rozmiary)[M]) {
    static_assert(N == M);
    for (std::size_t i = 0; i < N; ++i) {
        if (szablon::rozmiarRekordu(okno[i]) != rozmiary[i]) return false;
    }
    return true;
}

static_assert(std::size(kOknoWyboru) == 1 + 6);
static_assert(std::size(kOknoOpcji) == 1 + 18);
static_assert(szablon::rozmiarTresci(kOknoWyboru) == 292);
static_assert(szablon::rozmiarTresci(kOknoOpcji) == 758);
static_assert(szablon::rozmiarWpisu(kOknoWyboru) + szablon::rozmiarWpisu(kOknoOpcji) == 1058);

constexpr std::size_t kRozmiaryWyboru[] = {39, 93, 35, 21, 29, 34, 41};
constexpr std::size_t kRozmiaryOpcji[] = {41, 34, 43, 34, 43, 59, 45, 43, 45, 43, 45, 43, 34, 43, 28, 43, 30, 29, 33};
static_assert(maRozmiaryRekordow(kOknoWyboru, kRozmiaryWyboru));
static_assert(maRozmiaryRekordow(kOknoOpcji, kRozmiaryOpcji));

// Byte sequences the host's readers are known to expect.
static_assert(maBajty(0, {0x22, 0x04, 0x00, 0x00, 0x24, 0x01, 0x06, 0x00}));
static_assert(maBajty(poczatek(kPoczatekWyboru, kOknoWyboru, 0),
                      {0xFF, 0xFF, 0x71, 0x4E, 0x00, 0x02, 0x00, 0x00, 0x00, 0x00,
                       0x00, 0x00, 0x78, 0x00, 0x19, 0x00, 0x00, 0x00, 0x00, 0x00}));
static_assert(maTekst(poczatek(kPoczatekWyboru, kOknoWyboru, 0) + szablon::rekord::kTekst, texts::kTytulWyboru));
static_assert(maBajty(poczatek(kPoczatekWyboru, kOknoWyboru, 3),
                      {0x06, 0x00, 0x01, 0x40, 0x88, 0x84, 0x00, 0x00, 0x02, 0x00, 0x04,
                       0x00, 0x74, 0x00, 0x10, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00}));
static_assert(maBajty(kPoczatekOpcji, {0xF6, 0x02, 0x12, 0x00}));
static_assert(maBajty(poczatek(kPoczatekOpcji, kOknoOpcji, 2),
                      {0x05, 0x00, 0x26, 0x00, 0x05, 0x00, 0xFF, 0xFF, 0x00, 0x04, 0x00, 0x00, 0x0E, 0x00, 0x02,
                       0x00, 0x0D, 0x00, 0x01, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
                       0x00, 0x00, 0x08, 0x00, 0x08, 0x02, 0x02, 0x00, 0x08, 0x00, 0x01, 0x00, 0x00}));
static_assert(maBajty(poczatek(kPoczatekOpcji, kOknoOpcji, 15),
                      {0x05, 0x00, 0x26, 0x00, 0x05, 0x00, 0x53, 0x41, 0x00, 0x00, 0x00, 0x00, 0x0C, 0x00, 0x0B,
                       0x00, 0x28, 0x00, 0x01, 0x00, 0x00, 0x00, 0x01, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
                       0x00, 0x00, 0x03, 0x01, 0x08, 0x00, 0x00, 0x00, 0x03, 0x01, 0x01, 0x00, 0x00}));

}  // namespace

const unsigned char* dialogTemplateBlock() { return kBlok.data(); }

}  // namespace kz
