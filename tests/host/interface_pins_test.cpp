// The host interface's numbers written apart from plugin/interface: the
// ordinals, the places the plug-in reads in the host's objects and the
// rooms it hands over, and every word it passes to the host or checks
// against it. Plug-in and stand-in both read those headers, so a number
// moved there moves on both sides and every run stays green, while the
// real host keeps its own: only numbers of their own notice. Where the
// stand-in acts on a number, it is asked what it does with the plain one.
#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "host/data/data_in_use.hpp"
#include "host/registry/registry.hpp"
#include "host/services/services.hpp"
#include "host/toolkit/dialog/delegates.hpp"
#include "host/toolkit/screen/keys.hpp"
#include "plugin/export/pozycja_listy.hpp"
#include "plugin/interface/dialog_base_table.hpp"
#include "plugin/interface/dialog_ids.hpp"
#include "plugin/interface/opcje_eksportu.hpp"
#include "plugin/interface/plugin_exports.hpp"
#include "plugin/resources/texts.hpp"
#include "tests/host/host_folder.hpp"

namespace {

using namespace kz;

// Slot by slot, 0 to 91.
constexpr std::uint16_t kOrdinals[] = {
    30018, 35802, 40008, 41611, 41613, 30005, 38417, 52278, 52289, 52305, 40519, 40518, 20973, 20972, 52082, 52279,
    52179, 32008, 22563, 22567, 22562, 40504, 52512, 21286, 52023, 52465, 52040, 41399, 51594, 40503, 51425, 50538,
    52015, 30908, 52281, 52028, 40505, 52256, 30520, 52534, 52081, 52034, 21287, 24007, 24004, 24003, 24002, 20937,
    20946, 20945, 20944, 20943, 20942, 20941, 20940, 20939, 20938, 20947, 20956, 20955, 20954, 20953, 20952, 20951,
    20950, 20949, 20957, 20966, 20965, 20964, 20963, 20962, 20961, 20960, 20959, 20917, 20927, 20936, 20903, 20902,
    50525, 52003, 52161, 52033, 52541, 52156, 52029, 38511, 30204, 52016, 37974, 52466,
};

// The dialog base class's 35 entries: the host function's ordinal, or 0
// where the derived class brings its own.
constexpr std::uint16_t kBaseEntries[] = {
    0,     0,     0,     20959, 20960, 20961, 20962, 20963, 20964, 20965, 20966, 20957,
    0,     20949, 20950, 20951, 20952, 20953, 20954, 20955, 20956, 20947, 20938, 20939,
    20940, 20941, 20942, 20943, 20944, 20945, 20946, 20937, 24002, 24003, 24004,
};

TEST(InterfacePins, OrdinalsOfTheHostFunctionsTheBaseClassAndThePlugInsExports) {
    ASSERT_EQ(kSlotCount, std::size(kOrdinals));
    for (unsigned slot = 0; slot < kSlotCount; ++slot) {
        SCOPED_TRACE(testing::Message() << "slot " << slot << ", ordinal " << kOrdinals[slot]);
        EXPECT_EQ(kHostFunctions[slot].ordinal, kOrdinals[slot]);
        EXPECT_EQ(hadrek::serviceAddress(kOrdinals[slot]), hadrek_serviceTable[slot]) << "the host's export";
        EXPECT_NE(hadrek_serviceTable[slot], nullptr);
    }
    EXPECT_EQ(kNotificationOrdinal, 30006);
    EXPECT_EQ(hadrek::serviceAddress(30006), reinterpret_cast<void*>(&hadrek_notification));

    ASSERT_EQ(kDialogTableEntries, std::size(kBaseEntries));
    const void* const* hostTable = hadrek::services::dialogBaseTable();
    for (unsigned entry = 0; entry < kDialogTableEntries; ++entry) {
        SCOPED_TRACE(testing::Message() << "entry " << entry << ", ordinal " << kBaseEntries[entry]);
        const DialogBaseEntry& e = kDialogBaseEntries[entry];
        EXPECT_EQ(e.inherited ? ordinalOf(e.slot) : 0, kBaseEntries[entry]);
        if (e.inherited) EXPECT_EQ(hostTable[entry], hadrek::serviceAddress(kBaseEntries[entry]));
    }

    struct Export {
        unsigned ordinal, argumentBytes;
    };
    const std::vector<Export> pinned = {{30001, 8}, {30008, 4}, {30009, 0}, {30010, 4}};
    const std::vector<Export> exports = {
#define PLUGIN_EXPORT(ordinal, role, function, argumentBytes) {ordinal, argumentBytes},
#include "plugin/interface/plugin_exports.inc"
#undef PLUGIN_EXPORT
    };
    ASSERT_EQ(exports.size(), pinned.size());
    for (std::size_t i = 0; i < pinned.size(); ++i) {
        EXPECT_EQ(exports[i].ordinal, pinned[i].ordinal);
        EXPECT_EQ(exports[i].argumentBytes, pinned[i].argumentBytes) << pinned[i].ordinal;
    }
    EXPECT_EQ(kExportBase, 30001u);
    EXPECT_EQ(kExportCount, 10u);
}

struct Pin {
    const char* what;
    long long number;
    long long project;
};

void expectPins(const std::vector<Pin>& pins) {
    for (const Pin& p : pins) EXPECT_EQ(p.project, p.number) << p.what;
}

TEST(InterfacePins, PlacesReadInTheHostsObjectsAndRoomsHandedOver) {
    expectPins({
        {"table handle: record size (16 bits)", 6, kTableHandleRecordSize},
        {"table handle: record buffer", 8, kTableHandleRecord},
        {"directory search object: the entry's name", 36, kDirSearchName},
        {"directory search object: the name's room", 260, kDirSearchNameRoom},
        {"table cursor", 192, kRozmiarKursora},
        {"table cursor: the word zeroed before use", 188, kOstatnieSlowoKursora},
        {"key buffer", 260, kRozmiarKlucza},
        {"delegate: the table entry giving its value", 1, kDelegateValueEntry},
        {"attach: the description buffer", 76, kDescriptionSize},
        {"30018: the report buffer", 3072, kReportBufferSize},
        {"52512: the rate text buffer", 256, kRateTextSize},
        {"50525: the folder's destination", 260, kFolderPickerCapacity},
        {"32008: the date text", 13, kDateTextSize},
        {"list item: the date text", 13, sizeof(PozycjaListy::dataWystawienia)},
        {"menu descriptor", 20, sizeof(MenuCommandDescriptor)},
        {"menu descriptor: label", 4, offsetof(MenuCommandDescriptor, label)},
        {"menu descriptor: command id", 8, offsetof(MenuCommandDescriptor, commandId)},
        {"menu descriptor: zero word", 10, offsetof(MenuCommandDescriptor, zero)},
        {"menu descriptor: command", 12, offsetof(MenuCommandDescriptor, command)},
        {"menu descriptor: last word", 16, offsetof(MenuCommandDescriptor, last)},
        {"options dialog data: period start", 0, kSlotOkresOd},
        {"options dialog data: period end", 9, kSlotOkresDo},
        {"options dialog data: name filter", 18, kSlotFiltrNazwy},
        {"options dialog data: address filter", 44, kSlotFiltrAdresu},
        {"options dialog data: symbol filter", 70, kSlotFiltrSymbolu},
        {"options dialog data: branch code", 96, kSlotKodPlacowki},
        {"options dialog data: output folder", 110, kSlotKatalog},
        {"options dialog data", 370, kRozmiarDanychOpcji},
        {"options record", 384, sizeof(OpcjeEksportu)},
    });
}

TEST(InterfacePins, WordsPassedToTheHostOrCheckedAgainstIt) {
    expectPins({
        {"interface version", 112, kInterfaceVersion},
        {"STOP box: help number", 15000, kStopBoxHelp},
        {"STOP box: first style word", 61441, kStopBoxStyle},
        {"STOP box: second style word", 28206, kStopBoxStyle2},
        {"notification before the report: first value", 1, kNotificationReportWhat},
        {"notification before the report: second value", -1, kNotificationReportValue},
        {"30010's answer", 0xB669FD2E, kQueryValueAnswer},
        {"first-run notice kind", 1668, kFirstRunNoticeKind},
        {"message box type", 1, kOknoKomunikatu},
        {"menu descriptor: first word", 0x43080000, kMenuDescriptorFixed},
        {"menu command id", 31042, kMenuCommandId},
        {"INI: read a value", 1, kIniReadValue},
        {"INI: write a value", 2, kIniWriteValue},
        {"INI: read a record", 8, kIniReadRecord},
        {"INI: write a record", 9, kIniWriteRecord},
        {"table Tzak", 52, kTabelaTzak},
        {"table Tzak_dok", 53, kTabelaTzakDok},
        {"52465's value", 255, kPrzygotowanieTabeli},
        {"purchase invoice", 713, kTypZakup},
        {"goods receipt", 703, kTypPZ},
        {"rate kind ZW", 5, kRodzajStawkiZW},
        {"rate kind OP", 8, kRodzajStawkiOP},
        {"rate kind NP", 9, kRodzajStawkiNP},
        {"52289's conversion", 1, kRateConversionNetToGross},
        {"52179's unit", 100, kRoundToHundredths},
        {"40503: plain files", 0, kDirSearchPlainFiles},
        {"40503: opened", 0, kDirSearchOpened},
        {"40504: an entry yielded", 0, kDirSearchYielded},
        {"52534: sharing word", 0x40, kFileOpenSharing},
        {"52534: buffering word", -1, kFileOpenBuffering},
        {"52040: fields to buffer", 1, kFieldsToBuffer},
        {"52040: buffer to fields", 0, kBufferToFields},
        {"52034: window", 0, kRedrawRunningDialog.window},
        {"52034: flags", 0x8000, kRedrawRunningDialog.flags},
        {"52034: now", 1, kRedrawRunningDialog.now},
        {"selection dialog", 20081, kDialogWyboru},
        {"options dialog", 20082, kDialogOpcji},
        {"no id", 0xFFFF, kBezId},
        {"confirming button", 20481, kPrzyciskOk},
        {"cancelling button", 20482, kPrzyciskAnuluj},
        {"list", 16385, kListaDokumentow},
        {"column header line", 0x5801, kNaglowekListy},
        {"folder label", 0x4152, kEtykietaKatalogu},
        {"folder field", 0x4153, kPoleKatalogu},
        {"folder button", 16724, kPrzyciskWybierz},
        {"the event phase handlers act in", 1, kFazaDzialania},
        {"command handler: served", 4098, kPolecenieObsluzone},
        {"command handler: picker cancelled", -2, kWyborAnulowany},
        {"row text provider: the count's row", -1, kPytanieOLiczbe},
        {"edit field maximum: period", 8, kMaksOkresu},
        {"edit field maximum: filter", 25, kMaksFiltru},
        {"edit field maximum: branch code", 13, kMaksPlacowki},
        {"edit field maximum: folder", 259, kMaksKatalogu},
    });
    // Key codes, and the name the stand-in's keyboard gives each.
    const struct {
        std::uint16_t code, project;
        const char* name;
    } keys[] = {
        {0x3C00, kKlawiszF2, "F2"},   {0x3D00, kKlawiszF3, "F3"},   {0x3E00, kKlawiszF4, "F4"},
        {0x3F00, kKlawiszF5, "F5"},   {0x4000, kKlawiszF6, "F6"},   {0x4100, kKlawiszF7, "F7"},
        {0x8600, kKlawiszF12, "F12"}, {0x5200, kKlawiszIns, "Ins"}, {0x0400, kKlawiszCtrlIns, "Ctrl-Ins"},
        {0x0042, kKlawiszB, "'B'"},
    };
    for (const auto& k : keys) {
        EXPECT_EQ(k.project, k.code) << k.name;
        EXPECT_EQ(hadrek::screen::keyName(k.code), k.name);
    }
    // Texts the host is handed as names and formats.
    EXPECT_STREQ(kFormatOpcji.c_str(), "%8s,%8s,%25s,%25s,%25s,%13s,%13s,%259s");
    EXPECT_STREQ(texts::kPlikIni.c_str(), "KalvetZakupy.ini");
    EXPECT_STREQ(texts::kSekcjaIni.c_str(), "KalvetZakupy");
    EXPECT_STREQ(texts::kKluczPytaj.c_str(), "Pytaj");
    EXPECT_STREQ(texts::kFormatPytaj.c_str(), "%d");
    EXPECT_STREQ(texts::kKluczOpcje.c_str(), "Opcje");
    EXPECT_STREQ(texts::kTrybPlikuEksportu.c_str(), "wt");
}

// The stand-in's objects and buffers read and written at the plain places.
class InterfacePinsInTheHost : public hadrek::test::HostFolder {};

template <std::size_t N>
std::array<unsigned char, N> guarded() {
    std::array<unsigned char, N> bytes;
    bytes.fill(0xEE);
    return bytes;
}

TEST_F(InterfacePinsInTheHost, ObjectsAndBuffersAtThePlainPlaces) {
    hadrek::data::PurchaseData data{hadrek::data::defaultRates(), {{}}, {}};
    hadrek::data::Document document;
    document.type = 713, document.id = 77, document.id2 = 1, document.date = {2026, 1, 2};
    data.documents = {document};
    hadrek::data::usePurchaseData(data);

    void* tzak = hadrek::services::tableOpen(52);
    ASSERT_NE(tzak, nullptr);
    std::int16_t recordSize;
    const unsigned char* record;
    std::memcpy(&recordSize, static_cast<char*>(tzak) + 6, sizeof recordSize);
    std::memcpy(&record, static_cast<char*>(tzak) + 8, sizeof record);
    EXPECT_EQ(recordSize, 901);
    hadrek::services::tablePrepare(tzak, 255);

    // A key fills 260 bytes, a cursor 192 with its word at 188 marked.
    auto key = guarded<264>();
    hadrek::services::keyBuild(713, nullptr, key.data(), 0);
    EXPECT_EQ(key[259], 0);
    EXPECT_EQ(key[260], 0xEE);
    auto cursor = guarded<196>();
    std::memset(cursor.data() + 188, 0, 4);
    ASSERT_NE(hadrek::services::cursorStartRange(cursor.data(), tzak, 713, key.data(), 0, 0), 0);
    std::uint32_t mark;
    std::memcpy(&mark, cursor.data() + 188, sizeof mark);
    EXPECT_NE(mark, 0u);
    EXPECT_EQ(cursor[192], 0xEE);
    ASSERT_EQ(hadrek::services::cursorNext(cursor.data()), 1);
    std::int32_t id;
    std::memcpy(&id, record + 897, sizeof id);
    EXPECT_EQ(id, 77) << "the record stands in the buffer the handle names at byte 8";

    auto date = guarded<16>();
    hadrek::services::dateToText(reinterpret_cast<char*>(date.data()), record + 237);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(date.data())), "2026-01-02");
    EXPECT_EQ(date[12], 0);
    EXPECT_EQ(date[13], 0xEE);
    hadrek::services::cursorEndRange(cursor.data());
    hadrek::services::cursorDestroy(cursor.data());

    // A directory search object holds the entry's name at byte 36.
    std::filesystem::create_directories(folder() / "search");
    std::ofstream(folder() / "search" / "a.txt") << "x";
    alignas(4) std::array<unsigned char, 1024> search{};
    hadrek::services::dirSearchConstruct(search.data());
    ASSERT_EQ(hadrek::services::dirSearchFirst((file("search") + hadrek::platform::kPathSeparator + "*.*").c_str(),
                                               search.data(), 0),
              0);
    ASSERT_EQ(hadrek::services::dirSearchNext(search.data()), 0);
    EXPECT_STREQ(reinterpret_cast<const char*>(search.data() + 36), "a.txt");
    hadrek::services::dirSearchEnd(search.data());
    hadrek::services::dirSearchDestroy(search.data());

    // A delegate's value comes from entry 1 of its table.
    alignas(4) std::array<unsigned char, 1024> storage{};
    int object = 0;
    hadrek::services::delegateMake(storage.data(), &object,
                                   reinterpret_cast<void*>(&hadrek::services::dispatchOptions));
    void* const* table;
    std::memcpy(&table, storage.data(), sizeof table);
    const auto value = hadrek::toolkit::delegateFromValue(reinterpret_cast<DelegateValueFn>(table[1])(storage.data()));
    ASSERT_TRUE(value.has_value());
    EXPECT_EQ(value->object, &object);
    hadrek::services::delegateDestroy(storage.data());

    // The conversion and the unit the line value goes through.
    EXPECT_EQ(hadrek::services::lineRateConversion(1, 0, 10000), 12300.0) << "kind 0 adds 23 %";
    EXPECT_EQ(hadrek::services::amountRound(12355, 100), 12400);
}

}  // namespace
