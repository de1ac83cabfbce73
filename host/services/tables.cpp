// Table services. The handle layout is the host's; the plug-in reads only
// the record size at byte 6 and the record buffer at byte 8. Keys and
// cursors live in the caller's memory: the host marks them so that one it
// did not fill is found out, and keeps a cursor's walk in a list of its own
// whose slot the cursor holds. A caller that breaks the protocol ends the
// run with an `error` event (exit 71).
#include <algorithm>
#include <cstddef>
#include <cstring>
#include <map>
#include <memory>
#include <vector>

#include "host/core/context.hpp"
#include "host/services/services.hpp"
#include "host/services/table_ranges.hpp"
#include "plugin/interface/rekordy_zakupow.hpp"

namespace hadrek::services {
namespace {

struct TableHandle {
    std::uint16_t number;
    std::uint16_t state;
    std::uint16_t reserved;
    std::int16_t recordSize;
    unsigned char* record;
};
static_assert(offsetof(TableHandle, recordSize) == kz::kTableHandleRecordSize);
static_assert(offsetof(TableHandle, record) == kz::kTableHandleRecord);
static_assert(sizeof(TableHandle) == 12);

struct OpenTable {
    TableHandle handle;
    std::vector<unsigned char> record;
    bool prepared = false;
};

std::map<int, std::unique_ptr<OpenTable>>& openTables() {
    static std::map<int, std::unique_ptr<OpenTable>> tables;
    return tables;
}

// Another service named inside a message.
std::string named(kz::Slot service) { return std::to_string(kz::ordinalOf(service)); }

OpenTable& ownTable(void* handle, kz::Slot service) {
    for (auto& [number, table] : openTables())
        if (handle == &table->handle) return *table;
    misuse(service, "was handed a table handle this host never gave out");
}

// The key buffer as 51425 fills it; the rest of its 260 bytes is zero.
struct Key {
    std::uint32_t mark;
    std::int32_t kind;
    std::int32_t value;
};
static_assert(sizeof(Key) <= kz::kRozmiarKlucza);
constexpr std::uint32_t kKeyMark = 0x59454B48;  // "HKEY"

// The cursor as 52278 fills it: the mark and the cursor's serial at its
// start, the slot of its state in the host's list next, the serial again in
// the last word the caller zeroed. Each step finds its state through the
// slot word, checked against the mark, the serials and the address, so a
// long walk costs no search per record.
constexpr unsigned kCursorSerial = 4;
constexpr unsigned kCursorSlot = 8;
constexpr std::uint32_t kCursorMark = 0x52554348;  // "HCUR"
static_assert(kCursorSlot + sizeof(std::uint32_t) <= kz::kOstatnieSlowoKursora);

struct CursorState {
    const void* address;  // null for a free slot
    std::uint32_t serial;
    OpenTable* table;
    int keyKind;
    std::int32_t keyValue;
    TableRange range;
    bool started;     // the start answered non-zero and the end has not come
    bool endAwaited;  // a start was attempted and the end has not come
    std::uint32_t records = 0;
};

std::vector<CursorState>& cursors() {
    static std::vector<CursorState> slots;
    return slots;
}
std::uint32_t g_lastSerial = 0;

std::uint32_t word(const void* cursor, unsigned offset) {
    std::uint32_t value;
    std::memcpy(&value, static_cast<const unsigned char*>(cursor) + offset, sizeof value);
    return value;
}

void putWord(void* cursor, unsigned offset, std::uint32_t value) {
    std::memcpy(static_cast<unsigned char*>(cursor) + offset, &value, sizeof value);
}

// The host's state of a cursor it filled; null for one it never started
// and for a foreign or destroyed one (callers tell these apart by the
// last word).
CursorState* knownCursor(const void* cursor) {
    const std::uint32_t slot = word(cursor, kCursorSlot);
    if (slot >= cursors().size()) return nullptr;
    CursorState& state = cursors()[slot];
    const bool ours = state.address == cursor && word(cursor, 0) == kCursorMark &&
                      word(cursor, kCursorSerial) == state.serial &&
                      word(cursor, kz::kOstatnieSlowoKursora) == state.serial;
    return ours ? &state : nullptr;
}

// Keeps the state of a cursor starting now; answers its slot. A cursor
// that was never destroyed may have stood at this address before: its
// slot is given up.
std::uint32_t keepCursor(const CursorState& state) {
    auto& slots = cursors();
    for (CursorState& slot : slots)
        if (slot.address == state.address) slot.address = nullptr;
    const auto free = std::find_if(slots.begin(), slots.end(), [](const CursorState& s) { return !s.address; });
    const auto slot = static_cast<std::uint32_t>(free - slots.begin());
    if (free == slots.end())
        slots.push_back(state);
    else
        *free = state;
    return slot;
}

void requireCursor(const void* cursor, kz::Slot service) {
    if (!cursor) misuse(service, "was handed a null cursor");
}

void logRange(const char* action, const OpenTable& table, const CursorState& state, nlohmann::json extra) {
    nlohmann::json event = {{"event", "table"},
                            {"action", action},
                            {"table", table.handle.number},
                            {"keyKind", state.keyKind},
                            {"keyValue", state.keyValue}};
    event.update(extra);
    context().log.write(event);
}

}  // namespace

// 52256: open a table by number; one handle per table for the whole run.
void* KZ_CDECL tableOpen(int number) {
    HostContext& host = context();
    const kz::TabelaZakupow* known = nullptr;
    for (const kz::TabelaZakupow& table : kz::kTabeleZakupow)
        if (table.numer == number) known = &table;
    nlohmann::json event = {{"event", "table"}, {"action", "open"}, {"table", number}};
    if (!known || host.options.noTables.count(number) || injectFault(kz::Slot::TableOpen)) {
        event["result"] = "null";
        host.log.write(event);
        return nullptr;
    }
    auto& slot = openTables()[number];
    if (!slot) {
        const auto size = host.options.recordSizes.find(number);
        const int recordSize = size != host.options.recordSizes.end() ? size->second : known->rozmiarRekordu;
        slot = std::make_unique<OpenTable>();
        // The buffer is at least as large as the true record, whatever size
        // the handle claims, so a plug-in trusting the claim cannot overrun it.
        slot->record.assign(static_cast<std::size_t>(std::max(recordSize, known->rozmiarRekordu)), 0);
        slot->handle = {static_cast<std::uint16_t>(number), 0, 0, static_cast<std::int16_t>(recordSize),
                        slot->record.data()};
    }
    event["name"] = known->nazwa;
    event["recordSize"] = slot->handle.recordSize;
    host.log.write(event);
    return &slot->handle;
}

// 52465: prepare an opened table for reading; no cursor may use a table
// before this. The value (255 from the plug-in) is only logged.
int KZ_CDECL tablePrepare(void* table, int value) {
    OpenTable& open = ownTable(table, kz::Slot::TablePrepare);
    open.prepared = true;
    context().log.write({{"event", "table"}, {"action", "prepare"}, {"table", open.handle.number}, {"value", value}});
    return 0;
}

// 51425: build the key of a range. With a table variable the kind must be
// one of that table's; the variable itself is left as it is.
void KZ_CDECL keyBuild(int keyKind, void** tableVariable, void* keyBuffer, std::int32_t keyValue) {
    if (!keyBuffer) misuse(kz::Slot::KeyBuild, "was handed a null key buffer");
    const Key key{kKeyMark, keyKind, keyValue};
    if (tableVariable) {
        const int number = ownTable(*tableVariable, kz::Slot::KeyBuild).handle.number;
        if (!keyType(number, keyKind))
            misuse(kz::Slot::KeyBuild, "was asked for key kind " + std::to_string(keyKind) + ", which table " +
                                           std::to_string(number) + " does not have");
    } else if (!keyType(kz::kTabelaTzak, keyKind) && !keyType(kz::kTabelaTzakDok, keyKind)) {
        misuse(kz::Slot::KeyBuild, "was asked for key kind " + std::to_string(keyKind) + ", which no table has");
    }
    std::memset(keyBuffer, 0, kz::kRozmiarKlucza);
    std::memcpy(keyBuffer, &key, sizeof key);
}

// 52003: the key kind of the lines of a document type in Tzak_dok.
int KZ_CDECL lineKeyKind(int documentType) {
    if (documentType < 1 || documentType > kLargestDocumentType)
        misuse(kz::Slot::LineKeyKind, "was asked for the lines of document type " + std::to_string(documentType) +
                                          ", which is no document type");
    return kLineKeyBase + documentType;
}

// 52278: start a range on a cursor; 0 when the range holds no record, and
// the cursor is then not started (the end call still follows).
int KZ_CDECL cursorStartRange(void* cursor, void* table, int keyKind, void* keyBuffer, int, int) {
    requireCursor(cursor, kz::Slot::CursorStartRange);
    OpenTable& open = ownTable(table, kz::Slot::CursorStartRange);
    const int number = open.handle.number;
    if (!open.prepared)
        misuse(kz::Slot::CursorStartRange, "was handed table " + std::to_string(number) + " before " +
                                               named(kz::Slot::TablePrepare) + " prepared it");
    const auto type = keyType(number, keyKind);
    if (!type)
        misuse(kz::Slot::CursorStartRange, "was asked for key kind " + std::to_string(keyKind) + ", which table " +
                                               std::to_string(number) + " does not have");
    if (!keyBuffer) misuse(kz::Slot::CursorStartRange, "was handed a null key buffer");
    Key key;
    std::memcpy(&key, keyBuffer, sizeof key);
    if (key.mark != kKeyMark)
        misuse(kz::Slot::CursorStartRange, "was handed a key buffer " + named(kz::Slot::KeyBuild) + " did not build");
    if (key.kind != keyKind)
        misuse(kz::Slot::CursorStartRange, "was handed a key built for kind " + std::to_string(key.kind) +
                                               ", not for kind " + std::to_string(keyKind));

    CursorState* known = knownCursor(cursor);
    if (!known && word(cursor, kz::kOstatnieSlowoKursora) != 0)
        misuse(kz::Slot::CursorStartRange, "was handed a cursor whose last word was not 0 before its first start");
    if (known && known->endAwaited)
        misuse(kz::Slot::CursorStartRange,
               "was asked to start a cursor again before " + named(kz::Slot::CursorEndRange) + " ended its range");

    const std::uint32_t serial = ++g_lastSerial;
    const TableRange range(number, *type, key.value);
    const bool started = !range.empty();
    const std::uint32_t slot = keepCursor({cursor, serial, &open, keyKind, key.value, range, started, true});
    std::memset(cursor, 0, kz::kRozmiarKursora);
    putWord(cursor, 0, kCursorMark);
    putWord(cursor, kCursorSerial, serial);
    putWord(cursor, kCursorSlot, slot);
    putWord(cursor, kz::kOstatnieSlowoKursora, serial);
    logRange("range-start", open, cursors()[slot], {{"result", started ? 1 : 0}});
    return started ? 1 : 0;
}

// 52279: the next record of the range into the table's record buffer: 1,
// or 0 once the range is exhausted.
int KZ_CDECL cursorNext(void* cursor) {
    requireCursor(cursor, kz::Slot::CursorNext);
    CursorState* state = knownCursor(cursor);
    if (!state || !state->started)
        misuse(kz::Slot::CursorNext, "was asked to step a cursor on which no range is started");
    if (!state->range.step(state->table->record)) return 0;
    ++state->records;
    return 1;
}

// 52281: end the cursor's range, whether its start succeeded or not.
int KZ_CDECL cursorEndRange(void* cursor) {
    requireCursor(cursor, kz::Slot::CursorEndRange);
    CursorState* state = knownCursor(cursor);
    if (!state) {
        if (word(cursor, kz::kOstatnieSlowoKursora) != 0)
            misuse(kz::Slot::CursorEndRange, "was handed a cursor this host does not know");
        return 0;
    }
    if (state->endAwaited) logRange("range-end", *state->table, *state, {{"records", state->records}});
    state->started = false;
    state->endAwaited = false;
    state->records = 0;
    return 0;
}

// 50538: destroy a cursor; nothing to do for one that was never started.
void KZ_THISCALL cursorDestroy(void* cursor) {
    requireCursor(cursor, kz::Slot::CursorDestroy);
    CursorState* state = knownCursor(cursor);
    if (!state) {
        if (word(cursor, kz::kOstatnieSlowoKursora) != 0)
            misuse(kz::Slot::CursorDestroy, "was handed a cursor this host does not know (destroyed twice?)");
        return;
    }
    if (state->endAwaited)
        misuse(kz::Slot::CursorDestroy,
               "was asked to destroy a cursor whose range " + named(kz::Slot::CursorEndRange) + " never ended");
    state->address = nullptr;
}

}  // namespace hadrek::services
