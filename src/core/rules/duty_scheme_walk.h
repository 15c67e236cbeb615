#pragma once
// The day-by-day walk of the 60/7 and 70/7 schemes: each duty day is tested
// under the scheme in force, a failure may switch scheme where a five-day
// rest block allows it, and the days that fail for good are marked failDay.
// Each tested day leaves a line in the employee's carsText.

#include "core/rules/duty_timeline.h"

namespace tallow {

class TPilot;
class TSchedule;

// Needs the employee's dutyTotals filled from `line`. Computes line.over2448
// at the first 70/7 test.
void WalkDutySchemes(DutyTimeline& line, const TSchedule& schedule, DutyRuleSet rules,
                     TPilot& pilot);

}  // namespace tallow
