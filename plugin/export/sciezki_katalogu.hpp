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
// (system_plikow_<flavour>.cpp) and nothing else: the separator below,
// usunWpis and usunPlikPoKonwersji.
// `\` in the Win32 flavour, `/` in the Linux one.
extern const char kSeparatorSciezki;

inline constexpr std::size_t kDlugoscKatalogu = sizeof(OpcjeEksportu::katalogWyjsciowy) - 1;
static_assert(kDlugoscKatalogu == 259);
inline constexpr std::size_t kMiejsceNaSciezke = kDlugoscKatalogu + 1 + kDirSearchNameRoom;
// The longest folder, the separator, the longest name a search object can
// end inside its room and the NUL: every path built from a folder and a
// name ended inside their rooms fits, so zlozSciezke refuses only an
// unended one.
static_assert(kDlugoscKatalogu + 1 + (kDirSearchNameRoom - 1) + 1 <= kMiejsceNaSciezke);

// `katalog`, the separator and `nazwa` into `cel`; false, with `cel`
// empty, when that would not fit.
bool zlozSciezke(char (&cel)[kMiejsceNaSciezke], const char* katalog, const char* nazwa);

// Deletes the file at `sciezka`, a path in the host's code page. Hosts
// differ in how their file services name such a path on the file system:
// some hand its bytes over as they are, others convert them (this stand-in,
// to UTF-8 on Linux and UTF-16 on Windows). So the bytes as they stand are
// tried first, as the C library's `remove` takes them, and only when no
// such file exists the converted name; either way a folder with Polish
// letters is the same folder to the clearing as to the writer. False when
// the file is still there.
bool usunPlik(const char* sciezka);
using UsunPlik = bool (*)(const char* sciezka);

// Deletes the file `nazwa` names in the file system's own bytes, and never
// a folder, as the Windows C library's `remove` does: POSIX `remove` would
// take an empty folder too. 0 when deleted, otherwise -1 with errno set.
int usunWpis(const char* nazwa);

// The converted half of usunPlik: the code page's letters turned into the
// file system's own name (UTF-8 on Linux, UTF-16 on Windows). False when
// the file is still there or the path is longer than a path the plug-in
// builds.
bool usunPlikPoKonwersji(const char* sciezka);

// The folder option names no folder: it is empty or holds blanks only.
bool brakKatalogu(const char* katalog);

// A name that can only stand for an entry directly in the folder: not
// empty, not "." or "..", and no separator of either kind in it.
bool nazwaWewnatrzKatalogu(const char* nazwa);

}  // namespace kz
