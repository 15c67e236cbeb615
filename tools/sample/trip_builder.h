#pragma once
// One trip from a base: its report time, duties, legs, layovers, credits and
// crew complement, without operating dates or number.

#include <vector>

#include "sample/airports.h"
#include "sample/fleet.h"
#include "sample/rng.h"
#include "sample/sample_month.h"

namespace tallow::sample {

inline constexpr int kMaxTripDays = 5;

// The stations a base's aircraft of one type serve: all within the type's
// range of the base, so every one of them can fly home in one leg.
struct Network {
    const Airport* base = nullptr;
    const Equipment* equipment = nullptr;
    std::vector<const Airport*> stations;
};

Network MakeNetwork(const Airport& base, const Equipment& equipment);

enum class TripKind { Regular, ContinuousDuty };

// A trip of `dutyDays` duties (1 to kMaxTripDays; ignored for a continuous
// duty, which is one overnight duty). Base, equipment and complement are set;
// number, operations and group membership are left to the caller.
SamplePairing MakeTrip(Rng& rng, const Network& network, TripKind kind, int dutyDays);

// Calendar days from report to release: (report + TAFB - 1) / 1440 + 1.
int TripLengthDays(const SamplePairing& pairing);

}  // namespace tallow::sample
