#pragma once

#include "host/core/options.hpp"

namespace hadrek {

// --replay: the session a trace recorded, run again in a folder of its own
// against this host, its trace compared with the recording. Prints the
// fidelity report; 0 when every crossing matched, 1 when any differed, 2
// for a trace it cannot read.
int replaySession(const HostOptions& options);

}  // namespace hadrek
