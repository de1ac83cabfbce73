// The table services as a walking caller meets them: which records a range
// yields and in what order, records packed at the plug-in's offsets, nested
// walks, and a caller that breaks the protocol ending the run.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "host/data/data_in_use.hpp"
#include "host/data/record_packing.hpp"
#include "host/services/services.hpp"
#include "host/text/mazovia.hpp"
#include "plugin/interface/rekordy_zakupow.hpp"

namespace {

using namespace hadrek;
using namespace hadrek::services;

data::Line line(const char* description) {
    data::Line l;
    l.description = description;
    return l;
}

data::Document document(std::int16_t type, std::int32_t id, std::int32_t id2, std::vector<const char*> lines) {
    data::Document d;
    d.type = type;
    d.id = id;
    d.id2 = id2;
    d.number = "N" + std::to_string(type) + "/" + std::to_string(id) + "/" + std::to_string(id2);
    d.date = {2026, 1, 2};
    for (const char* description : lines) d.lines.push_back(line(description));
    return d;
}

// Ids out of order in the file; id 40 in both types and twice in 713.
data::PurchaseData walkData() {
    data::PurchaseData data{data::defaultRates(), {{}}, {}};
    data.documents = {
        document(713, 40, 2, {"a1", "a2"}),       document(703, 40, 1, {"p1"}), document(713, 7, 1, {"b1"}),
        document(713, 40, 1, {"c1", "c2", "c3"}), document(713, 12, 1, {}),     document(703, 3, 1, {"q1", "q2"}),
    };
    return data;
}

struct Cursor {
    alignas(4) unsigned char bytes[kz::kRozmiarKursora] = {};
};
struct KeyBuffer {
    alignas(4) unsigned char bytes[kz::kRozmiarKlucza];
};

void* openPrepared(int table) {
    void* handle = tableOpen(table);
    tablePrepare(handle, kz::kPrzygotowanieTabeli);
    return handle;
}

// Opens and prepares `table`, builds a key for `builtFor` and starts `c`
// over `kind` with it: the first steps most misuses below share.
void* startOn(Cursor& c, int table, int kind, int builtFor, std::int32_t value = 0) {
    void* t = openPrepared(table);
    KeyBuffer k;
    keyBuild(builtFor, nullptr, k.bytes, value);
    cursorStartRange(c.bytes, t, kind, k.bytes, 0, 0);
    return t;
}

const unsigned char* recordBuffer(void* handle) {
    const unsigned char* buffer;
    std::memcpy(&buffer, static_cast<unsigned char*>(handle) + kz::kTableHandleRecord, sizeof buffer);
    return buffer;
}

std::string text(const unsigned char* record, kz::PoleTekstowe field) {
    char copy[256];
    kz::kopiujTekst(copy, record, field);
    return copy;
}

std::string headerKey(const unsigned char* record) {
    return std::to_string(kz::czytajPole<std::int32_t>(record, kz::tzak::kIdDokumentu)) + "/" +
           std::to_string(kz::czytajPole<std::int32_t>(record, kz::tzak::kDrugiIdDokumentu));
}

// One whole range, as the plug-in walks it; what `each` says of every record.
template <typename Each>
std::vector<std::string> walk(void* table, int keyKind, std::int32_t keyValue, Each each, int* started = nullptr) {
    Cursor cursor;
    KeyBuffer key;
    keyBuild(keyKind, nullptr, key.bytes, keyValue);
    std::vector<std::string> seen;
    const int start = cursorStartRange(cursor.bytes, table, keyKind, key.bytes, 0, 0);
    if (started) *started = start;
    if (start != 0)
        while (cursorNext(cursor.bytes) == 1) seen.push_back(each(recordBuffer(table)));
    cursorEndRange(cursor.bytes);
    cursorDestroy(cursor.bytes);
    return seen;
}

class TableProtocol : public ::testing::Test {
protected:
    void SetUp() override {
        data::usePurchaseData(walkData());
        tzak_ = openPrepared(kz::kTabelaTzak);
        lines_ = openPrepared(kz::kTabelaTzakDok);
    }
    void* tzak_ = nullptr;
    void* lines_ = nullptr;
};

TEST_F(TableProtocol, AHeaderRangeYieldsItsTypeByDocumentIdThenSecondId) {
    const struct {
        int type;
        std::int32_t keyValue;
        std::vector<std::string> keys;
    } cases[] = {
        {713, 0, {"7/1", "12/1", "40/1", "40/2"}},
        {703, 0, {"3/1", "40/1"}},
        {713, 40, {"40/1", "40/2"}},
        {703, 12, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.type) + " from " + std::to_string(c.keyValue));
        int started = -1;
        EXPECT_EQ(walk(tzak_, c.type, c.keyValue, headerKey, &started), c.keys);
        EXPECT_EQ(started != 0, !c.keys.empty()) << "an empty range does not start";
    }
}

