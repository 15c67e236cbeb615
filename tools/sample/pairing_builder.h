#pragma once
// The month's pairings: trips of one to five days from the group's base,
// with their legs, deadheads and surface transfers, duties, layovers,
// credits, crew complements and operating dates; and a few pairings of
// other bases and fleets that the group's import has to leave out.

#include <vector>

#include "sample/rng.h"
#include "sample/sample_month.h"

namespace tallow::sample {

// The pairings in file order. The group's pairings never hold more than
// kMaxSampleSeats seats for the month's status.
std::vector<SamplePairing> BuildPairings(const SampleMonth& month, Rng& rng);

}  // namespace tallow::sample
