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

// The upper half turned round, indexed by character: every text the host
// takes in is looked up letter by letter. The code page's characters all
// lie below U+2600; 0 marks one it lacks, as no upper-half byte is 0.
constexpr char32_t kBeyondCodePage = 0x2600;

constexpr std::array<unsigned char, kBeyondCodePage> kByteOfCharacter = [] {
    std::array<unsigned char, kBeyondCodePage> table{};
    for (std::size_t i = 0; i < kUpperHalf.size(); ++i) table.at(kUpperHalf[i]) = static_cast<unsigned char>(0x80 + i);
    return table;
}();

std::optional<char> encodeExact(char32_t ch) {
    if (ch < 0x80) return static_cast<char>(ch);
    if (ch >= kBeyondCodePage || kByteOfCharacter[ch] == 0) return std::nullopt;
    return static_cast<char>(kByteOfCharacter[ch]);
}

char encode(char32_t ch) { return encodeExact(ch).value_or('?'); }

}  // namespace

char32_t decode(unsigned char byte) { return byte < 0x80 ? char32_t{byte} : kUpperHalf[byte - 0x80]; }

char32_t displayChar(unsigned char byte) { return byte < 0x20 || byte == 0x7F ? U' ' : decode(byte); }

std::string_view untilNul(std::string_view text) { return text.substr(0, text.find('\0')); }

namespace {

struct Utf8Form {
    unsigned char length;
    char bytes[4];
};

constexpr Utf8Form utf8Form(char32_t ch) {
    if (ch > 0x10FFFF || (ch >= 0xD800 && ch <= 0xDFFF)) ch = kInvalid;
    const auto byte = [](char32_t bits) { return static_cast<char>(bits); };
    if (ch < 0x80) return {1, {byte(ch)}};
    if (ch < 0x800) return {2, {byte(0xC0 | (ch >> 6)), byte(0x80 | (ch & 0x3F))}};
    if (ch < 0x10000) return {3, {byte(0xE0 | (ch >> 12)), byte(0x80 | ((ch >> 6) & 0x3F)), byte(0x80 | (ch & 0x3F))}};
    return {4,
            {byte(0xF0 | (ch >> 18)), byte(0x80 | ((ch >> 12) & 0x3F)), byte(0x80 | ((ch >> 6) & 0x3F)),
             byte(0x80 | (ch & 0x3F))}};
}

// Every byte's UTF-8 form, worked out once: a text turns into UTF-8 by
// copying at most three bytes per byte.
constexpr std::array<Utf8Form, 256> kUtf8OfByte = [] {
    std::array<Utf8Form, 256> table{};
    for (std::size_t byte = 0; byte < table.size(); ++byte)
        table[byte] = utf8Form(kz::mazovia::kodZnaku(static_cast<unsigned char>(byte)));
    return table;
}();

constexpr std::size_t kMostUtf8PerByte = 3;
static_assert(std::all_of(kUtf8OfByte.begin(), kUtf8OfByte.end(),
                          [](const Utf8Form& form) { return form.length <= kMostUtf8PerByte; }));

}  // namespace

void appendUtf8(std::string& out, char32_t ch) {
    const Utf8Form form = utf8Form(ch);
    out.append(form.bytes, form.length);
}

std::string toUtf8(std::string_view mazovia) {
    std::string out(mazovia.size() * kMostUtf8PerByte, '\0');
    std::size_t length = 0;
    for (const char byte : mazovia) {
        const Utf8Form& form = kUtf8OfByte[static_cast<unsigned char>(byte)];
        for (unsigned char i = 0; i < form.length; ++i) out[length++] = form.bytes[i];
    }
    out.resize(length);
    return out;
}

// Both readings write at most one byte per byte read, so the text is sized
// once and cut to what was written.
std::string fromUtf8(std::string_view utf8) {
    std::string out(utf8.size(), '\0');
    std::size_t length = 0, pos = 0;
    while (pos < utf8.size()) out[length++] = encode(nextCodePoint(utf8, pos));
    out.resize(length);
    return out;
}

std::optional<Unencodable> fromUtf8Exact(std::string_view utf8, std::string& out) {
    out.assign(utf8.size(), '\0');
    std::size_t length = 0, pos = 0;
    while (pos < utf8.size()) {
        const std::size_t start = pos;
        const char32_t ch = nextCodePoint(utf8, pos);
        // U+FFFD written out is a character the code page lacks; a
        // one-byte step over anything but it is malformed UTF-8.
        const bool malformed = ch == kInvalid && utf8.substr(start, 3) != "\xEF\xBF\xBD";
        const auto byte = malformed ? std::nullopt : encodeExact(ch);
        if (!byte) {
            out.resize(length);
            return Unencodable{start, ch, malformed};
        }
        out[length++] = *byte;
    }
    out.resize(length);
    return std::nullopt;
}

}  // namespace hadrek::text
