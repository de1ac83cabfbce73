// The purchase tables' layout in plain numbers, written apart from
// plugin/interface/rekordy_zakupow.hpp. Plug-in and stand-in both take their
// offsets from that header, so a field moved there moves on both sides and
// every run stays green, while the real host's records keep their fields
// where they are: only numbers of their own notice.
#include <gtest/gtest.h>

#include <cstring>
#include <stdexcept>
#include <string>
#include <vector>

#include "host/data/record_packing.hpp"

namespace {

using namespace kz;

struct Pin {
    const char* name;
    unsigned offset;
    unsigned room;  // a text's, NUL included; a number's width
    unsigned interfaceOffset;
    unsigned interfaceRoom;  // 0 where the interface names none
};

const std::vector<Pin> kTzakPins = {
    {"number", 2, 17, tzak::kNumerDokumentu.offset, tzak::kNumerDokumentu.room},
    {"symbol", 52, 17, tzak::kSymbolKontrahenta.offset, tzak::kSymbolKontrahenta.room},
    {"name", 69, 101, tzak::kNazwaKontrahenta.offset, tzak::kNazwaKontrahenta.room},
    {"address", 170, 51, tzak::kAdresKontrahenta.offset, tzak::kAdresKontrahenta.room},
    {"identifier", 221, 14, tzak::kIdentyfikatorKontrahenta.offset, tzak::kIdentyfikatorKontrahenta.room},
    {"value flags", 235, 1, tzak::kFlagiWartosci, 0},
    {"issue date", 237, 38, tzak::kDataWystawienia, tzak::kRozmiarDaty},
    {"gross", 275, 8, tzak::kWartoscBrutto, 0},
    {"second id", 893, 4, tzak::kDrugiIdDokumentu, 0},
    {"id", 897, 4, tzak::kIdDokumentu, 0},
    {"record size", 901, 0, kRozmiarTzak, 0},  // where a next field would start
};
const std::vector<Pin> kTzakDokPins = {
    {"description", 2, 121, tzak_dok::kOpisPozycji.offset, tzak_dok::kOpisPozycji.room},
    {"code", 123, 17, tzak_dok::kKodPozycji.offset, tzak_dok::kKodPozycji.room},
    {"quantity", 140, 4, tzak_dok::kIlosc, 0},
    {"unit", 144, 6, tzak_dok::kJednostka.offset, tzak_dok::kJednostka.room},
    {"value", 150, 8, tzak_dok::kWartoscPozycji, 0},
    {"rate kind", 166, 2, tzak_dok::kRodzajStawki, 0},
    {"additional value", 192, 8, tzak_dok::kWartoscDodatkowa, 0},
    {"extra text", 540, 86, tzak_dok::kTekstDodatkowy.offset, tzak_dok::kTekstDodatkowy.room},
    {"record size", 626, 0, kRozmiarTzakDok, 0},  // where a next field would start
};

TEST(RecordLayout, TheInterfaceNamesEveryPinnedPlace) {
    for (const auto* pins : {&kTzakPins, &kTzakDokPins})
        for (const Pin& p : *pins) {
            EXPECT_EQ(p.interfaceOffset, p.offset) << p.name;
            EXPECT_EQ(p.interfaceRoom ? p.interfaceRoom : p.room, p.room) << p.name;
        }
    EXPECT_EQ(tzak::kWartosciJakZapisane, 0x01);
}

// A record the test packs itself, each field at its pinned place.
class Record {
public:
    explicit Record(const std::vector<Pin>& pins) : pins_(pins), bytes_(pin("record size").offset, 0) {}

    template <typename T>
    T number(const char* name, T value) {
        const Pin& p = pin(name);
        EXPECT_LE(sizeof value, p.room) << name;
        std::memcpy(bytes_.data() + p.offset, &value, sizeof value);
        return value;
    }
    // One letter more than the room holds: the host keeps room - 1 of them.
    std::string text(const char* name, char letter) {
        const Pin& p = pin(name);
        std::memset(bytes_.data() + p.offset, letter, p.room - 1);
        return std::string(p.room, letter);
    }
    void expectPackedAlike(const std::vector<unsigned char>& packed) const {
        ASSERT_EQ(packed.size(), bytes_.size());
        for (std::size_t i = 0; i < bytes_.size(); ++i)
            ASSERT_EQ(packed[i], bytes_[i]) << "first difference at byte " << i;
    }

private:
    const Pin& pin(const char* name) const {
        for (const Pin& p : pins_)
            if (std::strcmp(p.name, name) == 0) return p;
        throw std::invalid_argument(name);
    }
    const std::vector<Pin>& pins_;
    std::vector<unsigned char> bytes_;
};

TEST(RecordLayout, TheHostPacksAHeaderAtThePinnedPlaces) {
    Record expected(kTzakPins);
    hadrek::data::Contractor contractor{expected.text("symbol", 's'), expected.text("name", 'n'),
                                        expected.text("address", 'a'), expected.text("identifier", 'i')};
    hadrek::data::Document document;
    document.number = expected.text("number", 'f');
    document.valuesAsStored = expected.number<std::uint8_t>("value flags", 1) == 1;
    const auto day = expected.number<std::uint32_t>("issue date", 0x01020304);
    document.gross = expected.number("gross", 1234567.0);
    document.id2 = expected.number<std::int32_t>("second id", 0x0A0B0C0D);
    document.id = expected.number<std::int32_t>("id", 0x11223344);

    std::vector<unsigned char> packed(kRozmiarTzak);
    hadrek::data::packHeader(document, hadrek::data::packContractor(contractor), day, packed);
    expected.expectPackedAlike(packed);
}

TEST(RecordLayout, TheHostPacksALineAtThePinnedPlaces) {
    Record expected(kTzakDokPins);
    hadrek::data::Line line;
    line.description = expected.text("description", 'd');
    line.code = expected.text("code", 'c');
    line.quantity = expected.number<std::int32_t>("quantity", 0x05060708);
    line.unit = expected.text("unit", 'u');
    line.value = expected.number("value", 7654321.0);
    line.rate = expected.number<std::int16_t>("rate kind", 0x0908);
    line.additionalValue = expected.number("additional value", -42.5);
    line.extraText = expected.text("extra text", 'e');

    std::vector<unsigned char> packed(kRozmiarTzakDok);
    hadrek::data::packLine(line, packed);
    expected.expectPackedAlike(packed);
}

}  // namespace
