#pragma once
// The days-off count of an employee's line, shown on the board and in the
// reports.

#include "core/model/schedule.h"

namespace tallow {

// Days of the month without work: no pairing, duty day or worked carry-in.
// In the pilot groups, leave days and leave credit count as days worked.
// 0 for a row outside the table.
int DaysOff(const TSchedule& schedule, int row);

}  // namespace tallow