TEST_F(TableProtocol, ALineRangeYieldsTheLinesOfThatTypesDocumentsOfThatId) {
    const struct {
        int type;
        std::int32_t id;
        std::vector<std::string> lines;
    } cases[] = {
        {713, 40, {"c1", "c2", "c3", "a1", "a2"}},  // second id 1 before 2, each in file order
        {703, 40, {"p1"}},
        {713, 7, {"b1"}},
        {713, 12, {}},  // a document without lines
        {713, 3, {}},   // a 703 document's id
        {713, 99, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.type) + " id " + std::to_string(c.id));
        const int kind = lineKeyKind(c.type);
        EXPECT_EQ(walk(lines_, kind, c.id, [](const unsigned char* r) { return text(r, kz::tzak_dok::kOpisPozycji); }),
                  c.lines);
    }
    EXPECT_NE(lineKeyKind(713), lineKeyKind(703));
}

TEST_F(TableProtocol, ANestedLineWalkLeavesTheHeaderWalkAndItsRecordUntouched) {
    const unsigned char* headerRecord = recordBuffer(tzak_);
    Cursor headers;
    KeyBuffer key;
    keyBuild(713, &tzak_, key.bytes, 0);
    ASSERT_NE(cursorStartRange(headers.bytes, tzak_, 713, key.bytes, 0, 0), 0);
    std::vector<std::string> seen;
    std::vector<std::string> lines;
    // One line cursor for every document, started again after each end.
    Cursor lineCursor;
    while (cursorNext(headers.bytes) == 1) {
        const std::vector<unsigned char> before(headerRecord, headerRecord + kz::kRozmiarTzak);
        seen.push_back(headerKey(headerRecord));
        KeyBuffer lineKey;
        const int kind = lineKeyKind(713);
        keyBuild(kind, nullptr, lineKey.bytes, kz::czytajPole<std::int32_t>(headerRecord, kz::tzak::kIdDokumentu));
        if (cursorStartRange(lineCursor.bytes, lines_, kind, lineKey.bytes, 0, 0) != 0)
            while (cursorNext(lineCursor.bytes) == 1)
                lines.push_back(text(recordBuffer(lines_), kz::tzak_dok::kOpisPozycji));
        cursorEndRange(lineCursor.bytes);
        EXPECT_EQ(std::memcmp(before.data(), headerRecord, before.size()), 0) << "after the lines of " << seen.back();
    }
    cursorEndRange(headers.bytes);
    cursorDestroy(headers.bytes);
    cursorDestroy(lineCursor.bytes);
    EXPECT_EQ(seen, (std::vector<std::string>{"7/1", "12/1", "40/1", "40/2"}));
    EXPECT_EQ(lines, (std::vector<std::string>{"b1", "c1", "c2", "c3", "a1", "a2", "c1", "c2", "c3", "a1", "a2"}));
}

