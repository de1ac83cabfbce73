// Bytes the other program reads as the line's structure: a colon ends a
// field, CR and LF end the line. The line's texts are written as the host
// stores them, so such a byte inside a text is not mended, only found and
// said; a branch code holding one is refused, since it would break every
// line of every file.
#pragma once

#include <cstddef>

namespace kz {

// The first structural byte of the text, at most `miejsce` bytes up to its
// NUL; 0 when there is none.
inline char znakRozdzielajacy(const char* tekst, std::size_t miejsce) {
    for (std::size_t i = 0; i < miejsce && tekst[i] != '\0'; ++i)
        if (tekst[i] == ':' || tekst[i] == '\r' || tekst[i] == '\n') return tekst[i];
    return 0;
}

// The first text field of a document's lines holding such a byte, by its
// number in the line (1 to 18), and the byte; `pole` 0 while none does.
struct ZnakWPolu {
    int pole = 0;
    char znak = 0;
};

// The user's name for the byte and for the field.
const char* nazwaZnaku(char znak);
const char* nazwaPola(int pole);

}  // namespace kz
