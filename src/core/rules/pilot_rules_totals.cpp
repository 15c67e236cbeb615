// Pilot totals over a window of days: hard time in 28 and 90 days,
// twelve-hour duties and duty in 28 days.

#include <array>

#include "core/rules/legality_items.h"
#include "core/rules/pilot_rules.h"

namespace tallow {

namespace {

constexpr int64_t kHardLimit28 = 6720;
constexpr int64_t kHardLimit90 = 18000;
constexpr int64_t kDutyLimit28 = 11520;
constexpr int32_t kLongDuty = 720;
constexpr int kDutyTimeline = 69;

int64_t LineHard(const RuleLine& line, int day) {
    return day >= 0 && day < kCalendarDays ? line.lineHard[static_cast<size_t>(day)] : 0;
}

struct TimelineDuty {
    int64_t start = 0;
    int64_t length = 0;
    bool restart = false;
};
using DutyTimeline = std::array<TimelineDuty, kDutyTimeline>;

void SetDuty(DutyTimeline& timeline, int t, int64_t start, int64_t length) {
    if (t >= 0 && t < kDutyTimeline) {
        timeline[static_cast<size_t>(t)].start = start;
        timeline[static_cast<size_t>(t)].length = length;
    }
}

// A pairing starting more than a day after the previous one ended breaks a
// run of long duties.
void MarkRestart(DutyTimeline& timeline, int t, int64_t start, int64_t& previousEnd, int64_t end) {
    if (start - previousEnd > kMinutesPerDay - 1 && t >= 0 && t < kDutyTimeline) {
        timeline[static_cast<size_t>(t)].restart = true;
    }
    previousEnd = end;
}

DutyTimeline BuildDutyTimeline(const RuleLine& line) {
    DutyTimeline timeline{};
    int64_t previousEnd = 0;
    for (int i = 0; i <= 44; ++i) {
        const int32_t pairingStart = line.History(i, kHistoryPairingStart);
        if (pairingStart <= 0) {
            continue;
        }
        const int64_t start = static_cast<int64_t>(i) * kMinutesPerDay + pairingStart;
        const int64_t release = static_cast<int64_t>(pairingStart) + line.History(i, kHistoryTafb);
        MarkRestart(timeline, i, start, previousEnd, start + line.History(i, kHistoryTafb));
        const int64_t span = release / kMinutesPerDay + 1;
        for (int64_t k = 0; k < span && i + k < kDutyTimeline; ++k) {
            const int t = i + static_cast<int>(k);
            if (line.History(t, kHistoryWorked) == 1) {
                SetDuty(timeline, t, line.History(t, kHistoryDutyStart),
                        line.History(t, kHistoryDuty));
            }
        }
    }
    for (int d = 0; d < line.len; ++d) {
        const int t = kPreviousDays + d;
        if (const TPair* pairing = line.PairingOn(d)) {
            const int64_t start = static_cast<int64_t>(t) * kMinutesPerDay + pairing->reportTime;
            MarkRestart(timeline, t, start, previousEnd, start + pairing->tafb);
            for (int k = 0; k < DutyDays(*pairing); ++k) {
                const auto slot = static_cast<size_t>(k);
                if (pairing->dailyHard[slot] > 0) {
                    SetDuty(timeline, t + k, pairing->dailyStart[slot], pairing->dailyDuty[slot]);
                }
            }
        } else if (const DayValues* toolbox = line.ToolboxOn(d)) {
            if ((*toolbox)[kDetailHard] > 0) {
                SetDuty(timeline, t, (*toolbox)[kDetailStart], (*toolbox)[kDetailTimeAtWork]);
            }
        }
    }
    return timeline;
}

}  // namespace

void CheckHardTimeIn28Days(RuleLine& line) {
    DayList exceptions;
    for (int first = -27; first < line.len; ++first) {
        int64_t sum = 0;
        for (int d = first; d < first + 28; ++d) {
            if (d < 5) {
                sum += line.History(d + kPreviousDays, kHistoryHard);
            }
            if (d >= 0 && d <= line.len + 4) {
                sum += LineHard(line, d);
                if (sum > kHardLimit28) {
                    exceptions.FlagBoardDay(d);
                }
            }
        }
    }
    AppendDayItem(line.schedule, line.len, line.employee, ItemList::Exceptions,
                  " 112+ Hours Hard in 28 on", exceptions, kHardTimeDayList);
}

void CheckHardTimeIn90Days(RuleLine& line) {
    const TPilot& employee = line.employee;
    if (employee.hardTimeHistory.size() < kHardTimeHistoryLength) {
        return;
    }
    DayList exceptions;
    for (int i = 0; i <= line.len + 5; ++i) {
        int64_t total = 0;
        for (int d = i - 89; d <= i; ++d) {
            if (d < 0) {
                total += employee.hardTimeDays[static_cast<size_t>(d + kHardTimeDays)];
                continue;
            }
            if (d <= 5) {
                total += line.History(d + kPreviousDays, kHistoryHard);
            }
            if (d < line.len + 6) {
                total += LineHard(line, d);
            }
        }
        if (total > kHardLimit90) {
            exceptions.FlagBoardDay(i);
        }
    }
    AppendDayItem(line.schedule, line.len, line.employee, ItemList::Exceptions,
                  " 300+ Hours Hard in 90 on", exceptions, kHardTimeDayList);
}

void CheckTwelveHourDuties(RuleLine& line) {
    const DutyTimeline timeline = BuildDutyTimeline(line);
    DayList exceptions;
    int64_t lastEnd = -kMinutesPerDay;
    int count = 0;
    for (int t = 0; t < kDutyTimeline; ++t) {
        const TimelineDuty& duty = timeline[static_cast<size_t>(t)];
        if (duty.restart) {
            count = 0;
        }
        if (duty.length <= 0) {
            continue;
        }
        const int64_t start = static_cast<int64_t>(t) * kMinutesPerDay + duty.start;
        if (duty.length >= kLongDuty) {
            lastEnd = start + duty.length;
            ++count;
        } else {
            if (start - lastEnd > kMinutesPerDay - 1) {
                count = 0;
            }
            lastEnd = start + duty.length;
            count = count > 2 ? count + 1 : 0;
        }
        if (count > 3) {
            exceptions.Flag(t);
            count = 0;
        }
    }
    AppendDayItem(line.schedule, line.len, line.employee, ItemList::Exceptions, " 3+ 12 Hr Duty on",
                  exceptions, kTwelveHourDutyDayList);
}

void CheckDutyIn28Days(RuleLine& line) {
    DayList exceptions;
    for (int j = 0; j <= line.len + 5; ++j) {
        const auto t = static_cast<size_t>(j + kPreviousDays);
        if (t < line.employee.dutyTotals.size() && line.employee.dutyTotals[t][2] > kDutyLimit28) {
            exceptions.FlagBoardDay(j);
        }
    }
    AppendDayItem(line.schedule, line.len, line.employee, ItemList::Exceptions, " 192h+/28d On",
                  exceptions, kDutyHoursDayList);
}

}  // namespace tallow
