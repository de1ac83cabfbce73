#include "host/text/mazovia.hpp"

#include <algorithm>
#include <array>
#include <cstdint>

#include "plugin/interface/mazovia.hpp"

namespace hadrek::text {
namespace {

// The code page is the interface's: the plug-in's texts are made from the
// same table at compile time.
constexpr const std::array<char32_t, 128>& kUpperHalf = kz::mazovia::kGornaPolowa;

constexpr char32_t kInvalid = U'\uFFFD';

// Reads one UTF-8 sequence at `pos` and advances past it; anything that is
// not a shortest-form scalar value yields kInvalid and skips one byte.
char32_t nextCodePoint(std::string_view utf8, std::size_t& pos) {
    const auto lead = static_cast<unsigned char>(utf8[pos]);
    int length = 0;
    char32_t value = 0;
    if (lead < 0x80) {
        ++pos;
        return lead;
    } else if ((lead & 0xE0) == 0xC0) {
        length = 2;
        value = lead & 0x1F;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3;
        value = lead & 0x0F;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4;
        value = lead & 0x07;
    } else {
        ++pos;
        return kInvalid;
    }
    if (utf8.size() - pos < static_cast<std::size_t>(length)) {
        ++pos;
        return kInvalid;
    }
    for (int i = 1; i < length; ++i) {
        const auto next = static_cast<unsigned char>(utf8[pos + i]);
        if ((next & 0xC0) != 0x80) {
            ++pos;
            return kInvalid;
        }
        value = (value << 6) | (next & 0x3F);
    }
    constexpr char32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
    if (value < kSmallest[length] || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) {
        ++pos;
        return kInvalid;
    }
    pos += length;
    return value;
}

// The upper half turned round, sorted by character (a character held
// twice keeps its lower byte first): every text the host takes in is
// looked up letter by letter.
struct ByteOf {
    char32_t ch;
    unsigned char byte;
};

constexpr std::array<ByteOf, 128> kBytesByCharacter = [] {
    std::array<ByteOf, 128> table{};
    for (std::size_t i = 0; i < table.size(); ++i) table[i] = {kUpperHalf[i], static_cast<unsigned char>(0x80 + i)};
    std::sort(table.begin(), table.end(),
              [](ByteOf a, ByteOf b) { return a.ch < b.ch || (a.ch == b.ch && a.byte < b.byte); });
    return table;
}();

std::optional<char> encodeExact(char32_t ch) {
    if (ch < 0x80) return static_cast<char>(ch);
    const auto found = std::lower_bound(kBytesByCharacter.begin(), kBytesByCharacter.end(), ch,
                                        [](ByteOf entry, char32_t wanted) { return entry.ch < wanted; });
    if (found == kBytesByCharacter.end() || found->ch != ch) return std::nullopt;
    return static_cast<char>(found->byte);
}

char encode(char32_t ch) { return encodeExact(ch).value_or('?'); }

}  // namespace

char32_t decode(unsigned char byte) { return byte < 0x80 ? char32_t{byte} : kUpperHalf[byte - 0x80]; }

char32_t displayChar(unsigned char byte) { return byte < 0x20 || byte == 0x7F ? U' ' : decode(byte); }

std::string_view untilNul(std::string_view text) { return text.substr(0, text.find('\0')); }

void appendUtf8(std::string& out, char32_t ch) {
    if (ch > 0x10FFFF || (ch >= 0xD800 && ch <= 0xDFFF)) ch = kInvalid;
    if (ch < 0x80) {
        out += static_cast<char>(ch);
    } else if (ch < 0x800) {
        out += static_cast<char>(0xC0 | (ch >> 6));
        out += static_cast<char>(0x80 | (ch & 0x3F));
    } else if (ch < 0x10000) {
        out += static_cast<char>(0xE0 | (ch >> 12));
        out += static_cast<char>(0x80 | ((ch >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (ch & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (ch >> 18));
        out += static_cast<char>(0x80 | ((ch >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((ch >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (ch & 0x3F));
    }
}

std::string toUtf8(std::string_view mazovia) {
    std::string out;
    out.reserve(mazovia.size());
    for (const char byte : mazovia) appendUtf8(out, decode(static_cast<unsigned char>(byte)));
    return out;
}

std::string fromUtf8(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    std::size_t pos = 0;
    while (pos < utf8.size()) out += encode(nextCodePoint(utf8, pos));
    return out;
}

std::optional<Unencodable> fromUtf8Exact(std::string_view utf8, std::string& out) {
    out.clear();
    out.reserve(utf8.size());
    std::size_t pos = 0;
    while (pos < utf8.size()) {
        const std::size_t start = pos;
        const char32_t ch = nextCodePoint(utf8, pos);
        // U+FFFD written out is a character the code page lacks; a
        // one-byte step over anything but it is malformed UTF-8.
        const bool malformed = ch == kInvalid && utf8.substr(start, 3) != "\xEF\xBF\xBD";
        const auto byte = malformed ? std::nullopt : encodeExact(ch);
        if (!byte) return Unencodable{start, ch, malformed};
        out += *byte;
    }
    return std::nullopt;
}

}  // namespace hadrek::text
