#include "bench/reference_scan.hpp"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <vector>

#include "bench/timing.hpp"
#include "host/data/data_in_use.hpp"
#include "host/data/record_packing.hpp"
#include "host/services/services.hpp"
#include "plugin/interface/rekordy_zakupow.hpp"

namespace bench {
namespace {

using hadrek::services::caseFold;
using hadrek::services::dateCompare;

template <std::size_t N>
void foldFilter(char (&filter)[N]) {
    filter[N - 1] = '\0';
    caseFold(filter);
}

bool matches(const char* text, const char* filter) { return filter[0] == '\0' || std::strstr(text, filter); }

// Step for step what the plug-in's document filter does: 0 keeps, 1 drops.
int filterRecord(const unsigned char* record, kz::OpcjeEksportu& options) {
    namespace tzak = kz::tzak;
    if (kz::czytajPole<std::int32_t>(record, tzak::kIdDokumentu) == 0 ||
        kz::czytajPole<std::int32_t>(record, tzak::kDrugiIdDokumentu) == 0)
        return 1;
    const char* date = kz::adresPola(record, tzak::kDataWystawienia);
    if (dateCompare(date, options.okresOd) < 0) return 1;
    if (dateCompare(date, options.okresDo) > 0) return 1;

    char name[tzak::kNazwaKontrahenta.room];
    char address[tzak::kAdresKontrahenta.room];
    char symbol[tzak::kSymbolKontrahenta.room];
    kz::kopiujTekst(name, record, tzak::kNazwaKontrahenta);
    kz::kopiujTekst(address, record, tzak::kAdresKontrahenta);
    kz::kopiujTekst(symbol, record, tzak::kSymbolKontrahenta);
    caseFold(name);
    caseFold(address);
    caseFold(symbol);
    foldFilter(options.filtrNazwy);
    foldFilter(options.filtrAdresu);
    foldFilter(options.filtrSymbolu);

    if (!matches(name, options.filtrNazwy)) return 1;
    if (!matches(address, options.filtrAdresu)) return 1;
    if (!matches(symbol, options.filtrSymbolu)) return 1;
    return 0;
}

// Records are packed a batch at a time, apart from the filter's clock: the
// filter sees the bytes the range yields, from memory as warm as the host's
// record buffer, without holding 901 bytes for every header at once.
constexpr std::size_t kBatch = 100;

}  // namespace

ReferenceScan referenceScan(kz::OpcjeEksportu options) {
    const hadrek::data::PurchaseData& data = hadrek::data::purchaseData();
    std::vector<unsigned char> records(kBatch * kz::kRozmiarTzak);
    ReferenceScan result;
    for (const int type : {kz::kTypZakup, kz::kTypPZ}) {
        const auto& order = hadrek::data::headersInKeyOrder(type);
        for (std::size_t first = 0; first < order.size(); first += kBatch) {
            const std::size_t count = std::min(kBatch, order.size() - first);
            const Stopwatch packing;
            for (std::size_t i = 0; i < count; ++i) {
                const hadrek::data::Document& header = data.documents[order[first + i]];
                hadrek::data::packHeader(header, data.contractors[header.contractor], &records[i * kz::kRozmiarTzak]);
            }
            result.packingSeconds += packing.seconds();
            const Stopwatch filtering;
            for (std::size_t i = 0; i < count; ++i)
                result.kept += filterRecord(&records[i * kz::kRozmiarTzak], options) == 0;
            result.seconds += filtering.seconds();
        }
    }
    return result;
}

}  // namespace bench
