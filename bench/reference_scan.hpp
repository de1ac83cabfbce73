// The yardstick of the scan: the document filter's steps as bare direct
// calls into the host's services, with neither the plug-in nor the table
// services in between, over the same records the table range yields.
#pragma once

#include <cstddef>

#include "plugin/interface/opcje_eksportu.hpp"

namespace bench {

struct ReferenceScan {
    double seconds = 0;         // the filter alone
    double packingSeconds = 0;  // packing the records as the table range does, apart
    std::size_t kept = 0;
};

// Walks the headers in use, 713 then 703 in the host's key order, with the
// period and filter texts of `options`.
ReferenceScan referenceScan(kz::OpcjeEksportu options);

}  // namespace bench