TEST_F(TableProtocol, RecordsHoldEveryFieldAtItsOffsetAndZeroElsewhere) {
    data::PurchaseData data{data::defaultRates(), {}, {}};
    data.contractors.push_back(
        {text::fromUtf8("ŻUK"), text::fromUtf8("Zakład  Łąka"), text::fromUtf8("ul. Ćmy 1"), "111-222-33-44"});
    data::Document d = document(713, 1001, 7, {});
    d.number = std::string(16, '9');
    d.gross = 1518400;
    d.valuesAsStored = true;
    data::Line l = line("Mleko  2%");
    l.code = "MLK01";
    l.extraText = std::string(85, 'x');
    l.unit = "szt";
    l.quantity = -12500;
    l.value = 1234500;
    l.additionalValue = 100;
    l.rate = 5;
    d.lines.push_back(l);
    data.documents.push_back(d);
    data::usePurchaseData(std::move(data));

    std::vector<unsigned char> header, lineRecord;
    walk(tzak_, 713, 0, [&](const unsigned char* r) {
        header.assign(r, r + kz::kRozmiarTzak);
        return std::string();
    });
    walk(lines_, lineKeyKind(713), 1001, [&](const unsigned char* r) {
        lineRecord.assign(r, r + kz::kRozmiarTzakDok);
        return std::string();
    });
    ASSERT_EQ(header.size(), std::size_t(kz::kRozmiarTzak));
    ASSERT_EQ(lineRecord.size(), std::size_t(kz::kRozmiarTzakDok));

    using namespace kz::tzak;
    const unsigned char* h = header.data();
    EXPECT_EQ(text(h, kNumerDokumentu), std::string(16, '9'));
    EXPECT_EQ(text::toUtf8(text(h, kSymbolKontrahenta)), "ŻUK");
    EXPECT_EQ(text::toUtf8(text(h, kNazwaKontrahenta)), "Zakład  Łąka");
    EXPECT_EQ(text::toUtf8(text(h, kAdresKontrahenta)), "ul. Ćmy 1");
    EXPECT_EQ(text(h, kIdentyfikatorKontrahenta), "111-222-33-44");
    EXPECT_EQ(h[kFlagiWartosci], 1);
    char date[13];
    dateToText(date, h + kDataWystawienia);
    EXPECT_STREQ(date, "2026-01-02");
    EXPECT_EQ(kz::czytajPole<double>(h, kWartoscBrutto), 1518400.0);
    EXPECT_EQ(kz::czytajPole<std::int32_t>(h, kDrugiIdDokumentu), 7);
    EXPECT_EQ(kz::czytajPole<std::int32_t>(h, kIdDokumentu), 1001);

    using namespace kz::tzak_dok;
    const unsigned char* r = lineRecord.data();
    EXPECT_EQ(text(r, kOpisPozycji), "Mleko  2%");
    EXPECT_EQ(text(r, kKodPozycji), "MLK01");
    EXPECT_EQ(kz::czytajPole<std::int32_t>(r, kIlosc), -12500);
    EXPECT_EQ(text(r, kJednostka), "szt");
    EXPECT_EQ(kz::czytajPole<double>(r, kWartoscPozycji), 1234500.0);
    EXPECT_EQ(kz::czytajPole<std::int16_t>(r, kRodzajStawki), 5);
    EXPECT_EQ(kz::czytajPole<double>(r, kWartoscDodatkowa), 100.0);
    EXPECT_EQ(text(r, kTekstDodatkowy), std::string(85, 'x'));
    EXPECT_EQ(r[kz::kRozmiarTzakDok - 1], 0) << "the longest extra text keeps its NUL";

    // Bytes the plug-in does not read, and text rooms behind the NUL.
    const std::pair<unsigned, unsigned> unreadHeader[] = {{0, 2},     {19, 52},   {56, 69},
                                                          {236, 237}, {241, 275}, {283, 893}};
    for (const auto& [from, to] : unreadHeader)
        for (unsigned i = from; i < to; ++i) EXPECT_EQ(h[i], 0) << "Tzak byte " << i;
    const std::pair<unsigned, unsigned> unreadLine[] = {{0, 2},     {11, 123},  {129, 140}, {148, 150},
                                                        {158, 166}, {168, 192}, {200, 540}};
    for (const auto& [from, to] : unreadLine)
        for (unsigned i = from; i < to; ++i) EXPECT_EQ(r[i], 0) << "Tzak_dok byte " << i;
}

// A text of `length` characters, each unlike its neighbours, so that a piece
// copied to the wrong place shows.
std::string textOf(std::size_t length, char first) {
    std::string text;
    for (std::size_t i = 0; i < length; ++i) text += static_cast<char>(first + i % 23);
    return text;
}

// The text the field holds: its bytes up to the first NUL, which must come
// before the field's room ends and be followed by zeros only.
std::string fieldText(const std::vector<unsigned char>& record, kz::PoleTekstowe field) {
    const auto begin = record.begin() + field.offset;
    const auto end = begin + field.room;
    const auto nul = std::find(begin, end, 0);
    if (nul == end || std::any_of(nul, end, [](unsigned char b) { return b != 0; })) return "(not ended by zeros)";
    return std::string(begin, nul);
}

