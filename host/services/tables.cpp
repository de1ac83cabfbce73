// Table services. The handle layout is the host's; the plug-in reads only
// the record size at byte 6 and the record buffer at byte 8.
#include <algorithm>
#include <cstddef>
#include <cstring>
#include <map>
#include <memory>
#include <vector>

#include "host/core/context.hpp"
#include "host/services/services.hpp"

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
};

struct KnownTable {
    int number;
    const char* name;
    int recordSize;
};
constexpr KnownTable kKnownTables[] = {{52, "Tzak", 901}, {53, "Tzak_dok", 626}};

std::map<int, std::unique_ptr<OpenTable>>& openTables() {
    static std::map<int, std::unique_ptr<OpenTable>> tables;
    return tables;
}

}  // namespace

// 52256: open a table by number; one handle per table for the whole run.
void* KZ_CDECL tableOpen(int number) {
    HostContext& host = context();
    const KnownTable* known = nullptr;
    for (const KnownTable& table : kKnownTables)
        if (table.number == number) known = &table;
    nlohmann::json event = {{"event", "table"}, {"action", "open"}, {"table", number}};
    if (!known || host.options.noTables.count(number) || injectFault("52256")) {
        event["result"] = "null";
        host.log.write(event);
        return nullptr;
    }
    auto& slot = openTables()[number];
    if (!slot) {
        const auto size = host.options.recordSizes.find(number);
        const int recordSize = size != host.options.recordSizes.end() ? size->second : known->recordSize;
        slot = std::make_unique<OpenTable>();
        // The buffer is at least as large as the true record, whatever size
        // the handle claims, so a plug-in trusting the claim cannot overrun it.
        slot->record.assign(static_cast<std::size_t>(std::max(recordSize, known->recordSize)), 0);
        slot->handle = {static_cast<std::uint16_t>(number), 0, 0, static_cast<std::int16_t>(recordSize),
                        slot->record.data()};
    }
    event["name"] = known->name;
    event["recordSize"] = slot->handle.recordSize;
    host.log.write(event);
    return &slot->handle;
}

}  // namespace hadrek::services
