#pragma once
// The results of the duty-time check: the "60h/7d 2LNR Rules" exception
// item, and the legend and day-by-day table of the working arrays at the end
// of the employee's carsText.

#include "core/rules/duty_timeline.h"

namespace tallow {

class TPilot;

// Appends the exception item naming the failDay days, when there are any.
void ReportSchemeFailures(const DutyTimeline& line, const ScheduleCalendar& calendar,
                          TPilot& pilot);

// Appends the legend and one line per timeline day to carsText.
void WriteDutyTable(const DutyTimeline& line, const ScheduleCalendar& calendar, TPilot& pilot);

}  // namespace tallow
