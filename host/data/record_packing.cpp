#include "host/data/record_packing.hpp"

#include <cstring>

#include "plugin/interface/rekordy_zakupow.hpp"

namespace hadrek::data {
namespace {

// Texts were checked against their room when the data was read.
void putText(unsigned char* record, kz::PoleTekstowe field, const std::string& text) {
    std::memcpy(record + field.offset, text.data(), text.size());
}

template <typename T>
void put(unsigned char* record, unsigned offset, T value) {
    std::memcpy(record + offset, &value, sizeof value);
}

}  // namespace

// One clearing of the whole record and the fields copied over it beat
// zeroing only the gaps: the gaps are a dozen pieces of varying size, and a
// call per piece costs more than the few bytes written twice.
void packHeader(const Document& document, const Contractor& contractor, std::uint32_t day, unsigned char* record) {
    using namespace kz::tzak;
    std::memset(record, 0, kz::kRozmiarTzak);
    putText(record, kNumerDokumentu, document.number);
    putText(record, kSymbolKontrahenta, contractor.symbol);
    putText(record, kNazwaKontrahenta, contractor.name);
    putText(record, kAdresKontrahenta, contractor.address);
    putText(record, kIdentyfikatorKontrahenta, contractor.nip);
    put<std::uint8_t>(record, kFlagiWartosci, document.valuesAsStored ? kz::tzak::kWartosciJakZapisane : 0);
    // The day number of the host's date form, at the start of the date field.
    static_assert(sizeof day <= kRozmiarDaty);
    put(record, kDataWystawienia, day);
    put<double>(record, kWartoscBrutto, document.gross);
    put<std::int32_t>(record, kDrugiIdDokumentu, document.id2);
    put<std::int32_t>(record, kIdDokumentu, document.id);
}

void packLine(const Line& line, unsigned char* record) {
    using namespace kz::tzak_dok;
    std::memset(record, 0, kz::kRozmiarTzakDok);
    putText(record, kOpisPozycji, line.description);
    putText(record, kKodPozycji, line.code);
    put<std::int32_t>(record, kIlosc, line.quantity);
    putText(record, kJednostka, line.unit);
    put<double>(record, kWartoscPozycji, line.value);
    put<std::int16_t>(record, kRodzajStawki, line.rate);
    put<double>(record, kWartoscDodatkowa, line.additionalValue);
    putText(record, kTekstDodatkowy, line.extraText);
}

}  // namespace hadrek::data
