// The document list's own pieces against hand-packed records and a host of
// fakes in the slots: space collapsing, the list order, the document filter,
// the row text of odd items and keeping the marked documents when memory
// runs out. What the real host drives is in tests/scenarios.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdarg>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "plugin/export/kolejnosc_listy.hpp"
#include "plugin/export/pozycja_listy.hpp"
#include "plugin/export/scalanie_spacji.hpp"
#include "plugin/export/zrob_liste_dokumentow.hpp"
#include "plugin/interface/host_signatures.hpp"
#include "plugin/interface/rekordy_zakupow.hpp"

namespace {

using kz::PozycjaListy;
using kz::Slot;

// Bytes as the tests write them: \x escapes for Mazovia letters.
std::string shown(const std::string& bytes) {
    std::string out;
    for (const unsigned char c : bytes) {
        if (c >= 0x20 && c < 0x7F) {
            out += static_cast<char>(c);
        } else {
            char hex[8];
            std::snprintf(hex, sizeof hex, "\\x%02X", c);
            out += hex;
        }
    }
    return out;
}

TEST(SpaceCollapsing, EveryRunOfBlanksBecomesOne) {
    const struct {
        const char* text;
        const char* collapsed;
    } cases[] = {
        {"", ""},
        {" ", " "},
        {"     ", " "},
        {"Jan   Kowalski", "Jan Kowalski"},
        {"   Firma", " Firma"},
        {"Firma   ", "Firma "},
        {"  a  b  c  ", " a b c "},
        {"bez zmian", "bez zmian"},
        {"tab\t\tzostaje", "tab\t\tzostaje"},
        {" \t  \t ", " \t \t "},
        {"\x9C\242d\xA6  \236wit", "\x9C\242d\xA6 \236wit"},
    };
    for (const auto& c : cases) {
        std::string text = c.text;
        text.push_back('\0');
        char* result = kz::scalSpacje(text.data());
        EXPECT_EQ(result, text.data());
        EXPECT_EQ(std::string(result), c.collapsed) << "from \"" << shown(c.text) << "\"";
    }
}

PozycjaListy item(std::int16_t type, const char* date, const char* number) {
    PozycjaListy p{};
    std::strncpy(p.dataWystawienia, date, sizeof p.dataWystawienia - 1);
    std::strncpy(p.numerDokumentu, number, sizeof p.numerDokumentu - 1);
    p.typDokumentu = type;
    return p;
}

// Both texts filled to their last byte with no NUL, and different bytes
// behind each: a comparison must end with the field.
PozycjaListy filled(const char (&date)[14], const char (&number)[18], char behind) {
    PozycjaListy p = item(713, "", "");
    std::memcpy(p.dataWystawienia, date, sizeof p.dataWystawienia);
    std::memcpy(p.numerDokumentu, number, sizeof p.numerDokumentu);
    p.nazwaKontrahenta[0] = behind;
    p.idDokumentu = behind;
    return p;
}

template <std::size_t N>
std::string text(const char (&field)[N]) {
    return shown(std::string(field, strnlen(field, N)));
}

std::string describe(const PozycjaListy& p) {
    return std::to_string(p.typDokumentu) + " " + text(p.dataWystawienia) + " " + text(p.numerDokumentu);
}

int sign(int value) { return (value > 0) - (value < 0); }

TEST(ListOrder, ComparesTypeThenDateDescendingThenNumber) {
    const struct {
        PozycjaListy a;
        PozycjaListy b;
        int order;
    } cases[] = {
        {item(713, "2024-01-01", "B"), item(703, "2026-12-31", "A"), -1},
        {item(703, "2026-12-31", "A"), item(713, "2024-01-01", "B"), 1},
        {item(713, "2026-03-05", "Z"), item(713, "2026-03-04", "A"), -1},
        {item(713, "2026-03-04", "A"), item(713, "2026-03-05", "Z"), 1},
        {item(703, "2026-03-05", "A/1"), item(703, "2026-03-05", "A/2"), -1},
        {item(703, "2026-03-05", "A/10"), item(703, "2026-03-05", "A/2"), -1},
        {item(703, "2026-03-05", "FZ 1"), item(703, "2026-03-05", "FZ 1"), 0},
        {item(713, "2026-03-05", "FZ"), item(713, "2026-03-05", "FZ 1"), -1},
        {item(713, "", "A"), item(713, "2026-01-01", "A"), 1},
        // Bytes compare unsigned: Mazovia letters sort after ASCII.
        {item(713, "2026-03-05", "\x9C\242d\xA6"), item(713, "2026-03-05", "Z"), 1},
        {item(713, "2026-03-05", "Z"), item(713, "2026-03-05", "\x9C\242d\xA6"), -1},
        {filled("2026-03-05/12", "FZ/2026/03/000017", 'A'), filled("2026-03-05/12", "FZ/2026/03/000017", 'B'), 0},
        {filled("2026-03-05/12", "FZ/2026/03/000017", 'B'), filled("2026-03-05/12", "FZ/2026/03/000018", 'A'), -1},
        {filled("2026-03-05/13", "FZ/2026/03/000017", 'A'), filled("2026-03-05/12", "FZ/2026/03/000017", 'B'), -1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(describe(c.a) + " against " + describe(c.b));
        EXPECT_EQ(sign(kz::kolejnoscListy(&c.a, &c.b)), c.order);
    }
}

TEST(ListOrder, SortsAListWithQsort) {
    std::vector<PozycjaListy> list = {
        item(703, "2026-01-10", "PZ 2"), item(713, "2025-12-31", "FZ 9"), item(703, "2026-02-01", "PZ 1"),
        item(713, "2026-01-10", "FZ 2"), item(713, "2026-01-10", "FZ 1"), item(703, "2026-01-10", "PZ 1"),
    };
    std::qsort(list.data(), list.size(), sizeof(PozycjaListy), kz::kolejnoscListy);
    std::vector<std::string> order;
    for (const PozycjaListy& p : list) order.push_back(describe(p));
    EXPECT_EQ(order, (std::vector<std::string>{"713 2026-01-10 FZ 1", "713 2026-01-10 FZ 2", "713 2025-12-31 FZ 9",
                                               "703 2026-02-01 PZ 1", "703 2026-01-10 PZ 1", "703 2026-01-10 PZ 2"}));
}

// A host of fakes. Record dates are packed as "RRRRMMDD" texts here, which
// the fake 30908 compares with the period texts.
struct FakeHost {
    std::vector<std::string> folded;
    std::vector<std::string> boxes;  // caption | format | argument
    int resizeCalls = 0;
    int failResizeAt = -1;
    std::vector<std::uint32_t> resizeSizes;
    int freed = 0;
    bool noList = false;  // 52033 answers null, as outside a dialog run
    alignas(4) std::uint16_t currentRow = 0;
    std::uint16_t besideTheRow = 0xFFFF;  // the host's own bytes right after the row
    int redraws = 0;
} fake;

char foldChar(char c) {
    static const unsigned char lower[] = {0x86, 0x8D, 0x91, 0x92, 0xA4, 0xA2, 0x9E, 0xA6, 0xA7};
    static const unsigned char upper[] = {0x8F, 0x95, 0x90, 0x9C, 0xA5, 0xA3, 0x98, 0xA0, 0xA1};
    if (c >= 'a' && c <= 'z') return static_cast<char>(c - 'a' + 'A');
    for (std::size_t i = 0; i < sizeof lower; ++i)
        if (static_cast<unsigned char>(c) == lower[i]) return static_cast<char>(upper[i]);
    return c;
}

char* KZ_CDECL caseFold(char* text) {
    fake.folded.push_back(text);
    for (char* c = text; *c; ++c) *c = foldChar(*c);
    return text;
}

int KZ_CDECL dateCompare(const void* recordDate, const char* optionDate) {
    return std::strncmp(static_cast<const char*>(recordDate), optionDate, 8);
}

void* KZ_THISCALL construct(void* self) { return self; }
void KZ_THISCALL destroy(void*) {}

void* KZ_CDECL memoryResize(void* block, std::uint32_t size) {
    fake.resizeSizes.push_back(size);
    if (fake.resizeCalls++ == fake.failResizeAt) return nullptr;
    return std::realloc(block, size);
}

void KZ_CDECL memoryFree(void* block) {
    ++fake.freed;
    std::free(block);
}

int KZ_CDECL boxFormat(const char* caption, const char* format, int type, ...) {
    va_list arguments;
    va_start(arguments, type);
    const char* argument = va_arg(arguments, const char*);
    va_end(arguments);
    fake.boxes.push_back(std::string(caption) + "|" + format + "|" + argument);
    return 0;
}

std::uint16_t* KZ_CDECL controlValue(int id) { return fake.noList || id != 16385 ? nullptr : &fake.currentRow; }

// Counts only the request the host knows.
int KZ_CDECL redraw(int window, int flags, int now) {
    const kz::RedrawRequest request{window, flags, now};
    if (std::memcmp(&request, &kz::kRedrawRunningDialog, sizeof request) == 0) ++fake.redraws;
    return 0;
}

template <typename F>
void put(Slot slot, F* function) {
    kz_hostSlots[static_cast<unsigned>(slot)] = reinterpret_cast<void*>(function);
}

class WithFakeHost : public ::testing::Test {
protected:
    void SetUp() override {
        fake = FakeHost{};
        put(Slot::CaseFold, &caseFold);
        put(Slot::DateCompare, &dateCompare);
        put(Slot::DialogBaseConstruct, &construct);
        put(Slot::DialogBaseDestroy, &destroy);
        put(Slot::MemoryResize, &memoryResize);
        put(Slot::MemoryFree, &memoryFree);
        put(Slot::MessageBoxFormat, &boxFormat);
        put(Slot::ControlValue, &controlValue);
        put(Slot::DialogRedraw, &redraw);
    }
};

struct Header {
    std::int32_t id = 1001;
    std::int32_t id2 = 1;
    const char* date = "20260305";
    const char* name = "Hurtownia Kowalski";
    const char* address = "ul. D\x92uga 5, Gda\xA4sk";
    const char* symbol = "KOW";
};

std::vector<unsigned char> pack(const Header& h) {
    std::vector<unsigned char> record(kz::kRozmiarTzak, 0);
    auto text = [&](kz::PoleTekstowe field, const char* value) {
        std::memcpy(record.data() + field.offset, value, std::min<std::size_t>(std::strlen(value), field.room - 1));
    };
    text(kz::tzak::kNazwaKontrahenta, h.name);
    text(kz::tzak::kAdresKontrahenta, h.address);
    text(kz::tzak::kSymbolKontrahenta, h.symbol);
    std::memcpy(record.data() + kz::tzak::kDataWystawienia, h.date, std::strlen(h.date));
    std::memcpy(record.data() + kz::tzak::kIdDokumentu, &h.id, 4);
    std::memcpy(record.data() + kz::tzak::kDrugiIdDokumentu, &h.id2, 4);
    return record;
}

struct Filters {
    const char* from = "20260301";
    const char* to = "20260331";
    const char* name = "";
    const char* address = "";
    const char* symbol = "";
};

template <std::size_t N>
void set(char (&field)[N], const char* value) {
    std::memset(field, 0, N);
    std::strncpy(field, value, N - 1);
}

TEST_F(WithFakeHost, DocumentFilterKeepsOrDrops) {
    auto with = [](auto change) {
        Header h;
        change(h);
        return h;
    };
    auto filters = [](auto change) {
        Filters f;
        change(f);
        return f;
    };
    const struct {
        const char* what;
        Header header;
        Filters filters;
        int result;
    } cases[] = {
        {"all filters empty", Header{}, Filters{}, 0},
        {"document id 0", with([](Header& h) { h.id = 0; }), Filters{}, 1},
        {"second document id 0", with([](Header& h) { h.id2 = 0; }), Filters{}, 1},
        {"negative ids are ids", with([](Header& h) { h.id = -5, h.id2 = -1; }), Filters{}, 0},
        {"on the period start", with([](Header& h) { h.date = "20260301"; }), Filters{}, 0},
        {"on the period end", with([](Header& h) { h.date = "20260331"; }), Filters{}, 0},
        {"a day before", with([](Header& h) { h.date = "20260228"; }), Filters{}, 1},
        {"a day after", with([](Header& h) { h.date = "20260401"; }), Filters{}, 1},
        {"name in lower case", Header{}, filters([](Filters& f) { f.name = "kowal"; }), 0},
        {"name at the end", Header{}, filters([](Filters& f) { f.name = "SKI"; }), 0},
        {"name with its blank", Header{}, filters([](Filters& f) { f.name = "a k"; }), 0},
        {"name not there", Header{}, filters([](Filters& f) { f.name = "Nowak"; }), 1},
        {"Polish letters folded", Header{}, filters([](Filters& f) { f.address = "D\234UGA 5, gda\xA4"; }), 0},
        {"address not there", Header{}, filters([](Filters& f) { f.address = "Krak"; }), 1},
        {"symbol matches", Header{}, filters([](Filters& f) { f.symbol = "ow"; }), 0},
        {"symbol does not", Header{}, filters([](Filters& f) { f.symbol = "KOWX"; }), 1},
        {"every filter matches", Header{},
         filters([](Filters& f) { f.name = "hurt", f.address = "5,", f.symbol = "k"; }), 0},
        {"one of three fails", Header{},
         filters([](Filters& f) { f.name = "hurt", f.address = "Warszawa", f.symbol = "k"; }), 1},
        // The name fills its 100 characters and runs into the address with
        // no NUL: a filter across that seam finds nothing.
        {"name without its NUL", with([](Header& h) {
             h.name =
                 "NNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNN"
                 "X";
         }),
         filters([](Filters& f) { f.name = "NX"; }), 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        std::vector<unsigned char> record = pack(c.header);
        if (std::strlen(c.header.name) > 100) record[kz::tzak::kNazwaKontrahenta.offset + 100] = 'X';
        const std::vector<unsigned char> before = record;
        kz::CZrobListeDokumentow eksport;
        set(eksport.opcje_.okresOd, c.filters.from);
        set(eksport.opcje_.okresDo, c.filters.to);
        set(eksport.opcje_.filtrNazwy, c.filters.name);
        set(eksport.opcje_.filtrAdresu, c.filters.address);
        set(eksport.opcje_.filtrSymbolu, c.filters.symbol);
        EXPECT_EQ(eksport.filtrujDokument(record.data()), c.result);
        EXPECT_EQ(record, before) << "the record is the host's and stays as it was";
    }
}

TEST_F(WithFakeHost, DocumentFilterFoldsTheOptionsFiltersInPlaceAndKeepsThemInTheirSlots) {
    kz::CZrobListeDokumentow eksport;
    set(eksport.opcje_.okresOd, "20260301");
    set(eksport.opcje_.okresDo, "20260331");
    set(eksport.opcje_.filtrNazwy, "kowal");
    set(eksport.opcje_.filtrAdresu, "d\x92uga");
    // A slot filled to its last byte: folding must stop inside it.
    std::memset(eksport.opcje_.filtrSymbolu, 'k', sizeof eksport.opcje_.filtrSymbolu);
    const std::vector<unsigned char> record = pack(Header{});
    EXPECT_EQ(eksport.filtrujDokument(record.data()), 1);
    EXPECT_EQ(std::string(eksport.opcje_.filtrNazwy), "KOWAL");
    EXPECT_EQ(std::string(eksport.opcje_.filtrAdresu), "D\234UGA");
    EXPECT_EQ(std::string(eksport.opcje_.filtrSymbolu), std::string(25, 'K'));
    EXPECT_EQ(std::string(eksport.opcje_.kodPlacowki), "") << "the next slot is untouched";
    // Name, address, symbol, then the three filters, in this order.
    ASSERT_EQ(fake.folded.size(), 6u);
    EXPECT_EQ(fake.folded[0], "Hurtownia Kowalski");
    EXPECT_EQ(fake.folded[3], "kowal");
}

TEST_F(WithFakeHost, DocumentFilterComparesNoDatesForADocumentWithoutIds) {
    kz::CZrobListeDokumentow eksport;
    Header h;
    h.id = 0;
    const std::vector<unsigned char> record = pack(h);
    EXPECT_EQ(eksport.filtrujDokument(record.data()), 1);
    EXPECT_TRUE(fake.folded.empty());
}

// Items in a block of the fake allocator, as the scan leaves them.
void fill(kz::CZrobListeDokumentow& eksport, const std::vector<PozycjaListy>& items) {
    eksport.listaDokumentow_ = std::malloc(items.size() * sizeof(PozycjaListy));
    std::memcpy(eksport.listaDokumentow_, items.data(), items.size() * sizeof(PozycjaListy));
    eksport.liczbaDokumentow_ = static_cast<std::int32_t>(items.size());
    eksport.pojemnoscListy_ = eksport.liczbaDokumentow_;
}

std::string rowText(kz::CZrobListeDokumentow& eksport, int row) {
    const auto address = eksport.podajWiersz(row);
    EXPECT_EQ(address, reinterpret_cast<std::intptr_t>(eksport.tekstWiersza_));
    return std::string(eksport.tekstWiersza_, strnlen(eksport.tekstWiersza_, sizeof eksport.tekstWiersza_));
}

TEST_F(WithFakeHost, RowTextStaysInItsFieldWhateverTheItemHolds) {
    PozycjaListy plain = item(713, "2026-03-05", "FZ 17/03/24");
    std::strcpy(plain.nazwaKontrahenta, "Hurtownia \x9C\242d\xA6");
    plain.wartoscBrutto = 151.84;
    PozycjaListy marked = item(703, "2026-03-04", "PZ 1");
    marked.zaznaczenie = 1;
    marked.wartoscBrutto = -0.004;
    PozycjaListy huge = item(713, "2026-03-04", "FZ 2");
    huge.wartoscBrutto = 1e300;
    // Every text field full to its last byte, no NUL anywhere.
    PozycjaListy full = item(713, "", "");
    std::memset(full.numerDokumentu, 'N', sizeof full.numerDokumentu);
    std::memset(full.nazwaKontrahenta, 'K', sizeof full.nazwaKontrahenta);
    std::memset(full.dataWystawienia, 'D', sizeof full.dataWystawienia);
    full.wartoscBrutto = -1e200;
    PozycjaListy other = item(0, "2026-03-04", "X");
    // Two decimals at 31 characters still fit the amount's room, at 32
    // (the sign counts) they no longer do.
    PozycjaListy widest = item(713, "2026-03-04", "W");
    widest.wartoscBrutto = 1e27;
    PozycjaListy tooWide = item(713, "2026-03-04", "W");
    tooWide.wartoscBrutto = -1e27;

    kz::CZrobListeDokumentow eksport;
    fill(eksport, {plain, marked, huge, full, other, widest, tooWide});
    const struct {
        int row;
        std::string text;
    } cases[] = {
        {0, "\xAE\rFZ 17/03/24\rHurtownia \x9C\242d\xA6\r151.84\r2026-03-05\rZakup"},
        {1, "\xAF\rPZ 1\r\r-0.00\r2026-03-04\rPZ"},
        {2, "\xAE\rFZ 2\r\r1.000000e+300\r2026-03-04\rZakup"},
        {3, "\xAE\r" + std::string(16, 'N') + "\r" + std::string(100, 'K') + "\r-1.000000e+200\r" +
                std::string(12, 'D') + "\rZakup"},
        {4, "\xAE\rX\r\r0.00\r2026-03-04\rPZ"},
        {5, "\xAE\rW\r\r1000000000000000013287555072.00\r2026-03-04\rZakup"},
        {6, "\xAE\rW\r\r-1.000000e+27\r2026-03-04\rZakup"},
        {7, ""},
        {-2, ""},
        {32767, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE("row " + std::to_string(c.row));
        EXPECT_EQ(shown(rowText(eksport, c.row)), shown(c.text));
    }
    EXPECT_EQ(eksport.podajWiersz(-1), 7);
}

// What the handler does to the marks and the current row; the real host
// sends only INS and Ctrl-INS, so the other codes are tried here.
TEST_F(WithFakeHost, KeyHandlerMarksWithinTheListAndNeverMovesPastIt) {
    const struct {
        const char* what;
        std::uint16_t code;
        std::uint16_t phase;
        std::uint16_t row;
        bool noList;
        std::string marksBefore;
        int result;
        std::string marksAfter;
        int rowAfter;
        int redraws;
    } cases[] = {
        {"INS on the first row", 0x5200, 1, 0, false, "000", 16385, "100", 1, 1},
        {"INS on a marked row", 0x5200, 1, 1, false, "010", 16385, "000", 2, 1},
        {"INS on the last row", 0x5200, 1, 2, false, "000", 16385, "001", 2, 1},
        {"INS past the list", 0x5200, 1, 3, false, "000", 16385, "000", 3, 1},
        {"Ctrl-INS on an unmarked row", 0x0400, 1, 1, false, "101", 16385, "111", 1, 1},
        {"Ctrl-INS on a marked row", 0x0400, 1, 0, false, "110", 16385, "000", 0, 1},
        {"Ctrl-INS past the list", 0x0400, 1, 7, false, "010", 16385, "010", 7, 1},
        {"no list to ask", 0x5200, 1, 0, true, "000", 16385, "000", 0, 1},
        {"another phase", 0x5200, 0, 0, false, "000", 0, "000", 0, 0},
        {"phase 2", 0x0400, 2, 0, false, "000", 0, "000", 0, 0},
        {"another key", 0x3D00, 1, 0, false, "000", 0, "000", 0, 0},
        {"Ctrl-INS's low byte alone", 0x0004, 1, 0, false, "000", 0, "000", 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        SetUp();
        kz::CZrobListeDokumentow eksport;
        std::vector<PozycjaListy> items;
        for (const char m : c.marksBefore) {
            items.push_back(item(713, "2026-03-05", "A"));
            items.back().zaznaczenie = static_cast<std::int16_t>(m - '0');
        }
        fill(eksport, items);
        fake.currentRow = c.row;
        fake.noList = c.noList;
        EXPECT_EQ(eksport.obsluzKlawisz(c.code, c.phase), c.result);
        std::string marks;
        for (int i = 0; i < eksport.liczbaDokumentow_; ++i)
            marks += static_cast<char>('0' + eksport.pozycje()[i].zaznaczenie);
        EXPECT_EQ(marks, c.marksAfter);
        EXPECT_EQ(fake.currentRow, c.rowAfter);
        EXPECT_EQ(fake.besideTheRow, 0xFFFF);
        EXPECT_EQ(fake.redraws, c.redraws);
    }
}

TEST_F(WithFakeHost, KeepMarkedDocumentsShrinksOrLeavesTheBlock) {
    // Five documents in the list order: 713 ones, then 703 ones.
    const std::vector<PozycjaListy> list = {
        item(713, "2026-03-05", "A"), item(713, "2026-03-04", "B"), item(713, "2026-03-04", "C"),
        item(703, "2026-03-05", "D"), item(703, "2026-03-01", "E"),
    };
    constexpr std::uint32_t kItem = sizeof(PozycjaListy);
    const struct {
        const char* what;
        std::vector<int> marked;
        bool shrinkFails;
        int result;
        int count;
        std::string kept;
        std::vector<std::uint32_t> resized;
        int boxes;
    } cases[] = {
        {"none marked", {}, false, 0, 0, "", {}, 0},
        {"all marked", {0, 1, 2, 3, 4}, false, 5, 5, "ABCDE", {5 * kItem}, 0},
        {"scattered", {4, 0, 2}, false, 3, 3, "ACE", {3 * kItem}, 0},
        {"one", {3}, false, 1, 1, "D", {kItem}, 0},
        {"shrinking fails", {1, 3}, true, 0, 2, "", {2 * kItem}, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        SetUp();
        fake.failResizeAt = c.shrinkFails ? 0 : -1;
        kz::CZrobListeDokumentow eksport;
        fill(eksport, list);
        for (const int i : c.marked) eksport.pozycje()[i].zaznaczenie = 1;
        const void* block = eksport.listaDokumentow_;

        EXPECT_EQ(eksport.zostawZaznaczone(), c.result);
        EXPECT_EQ(eksport.liczbaDokumentow_, c.count);
        EXPECT_EQ(fake.resizeSizes, c.resized);
        ASSERT_EQ(fake.boxes.size(), static_cast<std::size_t>(c.boxes));
        if (c.boxes) {
            EXPECT_EQ(fake.boxes[0],
                      "B\x92\206d|B\x92\206d podczas alokowania pami\221ci w %s!\nOperacja niekompletna!|KalvetZakupy");
        }
        if (c.result > 0) {
            std::string kept;
            for (int i = 0; i < eksport.liczbaDokumentow_; ++i) kept += eksport.pozycje()[i].numerDokumentu;
            EXPECT_EQ(kept, c.kept);
            EXPECT_EQ(eksport.pojemnoscListy_, c.count);
        } else {
            EXPECT_EQ(eksport.listaDokumentow_, block) << "the old block stays for the tear-down";
            EXPECT_EQ(eksport.pojemnoscListy_, 5);
        }
    }
}

}  // namespace
