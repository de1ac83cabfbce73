// The fidelity report: a recorded session and its replay in the stand-in,
// compared crossing by crossing in order.
#pragma once

#include <string>
#include <vector>

#include "host/replay/trace_reader.hpp"

namespace hadrek::replay {

struct Fidelity {
    std::size_t compared = 0;
    std::vector<std::string> differences;  // one line each
    std::string parted;                    // where the plug-in's own calls part; empty when they never do
    bool clean() const { return differences.empty() && parted.empty(); }
};

// `recordedFolder` and `replayedFolder` are the output folders of the two
// sessions (the replay writes into a folder of its own): paths below them
// compare equal, whichever separator each flavour writes.
Fidelity compareTraces(const Trace& recorded, const Trace& replayed, const std::string& recordedFolder,
                       const std::string& replayedFolder);

}  // namespace hadrek::replay
