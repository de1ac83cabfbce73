#include "host/data/recorded_ranges.hpp"

#include <utility>

namespace hadrek::data {
namespace {

struct InUse {
    bool active = false;
    RecordedRanges ranges;
};

InUse& inUse() {
    static InUse state;
    return state;
}

}  // namespace

void useRecordedRanges(RecordedRanges ranges) {
    inUse().ranges = std::move(ranges);
    inUse().active = true;
}

bool recordedRangesInUse() { return inUse().active; }

const std::vector<Record>* recordedRange(int table, int type, std::int32_t keyValue) {
    const auto found = inUse().ranges.find({table, type, keyValue});
    return found == inUse().ranges.end() ? nullptr : &found->second;
}

}  // namespace hadrek::data
