#include "bench/reference_scan.hpp"

#include <cstdint>
#include <cstring>

#include "bench/record_walk.hpp"
#include "bench/timing.hpp"
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

}  // namespace

// The records come from the host's own range, clock running: the reference
// pays the same delivery the plug-in's scan does.
ReferenceScan referenceScan(kz::OpcjeEksportu options) {
    RecordWalk walk;
    ReferenceScan result;
    const Stopwatch clock;
    for (const int type : {kz::kTypZakup, kz::kTypPZ})
        walk.headers(type, [&](const unsigned char* record) { result.kept += filterRecord(record, options) == 0; });
    result.seconds = clock.seconds();
    return result;
}

}  // namespace bench
