// Records a trace shows the plug-in reading, served again as they were: a
// replayed session's tables yield, for each range the trace walked, the
// bytes the real host put into the record buffer, in the same order.
#pragma once

#include <cstdint>
#include <map>
#include <tuple>
#include <vector>

namespace hadrek::data {

using Record = std::vector<unsigned char>;
// (table number, document type, key value): 0 is every document of the type.
using RangeKey = std::tuple<int, int, std::int32_t>;
using RecordedRanges = std::map<RangeKey, std::vector<Record>>;

void useRecordedRanges(RecordedRanges ranges);
bool recordedRangesInUse();
// The records of one range; null for a range the trace never walked.
const std::vector<Record>* recordedRange(int table, int type, std::int32_t keyValue);

}  // namespace hadrek::data
