#include "host/data/record_packing.hpp"

#include <cstring>

#include "plugin/interface/rekordy_zakupow.hpp"

namespace hadrek::data {
namespace {

// Fills a record front to back, fields in offset order, each byte written
// once: the room behind a text and the gap up to the next field are zeroed
// together as the fill passes them, so no byte is cleared first and written
// again.
class RecordFill {
public:
    explicit RecordFill(unsigned char* record) : record_(record) {}

    // Texts were checked against their room when the data was read, so the
    // next field's zeroing ends them.
    void text(kz::PoleTekstowe field, const std::string& text) {
        zeroTo(field.offset);
        std::memcpy(record_ + at_, text.data(), text.size());
        at_ += static_cast<unsigned>(text.size());
    }

    template <typename T>
    void put(unsigned offset, T value) {
        zeroTo(offset);
        std::memcpy(record_ + at_, &value, sizeof value);
        at_ += sizeof value;
    }

    void zeroTo(unsigned offset) {
        std::memset(record_ + at_, 0, offset - at_);
        at_ = offset;
    }

private:
    unsigned char* record_;
    unsigned at_ = 0;
};

}  // namespace

void packHeader(const Document& document, const Contractor& contractor, std::uint32_t day, unsigned char* record) {
    using namespace kz::tzak;
    RecordFill fill(record);
    fill.text(kNumerDokumentu, document.number);
    fill.text(kSymbolKontrahenta, contractor.symbol);
    fill.text(kNazwaKontrahenta, contractor.name);
    fill.text(kAdresKontrahenta, contractor.address);
    fill.text(kIdentyfikatorKontrahenta, contractor.nip);
    fill.put<std::uint8_t>(kFlagiWartosci, document.valuesAsStored ? kz::tzak::kWartosciJakZapisane : 0);
    // The day number of the host's date form, at the start of the date field.
    static_assert(sizeof day <= kRozmiarDaty);
    fill.put(kDataWystawienia, day);
    fill.put<double>(kWartoscBrutto, document.gross);
    fill.put<std::int32_t>(kDrugiIdDokumentu, document.id2);
    fill.put<std::int32_t>(kIdDokumentu, document.id);
    fill.zeroTo(kz::kRozmiarTzak);
}

void packLine(const Line& line, unsigned char* record) {
    using namespace kz::tzak_dok;
    RecordFill fill(record);
    fill.text(kOpisPozycji, line.description);
    fill.text(kKodPozycji, line.code);
    fill.put<std::int32_t>(kIlosc, line.quantity);
    fill.text(kJednostka, line.unit);
    fill.put<double>(kWartoscPozycji, line.value);
    fill.put<std::int16_t>(kRodzajStawki, line.rate);
    fill.put<double>(kWartoscDodatkowa, line.additionalValue);
    fill.text(kTekstDodatkowy, line.extraText);
    fill.zeroTo(kz::kRozmiarTzakDok);
}

}  // namespace hadrek::data
