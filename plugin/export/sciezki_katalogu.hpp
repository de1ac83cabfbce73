// Paths the plug-in builds itself inside the output folder: the folder, the
// platform's separator, a name. Every buffer holds the longest folder the
// options keep, the separator, the longest name a directory search yields
// and the NUL, and a path that would not fit is never used.
#pragma once

#include <cstddef>

#include "plugin/interface/host_signatures.hpp"
#include "plugin/interface/opcje_eksportu.hpp"

namespace kz {

// What differs between the flavours, each defined by its flavour's file
// (system_plikow_<flavour>.cpp) and nothing else:
// `\` in the Win32 flavour, `/` in the Linux one.
extern const char kSeparatorSciezki;

inline constexpr std::size_t kDlugoscKatalogu = sizeof(OpcjeEksportu::katalogWyjsciowy) - 1;
static_assert(kDlugoscKatalogu == 259);
inline constexpr std::size_t kMiejsceNaSciezke = kDlugoscKatalogu + 1 + kDirSearchNameRoom;

// `katalog`, the separator and `nazwa` into `cel`; false, with `cel`
// empty, when that would not fit.
bool zlozSciezke(char (&cel)[kMiejsceNaSciezke], const char* katalog, const char* nazwa);

// Deletes the file at `sciezka`, Mazovia bytes as the host's file services
// take them, turned into the file system's name the way those services turn
// it (UTF-8 on Linux, UTF-16 on Windows), so a folder with Polish letters is
// the same folder to the clearing as to the writer. False when the file is
// still there or the path is longer than a path the plug-in builds.
bool usunPlik(const char* sciezka);

// The folder option names no folder: it is empty or holds blanks only.
bool brakKatalogu(const char* katalog);

// A name that can only stand for an entry directly in the folder: not
// empty, not "." or "..", and no separator of either kind in it.
bool nazwaWewnatrzKatalogu(const char* nazwa);

}  // namespace kz
