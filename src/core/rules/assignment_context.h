#pragma once
// What the assignment operations work on: the schedule, the desktop that asks
// their questions, and the pairings window's selection they update. Also the
// range tests every index taken from a line, the history or a caller passes
// before a table is read through it.

#include <algorithm>

#include "core/model/schedule.h"

namespace tallow {

class Desktop;
struct PairingSelection;

struct EditContext {
    TSchedule& schedule;
    Desktop& desktop;
    PairingSelection& selection;
};

inline bool IsEmployeeRow(const TSchedule& schedule, int row) {
    return row >= 0 && row < schedule.RowsInUse();
}

inline bool IsSeat(const TSchedule& schedule, int pairing) {
    return pairing >= 0 && pairing <= schedule.lastPairing && pairing < kPairingSlots;
}

// Days of the period that the per-seat day tables hold.
inline int PeriodDayCount(const TSchedule& schedule) {
    return schedule.PeriodDays();
}

inline bool IsPeriodDay(const TSchedule& schedule, int day) {
    return day >= 0 && day < PeriodDayCount(schedule);
}

}  // namespace tallow
