#pragma once
// The PRG pairing file: for every pairing and every date it operates on, a
// header record ("1") followed by its legs ("2"), deadheads on other
// carriers ("4"), surface transfers ("5") and duty records ("3"), each duty
// preceded by a layover record (a duty record without a start time) when a
// layover follows it. Fixed columns, 0-based; times and durations are
// minutes, dates YYYYMMDD.

#include <cstddef>
#include <string>

#include "sample/sample_month.h"

namespace tallow::sample {

// Widths of the records as written.
inline constexpr size_t kPrgHeaderWidth = 303;
inline constexpr size_t kPrgLegWidth = 80;
inline constexpr size_t kPrgDutyWidth = 134;
inline constexpr size_t kPrgDeadheadWidth = 86;
inline constexpr size_t kPrgSurfaceWidth = 59;
inline constexpr size_t kComplementWidth = 32;
inline constexpr size_t kDutyTextWidth = 40;
inline constexpr int kHardTimeDays = 6;

std::string PrgText(const SampleMonth& month);

}  // namespace tallow::sample
