// The block as the host reads it: walked record by record from its bytes,
// with record sizes taken from the type and the text's terminating NUL, not
// from the descriptions the block was built from.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "plugin/interface/dialog_ids.hpp"
#include "plugin/resources/dialog_template.hpp"

namespace {

std::uint16_t slowo(const unsigned char* p) {
    std::uint16_t w;
    std::memcpy(&w, p, sizeof w);
    return w;
}

std::uint32_t podwojneSlowo(const unsigned char* p) {
    std::uint32_t w;
    std::memcpy(&w, p, sizeof w);
    return w;
}

constexpr std::size_t kTypRekordu = 0;
constexpr std::size_t kIdRekordu = 2;
constexpr std::size_t kTekstRekordu = 20;
constexpr std::uint16_t kTypOkna = 0xFFFF;
constexpr std::uint16_t kTypPolaEdycji = 5;
constexpr std::size_t kRozmiarPolaEdycji = 43;
constexpr std::size_t kMaksDlugosc = 32;
constexpr std::size_t kMaksDlugoscPowtorzona = 38;

struct PoleEdycji {
    std::uint16_t maksDlugosc;
    std::uint16_t powtorzona;
};

struct Okno {
    std::uint16_t id;
    std::size_t liczbaKontrolek;
    std::size_t rozmiarTresci;
    std::size_t przeczytane;
    std::vector<PoleEdycji> pola;
};

struct Odczyt {
    std::uint32_t rozmiarCalkowity;
    std::vector<Okno> okna;
    std::size_t koniec;
};

Odczyt przejdzBlok(const unsigned char* blok, std::size_t dostepne) {
    Odczyt odczyt{podwojneSlowo(blok), {}, 4};
    std::size_t p = 4;
    while (p < 4 + odczyt.rozmiarCalkowity && p + 4 <= dostepne) {
        Okno okno{};
        okno.rozmiarTresci = slowo(blok + p);
        okno.liczbaKontrolek = slowo(blok + p + 2);
        const std::size_t tresc = p + 4;
        std::size_t r = tresc;
        for (std::size_t k = 0; k <= okno.liczbaKontrolek && r + kTekstRekordu < dostepne; ++k) {
            const std::uint16_t typ = slowo(blok + r + kTypRekordu);
            if (k == 0 && typ == kTypOkna) okno.id = slowo(blok + r + kIdRekordu);
            if (typ == kTypPolaEdycji) {
                okno.pola.push_back({slowo(blok + r + kMaksDlugosc), slowo(blok + r + kMaksDlugoscPowtorzona)});
                r += kRozmiarPolaEdycji;
            } else {
                const auto* tekst = reinterpret_cast<const char*>(blok + r + kTekstRekordu);
                r += kTekstRekordu + strnlen(tekst, dostepne - r - kTekstRekordu) + 1;
            }
        }
        okno.przeczytane = r - tresc;
        odczyt.okna.push_back(okno);
        p = tresc + okno.rozmiarTresci;
    }
    odczyt.koniec = p;
    return odczyt;
}

TEST(DialogTemplateBlock, WalksIntoBothDialogsAndEndsAtItsTotalSize) {
    const Odczyt odczyt = przejdzBlok(kz::dialogTemplateBlock(), kz::kDialogTemplateBlockSize);
    EXPECT_EQ(odczyt.rozmiarCalkowity, 1058u);
    EXPECT_EQ(odczyt.koniec, kz::kDialogTemplateBlockSize);
    ASSERT_EQ(odczyt.okna.size(), 2u);

    struct Oczekiwane {
        std::uint16_t id;
        std::size_t liczbaKontrolek;
        std::size_t rozmiarTresci;
        std::size_t liczbaPol;
    };
    const Oczekiwane oczekiwane[] = {{kz::kDialogWyboru, 6, 292, 0}, {kz::kDialogOpcji, 18, 758, 7}};
    for (std::size_t i = 0; i < 2; ++i) {
        const Okno& okno = odczyt.okna[i];
        SCOPED_TRACE(testing::Message() << "dialog " << oczekiwane[i].id);
        EXPECT_EQ(okno.id, oczekiwane[i].id);
        EXPECT_EQ(okno.liczbaKontrolek, oczekiwane[i].liczbaKontrolek);
        EXPECT_EQ(okno.rozmiarTresci, oczekiwane[i].rozmiarTresci);
        EXPECT_EQ(okno.przeczytane, okno.rozmiarTresci) << "records do not fill the body exactly";
        EXPECT_EQ(okno.pola.size(), oczekiwane[i].liczbaPol);
    }
}

// The host binds the edit fields to slots one byte longer than their
// maximum length; the record's two copies of it must agree, and the slots
// they give must be the ones the options record is laid out by.
TEST(DialogTemplateBlock, EditFieldsGiveTheOptionsBufferSlots) {
    const Odczyt odczyt = przejdzBlok(kz::dialogTemplateBlock(), kz::kDialogTemplateBlockSize);
    ASSERT_EQ(odczyt.okna.size(), 2u);
    const std::vector<PoleEdycji>& pola = odczyt.okna[1].pola;
    const std::size_t sloty[] = {kz::kSlotOkresOd,     kz::kSlotOkresDo,       kz::kSlotFiltrNazwy,
                                 kz::kSlotFiltrAdresu, kz::kSlotFiltrSymbolu,  kz::kSlotKodPlacowki,
                                 kz::kSlotKatalog,     kz::kRozmiarDanychOpcji};
    ASSERT_EQ(pola.size() + 1, std::size(sloty));
    std::size_t slot = 0;
    for (std::size_t i = 0; i < pola.size(); ++i) {
        SCOPED_TRACE(testing::Message() << "edit field " << i << ", maximum length " << pola[i].maksDlugosc);
        EXPECT_EQ(pola[i].maksDlugosc, pola[i].powtorzona);
        EXPECT_EQ(slot, sloty[i]);
        slot += pola[i].maksDlugosc + 1u;
    }
    EXPECT_EQ(slot, kz::kRozmiarDanychOpcji);
}

// The whole block again, built here from the dialogs' record tables: every
// style word, hot key, position and text the host reads, not only the ones
// the stand-in acts on.
namespace tabela {

struct Rekord {
    std::uint16_t typ, id, styl, klawisz, x, y, szerokosc, wysokosc;
    std::uint32_t flagi;
    std::string tekst;          // for an edit field, empty
    std::uint16_t maksDlugosc;  // for an edit field
    bool okres;                 // a period field
};

constexpr std::uint16_t kOkno = 0xFFFF, kPrzycisk = 0, kEtykieta = 3, kLinia = 4, kPole = 5, kLista = 6;

Rekord pole(std::uint16_t id, std::uint16_t styl, std::uint16_t x, std::uint16_t y, std::uint16_t szerokosc,
            std::uint32_t flagi, std::uint16_t maksDlugosc, bool okres) {
    return {kPole, id, styl, 0, x, y, szerokosc, 1, flagi, "", maksDlugosc, okres};
}

const std::vector<Rekord> kWybor = {
    {kOkno, 20081, 0x0200, 0, 0, 0, 120, 25, 0, "Wybierz zam\xA2wienie", 0, false},
    {kLinia, 0x5801, 0, 0, 2, 3, 116, 1, 0,
     "z5l17Numer dok.\rl-1Kontrahent\rp15Warto\x9E\x8D brutto\rl12Data wyst.\rl8Typ dok.", 0, false},
    {kEtykieta, 0xFFFF, 0, 0x3D00, 2, 2, 20, 1, 0,
     "\x02"
     "F3\x01 Dokumenty",
     0, false},
    {kLista, 16385, 0x8488, 0, 2, 4, 116, 16, 0, "", 0, false},
    {kPrzycisk, 20481, 0x0100, 0x8600, 28, 22, 15, 1, 0,
     "\x05"
     "F12\x01 OK",
     0, false},
    {kPrzycisk, 0x5200, 0x0100, 0x5200, 47, 22, 15, 1, 0, "\x05INS\x01 Zaznacz", 0, false},
    {kPrzycisk, 0x0400, 0x0100, 0x0400, 66, 22, 25, 1, 0,
     "\x05"
     "Ctrl-INS\x01 Wszystkie",
     0, false},
};

const std::vector<Rekord> kOpcje = {
    {kOkno, 20082, 0, 0, 0, 0, 73, 16, 0,
     "Podaj dane wej\x9E"
     "ciowe",
     0, false},
    {kEtykieta, 0x3C00, 0, 0, 2, 2, 12, 1, 0,
     "\x02"
     "F2\x01 Okres od",
     0, false},
    pole(0xFFFF, 0x0400, 14, 2, 13, 0, 8, true),
    {kEtykieta, 0x3D00, 0, 0, 30, 2, 12, 1, 0,
     "\x02"
     "F3\x01 Okres do",
     0, false},
    pole(0xFFFF, 0x0400, 42, 2, 13, 0, 8, true),
    {kLinia, 0xFFFF, 0, 0, 2, 4, 36, 1, 0,
     "Wyselekcjonuj dokumenty zawieraj\x86"
     "ce w:",
     0, false},
    {kEtykieta, 0x3E00, 0, 0, 2, 5, 28, 1, 0,
     "\x02"
     "F4\x01 nazwie  kontrahenta",
     0, false},
    pole(0xFFFF, 0x0400, 30, 5, 30, 0, 25, false),
    {kEtykieta, 0x3F00, 0, 0, 2, 6, 28, 1, 0,
     "\x02"
     "F5\x01 adresie kontrahenta",
     0, false},
    pole(0xFFFF, 0x0400, 30, 6, 30, 0, 25, false),
    {kEtykieta, 0x4000, 0, 0, 2, 7, 28, 1, 0,
     "\x02"
     "F6\x01 symbolu kontrahenta",
     0, false},
    pole(0xFFFF, 0x0400, 30, 7, 30, 0, 25, false),
    {kEtykieta, 0x4100, 0, 0, 2, 9, 27, 1, 0,
     "\x02"
     "F7\x01 Plac\xA2wka",
     0, false},
    pole(0xFFFF, 0x0400, 30, 9, 30, 0, 13, false),
    {kEtykieta, 0x4152, 0, 0, 2, 11, 10, 1, 0, "Katalog", 0, false},
    pole(0x4153, 0, 12, 11, 40, 0x00010000, 259, false),
    {kPrzycisk, 16724, 0x0180, 0x0042, 52, 11, 8, 1, 0, "Wy~b~ierz", 0, false},
    {kPrzycisk, 20481, 0x0004, 0x8600, 19, 13, 15, 1, 0,
     "\x05"
     "F12\x01 OK",
     0, false},
    {kPrzycisk, 20482, 0, 0, 38, 13, 15, 1, 0,
     "\x05"
     "Esc\x01 Anuluj",
     0, false},
};

void slowo(std::vector<unsigned char>& b, unsigned w) {
    b.push_back(static_cast<unsigned char>(w & 0xFF));
    b.push_back(static_cast<unsigned char>(w >> 8));
}
void podwojne(std::vector<unsigned char>& b, std::uint32_t w) {
    slowo(b, w & 0xFFFF);
    slowo(b, w >> 16);
}

void rekord(std::vector<unsigned char>& b, const Rekord& r) {
    slowo(b, r.typ);
    if (r.typ == kPole) {
        slowo(b, 0x0026);
        slowo(b, 0x0005);
    }
    for (unsigned w : {r.id, r.styl, r.klawisz, r.x, r.y, r.szerokosc, r.wysokosc}) slowo(b, w);
    podwojne(b, r.flagi);
    if (r.typ != kPole) {
        b.insert(b.end(), r.tekst.begin(), r.tekst.end());
        b.push_back(0);
        return;
    }
    b.insert(b.end(), 8, 0);
    slowo(b, r.maksDlugosc);
    b.push_back(0x08);
    b.push_back(r.okres ? 0x02 : 0x00);
    slowo(b, r.okres ? 0x0002 : 0x0000);
    slowo(b, r.maksDlugosc);
    slowo(b, 0x0001);
    b.push_back(0);
}

std::vector<unsigned char> wpis(const std::vector<Rekord>& rekordy) {
    std::vector<unsigned char> tresc;
    for (const Rekord& r : rekordy) rekord(tresc, r);
    std::vector<unsigned char> b;
    slowo(b, static_cast<unsigned>(tresc.size()));
    slowo(b, static_cast<unsigned>(rekordy.size() - 1));
    b.insert(b.end(), tresc.begin(), tresc.end());
    return b;
}

}  // namespace tabela

TEST(DialogTemplateBlock, IsTheRecordTablesByteForByte) {
    const std::vector<unsigned char> wybor = tabela::wpis(tabela::kWybor), opcje = tabela::wpis(tabela::kOpcje);
    ASSERT_EQ(wybor.size(), 4u + 292u);
    ASSERT_EQ(opcje.size(), 4u + 758u);
    std::vector<unsigned char> oczekiwany;
    tabela::podwojne(oczekiwany, 1058);
    oczekiwany.insert(oczekiwany.end(), wybor.begin(), wybor.end());
    oczekiwany.insert(oczekiwany.end(), opcje.begin(), opcje.end());

    ASSERT_EQ(kz::kDialogTemplateBlockSize, oczekiwany.size());
    const unsigned char* blok = kz::dialogTemplateBlock();
    for (std::size_t i = 0; i < oczekiwany.size(); ++i)
        ASSERT_EQ(blok[i], oczekiwany[i])
            << "first difference at byte " << i << (i < 4 + wybor.size() ? " (selection dialog)" : " (options dialog)");
}

}  // namespace
