#include "bench/writer_setup.hpp"

#include <cstdio>
#include <stdexcept>
#include <vector>

#include "host/data/generator.hpp"
#include "plugin/interface/rekordy_zakupow.hpp"

namespace bench {
namespace {

constexpr std::uint64_t kSeed = 1;

// The generator leaves one document in a hundred without a second id,
// which the filter drops.
void passEveryFilter(hadrek::data::Document& document) { document.id2 = 1; }

}  // namespace

hadrek::data::PurchaseData documentsWithManyLines(std::size_t documents, std::size_t lines) {
    hadrek::data::PurchaseData data = hadrek::data::generatePurchaseData(documents, kSeed);
    std::vector<hadrek::data::Line> pool;
    for (const hadrek::data::Document& document : data.documents)
        pool.insert(pool.end(), document.lines.begin(), document.lines.end());
    if (pool.empty()) throw std::runtime_error("the generator made no lines");
    std::size_t next = 0;
    for (std::size_t i = 0; i < data.documents.size(); ++i) {
        hadrek::data::Document& document = data.documents[i];
        document.type = i % 2 == 0 ? kz::kTypZakup : kz::kTypPZ;
        passEveryFilter(document);
        document.lines.clear();
        for (std::size_t n = 0; n < lines; ++n, next = (next + 1) % pool.size()) document.lines.push_back(pool[next]);
    }
    return data;
}

hadrek::data::PurchaseData invoicesThenReceipts(std::size_t each) {
    // Ids run from 1; receipt numbers fall as ids rise, and the list shows
    // numbers rising.
    constexpr int kAboveEveryId = 99999;
    if (2 * each >= kAboveEveryId) throw std::runtime_error("too many documents for five-digit numbers");
    hadrek::data::PurchaseData data = hadrek::data::generatePurchaseData(2 * each, kSeed);
    for (std::size_t i = 0; i < data.documents.size(); ++i) {
        hadrek::data::Document& document = data.documents[i];
        const bool invoice = i < each;
        document.type = invoice ? kz::kTypZakup : kz::kTypPZ;
        passEveryFilter(document);
        document.date = {2026, 3, 15};
        char number[16];
        std::snprintf(number, sizeof number, invoice ? "FZ %05d" : "PZ %05d",
                      invoice ? document.id : kAboveEveryId - document.id);
        document.number = number;
    }
    return data;
}

std::string optionsWithFolder(const std::filesystem::path& folder) {
    // Tab goes through the period, the three filters and the branch code to
    // the folder field.
    return repeated("Tab", 6) + " \"" + folder.string() + "\" F12";
}

std::string repeated(const char* token, std::size_t n) {
    std::string keys;
    for (std::size_t i = 0; i < n; ++i) keys += std::string(" ") + token;
    return keys;
}

}  // namespace bench
