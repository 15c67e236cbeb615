#pragma once
// The airline's crew around the month's group: the group's employees mixed
// with crew of other bases, fleets and statuses, their qualification codes,
// and the absences the crew-tracking system holds for them.

#include "sample/rng.h"
#include "sample/sample_month.h"

namespace tallow::sample {

// Fills month.employees (sorted by employee number) and month.absences.
void BuildCrew(SampleMonth& month, Rng& rng);

}  // namespace tallow::sample
