// The single-byte code page of every text the plug-in hands over: ASCII
// below 0x80, the PC's original graphics set above it, with the 18 Polish
// letters in place of some of its accented letters.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace hadrek::text {

// 0x00-0x7F map to themselves, control bytes included.
char32_t decode(unsigned char byte);

std::string toUtf8(std::string_view mazovia);

// Malformed UTF-8 and characters the code page lacks both become '?'.
std::string fromUtf8(std::string_view utf8);

// For data that must arrive whole: instead of replacing, the conversion
// stops at the first character it cannot carry over and says which.
struct Unencodable {
    std::size_t offset;  // in the UTF-8 text
    char32_t character;  // meaningless when malformed
    bool malformed;      // not UTF-8 at all
};
// Empty on success, `out` then holding the Mazovia bytes.
std::optional<Unencodable> fromUtf8Exact(std::string_view utf8, std::string& out);

// Code points above U+10FFFF and surrogates are written as U+FFFD.
void appendUtf8(std::string& out, char32_t ch);

// What a screen cell shows for a byte of plain text: control bytes would
// upset a terminal, so they show as blanks.
char32_t displayChar(unsigned char byte);

// Texts travel NUL-terminated; whatever a view holds after a NUL is not
// part of the text.
std::string_view untilNul(std::string_view text);

}  // namespace hadrek::text
