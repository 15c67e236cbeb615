#pragma once
// The crew-tracking system's employee record extract: one 102-character line
// per crew member, pilots ("????perp.ext") or cabin crew ("????perc.ext").
// Columns: 0-8 employee number, 9-28 surname, 29 initial, 31-33 base,
// 34-36 equipment, 37-38 status, 77-88 qualification codes.

#include <cstddef>
#include <string>

#include "sample/sample_month.h"

namespace tallow::sample {

inline constexpr size_t kRosterWidth = 102;

std::string RosterText(const SampleMonth& month);

}  // namespace tallow::sample
