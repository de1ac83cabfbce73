// Export files: opened by the host and handed over the host's way, as the
// stream of a temporary file object; closed by the writer (52305).
#pragma once

#include <cstddef>
#include <cstdint>

namespace kz {

// DOWODY.<letter>00.TXT to DOWODY.<letter>99.TXT: purchase invoices under
// the letter Z, goods receipts under P, numbered per letter.
inline constexpr int kMaksPlikow = 100;
inline constexpr char kLiteryPlikow[] = {'Z', 'P'};
inline constexpr std::size_t kMiejsceNaNazwePliku = sizeof "DOWODY.Z00.TXT";

// The export file's name for a letter and a number below kMaksPlikow.
void nazwaPlikuEksportu(char (&nazwa)[kMiejsceNaNazwePliku], char litera, int numer);

// The open stream ("wt": created or truncated, text mode), or null when the
// file cannot be created.
void* otworzPlikEksportu(const char* sciezka);

// The export object keeps the stream in its 32-bit output file handle.
static_assert(sizeof(void*) == sizeof(std::uint32_t));
inline std::uint32_t uchwytPliku(void* strumien) {
    return static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(strumien));
}
inline void* strumienPliku(std::uint32_t uchwyt) {
    return reinterpret_cast<void*>(static_cast<std::uintptr_t>(uchwyt));
}

}  // namespace kz
