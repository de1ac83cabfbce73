#include "host/data/record_packing.hpp"

#include <algorithm>
#include <cassert>
#include <cstring>

namespace hadrek::data {
namespace {

// Copies n bytes, piece <= n <= 2 * piece, as two copies of a fixed size
// that overlap where n falls short of 2 * piece.
template <std::size_t piece>
void copyInTwo(unsigned char* to, const char* from, std::size_t n) {
    std::memcpy(to, from, piece);
    std::memcpy(to + n - piece, from + n - piece, piece);
}

// Most texts of a record are short (codes, units, symbols, descriptions) or
// empty, and for them a call into the C library costs more than the copy
// itself: up to 32 bytes are copied in place.
inline void copyText(unsigned char* to, const char* from, std::size_t n) {
    if (n > 32)
        std::memcpy(to, from, n);
    else if (n >= 16)
        copyInTwo<16>(to, from, n);
    else if (n >= 8)
        copyInTwo<8>(to, from, n);
    else if (n >= 4)
        copyInTwo<4>(to, from, n);
    else if (n > 0) {
        to[0] = static_cast<unsigned char>(from[0]);
        to[n / 2] = static_cast<unsigned char>(from[n / 2]);
        to[n - 1] = static_cast<unsigned char>(from[n - 1]);
    }
}

// Texts were checked against their room when the data was read; the bound
// keeps even an unchecked one inside its field. `base` is the record offset
// `bytes` stands at.
void putText(unsigned char* bytes, kz::PoleTekstowe field, const std::string& text, unsigned base = 0) {
    copyText(bytes + (field.offset - base), text.data(), std::min<std::size_t>(text.size(), field.room - 1));
}

template <typename T>
void put(unsigned char* record, unsigned offset, T value) {
    std::memcpy(record + offset, &value, sizeof value);
}

// The buffer is cleared whole, by its own size, before the fields are copied
// over it. Measured, that beats zeroing only the dozen gaps (a call per gap
// costs more than the bytes written twice), and the size known only at run
// time keeps it the C library's clearing: a constant size turns it into a
// string instruction that costs twice as much under emulation.
unsigned char* cleared(std::span<unsigned char> record) {
    std::memset(record.data(), 0, record.size());
    return record.data();
}

}  // namespace

PackedContractor packContractor(const Contractor& contractor) {
    using namespace kz::tzak;
    static_assert(kSymbolKontrahenta.offset + kSymbolKontrahenta.room == kNazwaKontrahenta.offset &&
                      kNazwaKontrahenta.offset + kNazwaKontrahenta.room == kAdresKontrahenta.offset &&
                      kAdresKontrahenta.offset + kAdresKontrahenta.room == kIdentyfikatorKontrahenta.offset,
                  "a contractor's texts are copied as one block");
    PackedContractor packed{};
    putText(packed.data(), kSymbolKontrahenta, contractor.symbol, kContractorFieldsOffset);
    putText(packed.data(), kNazwaKontrahenta, contractor.name, kContractorFieldsOffset);
    putText(packed.data(), kAdresKontrahenta, contractor.address, kContractorFieldsOffset);
    putText(packed.data(), kIdentyfikatorKontrahenta, contractor.nip, kContractorFieldsOffset);
    return packed;
}

void packHeader(const Document& document, const PackedContractor& contractor, std::uint32_t day,
                std::span<unsigned char> buffer) {
    using namespace kz::tzak;
    assert(buffer.size() == kz::kRozmiarTzak);
    unsigned char* record = cleared(buffer);
    putText(record, kNumerDokumentu, document.number);
    std::memcpy(record + kContractorFieldsOffset, contractor.data(), contractor.size());
    put<std::uint8_t>(record, kFlagiWartosci, document.valuesAsStored ? kWartosciJakZapisane : 0);
    // The day number of the host's date form, at the start of the date field.
    static_assert(sizeof day <= kRozmiarDaty);
    put(record, kDataWystawienia, day);
    put<double>(record, kWartoscBrutto, document.gross);
    put<std::int32_t>(record, kDrugiIdDokumentu, document.id2);
    put<std::int32_t>(record, kIdDokumentu, document.id);
}

void packLine(const Line& line, std::span<unsigned char> buffer) {
    using namespace kz::tzak_dok;
    assert(buffer.size() == kz::kRozmiarTzakDok);
    unsigned char* record = cleared(buffer);
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
