// What a key selects in the purchase tables, and the walk over it. Key
// kinds: on Tzak a document type (1-9999) selects that type's headers by
// document id, then second id; on Tzak_dok 10000 + a document type (what
// 52003 answers) selects the lines of that type's documents with the key
// value as document id, document by document in header order, each
// document's lines in file order. A header key value other than 0 narrows
// the headers to that document id.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "host/data/purchase_data.hpp"
#include "host/data/record_packing.hpp"
#include "host/data/recorded_ranges.hpp"

namespace hadrek::services {

inline constexpr int kLineKeyBase = 10000;
inline constexpr int kLargestDocumentType = 9999;

// The document type a key kind of `table` stands for; empty when the table
// has no such key.
std::optional<int> keyType(int table, int keyKind);

class TableRange {
public:
    TableRange(int table, int type, std::int32_t keyValue);

    bool empty() const;
    // Packs the next record into the start of `buffer` (the table's record
    // buffer, at least the record's size); false once the range is exhausted.
    bool step(std::span<unsigned char> buffer);

private:
    // The data in use is the same from a range's start to its end: a run
    // puts data in use once, before any table is opened.
    bool lines_;
    const std::vector<data::Document>* documents_;
    const std::vector<std::uint32_t>* days_;
    const std::vector<data::PackedContractor>* contractors_;
    const std::vector<std::uint32_t>* order_;
    std::size_t next_;
    std::size_t end_;
    // The lines of the document before next_ not yet delivered.
    const data::Line* line_ = nullptr;
    const data::Line* lineEnd_ = nullptr;
    // In a replayed session: the range's records as the trace shows them.
    const std::vector<data::Record>* recorded_ = nullptr;
};

}  // namespace hadrek::services
