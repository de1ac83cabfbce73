#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <string>
#include <vector>

#include "host/services/services.hpp"
#include "plugin/interface/dialog_ids.hpp"
#include "tests/toolkit/dialog_session.hpp"

namespace hadrek::toolkit::testing {
namespace {

// The options dialog's buffer: seven slots, each its field's maximum length
// plus the NUL, then a tail the dialog must never touch.
constexpr std::size_t kSlotFrom = kz::kSlotOkresOd;
constexpr std::size_t kSlotTo = kz::kSlotOkresDo;
constexpr std::size_t kSlotName = kz::kSlotFiltrNazwy;
constexpr std::size_t kSlotAddress = kz::kSlotFiltrAdresu;
constexpr std::size_t kSlotSymbol = kz::kSlotFiltrSymbolu;
constexpr std::size_t kSlotBranch = kz::kSlotKodPlacowki;
constexpr std::size_t kSlotFolder = kz::kSlotKatalog;
constexpr std::size_t kBufferSize = kz::kRozmiarDanychOpcji;
constexpr unsigned char kSentinel = 0xA5;

using Buffer = std::array<unsigned char, kBufferSize + 16>;

struct SlotValue {
    std::size_t slot;
    std::string value;  // Mazovia
};

void write(Buffer& buffer, const SlotValue& v) {
    std::memcpy(buffer.data() + v.slot, v.value.c_str(), v.value.size() + 1);
}

std::string slotText(const Buffer& buffer, std::size_t slot) {
    return reinterpret_cast<const char*>(buffer.data() + slot);
}

// Sentinel bytes everywhere, then a value in each slot.
Buffer filledBuffer() {
    Buffer buffer;
    buffer.fill(kSentinel);
    for (const SlotValue& v : std::vector<SlotValue>{{kSlotFrom, "20260101"},
                                                     {kSlotTo, "20261231"},
                                                     {kSlotName, "Kowalski"},
                                                     {kSlotAddress, "ul. D\x92uga 5"},
                                                     {kSlotSymbol, ""},
                                                     {kSlotBranch, "P01"},
                                                     {kSlotFolder, "C:\\DANE\\EKSPORT"}})
        write(buffer, v);
    return buffer;
}

// The buffer as the plug-in reads it: each slot's value up to its NUL, and
// whether the bytes past the last slot are as they were. Bytes behind a
// value's NUL are the toolkit's business.
std::string readable(const Buffer& buffer) {
    struct Slot {
        std::size_t offset, size;
    };
    static constexpr Slot kSlots[] = {{kSlotFrom, kz::kMaksOkresu + 1u},    {kSlotTo, kz::kMaksOkresu + 1u},
                                      {kSlotName, kz::kMaksFiltru + 1u},    {kSlotAddress, kz::kMaksFiltru + 1u},
                                      {kSlotSymbol, kz::kMaksFiltru + 1u},  {kSlotBranch, kz::kMaksPlacowki + 1u},
                                      {kSlotFolder, kz::kMaksKatalogu + 1u}};
    std::string out;
    for (const Slot& slot : kSlots) {
        const char* start = reinterpret_cast<const char*>(buffer.data() + slot.offset);
        const std::size_t length = strnlen(start, slot.size);
        out +=
            std::to_string(slot.offset) + ": " + (length == slot.size ? "<no NUL>" : std::string(start, length)) + "\n";
    }
    bool tailIntact = true;
    for (std::size_t i = kBufferSize; i < buffer.size(); ++i) tailIntact = tailIntact && buffer[i] == kSentinel;
    out += tailIntact ? "tail intact\n" : "tail changed\n";
    return out;
}

// Offsets where two buffers differ, for a failure message.
std::string differences(const Buffer& actual, const Buffer& expected) {
    std::string out;
    for (std::size_t i = 0; i < actual.size(); ++i)
        if (actual[i] != expected[i])
            out += " @" + std::to_string(i) + ":" + std::to_string(actual[i]) + "!=" + std::to_string(expected[i]);
    return out;
}

TEST(OptionsDialog, ShowsTheBufferValuesInTheFields) {
    const struct {
        const char* label;
        const char* shown;  // UTF-8 as on the screen
    } cases[] = {
        {"Okres od", "20260101"},
        {"Okres do", "20261231"},
        {"nazwie  kontrahenta", "Kowalski"},
        {"adresie kontrahenta", "ul. Długa 5"},
        {"Placówka", "P01"},
        {"Katalog", "C:\\DANE\\EKSPORT"},
    };
    Buffer buffer = filledBuffer();
    FakeDialog fake;
    KeySession session("Esc");
    EXPECT_EQ(runOptions(fake, buffer.data()), kCancelled);
    ASSERT_FALSE(session.screens().empty());
    const std::vector<std::string>& first = session.screens().front();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        const std::string line = lineWith(first, c.label);
        EXPECT_NE(line.find(c.shown), std::string::npos) << line;
    }
    EXPECT_NE(lineWith(first, "symbolu kontrahenta").find(std::string(30, '_')), std::string::npos)
        << "the empty field shows all its 30 blank cells";
}

TEST(OptionsDialog, ConfirmingWritesTheEditedFieldsIntoTheirSlots) {
    const struct {
        const char* keys;
        std::vector<SlotValue> edited;
    } cases[] = {
        {"F12", {}},
        // The first field has the focus and its content is selected.
        {"\"20250301\" F12", {{kSlotFrom, "20250301"}}},
        {"\"2025ab03-01\" F12", {{kSlotFrom, "20250301"}}},
        {"\"2025030199\" F12", {{kSlotFrom, "20250301"}}},
        {"Del F12", {{kSlotFrom, ""}}},
        {"Tab \"20251130\" F12", {{kSlotTo, "20251130"}}},
        {"F3 \"20240229\" Enter \"Nowak\" F12", {{kSlotTo, "20240229"}, {kSlotName, "Nowak"}}},
        {"F4 \"Nowak\" F12", {{kSlotName, "Nowak"}}},
        {"F4 \"b\" F12", {{kSlotName, "b"}}},
        {"F4 \"Przedsiębiorstwo Handlowe Zenit\" F12", {{kSlotName, "Przedsi\221biorstwo Handlowe"}}},
        {"F5 End \" m. 2\" F12", {{kSlotAddress, "ul. D\x92uga 5 m. 2"}}},
        {"F6 \"ABC\" F12", {{kSlotSymbol, "ABC"}}},
        {"F7 Backspace F12", {{kSlotBranch, ""}}},
        {"F7 End Backspace \"2\" F12", {{kSlotBranch, "P02"}}},
        {"F7 Home Del Del \"Ł\" F12", {{kSlotBranch, "\2341"}}},
        {"Tab Tab Tab Tab Tab Tab \"D:\\X\" F12", {{kSlotFolder, "D:\\X"}}},
        {"Tab Tab Tab Tab Tab Tab End \"\\PODKATALOG\\KOLEJNY\\JESZCZE\\JEDEN\\I\\JESZCZE\\DALEJ\" F12",
         {{kSlotFolder, "C:\\DANE\\EKSPORT\\PODKATALOG\\KOLEJNY\\JESZCZE\\JEDEN\\I\\JESZCZE\\DALEJ"}}},
        // The OK button, after the folder button in Tab order.
        {"Shift-Tab Shift-Tab \"20270101\" Enter", {}},
        {"\"20250301\" Shift-Tab Shift-Tab Enter", {{kSlotFrom, "20250301"}}},
        // A period that is no date keeps the dialog open on its field.
        {"\"20261341\" F12 Enter \"20261130\" F12", {{kSlotFrom, "20261130"}}},
        {"F3 \"20230229\" F12 Esc Backspace F12", {{kSlotTo, ""}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string("keys ") + c.keys);
        Buffer buffer = filledBuffer();
        Buffer expected = buffer;
        for (const SlotValue& v : c.edited) write(expected, v);
        FakeDialog fake;
        KeySession session(c.keys);
        EXPECT_EQ(runOptions(fake, buffer.data()), kConfirmed);
        EXPECT_EQ(readable(buffer), readable(expected));
    }
}

TEST(OptionsDialog, LeavingWithoutConfirmingKeepsTheBuffer) {
    const char* const cases[] = {
        "Esc",
        "",
        "\"20250301\" F4 \"Nowak\" Esc",
        "F7 Backspace Tab Tab Tab Tab Enter",  // "Esc Anuluj"
        "Shift-Tab Enter",
        "\"2026\" F12",  // the box about the date, then no key is left
        "\"20230229\" F12 Enter Esc",
    };
    for (const char* keys : cases) {
        SCOPED_TRACE(std::string("keys ") + keys);
        Buffer buffer = filledBuffer();
        const Buffer before = buffer;
        FakeDialog fake;
        KeySession session(keys);
        EXPECT_EQ(runOptions(fake, buffer.data()), kCancelled);
        EXPECT_EQ(buffer, before) << differences(buffer, before);
        EXPECT_TRUE(fake.calls.empty());
    }
}

TEST(OptionsDialog, TheFolderButtonReachesTheCommandHandler) {
    const struct {
        const char* keys;
        int result;
        int commands;
    } cases[] = {
        {"Alt-B F12", kConfirmed, 1},
        {"F4 Alt-B Alt-B Esc", kCancelled, 2},
        {"Shift-Tab Shift-Tab Shift-Tab Enter F12", kConfirmed, 1},
        {"Shift-Tab Shift-Tab Shift-Tab Space F12", kConfirmed, 1},
        // In an edit field the letter is typed, not the button's key.
        {"\"b\" F12", kConfirmed, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string("keys ") + c.keys);
        Buffer buffer = filledBuffer();
        FakeDialog fake;
        KeySession session(c.keys);
        EXPECT_EQ(runOptions(fake, buffer.data()), c.result);
        const auto calls = fake.callsTo(kCommandHandler);
        ASSERT_EQ(calls.size(), static_cast<std::size_t>(c.commands));
        for (const HandlerCall& call : calls) {
            EXPECT_EQ(call.code, kChooseFolderButton);
            EXPECT_EQ(call.phase, 1);
            EXPECT_EQ(call.object, fake.object());
        }
        EXPECT_TRUE(fake.callsTo(kKeyHandler).empty());
    }
}

TEST(OptionsDialog, CommandsGoToTheObjectItsDelegateBinds) {
    Buffer buffer = filledBuffer();
    FakeDialog running;
    FakeDialog bound;
    HostDelegate commands(bound.object(), kz::Slot::DispatchOptions);
    KeySession session("Alt-B F12");
    EXPECT_EQ(runOptions(running, buffer.data(), commands.value()), kConfirmed);
    EXPECT_TRUE(running.callsTo(kCommandHandler).empty());
    ASSERT_EQ(bound.callsTo(kCommandHandler).size(), 1u);
    EXPECT_EQ(bound.callsTo(kCommandHandler)[0].object, bound.object());
}

// What the plug-in does around the folder picker: fields into the buffer,
// a new folder into its slot, the buffer back into the fields.
TEST(OptionsDialog, DataExchangeDuringACommandCopiesBothWays) {
    Buffer buffer = filledBuffer();
    Buffer seenByHandler{};
    int toBuffer = 1, toFields = 1;
    FakeDialog fake;
    fake.onCommand = [&](FakeDialog&, const HandlerCall&) {
        toBuffer = services::dialogDataExchange(buffer.data(), 1);
        seenByHandler = buffer;
        write(buffer, {kSlotFolder, "E:\\NOWY"});
        toFields = services::dialogDataExchange(buffer.data(), 0);
        return 0;
    };
    KeySession session("F4 \"Nowak\" Alt-B F12");
    EXPECT_EQ(runOptions(fake, buffer.data()), kConfirmed);
    EXPECT_EQ(toBuffer, 0);
    EXPECT_EQ(toFields, 0);
    EXPECT_EQ(slotText(seenByHandler, kSlotName), "Nowak");
    EXPECT_EQ(slotText(seenByHandler, kSlotFolder), "C:\\DANE\\EKSPORT");

    Buffer expected = filledBuffer();
    write(expected, {kSlotName, "Nowak"});
    write(expected, {kSlotFolder, "E:\\NOWY"});
    EXPECT_EQ(readable(buffer), readable(expected));
    const std::string folderLine = lineWith(lastScreenWith(session.screens(), "Katalog"), "Katalog");
    EXPECT_NE(folderLine.find("E:\\NOWY___"), std::string::npos) << folderLine;
}

TEST(OptionsDialog, DataExchangeIsRefusedForAnyOtherBuffer) {
    Buffer buffer = filledBuffer();
    Buffer other;
    other.fill(kSentinel);
    const Buffer otherBefore = other;
    std::vector<int> answers;
    FakeDialog fake;
    fake.onCommand = [&](FakeDialog&, const HandlerCall&) {
        answers.push_back(services::dialogDataExchange(other.data(), 1));
        answers.push_back(services::dialogDataExchange(other.data(), 0));
        answers.push_back(services::dialogDataExchange(nullptr, 1));
        answers.push_back(services::dialogDataExchange(buffer.data() + 1, 1));
        return 0;
    };
    {
        KeySession session("\"20250301\" Alt-B Esc");
        EXPECT_EQ(runOptions(fake, buffer.data()), kCancelled);
    }
    EXPECT_EQ(answers, (std::vector<int>{-1, -1, -1, -1}));
    EXPECT_EQ(other, otherBefore) << differences(other, otherBefore);
    EXPECT_EQ(buffer, filledBuffer()) << differences(buffer, filledBuffer());
    // Nor once the dialog is gone.
    EXPECT_EQ(services::dialogDataExchange(buffer.data(), 1), -1);
    EXPECT_EQ(services::dialogDataExchange(buffer.data(), 0), -1);
}

}  // namespace
}  // namespace hadrek::toolkit::testing