// A record is packed over the one before it in the table's buffer: every
// byte is written whatever the buffer held, and each text arrives whole at
// every length up to its room, short texts being copied in pieces.
TEST(RecordPacking, EveryTextArrivesWholeAndEveryByteIsWrittenWhateverTheBufferHeld) {
    using namespace kz::tzak;
    using namespace kz::tzak_dok;
    for (const std::size_t length : {0, 1, 2, 3, 4, 5, 7, 8, 9, 13, 15, 16, 17, 31, 32, 33, 50, 100, 120}) {
        SCOPED_TRACE("texts of up to " + std::to_string(length) + " characters");
        // Each text as long as asked, or as its room allows.
        const auto text = [&](kz::PoleTekstowe field, char first) {
            return textOf(std::min<std::size_t>(length, field.room - 1), first);
        };
        data::Document d = document(713, 1, 2, {});
        d.number = text(kNumerDokumentu, 'a');
        const data::Contractor c{text(kSymbolKontrahenta, 'b'), text(kNazwaKontrahenta, 'c'),
                                 text(kAdresKontrahenta, 'd'), text(kIdentyfikatorKontrahenta, 'e')};
        data::Line l;
        l.description = text(kOpisPozycji, 'f');
        l.code = text(kKodPozycji, 'g');
        l.unit = text(kJednostka, 'h');
        l.extraText = text(kTekstDodatkowy, 'i');
        std::vector<unsigned char> header[2], lineRecord[2];
        for (const unsigned char before : {0, 1}) {
            header[before].assign(kz::kRozmiarTzak, before ? 0xFF : 0);
            lineRecord[before].assign(kz::kRozmiarTzakDok, before ? 0xFF : 0);
            data::packHeader(d, data::packContractor(c), data::dayNumber(d.date), header[before]);
            data::packLine(l, lineRecord[before]);
        }
        EXPECT_EQ(header[0], header[1]);
        EXPECT_EQ(lineRecord[0], lineRecord[1]);
        const std::pair<kz::PoleTekstowe, std::string> headerTexts[] = {{kNumerDokumentu, d.number},
                                                                        {kSymbolKontrahenta, c.symbol},
                                                                        {kNazwaKontrahenta, c.name},
                                                                        {kAdresKontrahenta, c.address},
                                                                        {kIdentyfikatorKontrahenta, c.nip}};
        for (const auto& [field, expected] : headerTexts)
            EXPECT_EQ(fieldText(header[1], field), expected) << "header field at " << field.offset;
        const std::pair<kz::PoleTekstowe, std::string> lineTexts[] = {
            {kOpisPozycji, l.description}, {kKodPozycji, l.code}, {kJednostka, l.unit}, {kTekstDodatkowy, l.extraText}};
        for (const auto& [field, expected] : lineTexts)
            EXPECT_EQ(fieldText(lineRecord[1], field), expected) << "line field at " << field.offset;
    }
}

// A step finds the cursor's state through the words the host put in it: a
// copy of a started cursor elsewhere is no cursor of the host's, and a
// cursor abandoned without 50538 leaves its address free for a new one.
TEST_F(TableProtocol, ACursorIsKnownByItsAddressAsWellAsItsWords) {
    Cursor abandoned;
    KeyBuffer key;
    keyBuild(713, nullptr, key.bytes, 0);
    ASSERT_NE(cursorStartRange(abandoned.bytes, tzak_, 713, key.bytes, 0, 0), 0);
    std::memset(abandoned.bytes + kz::kOstatnieSlowoKursora, 0, 4);
    EXPECT_EQ(walk(tzak_, 713, 0, headerKey), (std::vector<std::string>{"7/1", "12/1", "40/1", "40/2"}));
    EXPECT_NE(cursorStartRange(abandoned.bytes, tzak_, 713, key.bytes, 0, 0), 0);
    EXPECT_EQ(cursorNext(abandoned.bytes), 1);
    EXPECT_EQ(headerKey(recordBuffer(tzak_)), "7/1");
    EXPECT_EXIT(
        {
            Cursor copy;
            std::memcpy(copy.bytes, abandoned.bytes, sizeof copy.bytes);
            cursorNext(copy.bytes);
        },
        ::testing::ExitedWithCode(71), "52279 was asked to step a cursor on which no range is started");
    cursorEndRange(abandoned.bytes);
    cursorDestroy(abandoned.bytes);
}

TEST_F(TableProtocol, ACursorNeverStartedIsDestroyedSafelyAndOneEndedStartsAgain) {
    Cursor never;
    cursorDestroy(never.bytes);
    Cursor reused;
    for (const int type : {713, 703, 713}) {
        KeyBuffer key;
        keyBuild(type, &tzak_, key.bytes, 0);
        EXPECT_NE(cursorStartRange(reused.bytes, tzak_, type, key.bytes, 0, 0), 0);
        EXPECT_EQ(cursorNext(reused.bytes), 1);
        cursorEndRange(reused.bytes);
    }
    Cursor empty;
    KeyBuffer key;
    keyBuild(lineKeyKind(713), nullptr, key.bytes, 12);
    EXPECT_EQ(cursorStartRange(empty.bytes, lines_, lineKeyKind(713), key.bytes, 0, 0), 0);
    cursorEndRange(empty.bytes);
    cursorDestroy(empty.bytes);
    cursorDestroy(reused.bytes);
}

