#include "core/import/lis_index.h"

#include <algorithm>

namespace tallow {

namespace {

constexpr std::string_view kMealsCad = "MEALS CAD:";
constexpr size_t kDigits = 4;
constexpr size_t kNumbers = 10000;
constexpr size_t kDesignatorLength = 1 + kDigits;

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// The four-digit number at `at`; kNumbers when one of the characters is no digit.
size_t NumberAt(std::string_view text, size_t at) {
    size_t number = 0;
    for (size_t k = 0; k < kDigits; ++k) {
        const char c = text[at + k];
        if (!IsDigit(c)) {
            return kNumbers;
        }
        number = number * 10 + static_cast<size_t>(c - '0');
    }
    return number;
}

size_t Slot(unsigned char c) {
    return static_cast<size_t>(c);
}

}  // namespace

LisIndex::LisIndex(std::string_view text, std::string_view baseLetters) : text_(text) {
    slots_.fill(-1);
    int used = 0;
    for (const char letter : baseLetters) {
        int& slot = slots_[Slot(static_cast<unsigned char>(letter))];
        if (slot < 0) {
            slot = used++;
        }
    }
    lastStarts_.assign(static_cast<size_t>(used) * kNumbers, std::string_view::npos);
    if (used > 0) {
        for (size_t at = 0; at + kDesignatorLength <= text.size(); ++at) {
            const int slot = slots_[Slot(static_cast<unsigned char>(text[at]))];
            if (slot < 0) {
                continue;
            }
            const size_t number = NumberAt(text, at + 1);
            if (number < kNumbers) {
                lastStarts_[static_cast<size_t>(slot) * kNumbers + number] = at;
            }
        }
    }
    // The marker cannot overlap itself, so stepping past each hit misses none.
    for (size_t at = text.find(kMealsCad); at != std::string_view::npos;
         at = text.find(kMealsCad, at + kMealsCad.size())) {
        mealsCad_.push_back(at);
    }
}

size_t LisIndex::LastOccurrence(std::string_view designator) const {
    if (designator.size() == kDesignatorLength) {
        const int slot = slots_[Slot(static_cast<unsigned char>(designator[0]))];
        const size_t number = NumberAt(designator, 1);
        if (slot >= 0 && number < kNumbers) {
            return lastStarts_[static_cast<size_t>(slot) * kNumbers + number];
        }
    }
    return text_.rfind(designator);
}

size_t LisIndex::MealsCadFrom(size_t from) const {
    const auto found = std::lower_bound(mealsCad_.begin(), mealsCad_.end(), from);
    return found == mealsCad_.end() ? std::string_view::npos : *found;
}

}  // namespace tallow
