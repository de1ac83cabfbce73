// The host module "HADREK" as the platform sees it.
#pragma once

#include "host/core/options.hpp"

namespace hadrek {

// Make the host module lack the functions named by --missing, so that a
// lookup by ordinal fails exactly as it would in a host without them.
void prepareHostModule(const HostOptions& options);

}  // namespace hadrek

#include <cstdint>

namespace hadrek {

// The address a lookup of `ordinal` in the host module gives the plug-in
// when nothing is hidden: what the plug-in's slots hold.
void* exportedAddress(std::uint16_t ordinal);

}  // namespace hadrek
