#pragma once
// The USA-segment scan that follows every pairing import: a seat whose text
// has a leg departing from a US airport gets "   USA SEGMENT " appended and
// its usaSegments mark set.

#include <string_view>

namespace tallow {

class Desktop;
class TSchedule;

// The US airports, each code followed by "-" (some codes occur twice).
extern const std::string_view kUsaAirports;

// Whether the text holds one of the airports followed by "-", the way a leg
// line writes its departure.
bool DepartsFromUsa(std::string_view text);

// Clears every seat's mark and marks the seats that depart from a US airport,
// under a progress dialog.
void ScanUsaSegments(TSchedule& schedule, Desktop& desktop);

}  // namespace tallow
