#include "core/rules/duty_timeline.h"

#include <algorithm>
#include <limits>

#include "core/model/schedule.h"
#include "core/model/time_text.h"

namespace tallow {
namespace {

// History records come from the activity extract; only these days are laid out.
constexpr int kLastHistoryStart = 59;
constexpr int kLastHistoryPairingDay = 60;
// The schedule's clock change is a board moment; the timeline starts 31 days earlier.
constexpr int64_t kTimelineOffset = kMonthOnTimeline * kDayLength;
constexpr int32_t kKeyInHandRest = 179;
// Old rule set: the pairing's daily duty figures in its source text.
constexpr size_t kOldDutyColumn = 343;
constexpr size_t kOldDutyWidth = 4;

// Days a duty touches: one, and one more for every 1440 by which its end
// (start + length, minutes from 00:00 of its first day) still exceeds 1440.
int64_t DaysSpanned(int64_t end) {
    return end > kDayLength ? 1 + (end - 1) / kDayLength : 1;
}

// The end of a duty starting on timeline day t, moved by the clock change
// when the change falls inside it.
int64_t ClockCorrectedEnd(const ScheduleCalendar& calendar, int t, int64_t start, int64_t length) {
    const int64_t at = t * kDayLength + start;
    const int64_t change = calendar.dstChangeAt + kTimelineOffset;
    int64_t end = start + length;
    if (at < change && change <= at + length) {
        end += calendar.dstShift;
    }
    return end;
}

// Adds duty minutes to day u; a duty running past midnight gives the part
// after it to the next day when `split` is set.
void CountDuty(DutyTimeline& line, int u, int64_t start, int64_t minutes, bool split) {
    if (!OnTimeline(u)) {
        return;
    }
    if (split && start + minutes > kDayLength) {
        line.dutyMinutes[Slot(u)] += kDayLength - start;
        if (OnTimeline(u + 1)) {
            line.dutyMinutes[Slot(u + 1)] += start + minutes - kDayLength;
        }
        return;
    }
    line.dutyMinutes[Slot(u)] += minutes;
}

void AddHistoryPairing(const ScheduleCalendar& calendar, const TPilot& pilot, int t,
                       DutyTimeline& line) {
    const DayValues& record = pilot.history[Slot(t)];
    line.periodStart[Slot(t)] = record[kHistoryPairingStart];
    line.periodLength[Slot(t)] = record[kHistoryTafb];
    const int64_t days = DaysSpanned(
        ClockCorrectedEnd(calendar, t, record[kHistoryPairingStart], record[kHistoryTafb]));
    for (int u = t; u < t + days && u <= kLastHistoryPairingDay; ++u) {
        const DayValues& day = pilot.history[Slot(u)];
        // A later day that starts its own pairing counts its duty with that pairing.
        if (u > t && day[kHistoryTafb] > 0) {
            break;
        }
        line.dutyDay[Slot(u)] = true;
        line.dayStart[Slot(u)] = day[kHistoryDutyStart];
        line.dayLength[Slot(u)] = day[kHistoryDuty];
        CountDuty(line, u, day[kHistoryDutyStart], day[kHistoryDuty], true);
    }
}

void AddHistoryDuty(const ScheduleCalendar& calendar, const TPilot& pilot, int t,
                    DutyTimeline& line) {
    const DayValues& record = pilot.history[Slot(t)];
    const int32_t start = record[kHistoryDutyStart];
    const int32_t length = record[kHistoryDuty];
    line.periodStart[Slot(t)] = start;
    line.periodLength[Slot(t)] = length;
    const bool reserve = record[kHistoryWorked] == 2;
    if (reserve) {
        line.reserveDay[Slot(t)] = true;
    }
    CountDuty(line, t, start, reserve ? length / 3 : length, true);
    const int64_t days = DaysSpanned(ClockCorrectedEnd(calendar, t, start, length));
    for (int u = t; u < t + days && u <= kLastTimelineDay; ++u) {
        line.dutyDay[Slot(u)] = true;
        line.dayStart[Slot(u)] = start;
        line.dayLength[Slot(u)] = length;
    }
}

void AddLastMonth(const ScheduleCalendar& calendar, const TPilot& pilot, DutyTimeline& line) {
    for (int t = 0; t <= kLastHistoryStart; ++t) {
        const DayValues& record = pilot.history[Slot(t)];
        if (record[kHistoryTafb] > 0) {
            AddHistoryPairing(calendar, pilot, t, line);
        } else if (record[kHistoryWorked] != 0 && record[kHistoryCarsDuty] != 0 &&
                   !pilot.historyCode[Slot(t)].empty()) {
            AddHistoryDuty(calendar, pilot, t, line);
        }
    }
}

// The old rule set took each day's duty from the figures printed in the
// pairing text, the last day's figure plus the one after it.
int64_t OldDutyMinutes(const TPair& pair, int k, bool lastDay) {
    const size_t column = kOldDutyColumn + kOldDutyWidth * static_cast<size_t>(k);
    int64_t minutes = GetInt(pair.sourceText, column, kOldDutyWidth);
    if (lastDay) {
        minutes += std::max(0, GetInt(pair.sourceText, column + kOldDutyWidth, kOldDutyWidth));
    }
    return minutes;
}

void AddPairing(const ScheduleCalendar& calendar, const TPair& pair, int t, DutyRuleSet rules,
                DutyTimeline& line) {
    line.periodStart[Slot(t)] = pair.reportTime;
    line.periodLength[Slot(t)] = pair.tafb;
    const int64_t days = DaysSpanned(ClockCorrectedEnd(calendar, t, pair.reportTime, pair.tafb));
    for (int k = 0; k < days && k < kPairDays && t + k <= kLastTimelineDay; ++k) {
        const int u = t + k;
        const size_t day = static_cast<size_t>(k);
        line.dutyDay[Slot(u)] = true;
        line.dayLength[Slot(u)] = pair.dailyDuty[day];
        if (rules == DutyRuleSet::Current) {
            line.dayStart[Slot(u)] = pair.dutyStartAt[day];
            CountDuty(line, u, pair.dutyStartAt[day], pair.dailyDuty[day], true);
            if (pair.layoverRest[day] > kKeyInHandRest) {
                line.keyInHand[Slot(u)] = true;
            }
        } else {
            line.dayStart[Slot(u)] = pair.dailyStart[day];
            CountDuty(line, u, 0, OldDutyMinutes(pair, k, k == days - 1), false);
        }
    }
}

void AddToolboxDuty(const DayValues& detail, int t, DutyTimeline& line) {
    const int32_t start = detail[kDetailStart];
    const int32_t length = detail[kDetailTimeAtWork];
    line.periodStart[Slot(t)] = start;
    line.dayStart[Slot(t)] = start;
    line.periodLength[Slot(t)] = length;
    line.dayLength[Slot(t)] = length;
    const bool reserve = detail[kDetailReserve] != 0;
    if (reserve) {
        line.reserveDay[Slot(t)] = true;
    }
    CountDuty(line, t, start, reserve ? length / 3 : length, true);
    const int64_t days = DaysSpanned(int64_t{start} + length);
    for (int u = t; u < t + days && u <= kLastTimelineDay; ++u) {
        line.dutyDay[Slot(u)] = true;
    }
}

void AddThisMonth(const TSchedule& schedule, const TPilot& pilot, DutyRuleSet rules,
                  DutyTimeline& line) {
    const int length = MonthLength(schedule);
    for (int d = 0; d < length; ++d) {
        const int t = kMonthOnTimeline + d;
        const int32_t seat = pilot.dayPairing[Slot(d)];
        if (seat >= 0 && static_cast<size_t>(seat) < schedule.pairings.size()) {
            AddPairing(schedule, schedule.pairings[static_cast<size_t>(seat)], t, rules, line);
        } else if (seat == kDayToolbox) {
            const DayValues& detail = pilot.dayDetail[Slot(d)];
            if (detail[kDetailContainsDuty] != 0 && detail[kDetailCarsDuty] != 0) {
                AddToolboxDuty(detail, t, line);
            }
        }
    }
}

int32_t Saturated(int64_t value) {
    return static_cast<int32_t>(std::clamp<int64_t>(value, std::numeric_limits<int32_t>::min(),
                                                    std::numeric_limits<int32_t>::max()));
}

int64_t DutySum(const DutyTimeline& line, int first, int last) {
    int64_t sum = 0;
    for (int t = std::max(first, 0); t <= last; ++t) {
        sum += line.dutyMinutes[Slot(t)];
    }
    return sum;
}

}  // namespace

DutyTimeline::DutyTimeline() {
    dayStart.fill(kNoDuty);
    dayLength.fill(kNoDuty);
    periodStart.fill(kNoDuty);
    periodLength.fill(kNoDuty);
}

int MonthLength(const ScheduleCalendar& calendar) {
    return calendar.PeriodDays();
}

CalendarDate TimelineDate(const ScheduleCalendar& calendar, int t) {
    if (t >= 0 && t < kMonthOnTimeline) {
        return calendar.previousDays[Slot(t)];
    }
    if (t >= kMonthOnTimeline && t - kMonthOnTimeline < kCalendarDays) {
        return calendar.days[Slot(t - kMonthOnTimeline)];
    }
    return {};
}

DutyTimeline BuildDutyTimeline(const TSchedule& schedule, const TPilot& pilot, DutyRuleSet rules) {
    DutyTimeline line;
    AddLastMonth(schedule, pilot, line);
    AddThisMonth(schedule, pilot, rules, line);
    return line;
}

void FillDutyTotals(const DutyTimeline& line, TPilot& pilot) {
    for (int t = 0; t <= kLastTimelineDay; ++t) {
        std::array<int32_t, 3>& totals = pilot.dutyTotals[Slot(t)];
        totals[0] = Saturated(line.dutyMinutes[Slot(t)]);
        totals[1] = t > 6 ? Saturated(DutySum(line, t - 6, t)) : 0;
        totals[2] = t > 28 ? Saturated(DutySum(line, t - 27, t)) : 0;
    }
}

}  // namespace tallow
