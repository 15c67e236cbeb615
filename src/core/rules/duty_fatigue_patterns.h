#pragma once
// Fatigue patterns of the current rule set: early, late and night duties,
// intrusions into the window of circadian low (WOCL), and the exceptions and
// warnings they lead to.

#include "core/rules/duty_timeline.h"

namespace tallow {

class TPilot;

// early, late and night of each day with a duty start.
void MarkEarlyLateNight(DutyTimeline& line, int monthLength);

// wocl of the days whose non-reserve duty intrudes on the WOCL.
void MarkWoclIntrusions(DutyTimeline& line, int monthLength);

// Runs the two markings above, finds the early/late changes without a night
// rest and the WOCL runs, appends the "3 Plus WOCL" warnings and the
// early/late/WOCL exception items to the employee.
void CheckFatiguePatterns(DutyTimeline& line, const ScheduleCalendar& calendar, TPilot& pilot);

}  // namespace tallow
