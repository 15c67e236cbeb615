#pragma once
// One employee's line as the block rules read it. Every seat index, board
// day and timeline day taken from the data is checked here before use, so a
// damaged line reads as free days and zero history instead of past a table.

#include <cstdint>
#include <string_view>

#include "core/model/schedule.h"

namespace tallow {

inline constexpr int32_t kMinutesPerDay = 1440;

// The schedule's day count kept to 0..31.
int MonthLength(const TSchedule& schedule);
// The seat starting on `day`; null when the day holds no seat in use.
const TPair* PairingOn(const TSchedule& schedule, const TPilot& employee, int day);
// The toolbox assignment of `day`; null when the day holds none.
const DayValues* ToolboxOn(const TPilot& employee, int day);
// A history value of timeline day `t`; 0 outside the table.
int32_t HistoryValue(const TPilot& employee, int t, HistorySlot slot);

struct RuleLine {
    // `row` must be a row of the schedule's table.
    RuleLine(TSchedule& schedule, int row);

    TSchedule& schedule;
    TPilot& employee;
    int row;
    int len;  // days of the month, 0..31
    // Hard time per board day from the line's pairings and toolbox days.
    PerDay<int64_t> lineHard{};

    const TPair* PairingOn(int day) const { return tallow::PairingOn(schedule, employee, day); }
    const DayValues* ToolboxOn(int day) const { return tallow::ToolboxOn(employee, day); }
    int32_t History(int t, HistorySlot slot) const { return HistoryValue(employee, t, slot); }
    std::string_view HistoryCode(int t) const;
    std::string_view DayCode(int day) const;
    std::string_view CrewCode(int day) const;

    // `start` moved by the clock change when the change falls after
    // `previousStart` and no later than `start`.
    int64_t ClockCorrected(int64_t previousStart, int64_t start) const;
};

// Calendar days a pairing covers from its start day, its release day counted
// only when it releases at 02:00 or later.
int DaysUntilRelease(const TPair& pairing);
// Calendar days from the start day to the day of the final release.
int CalendarSpan(const TPair& pairing);
// The pairing's duty days that its per-day tables hold.
int DutyDays(const TPair& pairing);

bool Contains(std::string_view text, std::string_view marker);

}  // namespace tallow
