#pragma once
// The consistency repair Build Blocks starts with: employee lines and pairing
// seats are put back in agreement, the lines winning in roster order.

namespace tallow {

class Desktop;
class TSchedule;

// Opens every seat, then marks assigned the seat-days the lines hold. Line
// days naming no seat, or a seat that does not start that day or is already
// held, are emptied and reported in one message. Returns whether anything
// was corrected.
bool RepairAssignments(TSchedule& schedule, Desktop& desktop);

}  // namespace tallow
