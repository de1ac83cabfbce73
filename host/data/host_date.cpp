#include "host/data/host_date.hpp"

#include <cstdio>
#include <cstring>

namespace hadrek::data {
namespace {

bool isLeap(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int daysInMonth(int year, int month) {
    constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && isLeap(year) ? 29 : kDays[month - 1];
}

// Days before 1 March of `year`, counted from 1 March of the year 0: moving
// February to the end of the year puts the leap day last. The day counts of
// years 0 to 9999 fit 32 bits; 64-bit division is a library call on x86-32
// and made every date service several times slower.
constexpr std::int32_t daysFromEra(int year, int month, int day) {
    const std::int32_t y = month <= 2 ? year - 1 : year;
    const std::int32_t shiftedMonth = (month + 9) % 12;  // March = 0
    const std::int32_t dayOfYear = (153 * shiftedMonth + 2) / 5 + day - 1;
    return y * 365 + y / 4 - y / 100 + y / 400 + dayOfYear;
}

constexpr std::int32_t kDayBeforeFirst = daysFromEra(1, 1, 1) - 1;

CivilDate fromDayNumber(std::uint32_t number) {
    const std::int32_t days = kDayBeforeFirst + number;
    const std::int32_t era = days / 146097;
    const std::int32_t dayOfEra = days - era * 146097;
    const std::int32_t yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const std::int32_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const std::int32_t shiftedMonth = (5 * dayOfYear + 2) / 153;
    const int day = static_cast<int>(dayOfYear - (153 * shiftedMonth + 2) / 5 + 1);
    const int month = static_cast<int>(shiftedMonth < 10 ? shiftedMonth + 3 : shiftedMonth - 9);
    const int year = static_cast<int>(yearOfEra + era * 400 + (month <= 2 ? 1 : 0));
    return {year, month, day};
}

std::optional<int> digits(std::string_view text) {
    int value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return value;
}

std::optional<CivilDate> checked(std::optional<int> year, std::optional<int> month, std::optional<int> day) {
    if (!year || !month || !day) return std::nullopt;
    const CivilDate date{*year, *month, *day};
    return isValid(date) ? std::optional(date) : std::nullopt;
}

}  // namespace

bool isValid(const CivilDate& date) {
    return date.year >= kFirstYear && date.year <= kLastYear && date.month >= 1 && date.month <= 12 && date.day >= 1 &&
           date.day <= daysInMonth(date.year, date.month);
}

std::uint32_t dayNumber(const CivilDate& date) {
    return static_cast<std::uint32_t>(daysFromEra(date.year, date.month, date.day) - kDayBeforeFirst);
}

void writeRecordDate(void* field, const CivilDate& date) {
    const std::uint32_t number = dayNumber(date);
    std::memcpy(field, &number, sizeof number);
}

std::optional<CivilDate> readRecordDate(const void* field) {
    std::uint32_t number;
    std::memcpy(&number, field, sizeof number);
    static const std::uint32_t kLast = dayNumber({kLastYear, 12, 31});
    if (number == kNoDate || number > kLast) return std::nullopt;
    return fromDayNumber(number);
}

std::optional<CivilDate> parseIsoDate(std::string_view text) {
    if (text.size() != 10 || text[4] != '-' || text[7] != '-') return std::nullopt;
    return checked(digits(text.substr(0, 4)), digits(text.substr(5, 2)), digits(text.substr(8, 2)));
}

std::optional<CivilDate> parseCompactDate(std::string_view text) {
    if (text.size() != 8) return std::nullopt;
    return checked(digits(text.substr(0, 4)), digits(text.substr(4, 2)), digits(text.substr(6, 2)));
}

std::string isoText(const CivilDate& date) {
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", date.year, date.month, date.day);
    return text;
}

}  // namespace hadrek::data
