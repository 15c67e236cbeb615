#pragma once
// The duty-time regulation check of the pilot lines: the 60/7 and 70/7
// schemes with their night-rest conditions and, in the current rule set, the
// early/late/WOCL fatigue patterns. Appends to the row's illegalitiesText,
// warningsText, carsText, dayIllegal and dayWarning (emptied beforehand by the
// caller) and fills its dutyTotals.

namespace tallow {

class TSchedule;

void DutyTimeCheck(TSchedule& schedule, int row);
// The rule set in force before the fatigue patterns were added.
void DutyTimeCheckOld(TSchedule& schedule, int row);

}  // namespace tallow
