// What the writer's benchmarks feed the plug-in: purchase data shaped from
// the host's generator, so that every document passes empty filters, and
// the keys that lead the command to the writing step.
#pragma once

#include <cstddef>
#include <filesystem>
#include <string>

#include "host/data/purchase_data.hpp"

namespace bench {

// `documents` documents, purchase invoices and goods receipts by turns,
// each with `lines` lines taken in turn from the generator's.
hadrek::data::PurchaseData documentsWithManyLines(std::size_t documents, std::size_t lines);

// `each` purchase invoices, then as many goods receipts, all of one day.
// The receipts are numbered so that the list shows the one the range
// yields first last: the list's last n rows are the receipts whose files
// the writer makes first.
hadrek::data::PurchaseData invoicesThenReceipts(std::size_t each);

// Confirms the options dialog with no period, no filters and `folder` as
// the output folder.
std::string optionsWithFolder(const std::filesystem::path& folder);

// `token` n times, each after a blank.
std::string repeated(const char* token, std::size_t n);

}  // namespace bench
