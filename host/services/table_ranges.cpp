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
    : lines_(table == kz::kTabelaTzakDok),
      documents_(&data::purchaseData().documents),
      days_(&data::documentDays()),
      contractors_(&data::packedContractors()),
      order_(&data::headersInKeyOrder(type)),
      next_(0),
      end_(order_->size()) {
    if (data::recordedRangesInUse()) {
        static const std::vector<data::Record> kNone;
        const auto* recorded = data::recordedRange(table, type, keyValue);
        recorded_ = recorded ? recorded : &kNone;
        next_ = 0;
        end_ = recorded_->size();
        return;
    }
    if (!lines_ && keyValue == 0) return;
    const auto& documents = *documents_;
    const auto first = std::partition_point(order_->begin(), order_->end(),
                                            [&](std::uint32_t d) { return documents[d].id < keyValue; });
    const auto last =
        std::partition_point(first, order_->end(), [&](std::uint32_t d) { return documents[d].id <= keyValue; });
    next_ = static_cast<std::size_t>(first - order_->begin());
    end_ = static_cast<std::size_t>(last - order_->begin());
}

bool TableRange::empty() const {
    if (!lines_ || recorded_) return next_ == end_;
    return std::all_of(order_->begin() + next_, order_->begin() + end_,
                       [&](std::uint32_t d) { return (*documents_)[d].lines.empty(); });
}

bool TableRange::step(std::span<unsigned char> buffer) {
    // A handle may claim another record size than the table's own; the
    // buffer is the larger of the two, and the record fills its start.
    const auto record = buffer.first(lines_ ? kz::kRozmiarTzakDok : kz::kRozmiarTzak);
    if (recorded_) {
        if (next_ == end_) return false;
        const data::Record& bytes = (*recorded_)[next_++];
        std::fill(record.begin(), record.end(), 0);
        std::copy_n(bytes.begin(), std::min(bytes.size(), record.size()), record.begin());
        return true;
    }
    if (!lines_) {
        if (next_ == end_) return false;
        const std::uint32_t position = (*order_)[next_++];
        const data::Document& header = (*documents_)[position];
        data::packHeader(header, (*contractors_)[header.contractor], (*days_)[position], record);
        return true;
    }
    while (line_ == lineEnd_) {
        if (next_ == end_) return false;
        const auto& lines = (*documents_)[(*order_)[next_++]].lines;
        line_ = lines.data();
        lineEnd_ = line_ + lines.size();
    }
    data::packLine(*line_++, record);
    return true;
}

}  // namespace hadrek::services
