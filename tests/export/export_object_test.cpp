// The export object's life against a host made of fakes in the slots: what
// is constructed is destroyed exactly once, whatever ends the run.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <new>
#include <stdexcept>
#include <string>
#include <vector>

#include "plugin/export/export_command.hpp"
#include "plugin/export/zrob_liste_dokumentow.hpp"
#include "plugin/interface/dialog_ids.hpp"
#include "plugin/interface/host_signatures.hpp"

namespace {

using kz::Slot;

struct Calls {
    int constructed = 0;
    int destroyed = 0;
    int delegatesMade = 0;
    int delegatesDestroyed = 0;
    int freed = 0;
    std::vector<int> iniOperations;
    std::vector<int> dialogs;
    int runnerResult = 20482;
    bool runnerThrows = false;
    bool freeThrows = false;
    const void* runnerObject = nullptr;
    const void* runnerBuffer = nullptr;
    std::vector<std::string> options;  // the options handler's host calls
    int pickerResult = 0;
} calls;

// The one block the deleting destructor may hand back.
void* g_deleted;

void* KZ_THISCALL construct(void* self) {
    ++calls.constructed;
    return self;
}
void KZ_THISCALL destroy(void*) { ++calls.destroyed; }
void* KZ_THISCALL delegateValue(void* self) { return self; }
void* KZ_THISCALL makeDelegate(void* storage, void*, void*) {
    ++calls.delegatesMade;
    static const void* table[2] = {nullptr, reinterpret_cast<const void*>(&delegateValue)};
    const void* const* t = table;
    std::memcpy(storage, &t, sizeof t);
    return storage;
}
void KZ_THISCALL destroyDelegate(void*) { ++calls.delegatesDestroyed; }
void KZ_CDECL memoryFree(void*) {
    ++calls.freed;
    if (calls.freeThrows) throw std::runtime_error("free");
}
int KZ_CDECL ini(const char*, int operation, const char*, const char*, const char*, ...) {
    calls.iniOperations.push_back(operation);
    return 1;
}
int KZ_CDECL runner(void* object, const void*, int id, void* buffer, ...) {
    calls.dialogs.push_back(id);
    calls.runnerObject = object;
    calls.runnerBuffer = buffer;
    if (calls.runnerThrows) throw std::runtime_error("runner");
    return calls.runnerResult;
}

int KZ_CDECL exchange(void*, int fieldsToBuffer) {
    calls.options.push_back("exchange " + std::to_string(fieldsToBuffer));
    return 0;
}
int KZ_CDECL picker(const char*, char*) {
    calls.options.push_back("picker");
    return calls.pickerResult;
}
int KZ_CDECL redraw(int, int, int) {
    calls.options.push_back("redraw");
    return 0;
}

class ExportObject : public ::testing::Test {
protected:
    void SetUp() override {
        calls = Calls{};
        put(Slot::DialogBaseConstruct, &construct);
        put(Slot::DialogBaseDestroy, &destroy);
        put(Slot::DelegateMake, &makeDelegate);
        put(Slot::DelegateDestroy, &destroyDelegate);
        put(Slot::MemoryFree, &memoryFree);
        put(Slot::IniAccess, &ini);
        put(Slot::DialogRun, &runner);
        put(Slot::DialogDataExchange, &exchange);
        put(Slot::FolderPicker, &picker);
        put(Slot::DialogRedraw, &redraw);
    }
    template <typename F>
    static void put(Slot slot, F* function) {
        kz_hostSlots[static_cast<unsigned>(slot)] = reinterpret_cast<void*>(function);
    }
};

TEST_F(ExportObject, EveryEndOfTheOptionsStepTearsDownOnce) {
    struct Case {
        const char* name;
        int result;
        bool throws;
        std::vector<int> ini;
    };
    const Case cases[] = {
        {"cancelled", 20482, false, {8}},
        {"left some other way", 0, false, {8}},
        {"confirmed", 20481, false, {8, 9}},
        {"runner threw", 0, true, {8}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SetUp();
        calls.runnerResult = c.result;
        calls.runnerThrows = c.throws;
        if (c.throws)
            EXPECT_THROW(kz::eksportujDokumenty(), std::runtime_error);
        else
            EXPECT_EQ(kz::eksportujDokumenty(), 0);
        EXPECT_EQ(calls.constructed, 1);
        EXPECT_EQ(calls.destroyed, 1);
        EXPECT_EQ(calls.delegatesMade, 1);
        EXPECT_EQ(calls.delegatesDestroyed, 1);
        EXPECT_EQ(calls.freed, 0) << "no list was ever made";
        EXPECT_EQ(calls.iniOperations, c.ini);
        EXPECT_EQ(calls.dialogs, std::vector<int>{20082});
        // The runner gets the object and the options record inside it.
        EXPECT_EQ(static_cast<const char*>(calls.runnerBuffer) - static_cast<const char*>(calls.runnerObject), 20);
    }
}

TEST_F(ExportObject, TearDownFreesTheListOnceAndAlwaysDestroysTheBase) {
    for (const bool freeThrows : {false, true}) {
        SCOPED_TRACE(freeThrows ? "free throws" : "free returns");
        SetUp();
        calls.freeThrows = freeThrows;
        alignas(kz::CZrobListeDokumentow) unsigned char storage[sizeof(kz::CZrobListeDokumentow)];
        auto* object = new (storage) kz::CZrobListeDokumentow;
        int list[4];
        object->listaDokumentow_ = list;
        object->liczbaDokumentow_ = 3;
        object->pojemnoscListy_ = 4;
        if (freeThrows)
            EXPECT_THROW(object->rozbierz(), std::runtime_error);
        else
            object->rozbierz();
        EXPECT_EQ(calls.freed, 1);
        EXPECT_EQ(calls.destroyed, 1);
        EXPECT_EQ(object->listaDokumentow_, nullptr);
        EXPECT_EQ(object->liczbaDokumentow_, 0);
        EXPECT_EQ(object->pojemnoscListy_, 0);
    }
}

TEST_F(ExportObject, DeletingDestructorThroughTheTable) {
    using Deleting = void*(KZ_THISCALL*)(void*, unsigned);
    const auto entry0 = reinterpret_cast<Deleting>(const_cast<void*>(kz::kTablicaMetod[0]));
    for (const unsigned flags : {0u, 1u}) {
        SCOPED_TRACE(flags);
        SetUp();
        auto* object = new kz::CZrobListeDokumentow;
        g_deleted = nullptr;
        EXPECT_EQ(entry0(object, flags), object);
        EXPECT_EQ(calls.destroyed, 1);
        // Flag bit 0 hands the memory back; clear, it stays the caller's.
        EXPECT_EQ(g_deleted, flags ? object : nullptr);
        if (!flags) {
            EXPECT_EQ(object->tablicaMetod_, kz::kTablicaMetod);
            ::operator delete(object);
        }
    }
}

TEST_F(ExportObject, TheOptionsCommandHandlerServesOnlyTheChooseButtonAsItIsPressed) {
    using Handler = int(KZ_THISCALL*)(void*, std::uint16_t, std::uint16_t);
    const auto entry2 = reinterpret_cast<Handler>(const_cast<void*>(kz::kTablicaMetod[2]));
    const std::vector<std::string> chosen = {"exchange 1", "picker", "exchange 0", "redraw"};
    const struct {
        std::uint16_t command, phase;
        int picked, result;
        std::vector<std::string> hostCalls;
    } cases[] = {
        {kz::kPrzyciskWybierz, 1, 0, 4098, chosen},
        {kz::kPrzyciskWybierz, 1, -1, -2, {"exchange 1", "picker"}},
        {kz::kPrzyciskWybierz, 0, 0, 0, {}},
        {kz::kPrzyciskWybierz, 2, 0, 0, {}},
        {kz::kPrzyciskOk, 1, 0, 0, {}},
        {kz::kPrzyciskWybierz - 1, 1, 0, 0, {}},
    };
    kz::CZrobListeDokumentow object;
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.command) + " in phase " + std::to_string(c.phase));
        calls.options.clear();
        calls.pickerResult = c.picked;
        EXPECT_EQ(entry2(&object, c.command, c.phase), c.result);
        EXPECT_EQ(calls.options, c.hostCalls);
    }
}

TEST_F(ExportObject, FreshObjectIsZeroedAndCarriesTheClassTable) {
    alignas(kz::CZrobListeDokumentow) unsigned char storage[sizeof(kz::CZrobListeDokumentow)];
    std::memset(storage, 0x5A, sizeof storage);
    auto* object = new (storage) kz::CZrobListeDokumentow;
    EXPECT_EQ(object->tablicaMetod_, kz::kTablicaMetod);
    EXPECT_EQ(object->listaDokumentow_, nullptr);
    const auto& options = object->opcje();
    const auto* bytes = reinterpret_cast<const unsigned char*>(&options);
    for (std::size_t i = 0; i < sizeof options; ++i) ASSERT_EQ(bytes[i], 0) << "options byte " << i;
    object->~CZrobListeDokumentow();
}

}  // namespace

// Every block of this test goes through these, so the deleting destructor's
// hand-back can be seen.
void* operator new(std::size_t size) {
    if (void* block = std::malloc(size ? size : 1)) return block;
    throw std::bad_alloc();
}
void operator delete(void* block) noexcept {
    g_deleted = block;
    std::free(block);
}
void operator delete(void* block, std::size_t) noexcept { operator delete(block); }
