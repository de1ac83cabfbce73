// Compile-time conversion of UTF-8 string literals into Mazovia bytes, so
// every text the host shows stays readable Polish in the source:
//
//     inline constexpr auto kTytulBlad = KZ_MAZOVIA("Błąd");
//
// The result is a NUL-terminated char array of exactly size() + 1 bytes.
// A code point the code page cannot hold stops the build; nothing is ever
// replaced silently.
//
// A C hex escape swallows every hex digit after it: "\x02F2" is one escape,
// and "\x05Esc" silently becomes "^sc". Before a letter or digit write the
// byte as a three-digit octal escape, which ends by itself: "\002F2\x01 Okres od".
#pragma once

#include <array>
#include <cstddef>
#include <initializer_list>

namespace kz::mazovia {

// Code points of bytes 0x80 to 0xFF: the PC's original code page with the
// 18 Polish letters put in its place.
inline constexpr std::array<char32_t, 128> kGornaPolowa = {
    U'Ç', U'ü', U'é', U'â', U'ä', U'à', U'ą', U'ç', U'ê', U'ë', U'è', U'ï', U'î', U'ć', U'Ä', U'Ą',       // 0x80
    U'Ę', U'ę', U'ł', U'ô', U'ö', U'Ć', U'û', U'ù', U'Ś', U'Ö', U'Ü', U'¢', U'Ł', U'¥', U'ś', U'ƒ',       // 0x90
    U'Ź', U'Ż', U'ó', U'Ó', U'ń', U'Ń', U'ź', U'ż', U'¿', U'⌐', U'¬', U'½', U'¼', U'¡', U'«', U'»',       // 0xA0
    U'░', U'▒', U'▓', U'│', U'┤', U'╡', U'╢', U'╖', U'╕', U'╣', U'║', U'╗', U'╝', U'╜', U'╛', U'┐',       // 0xB0
    U'└', U'┴', U'┬', U'├', U'─', U'┼', U'╞', U'╟', U'╚', U'╔', U'╩', U'╦', U'╠', U'═', U'╬', U'╧',       // 0xC0
    U'╨', U'╤', U'╥', U'╙', U'╘', U'╒', U'╓', U'╫', U'╪', U'┘', U'┌', U'█', U'▄', U'▌', U'▐', U'▀',       // 0xD0
    U'α', U'ß', U'Γ', U'π', U'Σ', U'σ', U'µ', U'τ', U'Φ', U'Θ', U'Ω', U'δ', U'∞', U'φ', U'ε', U'∩',       // 0xE0
    U'≡', U'±', U'≥', U'≤', U'⌠', U'⌡', U'÷', U'≈', U'°', U'∙', U'·', U'√', U'ⁿ', U'²', U'■', U'\u00A0',  // 0xF0
};

// The code point of one byte; below 0x80 the byte itself.
constexpr char32_t kodZnaku(unsigned char bajt) { return bajt < 0x80 ? bajt : kGornaPolowa[bajt - 0x80u]; }

consteval bool jestTablicaOdwracalna() {
    for (std::size_t i = 0; i < kGornaPolowa.size(); ++i) {
        if (kGornaPolowa[i] < 0xA0) return false;
        for (std::size_t j = 0; j < i; ++j) {
            if (kGornaPolowa[i] == kGornaPolowa[j]) return false;
        }
    }
    return true;
}
static_assert(jestTablicaOdwracalna(), "every byte from 0x80 needs its own code point");

// A Mazovia text: the bytes and the terminating NUL, nothing else.
template <std::size_t N>
struct Tekst {
    char bajty[N];

    constexpr const char* c_str() const { return bajty; }
    constexpr const char* data() const { return bajty; }
    constexpr std::size_t size() const { return N - 1; }
    constexpr char operator[](std::size_t i) const { return bajty[i]; }
};

// A UTF-8 literal carried as a template argument.
template <std::size_t N>
struct Utf8Literal {
    char znaki[N];

