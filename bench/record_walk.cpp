#include "bench/record_walk.hpp"

#include <cstring>
#include <stdexcept>
#include <string>

#include "plugin/interface/host_signatures.hpp"

namespace bench {

RecordWalk::RecordWalk() : headers_(open(kz::kTabelaTzak)), lines_(open(kz::kTabelaTzakDok)) {}

RecordWalk::Table RecordWalk::open(int number) {
    void* handle = hadrek::services::tableOpen(number);
    if (!handle) throw std::runtime_error("the host did not open table " + std::to_string(number));
    hadrek::services::tablePrepare(handle, kz::kPrzygotowanieTabeli);
    const unsigned char* record;
    std::memcpy(&record, static_cast<const unsigned char*>(handle) + kz::kTableHandleRecord, sizeof record);
    return {handle, record};
}

}  // namespace bench
