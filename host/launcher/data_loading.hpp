// The purchase data of a run: read and checked whole before the plug-in is
// loaded, or, for --generate, made and written out instead of a run.
#pragma once

#include "host/core/options.hpp"

namespace hadrek {

// Puts the --data file (or the built-in sample) in use and logs a `data`
// event; bad data ends the process with exit code 2, an `error` event and
// the message on stderr.
void loadPurchaseData(const HostOptions& options);

// --generate: the data file on standard output; the exit code.
int writeGeneratedData(const HostOptions& options);

}  // namespace hadrek
