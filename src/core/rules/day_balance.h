#pragma once
// The daily balance shown on the board: per day of the period, the employees
// still free to work less the open seat-days.

namespace tallow {

class TSchedule;

// Recomputes dayBalance; each day whose value changed is repainted.
void UpdateDayBalance(TSchedule& schedule);

}  // namespace tallow
