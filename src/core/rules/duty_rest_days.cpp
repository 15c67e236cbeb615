#include "core/rules/duty_rest_days.h"

#include <algorithm>

namespace tallow {
namespace {

// A duty starting after 07:30 (counted at most as 09:30) with 9 hours off
// before it follows a local night rest.
constexpr int64_t kNightRestEarliestStart = 450;
constexpr int64_t kNightRestStartCap = 570;
constexpr int64_t kNightRestLength = 540;
constexpr int64_t kNightRestGrace = 30;
// A free day needs the whole day off less half an hour.
constexpr int64_t kFreeDayMinimum = 1410;
constexpr int kOldRestDay = 76;
constexpr int kFiveDayBlock = 5;

// How many times a day can be taken from the gap while it stays above
// the free-day minimum.
int64_t FreeDaysIn(int64_t gap) {
    return gap >= kFreeDayMinimum ? (gap - kFreeDayMinimum) / kDayLength + 1 : 0;
}

}  // namespace

void MarkLocalNightRests(DutyTimeline& line) {
    int64_t previousEnd = 0;
    for (int t = 0; t <= kLastTimelineDay; ++t) {
        if (!line.HasPeriod(t)) {
            continue;
        }
        const int64_t dayBegin = t * kDayLength;
        const int64_t start = std::min<int64_t>(line.periodStart[Slot(t)], kNightRestStartCap);
        if (start >= kNightRestEarliestStart &&
            dayBegin + start - previousEnd >= kNightRestLength) {
            line.lnr[Slot(t)] = true;
        }
        int64_t gap = dayBegin + kNightRestGrace - previousEnd;
        for (int k = t - 1; gap >= kDayLength && k >= 0; --k) {
            gap -= kDayLength;
            line.lnr[Slot(k)] = true;
        }
        previousEnd = line.PeriodEnd(t);
    }
}

void MarkSingleDaysFree(DutyTimeline& line, DutyRuleSet rules) {
    int64_t previousEnd = 0;
    for (int t = 0; t <= kLastTimelineDay; ++t) {
        const bool restDayOnly =
            rules == DutyRuleSet::Old && t == kOldRestDay && !line.HasPeriod(t);
        if (!line.HasPeriod(t) && !restDayOnly) {
            continue;
        }
        int64_t freeDays = FreeDaysIn(t * kDayLength - previousEnd);
        if (t == kOldRestDay) {
            freeDays = std::min<int64_t>(freeDays, 1);
        }
        for (int k = t; k > t - freeDays && k >= 1; --k) {
            if (line.lnr[Slot(k)] && line.lnr[Slot(k - 1)]) {
                line.sdfd[Slot(k - 1)] = true;
            }
        }
        previousEnd = restDayOnly ? t * kDayLength : line.PeriodEnd(t);
    }
}

void MarkFiveDayBlocks(DutyTimeline& line, int monthLength) {
    const int last = std::min(monthLength + 36, kLastTimelineDay);
    int run = 0;
    for (int t = 0; t <= last; ++t) {
        run = line.sdfd[Slot(t)] ? run + 1 : 0;
        if (run >= kFiveDayBlock) {
            line.fiveLnr[Slot(t)] = true;
        }
    }
}

}  // namespace tallow
