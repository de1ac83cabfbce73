// The plug-in's handling of records on any bytes: one Tzak header, the
// options record, then Tzak_dok lines, each cut from the input (zero
// behind its end). The header goes through the scan (filter, list, order)
// as a document of both types, every row text is asked for, and each line
// becomes an export line. Host functions are fakes in the slots; where the
// interface fixes only a size, a fake answers anything that fits it, since
// the plug-in must stay within bounds whatever the host answers. Bounds are
// checked here, so a violation crashes even without AddressSanitizer.
#include <algorithm>
#include <cstdarg>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string_view>
#include <vector>

#include "host/data/host_date.hpp"
#include "plugin/export/kolejnosc_listy.hpp"
#include "plugin/export/plik_eksportu.hpp"
#include "plugin/export/zrob_liste_dokumentow.hpp"
#include "plugin/interface/host_signatures.hpp"
#include "plugin/interface/rekordy_zakupow.hpp"
#include "plugin/resources/texts.hpp"

namespace {

using kz::Slot;
namespace dok = kz::tzak_dok;

// Every field at its widest: texts at their rooms, the date parts, both
// amounts in fixed notation, the quantity, the host's rate text, and the
// format's own characters.
constexpr std::size_t kMaksLinii = kz::tzak::kIdentyfikatorKontrahenta.room + 24 + dok::kKodPozycji.room +
                                   dok::kTekstDodatkowy.room + dok::kOpisPozycji.room + 1 + 2 * 320 +
                                   dok::kJednostka.room + 16 + kz::kRateTextSize + kz::tzak::kNumerDokumentu.room + 2 +
                                   sizeof(kz::OpcjeEksportu::kodPlacowki) + kz::texts::kFormatLinii.size();

// The table handle, the record buffer it points to, and one record per range.
alignas(4) unsigned char g_tabela[16];
std::vector<unsigned char> g_naglowek(kz::kRozmiarTzak);
int g_krokiZakresu;
int g_strumien;
std::size_t g_wydrukowano;

void* KZ_CDECL tableOpen(int) {
    const unsigned char* bufor = g_naglowek.data();
    std::memcpy(g_tabela + kz::kTableHandleRecord, &bufor, sizeof bufor);
    return g_tabela;
}
int KZ_CDECL tablePrepare(void*, int) { return 0; }
void KZ_CDECL keyBuild(int, void**, void* klucz, std::int32_t) { std::memset(klucz, 0, kz::kRozmiarKlucza); }
int KZ_CDECL startRange(void*, void*, int, void*, int, int) { return g_krokiZakresu = 1; }
int KZ_CDECL cursorNext(void*) { return g_krokiZakresu-- > 0 ? 1 : 0; }
int KZ_CDECL endRange(void*) { return 0; }
void KZ_THISCALL cursorDestroy(void*) {}
void* KZ_THISCALL construct(void* self) { return self; }
void KZ_THISCALL destroy(void*) {}
void* KZ_CDECL memoryResize(void* block, std::uint32_t size) { return std::realloc(block, size); }
void KZ_CDECL memoryFree(void* block) { std::free(block); }
int KZ_CDECL boxFormat(const char*, const char*, int, ...) { return 0; }

char* KZ_CDECL caseFold(char* text) {
    for (char* c = text; *c; ++c)
        if (*c >= 'a' && *c <= 'z') *c = static_cast<char>(*c - 'a' + 'A');
    return text;
}

// The host reads a period bound as a text: it must end inside its slot.
int KZ_CDECL dateCompare(const void* recordDate, const char* optionDate) {
    if (!std::memchr(optionDate, 0, kz::kMaksOkresu + 1)) std::abort();
    const auto bound = hadrek::data::parseCompactDate(optionDate);
    if (!bound) return 0;
    const auto date = hadrek::data::readRecordDate(recordDate);
    if (!date) return -1;
    return *date < *bound ? -1 : *date > *bound ? 1 : 0;
}
void KZ_CDECL dateToText(char* destination, const void* recordDate) { std::memcpy(destination, recordDate, 13); }
void KZ_CDECL dateSplit(const void* recordDate, std::int16_t* year, std::int16_t* month, std::int16_t* day, void*) {
    std::memcpy(year, recordDate, 2);
    std::memcpy(month, static_cast<const char*>(recordDate) + 2, 2);
    std::memcpy(day, static_cast<const char*>(recordDate) + 4, 2);
}
void KZ_CDECL rateText(char* buffer, int kind) { std::memset(buffer, 'A' + (kind & 15), kz::kRateTextSize); }
double KZ_CDECL convert(int, int kind, double amount) { return amount + amount * kind / 100.0; }
double KZ_CDECL roundAmount(double amount, int) { return amount; }
char* KZ_CDECL boundedCopy(char* destination, const char* source, int limit) {
    const std::size_t length = strnlen(source, static_cast<std::size_t>(limit));
    std::memcpy(destination, source, length);
    destination[length] = '\0';
    return destination;
}
int KZ_CDECL print(void* stream, const char* format, ...) {
    char line[2 * kMaksLinii];
    va_list arguments;
    va_start(arguments, format);
    const int length = std::vsnprintf(line, sizeof line, format, arguments);
    va_end(arguments);
    if (stream != &g_strumien || length < 0 || static_cast<std::size_t>(length) > kMaksLinii) std::abort();
    if (!std::string_view(line, static_cast<std::size_t>(length)).ends_with(":2::\n")) std::abort();
    g_wydrukowano += static_cast<std::size_t>(length);
    return length;
}

template <typename F>
void put(Slot slot, F* function) {
    kz_hostSlots[static_cast<unsigned>(slot)] = reinterpret_cast<void*>(function);
}

void putFakes() {
    put(Slot::TableOpen, &tableOpen), put(Slot::TablePrepare, &tablePrepare), put(Slot::KeyBuild, &keyBuild);
    put(Slot::CursorStartRange, &startRange), put(Slot::CursorNext, &cursorNext), put(Slot::CursorEndRange, &endRange);
    put(Slot::CursorDestroy, &cursorDestroy), put(Slot::DialogBaseConstruct, &construct);
    put(Slot::DialogBaseDestroy, &destroy), put(Slot::MemoryResize, &memoryResize), put(Slot::MemoryFree, &memoryFree);
    put(Slot::MessageBoxFormat, &boxFormat), put(Slot::CaseFold, &caseFold), put(Slot::DateCompare, &dateCompare);
    put(Slot::DateToText, &dateToText), put(Slot::DateSplit, &dateSplit), put(Slot::RateCodeText, &rateText);
    put(Slot::LineRateConversion, &convert), put(Slot::AmountRound, &roundAmount);
    put(Slot::BoundedCopy, &boundedCopy), put(Slot::StreamPrintf, &print);
}

// The next `size` bytes of the input, zero behind its end.
std::vector<unsigned char> take(const std::uint8_t*& data, std::size_t& left, std::size_t size) {
    std::vector<unsigned char> bytes(size);
    const std::size_t n = std::min(left, size);
    std::memcpy(bytes.data(), data, n);
    data += n, left -= n;
    return bytes;
}

int sign(int value) { return (value > 0) - (value < 0); }

void checkList(kz::CZrobListeDokumentow& eksport) {
    const kz::PozycjaListy* lista = eksport.pozycje();
    for (int i = 0; i + 1 < eksport.liczbaDokumentow_; ++i) {
        const int order = kz::kolejnoscListy(&lista[i], &lista[i + 1]);
        if (order > 0 || sign(kz::kolejnoscListy(&lista[i + 1], &lista[i])) != -sign(order)) std::abort();
    }
    for (int wiersz = -3; wiersz <= eksport.liczbaDokumentow_ + 1; ++wiersz) {
        const auto wynik = eksport.podajWiersz(wiersz);
        if (wiersz == -1) continue;
        const std::size_t length = strnlen(eksport.tekstWiersza_, sizeof eksport.tekstWiersza_);
        if (wynik != reinterpret_cast<std::intptr_t>(eksport.tekstWiersza_) || length == sizeof eksport.tekstWiersza_)
            std::abort();
        const bool inList = wiersz >= 0 && wiersz < eksport.liczbaDokumentow_;
        const std::string_view row(eksport.tekstWiersza_, length);
        if (inList != (row.ends_with(kz::texts::kNapisZakup.c_str()) || row.ends_with(kz::texts::kNapisPZ.c_str())))
            std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    putFakes();
    g_naglowek = take(data, size, kz::kRozmiarTzak);
    const std::vector<unsigned char> naglowek = g_naglowek;
    const auto eksport = std::make_unique<kz::CZrobListeDokumentow>();
    const std::vector<unsigned char> opcje = take(data, size, sizeof eksport->opcje_);
    std::memcpy(&eksport->opcje_, opcje.data(), opcje.size());

    eksport->krokSkanowania();
    if (g_naglowek != naglowek || eksport->liczbaDokumentow_ > 2) std::abort();
    checkList(*eksport);

    eksport->plikWyjsciowy_ = kz::uchwytPliku(&g_strumien);
    do {
        const std::vector<unsigned char> linia = take(data, size, kz::kRozmiarTzakDok);
        g_wydrukowano = 0;
        const kz::PolaDokumentu dokument =
            eksport->polaDokumentu(linia[0] & 1 ? kz::kTypPZ : kz::kTypZakup, naglowek.data());
        kz::ZnakWPolu rozdzielajacy;
        eksport->wpiszLinieEksportu(dokument, linia.data(), rozdzielajacy);
        if (rozdzielajacy.pole != 0 && (rozdzielajacy.pole < 1 || rozdzielajacy.pole > 12)) std::abort();
        if (g_wydrukowano == 0) std::abort();
    } while (size > 0);
    eksport->plikWyjsciowy_ = 0;
    return 0;
}
