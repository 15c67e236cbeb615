#pragma once
// The segment summary printed with the pairing report: for every city pair
// flown in the PRG file, the block time and the deadhead count of each column
// code (base letter and equipment digit), over the whole file.

#include <string>
#include <string_view>

namespace tallow {

inline constexpr size_t kMaxCityPairs = 500;
inline constexpr size_t kMaxColumnCodes = 20;

// Reads every leg and deadhead record of 80 characters or more, whatever its
// base; reading stops at the first city pair or column code beyond the limits.
std::string BuildSegmentSummary(std::string_view content);

}  // namespace tallow
