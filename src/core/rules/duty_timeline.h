#pragma once
// The working arrays of one duty-time check: the employee's duties laid out
// on the 93-day timeline (31 days before the month, then the board days), and
// the rest, fatigue and failure marks the later steps derive from them.

#include <array>
#include <cstddef>
#include <cstdint>

#include "core/model/calendar.h"

namespace tallow {

class TPilot;
class TSchedule;

inline constexpr int kLastTimelineDay = kTimelineDays - 1;  // 92
inline constexpr int kMonthOnTimeline = kPreviousDays;      // timeline day of board day 0
inline constexpr int64_t kDayLength = 1440;
inline constexpr int32_t kNoDuty = -1;

enum class DutyRuleSet { Current, Old };

template <typename T>
using TimelineDays = std::array<T, kTimelineDays>;

constexpr bool OnTimeline(int64_t t) {
    return t >= 0 && t <= kLastTimelineDay;
}
constexpr size_t Slot(int64_t t) {
    return static_cast<size_t>(t);
}

struct DutyTimeline {
    DutyTimeline();

    TimelineDays<bool> dutyDay{};
    TimelineDays<bool> reserveDay{};
    TimelineDays<int32_t> dayStart{};
    TimelineDays<int32_t> dayLength{};
    TimelineDays<int32_t> periodStart{};
    TimelineDays<int32_t> periodLength{};
    TimelineDays<int64_t> dutyMinutes{};
    TimelineDays<bool> keyInHand{};
    TimelineDays<bool> early{};
    TimelineDays<bool> late{};
    TimelineDays<bool> night{};
    TimelineDays<bool> wocl{};
    TimelineDays<bool> lnr{};
    TimelineDays<bool> sdfd{};
    TimelineDays<bool> fiveLnr{};
    TimelineDays<bool> over2448{};
    TimelineDays<int> elnCode{};
    TimelineDays<bool> failDay{};

    bool HasPeriod(int t) const { return OnTimeline(t) && periodStart[Slot(t)] >= 0; }
    bool HasDutyStart(int t) const { return OnTimeline(t) && dayStart[Slot(t)] != kNoDuty; }
    // Absolute end of the duty period that begins on day t.
    int64_t PeriodEnd(int t) const {
        return t * kDayLength + periodStart[Slot(t)] + periodLength[Slot(t)];
    }
};

// The month's length as the loops may use it, whatever a file put in dayCount.
int MonthLength(const ScheduleCalendar& calendar);

// Calendar date of timeline day t; a zero date off the calendar.
CalendarDate TimelineDate(const ScheduleCalendar& calendar, int t);

// Lays out last month's history and this month's pairings and toolbox duties.
DutyTimeline BuildDutyTimeline(const TSchedule& schedule, const TPilot& pilot, DutyRuleSet rules);

// The employee's daily duty with its 7- and 28-day sums.
void FillDutyTotals(const DutyTimeline& line, TPilot& pilot);

}  // namespace tallow
