// The message boxes of an export run, all of box type 1.
#pragma once

#include "plugin/export/wolaj_hosta.hpp"
#include "plugin/interface/host_signatures.hpp"
#include "plugin/resources/texts.hpp"

namespace kz {

// 52028: a finished text under a caption.
inline void pokazKomunikat(const char* tytul, const char* tekst) {
    wolajHosta<Slot::MessageBoxText>()(tytul, tekst, kOknoKomunikatu);
}

// 52029: memory for the document list could not be had; names the plug-in.
inline void pokazBladAlokacji() {
    wolajHosta<Slot::MessageBoxFormat>()(texts::kTytulBlad.c_str(), texts::kBladAlokacji.c_str(), kOknoKomunikatu,
                                         texts::kNazwaWtyczki.c_str());
}

}  // namespace kz
