#pragma once
// The crew activity extract ("????actp.ext" for pilots, "????actc.ext" for
// cabin crew): a 1605-character line per crew member. Columns 0-8 hold the
// employee number, then 31 entries of a 40-character step from column 9 and
// the 89 four-digit hard times of the days before the period from column
// 1249, the oldest first. An entry is a pairing (two blank code columns, the
// designator at 2 and its date at 8) or an activity code (code at 0, first
// date at 16, start time at 24, last date at 28, end time at 36).

#include <cstddef>
#include <string>

#include "sample/last_month.h"
#include "sample/sample_month.h"

namespace tallow::sample {

inline constexpr size_t kActivityWidth = 1605;
inline constexpr size_t kActivityFirstEntry = 9;
inline constexpr size_t kActivityEntryStep = 40;
inline constexpr size_t kActivityHistoryColumn = 1249;

std::string ActivityText(const SampleMonth& month, const SampleLastMonth& last);

}  // namespace tallow::sample
