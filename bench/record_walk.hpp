// Records as the stand-in host's table range delivers them, walked through
// its table services directly, without the plug-in: the yardsticks pay the
// same delivery as the plug-in does.
#pragma once

#include <cstddef>
#include <cstdint>

#include "host/services/services.hpp"
#include "plugin/interface/rekordy_zakupow.hpp"

namespace bench {

class RecordWalk {
public:
    // Opens and prepares both purchase tables.
    RecordWalk();

    // Each header of `type` in key order, then the count.
    template <typename F>
    std::size_t headers(int type, F&& each) {
        return walk(headers_, type, 0, each);
    }
    // Each line of the document of `type` and `id`, then the count.
    template <typename F>
    std::size_t lines(int type, std::int32_t id, F&& each) {
        return walk(lines_, hadrek::services::lineKeyKind(type), id, each);
    }

private:
    struct Table {
        void* handle;
        const unsigned char* record;
    };

    template <typename F>
    std::size_t walk(const Table& table, int keyKind, std::int32_t keyValue, F& each) {
        alignas(4) unsigned char key[kz::kRozmiarKlucza];
        alignas(4) unsigned char cursor[kz::kRozmiarKursora] = {};
        hadrek::services::keyBuild(keyKind, nullptr, key, keyValue);
        std::size_t count = 0;
        if (hadrek::services::cursorStartRange(cursor, table.handle, keyKind, key, 0, 0))
            for (; hadrek::services::cursorNext(cursor) == 1; ++count) each(table.record);
        hadrek::services::cursorEndRange(cursor);
        hadrek::services::cursorDestroy(cursor);
        return count;
    }

    static Table open(int number);

    Table headers_;
    Table lines_;
};

}  // namespace bench
