#include "plugin/export/znaki_rozdzielajace.hpp"

#include "plugin/resources/texts.hpp"

namespace kz {

const char* nazwaZnaku(char znak) {
    switch (znak) {
    case '\r': return texts::kZnakCR.c_str();
    case '\n': return texts::kZnakLF.c_str();
    }
    return texts::kDwukropek.c_str();
}

// The export line's text fields; the others are numbers, marks and
// constants of the plug-in's own.
const char* nazwaPola(int pole) {
    switch (pole) {
    case 1: return texts::kPoleIdentyfikatora.c_str();
    case 3: return texts::kPoleKodu.c_str();
    case 4: return texts::kPoleTekstuDodatkowego.c_str();
    case 5: return texts::kPoleOpisu.c_str();
    case 9: return texts::kPoleJednostki.c_str();
    case 11: return texts::kPoleStawki.c_str();
    }
    return texts::kPoleNumeru.c_str();
}

}  // namespace kz
