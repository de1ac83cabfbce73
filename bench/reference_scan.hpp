// The yardstick of the scan: the document filter's steps as bare direct
// calls into the host's services, without the plug-in, over the records
// the host's table range yields.
#pragma once

#include <cstddef>

#include "plugin/interface/opcje_eksportu.hpp"

namespace bench {

struct ReferenceScan {
    double seconds = 0;  // the records' delivery and the filter
    std::size_t kept = 0;
};

// Walks the headers in use, 713 then 703 in the host's key order, with the
// period and filter texts of `options`.
ReferenceScan referenceScan(kz::OpcjeEksportu options);

}  // namespace bench
