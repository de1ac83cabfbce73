#include "host/services/table_ranges.hpp"

#include <algorithm>

#include "host/data/data_in_use.hpp"
#include "host/data/record_packing.hpp"
#include "plugin/interface/rekordy_zakupow.hpp"

namespace hadrek::services {

std::optional<int> keyType(int table, int keyKind) {
    const int type = table == kz::kTabelaTzakDok ? keyKind - kLineKeyBase : keyKind;
    if ((table != kz::kTabelaTzak && table != kz::kTabelaTzakDok) || type < 1 || type > kLargestDocumentType)
        return std::nullopt;
    return type;
}

TableRange::TableRange(int table, int type, std::int32_t keyValue)
    : lines_(table == kz::kTabelaTzakDok), order_(&data::headersInKeyOrder(type)), next_(0), end_(order_->size()) {
    if (!lines_ && keyValue == 0) return;
    const auto& documents = data::purchaseData().documents;
    const auto first = std::partition_point(order_->begin(), order_->end(),
                                            [&](std::uint32_t d) { return documents[d].id < keyValue; });
    const auto last =
        std::partition_point(first, order_->end(), [&](std::uint32_t d) { return documents[d].id <= keyValue; });
    next_ = static_cast<std::size_t>(first - order_->begin());
    end_ = static_cast<std::size_t>(last - order_->begin());
}

bool TableRange::empty() const {
    if (!lines_) return next_ == end_;
    const auto& documents = data::purchaseData().documents;
    return std::all_of(order_->begin() + next_, order_->begin() + end_,
                       [&](std::uint32_t d) { return documents[d].lines.empty(); });
}

bool TableRange::step(unsigned char* record) {
    const data::PurchaseData& data = data::purchaseData();
    if (!lines_) {
        if (next_ == end_) return false;
        const std::uint32_t position = (*order_)[next_++];
        const data::Document& header = data.documents[position];
        data::packHeader(header, data.contractors[header.contractor], data::documentDays()[position], record);
        return true;
    }
    while (next_ != end_ && line_ == data.documents[(*order_)[next_]].lines.size()) {
        ++next_;
        line_ = 0;
    }
    if (next_ == end_) return false;
    data::packLine(data.documents[(*order_)[next_]].lines[line_++], record);
    return true;
}

}  // namespace hadrek::services
