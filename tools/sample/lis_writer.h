#pragma once
// The LIS pairing listing: a print file of the crew-tracking system that
// opens with a non-text printer header and goes on with text pages. Each
// pairing is listed under its designator (base letter and number, "Z8101"),
// with a line per leg whose aircraft type is shown as "CRA [", "CRJ [",
// "DH1 [" or "E75 [", a "FRENCH" language mark on French-speaking trips, a
// "MEALS US:" line when the trip touches the United States and a closing
// "MEALS CAD:" line. The flight number of a leg sits a fixed distance before
// its type marker: 71 columns in pilot listings, 63 in cabin-crew ones.
// Listings of other bases may follow the month's own, to reach a size.

#include <cstddef>
#include <string>

#include "sample/sample_month.h"

namespace tallow::sample {

inline constexpr size_t kLisHeaderBytes = 800;
inline constexpr size_t kLisFlightColumn = 9;
inline constexpr size_t kLisPilotMarkerDistance = 71;
inline constexpr size_t kLisCabinMarkerDistance = 63;
// The reader wants 5000 text characters from offset 2500 on.
inline constexpr size_t kLisMinBytes = 7600;

// Exactly `month.options.lisBytes` bytes (at least kLisMinBytes) unless the
// month's own listing is longer.
std::string LisText(const SampleMonth& month);

}  // namespace tallow::sample
