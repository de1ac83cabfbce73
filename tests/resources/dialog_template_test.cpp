// The block as the host reads it: walked record by record from its bytes,
// with record sizes taken from the type and the text's terminating NUL, not
// from the descriptions the block was built from.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
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

}  // namespace
