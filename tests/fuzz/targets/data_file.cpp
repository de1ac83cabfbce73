// The data file reader on any bytes: it either accepts or refuses with a
// DataError, and data it accepted, written back, reads again as the same.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string_view>

#include "host/data/data_file.hpp"

using namespace hadrek::data;

namespace {

bool sameRates(const RateTable& a, const RateTable& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (a[i].kind != b[i].kind || a[i].code != b[i].code || a[i].percent != b[i].percent) return false;
    return true;
}

bool sameLine(const Line& a, const Line& b) {
    return a.description == b.description && a.code == b.code && a.extraText == b.extraText && a.unit == b.unit &&
           a.quantity == b.quantity && a.value == b.value && a.additionalValue == b.additionalValue && a.rate == b.rate;
}

// Contractors are compared through the documents: the writer repeats each
// one per document and the reader keeps each once.
bool sameDocument(const PurchaseData& x, const Document& a, const PurchaseData& y, const Document& b) {
    if (a.type != b.type || a.id != b.id || a.id2 != b.id2 || a.number != b.number || a.date != b.date ||
        a.gross != b.gross || a.valuesAsStored != b.valuesAsStored || a.lines.size() != b.lines.size() ||
        !(x.contractors[a.contractor] == y.contractors[b.contractor]))
        return false;
    for (std::size_t i = 0; i < a.lines.size(); ++i)
        if (!sameLine(a.lines[i], b.lines[i])) return false;
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    PurchaseData first;
    try {
        first = readPurchaseData(std::string_view(reinterpret_cast<const char*>(data), size));
    } catch (const DataError&) {
        return 0;
    }
    std::ostringstream written;
    writePurchaseData(written, first);
    const PurchaseData second = readPurchaseData(written.str());
    if (!sameRates(first.rates, second.rates) || first.documents.size() != second.documents.size()) std::abort();
    for (std::size_t i = 0; i < first.documents.size(); ++i)
        if (!sameDocument(first, first.documents[i], second, second.documents[i])) std::abort();
    return 0;
}
