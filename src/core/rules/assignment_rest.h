#pragma once
// The rest around a pairing about to be placed: the nearest duty before and
// after it on the line (or last month's legal check-in), corrected for the
// clock change of the period.

#include <string>

namespace tallow {

class TSchedule;

struct RestWindow {
    bool legal = true;       // both rests reach the group's minimum
    std::string restBefore;  // " %d:%02d Crew Rest Before " below 12 hours, else empty
    std::string restAfter;   // " %d:%02d Crew Rest After " below 12 hours, else empty
};

// `row`, `pairing` and `day` must be in range.
RestWindow CheckRestWindow(const TSchedule& schedule, int row, int pairing, int day);

}  // namespace tallow
