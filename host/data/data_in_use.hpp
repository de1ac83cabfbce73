// The purchase data the table services serve during this run, with the key
// order of the header table, the documents' day numbers and the contractors'
// packed texts made once when the data is put in use.
#pragma once

#include <cstdint>
#include <vector>

#include "host/data/purchase_data.hpp"
#include "host/data/record_packing.hpp"

namespace hadrek::data {

// Until something is put in use, the built-in sample is.
void usePurchaseData(PurchaseData data);
const PurchaseData& purchaseData();

// Positions in purchaseData().documents of one type's headers, by document
// id, then second id; empty for a type without documents.
const std::vector<std::uint32_t>& headersInKeyOrder(int type);

// The day number of each document's date, by its position in
// purchaseData().documents.
const std::vector<std::uint32_t>& documentDays();

// Each contractor's texts as a header carries them, by its position in
// purchaseData().contractors.
const std::vector<PackedContractor>& packedContractors();

}  // namespace hadrek::data
