#pragma once
// An index of a LIS text for the LIS scan: where each pairing designator
// occurs last and where every "MEALS CAD:" starts, built in one pass so that
// each seat finds its block without searching the whole text again.

#include <array>
#include <cstddef>
#include <string_view>
#include <vector>

namespace tallow {

class LisIndex {
  public:
    // `baseLetters` are the first characters of the designators to be looked
    // up; others are still found, by a plain search.
    LisIndex(std::string_view text, std::string_view baseLetters);

    // Start of the last occurrence of `designator`; npos when there is none.
    size_t LastOccurrence(std::string_view designator) const;
    // Start of the first "MEALS CAD:" at or after `from`; npos when there is none.
    size_t MealsCadFrom(size_t from) const;

  private:
    std::string_view text_;
    // Slot of each indexed base letter, -1 for the others.
    std::array<int, 256> slots_{};
    // Per slot, the last start of the letter followed by each four-digit number.
    std::vector<size_t> lastStarts_;
    std::vector<size_t> mealsCad_;
};

}  // namespace tallow
