#include "core/import/bid_csv.h"

#include <algorithm>

#include "core/model/text_format.h"

namespace tallow {

std::string BidKey(int64_t employeeNumber) {
    return Format("\"%06lld\",", static_cast<long long>(employeeNumber));
}

std::optional<BidFields> SplitBidFields(std::string_view bid) {
    if (bid.empty()) {
        return std::nullopt;
    }
    BidFields fields{};
    size_t start = 1;
    for (size_t k = 0; k + 1 < kBidFieldCount; ++k) {
        const size_t separator = bid.find(kBidFieldSeparator, start);
        if (separator == std::string_view::npos) {
            return std::nullopt;
        }
        fields[k] = bid.substr(start, separator - start);
        start = separator + kBidFieldSeparator.size();
    }
    const size_t lastStart = std::min(start, bid.size());
    fields[kBidFieldCount - 1] = bid.substr(lastStart, kBidLastFieldLength);
    return fields;
}

BidLookup FindBid(std::string_view fileText, std::string_view key) {
    BidLookup lookup;
    const size_t begin = key.empty() ? std::string_view::npos : fileText.find(key);
    if (begin == std::string_view::npos) {
        return lookup;
    }
    lookup.search = BidSearch::Incomplete;
    const size_t end = fileText.find(kBidEnd, begin + key.size());
    if (end == std::string_view::npos) {
        return lookup;
    }
    const std::optional<BidFields> fields = SplitBidFields(fileText.substr(begin, end - begin));
    if (fields) {
        lookup.search = BidSearch::Found;
        lookup.fields = *fields;
    }
    return lookup;
}

}  // namespace tallow
