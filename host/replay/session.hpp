// What a replayed session needs, taken from its trace: the records of every
// range the plug-in walked, the INI values it read, the output folder's
// entries and the user's doing (see ReplayInput).
#pragma once

#include <string>
#include <vector>

#include "host/core/replay_input.hpp"
#include "host/data/rate_table.hpp"
#include "host/data/recorded_ranges.hpp"
#include "host/replay/trace_reader.hpp"

namespace hadrek::replay {

// An INI value the plug-in read: a plain number, or the options record.
struct IniValue {
    std::string file, section, key, format;  // the host's code page
    bool record = false;
    int number = 0;
    std::vector<unsigned char> options;
};

struct Session {
    data::RecordedRanges ranges;
    // The host's rate table as its answers show it: each kind's code from
    // 52512, its percent from a conversion (52289) of an amount other than 0;
    // the stand-in's own for what the trace does not show.
    data::RateTable rates;
    ReplayInput input;
    std::vector<IniValue> ini;
    std::vector<std::string> entries;  // names in the output folder, the host's code page
    std::string folder;                // the output folder the session exported to
    int runs = 0;                      // menu commands
    bool report = false;               // activated with a non-zero argument
};

Session sessionOf(const Trace& trace);

// Puts `folder` in place of the recorded output folder wherever the
// session hands the plug-in an options record or a picked folder.
void moveFolder(Session& session, const std::string& folder);

}  // namespace hadrek::replay
