#pragma once
// The block credit of an employee's line: carried-in and added credits, the
// pairings and the credited toolbox days of the period, less leave.

#include <cstdint>

namespace tallow {

class Desktop;
class TPair;
class TSchedule;

// Credit of a seat flown from period day `day`: its total credit, or only the
// credit of its days inside the period when it runs past the period's end.
int32_t CreditInsideMonth(const TPair& seat, int day, int32_t dayCount);

// Recomputes blockHours, blockMinutes, timeBankUsed and albCredit of the row
// and returns its credit less leave credit. `payrollMode` (Esc held on the
// board) counts every credit, excluded ones and training at home included.
int32_t BlockCredit(TSchedule& schedule, Desktop& desktop, int row, bool payrollMode);

}  // namespace tallow
