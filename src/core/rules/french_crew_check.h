#pragma once
// The French rule of the cabin group: a pairing marked "FRENCH PAIRING" needs
// one French-qualified crew member among its seats of the day.

#include "core/model/schedule.h"

namespace tallow {

struct FrenchCheck {
    bool passes = true;
    // The crew member the failure is held against: the junior of this
    // employee and the holder of the last other seat.
    int namedRow = -1;
};

// Checks the crew of seat `pairing` on board day `day` if employee `row` flew
// it. Every other row holding one of the pairing's other seats that day gets
// its rulesCurrent flag cleared, French pairing or not, so that
// RecheckStaleLines runs its rules again. Out-of-range arguments pass and
// change nothing.
FrenchCheck FrenchCrewCheck(TSchedule& schedule, int row, int pairing, int day);

}  // namespace tallow
