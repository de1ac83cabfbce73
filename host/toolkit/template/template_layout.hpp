// Byte layout of the dialog template block: field offsets of the block,
// the dialog entry prefix and the two record layouts. All integers are
// little-endian.
#pragma once

#include <cstddef>
#include <cstdint>

namespace hadrek::toolkit::layout {

namespace block {
inline constexpr std::size_t kTotalSize = 0;  // u32: bytes of entries after this field
inline constexpr std::size_t kEntries = 4;
}  // namespace block

namespace entry {
inline constexpr std::size_t kBodySize = 0;      // u16: bytes after the prefix
inline constexpr std::size_t kControlCount = 2;  // u16: records after the dialog record
inline constexpr std::size_t kBody = 4;
}  // namespace entry

// Every record type but the edit field.
namespace record {
inline constexpr std::size_t kType = 0;
inline constexpr std::size_t kId = 2;
inline constexpr std::size_t kStyle = 4;
inline constexpr std::size_t kHotKey = 6;
inline constexpr std::size_t kX = 8;
inline constexpr std::size_t kY = 10;
inline constexpr std::size_t kWidth = 12;
inline constexpr std::size_t kHeight = 14;
inline constexpr std::size_t kExtra = 16;  // u32
inline constexpr std::size_t kText = 20;   // NUL-terminated
// The fields plus the NUL of an empty text.
inline constexpr std::size_t kSmallestSize = kText + 1;
static_assert(kExtra + 4 == kText);
static_assert(kSmallestSize == 21);
}  // namespace record

namespace edit {
inline constexpr std::size_t kType = 0;
inline constexpr std::size_t kFixed26 = 2;  // 0x0026 in every edit field
inline constexpr std::size_t kFixed05 = 4;  // 0x0005 in every edit field
inline constexpr std::size_t kId = 6;
inline constexpr std::size_t kStyle = 8;
inline constexpr std::size_t kHotKey = 10;
inline constexpr std::size_t kX = 12;
inline constexpr std::size_t kY = 14;
inline constexpr std::size_t kWidth = 16;
inline constexpr std::size_t kHeight = 18;
inline constexpr std::size_t kExtra = 20;   // u32
inline constexpr std::size_t kZeros = 24;   // 8 bytes
inline constexpr std::size_t kMaxLength = 32;
inline constexpr std::size_t kFixed08 = 34;  // u8, 0x08
inline constexpr std::size_t kPeriodFlag = 35;  // u8, 0x02 in period fields
inline constexpr std::size_t kPeriodWord = 36;  // u16
inline constexpr std::size_t kMaxLengthAgain = 38;
inline constexpr std::size_t kFixed01 = 40;  // u16
inline constexpr std::size_t kEnd = 42;      // u8, zero
inline constexpr std::size_t kSize = 43;
static_assert(kExtra + 4 == kZeros);
static_assert(kMaxLengthAgain + 2 == kFixed01 && kFixed01 + 2 == kEnd);
static_assert(kEnd + 1 == kSize);
static_assert(kZeros + 8 == kMaxLength);
}  // namespace edit

namespace type {
inline constexpr std::uint16_t kDialog = 0xFFFF;
inline constexpr std::uint16_t kButton = 0;
inline constexpr std::uint16_t kLabel = 3;
inline constexpr std::uint16_t kTextLine = 4;
inline constexpr std::uint16_t kEdit = 5;
inline constexpr std::uint16_t kList = 6;
}  // namespace type

inline constexpr std::uint8_t kPeriodFieldMarker = 0x02;

}  // namespace hadrek::toolkit::layout
