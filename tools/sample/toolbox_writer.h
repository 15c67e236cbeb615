#pragma once
// The toolbox definition file (".box"): the tag, the title, the code
// entries of both crew groups, thirteen lines each, and the airports with
// their time-zone offsets, station times and daylight-saving flags, eight
// lines each. One value per line.

#include <string>

#include "sample/sample_month.h"

namespace tallow::sample {

inline constexpr int kToolboxEntryLines = 13;
inline constexpr int kToolboxAirportLines = 8;

std::string ToolboxText(const SampleMonth& month);

}  // namespace tallow::sample
