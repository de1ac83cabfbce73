// Text services on Mazovia bytes.
#include <array>

#include "host/core/context.hpp"
#include "host/services/services.hpp"

namespace hadrek::services {
namespace {

// ASCII letters and the nine Polish letters of the code page; every other
// byte folds to itself.
constexpr std::array<unsigned char, 256> upperCaseTable() {
    std::array<unsigned char, 256> table{};
    for (int byte = 0; byte < 256; ++byte) table[byte] = static_cast<unsigned char>(byte);
    for (int byte = 'a'; byte <= 'z'; ++byte) table[byte] = static_cast<unsigned char>(byte - 'a' + 'A');
    constexpr unsigned char kPolish[][2] = {
        {0x86, 0x8F},  // ą Ą
        {0x8D, 0x95},  // ć Ć
        {0x91, 0x90},  // ę Ę
        {0x92, 0x9C},  // ł Ł
        {0xA4, 0xA5},  // ń Ń
        {0xA2, 0xA3},  // ó Ó
        {0x9E, 0x98},  // ś Ś
        {0xA6, 0xA0},  // ź Ź
        {0xA7, 0xA1},  // ż Ż
    };
    for (const auto& [lower, upper] : kPolish) table[lower] = upper;
    return table;
}
constexpr auto kUpperCase = upperCaseTable();

}  // namespace

// 52156: fold a text to upper case in place, so texts that differ only in
// letter case become equal; answers the text.
char* KZ_CDECL caseFold(char* text) {
    if (!text) misuse(kz::Slot::CaseFold, "was handed a null text");
    for (char* p = text; *p; ++p) *p = static_cast<char>(kUpperCase[static_cast<unsigned char>(*p)]);
    return text;
}

}  // namespace hadrek::services
