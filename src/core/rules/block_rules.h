#pragma once
// The block rules of an employee's line. They never refuse anything: each
// run rewrites the line's exceptions, warnings, duty-check log and day flags.

#include "core/model/schedule.h"

namespace tallow {

// Runs the rule sequence of the schedule's crew group on one line, the
// duty-time check (current or old rule set) inside the pilot sequence, and
// asks the board to repaint the row. Placeholder rows and rows outside the
// table keep their results.
void CheckEmployee(TSchedule& schedule, int row, bool useOldDutyRules);

// Captains' group: every line holding the second seat of a two-captain
// pairing whose other captain is also over 60 or also medically restricted
// gets an exception. Lines carrying such an item from an earlier run are
// checked again first.
void CheckTwoCaptainPairings(TSchedule& schedule);

// Cabin group: checks again, in roster order, every line whose rulesCurrent
// flag the French crew check cleared, and sets the flag again.
void RecheckStaleLines(TSchedule& schedule);

}  // namespace tallow
