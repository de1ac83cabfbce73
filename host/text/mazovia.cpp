#include "host/text/mazovia.hpp"

#include <array>
#include <cstdint>

namespace hadrek::text {
namespace {

// Upper half of the code page. The Polish letters sit where the graphics
// set has other accented letters; 0xA2 (ó) is the same in both.
constexpr std::array<char32_t, 128> kUpperHalf = {
    // 0x80
    0x00C7, 0x00FC, 0x00E9, 0x00E2, 0x00E4, 0x00E0, 0x0105 /* ą */, 0x00E7,
    0x00EA, 0x00EB, 0x00E8, 0x00EF, 0x00EE, 0x0107 /* ć */, 0x00C4, 0x0104 /* Ą */,
    // 0x90
    0x0118 /* Ę */, 0x0119 /* ę */, 0x0142 /* ł */, 0x00F4, 0x00F6, 0x0106 /* Ć */, 0x00FB, 0x00F9,
    0x015A /* Ś */, 0x00D6, 0x00DC, 0x00A2, 0x0141 /* Ł */, 0x00A5, 0x015B /* ś */, 0x0192,
    // 0xA0
    0x0179 /* Ź */, 0x017B /* Ż */, 0x00F3 /* ó */, 0x00D3 /* Ó */, 0x0144 /* ń */, 0x0143 /* Ń */, 0x017A /* ź */, 0x017C /* ż */,
    0x00BF, 0x2310, 0x00AC, 0x00BD, 0x00BC, 0x00A1, 0x00AB, 0x00BB,
    // 0xB0
    0x2591, 0x2592, 0x2593, 0x2502, 0x2524, 0x2561, 0x2562, 0x2556,
    0x2555, 0x2563, 0x2551, 0x2557, 0x255D, 0x255C, 0x255B, 0x2510,
    // 0xC0
    0x2514, 0x2534, 0x252C, 0x251C, 0x2500, 0x253C, 0x255E, 0x255F,
    0x255A, 0x2554, 0x2569, 0x2566, 0x2560, 0x2550, 0x256C, 0x2567,
    // 0xD0
    0x2568, 0x2564, 0x2565, 0x2559, 0x2558, 0x2552, 0x2553, 0x256B,
    0x256A, 0x2518, 0x250C, 0x2588, 0x2584, 0x258C, 0x2590, 0x2580,
    // 0xE0
    0x03B1, 0x00DF, 0x0393, 0x03C0, 0x03A3, 0x03C3, 0x00B5, 0x03C4,
    0x03A6, 0x0398, 0x03A9, 0x03B4, 0x221E, 0x03C6, 0x03B5, 0x2229,
    // 0xF0
    0x2261, 0x00B1, 0x2265, 0x2264, 0x2320, 0x2321, 0x00F7, 0x2248,
    0x00B0, 0x2219, 0x00B7, 0x221A, 0x207F, 0x00B2, 0x25A0, 0x00A0,
};

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

std::optional<char> encodeExact(char32_t ch) {
    if (ch < 0x80) return static_cast<char>(ch);
    for (std::size_t i = 0; i < kUpperHalf.size(); ++i) {
        if (kUpperHalf[i] == ch) return static_cast<char>(0x80 + i);
    }
    return std::nullopt;
}

char encode(char32_t ch) { return encodeExact(ch).value_or('?'); }

}  // namespace

char32_t decode(unsigned char byte) {
    return byte < 0x80 ? char32_t{byte} : kUpperHalf[byte - 0x80];
}

char32_t displayChar(unsigned char byte) {
    return byte < 0x20 || byte == 0x7F ? U' ' : decode(byte);
}

std::string_view untilNul(std::string_view text) {
    return text.substr(0, text.find('\0'));
}

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
