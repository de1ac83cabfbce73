// The host's own date form. A record date is a 32-bit little-endian day
// number in the first four bytes of its field, day 1 being 1 January of the
// year 1 (Gregorian calendar throughout); 0 means no date. The plug-in never
// reads these bytes: it hands the field to the date services.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace hadrek::data {

struct CivilDate {
    int year = 0;
    int month = 0;
    int day = 0;
    auto operator<=>(const CivilDate&) const = default;
};

inline constexpr int kFirstYear = 1;
inline constexpr int kLastYear = 9999;
inline constexpr std::uint32_t kNoDate = 0;

bool isValid(const CivilDate& date);
// Valid dates only.
std::uint32_t dayNumber(const CivilDate& date);

void writeRecordDate(void* field, const CivilDate& date);
// Empty for no date and for day numbers past the last year.
std::optional<CivilDate> readRecordDate(const void* field);

// "RRRR-MM-DD", as data files write dates.
std::optional<CivilDate> parseIsoDate(std::string_view text);
// "RRRRMMDD", as the plug-in's period fields hold them.
std::optional<CivilDate> parseCompactDate(std::string_view text);
std::string isoText(const CivilDate& date);

}  // namespace hadrek::data
