// RB grouping: RB reserve days on a reduced block come in twos; on a
// full block every lone RB day needs two days off on each side before the
// next duty.

#include <algorithm>
#include <array>

#include "core/rules/cabin_rules.h"
#include "core/rules/legality_items.h"

namespace tallow {

namespace {

constexpr int32_t kReserveIntoNextDay = 1560;
constexpr int32_t kMaxReducedBlock = 4200;
constexpr int kLastHistoryDuty = 35;

using TimelineFlags = std::array<bool, kTimelineDays + 1>;

bool At(const TimelineFlags& flags, int t) {
    return t >= 0 && t < static_cast<int>(flags.size()) && flags[static_cast<size_t>(t)];
}

void Set(TimelineFlags& flags, int t) {
    if (t >= 0 && t < static_cast<int>(flags.size())) {
        flags[static_cast<size_t>(t)] = true;
    }
}

bool IsRbHistoryCode(std::string_view code) {
    return code == "RB " || code == "RSB";
}

TimelineFlags FindRbDays(const RuleLine& line) {
    TimelineFlags rb{};
    for (int t = 0; t < kPreviousDays; ++t) {
        if (IsRbHistoryCode(line.HistoryCode(t))) {
            Set(rb, t);
        }
    }
    for (int d = 0; d < line.len; ++d) {
        if (line.CrewCode(d) == "RB") {
            Set(rb, kPreviousDays + d);
        }
    }
    return rb;
}

TimelineFlags FindDutyDays(const RuleLine& line) {
    TimelineFlags duty{};
    for (int t = 0; t < kPreviousDays; ++t) {
        if (IsRbHistoryCode(line.HistoryCode(t))) {
            Set(duty, t + 1);
        }
    }
    for (int t = 0; t <= kLastHistoryDuty; ++t) {
        if (line.History(t, kHistoryWorked) != 0) {
            Set(duty, t);
        }
    }
    for (int d = 0; d < line.len; ++d) {
        const int t = kPreviousDays + d;
        if (const TPair* pairing = line.PairingOn(d)) {
            const int days = CalendarSpan(*pairing);
            for (int k = 0; k < days; ++k) {
                Set(duty, t + k);
            }
        } else if (const DayValues* toolbox = line.ToolboxOn(d)) {
            if ((*toolbox)[kDetailContainsDuty] != 0) {
                Set(duty, t);
                if (static_cast<int64_t>((*toolbox)[kDetailStart]) + (*toolbox)[kDetailTimeAtWork] >
                    kReserveIntoNextDay) {
                    Set(duty, t + 1);
                }
            }
        }
    }
    return duty;
}

// Walks from `from` by `step` up to `last`: a duty after exactly one day
// without duty is a breach; the walk ends at the second day in a row without duty.
bool SingleDayOffBetween(const TimelineFlags& duty, int from, int step, int last) {
    int daysWithout = 0;
    for (int t = from; step > 0 ? t <= last : t >= last; t += step) {
        if (At(duty, t)) {
            if (daysWithout == 1) {
                return true;
            }
            daysWithout = 0;
        } else if (++daysWithout == 2) {
            return false;
        }
    }
    return false;
}

}  // namespace

void CheckRbGrouping(RuleLine& line) {
    const TimelineFlags rb = FindRbDays(line);
    if (std::none_of(rb.begin(), rb.end(), [](bool day) { return day; })) {
        return;
    }
    const int lastDay = line.len + 30;
    DayList exceptions;
    const int32_t maxBlock = line.employee.maxBlockOverride;
    if (maxBlock >= 1 && maxBlock <= kMaxReducedBlock) {
        int runStart = -1;
        for (int t = 20; t <= lastDay + 1; ++t) {
            const bool inRun = t <= lastDay && At(rb, t);
            if (inRun && runStart < 0) {
                runStart = t;
            } else if (!inRun && runStart >= 0) {
                if (t - runStart == 1 && runStart >= kPreviousDays) {
                    exceptions.Flag(runStart);
                }
                runStart = -1;
            }
        }
        AppendDayItem(line.schedule, line.len, line.employee, ItemList::Exceptions,
                      " RB Days Must be Grouped in 2s for Reduced Block on ", exceptions,
                      kMonthDayList);
        return;
    }
    const TimelineFlags duty = FindDutyDays(line);
    for (int t = 15; t <= lastDay; ++t) {
        if (!At(rb, t) || At(rb, t - 1) || At(rb, t + 1)) {
            continue;
        }
        if (SingleDayOffBetween(duty, t - 1, -1, 1) ||
            SingleDayOffBetween(duty, t + 1, 1, lastDay)) {
            exceptions.Flag(t);
        }
    }
    AppendDayItem(line.schedule, line.len, line.employee, ItemList::Exceptions,
                  " Must Have 2 Days Off before and after RB periods on", exceptions,
                  kRbGroupingDayList);
}

}  // namespace tallow