// Every statement sets up what it needs, so it also holds in a death test
// that runs in a fresh process.
TEST_F(TableProtocol, ACallerBreakingTheProtocolEndsTheRunWithAnError) {
    const struct {
        const char* name;
        void (*misuse)();
        const char* message;
    } cases[] = {
        {"stepping a cursor never started",
         [] {
             Cursor c;
             cursorNext(c.bytes);
         },
         "52279 was asked to step a cursor on which no range is started"},
        {"stepping after a start that answered 0",
         [] {
             Cursor c;
             startOn(c, kz::kTabelaTzakDok, lineKeyKind(713), lineKeyKind(713), 12);
             cursorNext(c.bytes);
         },
         "52279 was asked to step a cursor on which no range is started"},
        {"stepping after the end",
         [] {
             Cursor c;
             startOn(c, kz::kTabelaTzak, 713, 713);
             cursorEndRange(c.bytes);
             cursorNext(c.bytes);
         },
         "52279 was asked to step a cursor on which no range is started"},
        {"a last word not zeroed",
         [] {
             Cursor c;
             std::memset(c.bytes, 0xCC, sizeof c.bytes);
             startOn(c, kz::kTabelaTzak, 713, 713);
         },
         "52278 was handed a cursor whose last word was not 0"},
        {"a line key kind on the header table",
         [] {
             Cursor c;
             startOn(c, kz::kTabelaTzak, lineKeyKind(713), lineKeyKind(713));
         },
         "52278 was asked for key kind 10713, which table 52 does not have"},
        {"a document type on the line table",
         [] {
             Cursor c;
             startOn(c, kz::kTabelaTzakDok, 713, 713);
         },
         "52278 was asked for key kind 713, which table 53 does not have"},
        {"a key the builder never filled",
         [] {
             void* t = openPrepared(kz::kTabelaTzak);
             Cursor c;
             KeyBuffer k{};
             cursorStartRange(c.bytes, t, 713, k.bytes, 0, 0);
         },
         "52278 was handed a key buffer 51425 did not build"},
        {"a key built for another kind",
         [] {
             Cursor c;
             startOn(c, kz::kTabelaTzak, 713, 703);
         },
         "52278 was handed a key built for kind 703, not for kind 713"},
        {"a start before the end of the last range",
         [] {
             void* t = openPrepared(kz::kTabelaTzak);
             Cursor c;
             KeyBuffer k;
             keyBuild(713, nullptr, k.bytes, 0);
             cursorStartRange(c.bytes, t, 713, k.bytes, 0, 0);
             cursorStartRange(c.bytes, t, 713, k.bytes, 0, 0);
         },
         "52278 was asked to start a cursor again before 52281 ended its range"},
        {"a table handle the host never gave out",
         [] {
             unsigned char handle[12] = {};
             Cursor c;
             KeyBuffer k;
             keyBuild(713, nullptr, k.bytes, 0);
             cursorStartRange(c.bytes, handle, 713, k.bytes, 0, 0);
         },
         "52278 was handed a table handle this host never gave out"},
        {"a key for the header table with a line kind",
         [] {
             void* t = openPrepared(kz::kTabelaTzak);
             KeyBuffer k;
             keyBuild(lineKeyKind(703), &t, k.bytes, 0);
         },
         "51425 was asked for key kind 10703, which table 52 does not have"},
        {"a key kind no table has",
         [] {
             KeyBuffer k;
             keyBuild(0, nullptr, k.bytes, 0);
         },
         "51425 was asked for key kind 0, which no table has"},
        {"a destroyed cursor destroyed again",
         [] {
             Cursor c;
             startOn(c, kz::kTabelaTzak, 713, 713);
             cursorEndRange(c.bytes);
             cursorDestroy(c.bytes);
             cursorDestroy(c.bytes);
         },
         "50538 was handed a cursor this host does not know"},
        {"a cursor destroyed inside its range",
         [] {
             Cursor c;
             startOn(c, kz::kTabelaTzak, 713, 713);
             cursorDestroy(c.bytes);
         },
         "50538 was asked to destroy a cursor whose range 52281 never ended"},
        {"the lines of no document type", [] { lineKeyKind(0); }, "52003 was asked for the lines of document type 0"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EXIT(c.misuse(), ::testing::ExitedWithCode(71), c.message);
    }
}

}  // namespace
