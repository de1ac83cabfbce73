// The purchase data file: JSON, texts in UTF-8, money in currency units,
// quantities in units, dates "RRRR-MM-DD". README's "Purchase data
// (`--data`)" describes it for users; these functions are its one reader
// and writer.
#pragma once

#include <iosfwd>
#include <stdexcept>
#include <string>
#include <string_view>

#include "host/data/purchase_data.hpp"

namespace hadrek::data {

// What is wrong and where: the document by its position (from 1) and ids,
// the line, the field.
struct DataError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// Read whole and checked; DataError otherwise. Documents are taken one at a
// time, so a large file never stands in memory as a JSON tree.
PurchaseData readPurchaseData(std::istream& json);
PurchaseData readPurchaseData(std::string_view json);
// DataError also when the file cannot be read; callers name the file.
PurchaseData readPurchaseDataFile(const std::string& path);

// The file form of the data, which readPurchaseData reads back the same;
// one document per line, written as they come, so data of any size streams.
class DataFileWriter {
public:
    DataFileWriter(std::ostream& out, const RateTable& rates);
    void add(const Document& document, const Contractor& contractor);
    void finish();

private:
    std::ostream& out_;
    bool first_ = true;
};

void writePurchaseData(std::ostream& out, const PurchaseData& data);

}  // namespace hadrek::data
