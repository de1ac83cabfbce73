// The purchase documents this host keeps, as loaded from a data file (or the
// built-in sample) and checked whole before any plug-in sees them. Texts are
// Mazovia bytes that fit their room in the record; amounts and quantities
// are in the record's units already.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "host/data/host_date.hpp"
#include "host/data/rate_table.hpp"
#include "plugin/interface/rekordy_zakupow.hpp"

namespace hadrek::data {

struct Contractor {
    std::string symbol;
    std::string name;
    std::string address;
    std::string nip;  // the contractor identifier field
    bool operator==(const Contractor&) const = default;
};

struct Line {
    std::string description;
    std::string code;
    std::string extraText;
    std::string unit;
    std::int32_t quantity = 0;   // thousandths
    double value = 0;            // ten-thousandths
    double additionalValue = 0;  // ten-thousandths
    std::int16_t rate = 0;
};

struct Document {
    std::int16_t type = 0;
    std::int32_t id = 0;
    std::int32_t id2 = 0;
    std::string number;
    CivilDate date;
    std::uint32_t contractor = 0;  // index into PurchaseData::contractors
    double gross = 0;              // ten-thousandths
    bool valuesAsStored = false;
    std::vector<Line> lines;
};

// Documents name their contractor by index, so a large data set keeps each
// contractor once.
struct PurchaseData {
    RateTable rates;
    std::vector<Contractor> contractors;
    std::vector<Document> documents;
};

// The kinds of documents this host keeps.
inline constexpr std::int16_t kDocumentTypes[] = {kz::kTypZakup, kz::kTypPZ};

// Money in currency units and quantities in units, as the record stores them.
double storedMoney(double units);
std::int64_t storedQuantity(double units);

}  // namespace hadrek::data
