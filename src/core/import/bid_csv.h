#pragma once
// The pilot bid file: comma-separated, double-quoted answers of the bid web
// form. A bid begins at the employee's quoted number followed by a comma and
// ends at the next "end_x_bid"; inside it, fields are cut only at the three
// characters quote, comma, quote, so commas inside a field (day lists) and
// line ends inside a comment stay in their field.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tallow {

inline constexpr size_t kBidFieldCount = 35;
// Field 34 is not ended by a separator: it is this many characters at most.
inline constexpr size_t kBidLastFieldLength = 8;
inline constexpr std::string_view kBidEnd = "end_x_bid";
inline constexpr std::string_view kBidFieldSeparator = "\",\"";

using BidFields = std::array<std::string_view, kBidFieldCount>;

// The text an employee's bid begins with: the number in at least six digits,
// in double quotes, and a comma ("\"004567\",").
std::string BidKey(int64_t employeeNumber);

enum class BidSearch { Found, NotFound, Incomplete };

struct BidLookup {
    BidSearch search = BidSearch::NotFound;
    // Views into the searched text; set when Found.
    BidFields fields{};
};

// Finds the first bid with the key in the file text and cuts it into its
// fields. Incomplete when the bid has no "end_x_bid" after it or fewer than
// the 34 separators its fields need.
BidLookup FindBid(std::string_view fileText, std::string_view key);

// Cuts a bid (from its opening quote up to, not including, "end_x_bid")
// into its fields; nothing when a separator is missing. Field 0 is the text
// between the opening quote and the first separator, field 34 the characters
// after the 34th separator, at most kBidLastFieldLength of them.
std::optional<BidFields> SplitBidFields(std::string_view bid);

}  // namespace tallow
