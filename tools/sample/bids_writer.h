#pragma once
// The pilot bid file (".csv") that the bidding web form collects: a header
// row, then a row per bid of 35 double-quoted fields separated by commas and
// closed by an "end_x_bid" field. Day lists (guaranteed days off, first and
// second preferred days off) are days of the month separated by commas, "+"
// marking a day of the next month. Some bids are flawed on purpose, as real
// files are: cut short, with a day that is no day, or with ten days in a list.

#include <array>
#include <cstddef>
#include <string>
#include <vector>

#include "sample/sample_month.h"

namespace tallow::sample {

inline constexpr size_t kBidFields = 35;
inline constexpr size_t kIncompleteBidFields = 21;
inline constexpr int kMaxBidListDays = 9;

enum class BidField : size_t {
    Number = 0,
    Gdo = 11,
    Pdo1 = 12,
    Pdo2 = 13,
    PairOrReserve = 19,
    PreferredPairings = 29,
};

enum class BidFlaw { None, Incomplete, BadDay, TooManyDays };

struct SampleBid {
    size_t employee = 0;  // index into SampleMonth::employees
    BidFlaw flaw = BidFlaw::None;
    bool reserve = false;
    // The days the lists ask for, as period day indexes (the next month's
    // days follow the period's); empty for a flawed list.
    std::vector<int> gdoDays;
    std::vector<int> pdoDays;
    std::array<std::string, kBidFields> fields;

    const std::string& Field(BidField field) const { return fields[static_cast<size_t>(field)]; }
};

// Bids of the crew group's members in file order; none for cabin crew.
std::vector<SampleBid> BuildBids(const SampleMonth& month);

std::string BidsText(const std::vector<SampleBid>& bids);

}  // namespace tallow::sample