    consteval Utf8Literal(const char (&literal)[N]) {
        for (std::size_t i = 0; i < N; ++i) znaki[i] = literal[i];
    }
};

namespace detail {

// Declared only: reaching one of these while the compiler converts a
// literal is the compile error, and the name in it says what went wrong.
void znakSpozaStronyKodowej();
void blednyZapisUtf8();
void zeroWewnatrzTekstu();

struct Znak {
    char32_t kod;
    std::size_t dlugosc;
};

constexpr unsigned bajt(char c) { return static_cast<unsigned char>(c); }

// The two steps below are constexpr rather than consteval: they run only
// inside zakoduj, which is consteval, but clang 14 does not count the body
// of a consteval function template as immediate, so calls that pass its
// locals would be refused.
constexpr Znak czytajZnak(const char* s, std::size_t reszta) {
    const unsigned pierwszy = bajt(s[0]);
    if (pierwszy < 0x80) return {pierwszy, 1};
    std::size_t dlugosc = 0;
    char32_t kod = 0;
    char32_t najmniejszy = 0;
    if ((pierwszy & 0xE0) == 0xC0) {
        dlugosc = 2, kod = pierwszy & 0x1F, najmniejszy = 0x80;
    } else if ((pierwszy & 0xF0) == 0xE0) {
        dlugosc = 3, kod = pierwszy & 0x0F, najmniejszy = 0x800;
    } else if ((pierwszy & 0xF8) == 0xF0) {
        dlugosc = 4, kod = pierwszy & 0x07, najmniejszy = 0x10000;
    } else {
        blednyZapisUtf8();
    }
    if (dlugosc > reszta) blednyZapisUtf8();
    for (std::size_t i = 1; i < dlugosc; ++i) {
        if ((bajt(s[i]) & 0xC0) != 0x80) blednyZapisUtf8();
        kod = (kod << 6) | (bajt(s[i]) & 0x3F);
    }
    if (kod < najmniejszy || kod > 0x10FFFF || (kod >= 0xD800 && kod <= 0xDFFF)) blednyZapisUtf8();
    return {kod, dlugosc};
}

constexpr char bajtMazovii(char32_t kod) {
    if (kod == 0) zeroWewnatrzTekstu();
    if (kod < 0x80) return static_cast<char>(kod);
    for (std::size_t i = 0; i < kGornaPolowa.size(); ++i) {
        if (kGornaPolowa[i] == kod) return static_cast<char>(0x80 + i);
    }
    znakSpozaStronyKodowej();
    return 0;
}

template <std::size_t N>
consteval std::size_t liczbaZnakow(const Utf8Literal<N>& s) {
    std::size_t liczba = 0;
    for (std::size_t i = 0; i + 1 < N; i += czytajZnak(s.znaki + i, N - 1 - i).dlugosc) ++liczba;
    return liczba;
}

}  // namespace detail

template <Utf8Literal S>
consteval auto zakoduj() {
    constexpr std::size_t kLiczbaZnakow = detail::liczbaZnakow(S);
    constexpr std::size_t kDlugoscLiteralu = sizeof S.znaki - 1;
    Tekst<kLiczbaZnakow + 1> wynik{};
    std::size_t i = 0;
    for (std::size_t k = 0; k < kLiczbaZnakow; ++k) {
        const detail::Znak znak = detail::czytajZnak(S.znaki + i, kDlugoscLiteralu - i);
        wynik.bajty[k] = detail::bajtMazovii(znak.kod);
        i += znak.dlugosc;
    }
    wynik.bajty[kLiczbaZnakow] = '\0';
    return wynik;
}

}  // namespace kz::mazovia

#define KZ_MAZOVIA(literal) (::kz::mazovia::zakoduj<literal>())
// One named text of an X-macro list of (name, UTF-8 literal) pairs.
#define KZ_TEKST_MAZOVII(nazwa, literal) inline constexpr auto nazwa = KZ_MAZOVIA(literal);

namespace kz::mazovia::detail {

template <std::size_t N>
constexpr bool maBajty(const Tekst<N>& tekst, std::initializer_list<unsigned> oczekiwane) {
    if (tekst.size() != oczekiwane.size()) return false;
    std::size_t i = 0;
    for (unsigned b : oczekiwane) {
        if (bajt(tekst[i++]) != b) return false;
    }
    return true;
}

static_assert(maBajty(KZ_MAZOVIA("Błąd"), {0x42, 0x92, 0x86, 0x64}));
static_assert(maBajty(KZ_MAZOVIA("Wartość brutto"),
                      {0x57, 0x61, 0x72, 0x74, 0x6F, 0x9E, 0x8D, 0x20, 0x62, 0x72, 0x75, 0x74, 0x74, 0x6F}));
static_assert(maBajty(KZ_MAZOVIA("ąćęłńóśźż"), {0x86, 0x8D, 0x91, 0x92, 0xA4, 0xA2, 0x9E, 0xA6, 0xA7}));
static_assert(maBajty(KZ_MAZOVIA("ĄĆĘŁŃÓŚŹŻ"), {0x8F, 0x95, 0x90, 0x9C, 0xA5, 0xA3, 0x98, 0xA0, 0xA1}));
static_assert(maBajty(KZ_MAZOVIA("«»"), {0xAE, 0xAF}));
static_assert(maBajty(KZ_MAZOVIA("\x01t\x02\x05\r\n\t~\"\\"),
                      {0x01, 0x74, 0x02, 0x05, 0x0D, 0x0A, 0x09, 0x7E, 0x22, 0x5C}));
static_assert(sizeof(KZ_MAZOVIA("Błąd")) == 5 && KZ_MAZOVIA("Błąd")[4] == '\0');

}  // namespace kz::mazovia::detail
