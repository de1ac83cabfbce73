// Date services on the host's record date form (host/data/host_date.hpp).
// Period bounds come as texts RRRRMMDD; an empty one bounds nothing.
#include <cstring>
#include <set>
#include <string>
#include <string_view>

#include "host/core/context.hpp"
#include "host/data/host_date.hpp"
#include "host/services/services.hpp"

namespace hadrek::services {
namespace {

std::string_view trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// Said once per text, since the filter asks for every record.
void warnMalformed(std::string_view bound) {
    static std::set<std::string, std::less<>> said;
    if (!said.emplace(bound).second) return;
    context().log.write({{"event", "warning"},
                         {"ordinal", kz::ordinalOf(kz::Slot::DateCompare)},
                         {"bound", std::string(bound)},
                         {"message", "not a date RRRRMMDD; it bounds nothing"}});
}

void requireDate(const void* date, kz::Slot service) {
    if (!date) misuse(service, "was handed a null date");
}

}  // namespace

// 30908: compare a record date with a period bound: negative, 0 or positive
// as the date is before, on or after it. An empty or malformed bound
// compares equal; a record without a date comes before every bound.
int KZ_CDECL dateCompare(const void* recordDate, const char* optionDate) {
    requireDate(recordDate, kz::Slot::DateCompare);
    if (!optionDate) misuse(kz::Slot::DateCompare, "was handed a null period text");
    const std::string_view text = trimmed(optionDate);
    if (text.empty()) return 0;
    const auto bound = data::parseCompactDate(text);
    if (!bound) {
        warnMalformed(text);
        return 0;
    }
    const auto date = data::readRecordDate(recordDate);
    if (!date) return -1;
    const std::uint32_t day = data::dayNumber(*date);
    const std::uint32_t limit = data::dayNumber(*bound);
    return day < limit ? -1 : day > limit ? 1 : 0;
}

// 30520: split a record date into year, month and day; all 0 for no date.
void KZ_CDECL dateSplit(const void* recordDate, std::int16_t* year, std::int16_t* month, std::int16_t* day, void*) {
    requireDate(recordDate, kz::Slot::DateSplit);
    if (!year || !month || !day) misuse(kz::Slot::DateSplit, "was handed a null place for a part");
    const data::CivilDate date = data::readRecordDate(recordDate).value_or(data::CivilDate{});
    *year = static_cast<std::int16_t>(date.year);
    *month = static_cast<std::int16_t>(date.month);
    *day = static_cast<std::int16_t>(date.day);
}

// 32008: a record date as RRRR-MM-DD, which sorts as the dates do; empty
// for no date. All 13 bytes of the buffer are written.
void KZ_CDECL dateToText(char* destination, const void* recordDate) {
    requireDate(recordDate, kz::Slot::DateToText);
    if (!destination) misuse(kz::Slot::DateToText, "was handed a null buffer");
    const auto date = data::readRecordDate(recordDate);
    const std::string text = date ? data::isoText(*date) : "";
    std::memset(destination, 0, kz::kDateTextSize);
    std::memcpy(destination, text.data(), text.size());
}

}  // namespace hadrek::services
