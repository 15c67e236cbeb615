#pragma once
// The prior-period pairing extract ("????prgp.ext" for pilots, "????prgc.ext"
// for cabin crew): a 1177-character line per operated pairing of the days
// before the period. Columns: 0-4 designator, 6-13 pairing date, 14-21 start
// date, 22-25 report time, 44-49 total credit, 50-57 TAFB, 66-69 minimum
// rest; from 70 the duties in 24-character slots (date, start time at +8,
// end time at +20; a zero date ends them); from 814 the days in 11-character
// blocks (station, hard time at +3, credit at +7).

#include <cstddef>
#include <string>

#include "sample/last_month.h"
#include "sample/sample_month.h"

namespace tallow::sample {

inline constexpr size_t kPriorPairingWidth = 1177;
inline constexpr size_t kPriorDutyColumn = 70;
inline constexpr size_t kPriorDutyStep = 24;
inline constexpr size_t kPriorDutySlots = 31;  // the slots before the day blocks
inline constexpr size_t kPriorBlockColumn = 814;
inline constexpr size_t kPriorBlockStep = 11;
inline constexpr size_t kPriorBlocks = 33;

std::string PriorPairingText(const SampleMonth& month, const SampleLastMonth& last);

}  // namespace tallow::sample
