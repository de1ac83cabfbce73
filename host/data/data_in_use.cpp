#include "host/data/data_in_use.hpp"

#include <algorithm>
#include <map>
#include <optional>
#include <tuple>

#include "host/data/data_file.hpp"
#include "host/data/record_packing.hpp"
#include "host/data/sample_data.hpp"

namespace hadrek::data {
namespace {

struct InUse {
    PurchaseData data;
    std::map<int, std::vector<std::uint32_t>> keyOrder;
    std::vector<std::uint32_t> days;
    std::vector<PackedContractor> contractors;
};

std::optional<InUse>& inUse() {
    static std::optional<InUse> current;
    return current;
}

InUse& current() {
    if (!inUse()) usePurchaseData(readPurchaseData(sampleDataJson()));
    return *inUse();
}

}  // namespace

void usePurchaseData(PurchaseData data) {
    InUse next{std::move(data), {}, {}, {}};
    const auto& documents = next.data.documents;
    next.contractors.reserve(next.data.contractors.size());
    for (const Contractor& contractor : next.data.contractors) next.contractors.push_back(packContractor(contractor));
    next.days.reserve(documents.size());
    for (std::uint32_t i = 0; i < documents.size(); ++i) {
        next.keyOrder[documents[i].type].push_back(i);
        next.days.push_back(dayNumber(documents[i].date));
    }
    for (auto& [type, order] : next.keyOrder)
        std::stable_sort(order.begin(), order.end(), [&](std::uint32_t a, std::uint32_t b) {
            return std::tie(documents[a].id, documents[a].id2) < std::tie(documents[b].id, documents[b].id2);
        });
    inUse() = std::move(next);
}

const PurchaseData& purchaseData() { return current().data; }

const std::vector<std::uint32_t>& headersInKeyOrder(int type) {
    static const std::vector<std::uint32_t> kNone;
    const auto& keyOrder = current().keyOrder;
    const auto found = keyOrder.find(type);
    return found == keyOrder.end() ? kNone : found->second;
}

const std::vector<std::uint32_t>& documentDays() { return current().days; }

const std::vector<PackedContractor>& packedContractors() { return current().contractors; }

}  // namespace hadrek::data
