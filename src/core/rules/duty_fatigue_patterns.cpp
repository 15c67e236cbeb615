#include "core/rules/duty_fatigue_patterns.h"

#include <algorithm>
#include <string>

#include "core/model/pilot.h"
#include "core/model/text_format.h"

namespace tallow {
namespace {

constexpr int64_t kEarlyFirst = 120;  // 02:00
constexpr int64_t kEarlyLast = 419;   // 06:59
constexpr int64_t kLateFirst = 1440;  // ends 00:00 to 01:59
constexpr int64_t kLateLast = 1559;
constexpr int64_t kNightStartAfter = 779;
constexpr int64_t kWoclFirst = 120;  // 02:00 to 05:59
constexpr int64_t kWoclLast = 359;
constexpr int kFirstEarlyLateDay = 15;
constexpr int kWoclRunLimit = 3;
constexpr int kWoclRunMaximum = 5;
// 56 hours off are due after a run of intrusions.
constexpr int64_t kWoclRecovery = 3360;
constexpr int64_t kNoNextDuty = 5760;

enum EarlyLateCode : int {
    kEarlyAfterLate = 1,
    kLateAfterEarly = 2,
    kWoclRecoveryShort = 3,
    kWoclKeyInHandShort = 4,
};

constexpr const char* kEarlyLateTexts[] = {
    "",
    " Early Duty preceded by Late or Night Duty to without LNR",
    " Late or Night Duty preceded by Early Duty without LNR",
    " Need 56 Hr Off after more than 3 to 5 WOCL Intrusions",
    " Key In Hand < 3 Hrs for 3-5 or > 5 WOCL Intrusions",
};

int LastPatternDay(int monthLength) {
    return std::min(monthLength + 40, kLastTimelineDay);
}

int64_t DutyEnd(const DutyTimeline& line, int t) {
    return int64_t{line.dayStart[Slot(t)]} + line.dayLength[Slot(t)];
}

void MarkEarlyLateChanges(DutyTimeline& line, int monthLength) {
    for (int t = kFirstEarlyLateDay; t <= LastPatternDay(monthLength); ++t) {
        if (!line.HasPeriod(t) || line.lnr[Slot(t)]) {
            continue;
        }
        const size_t day = Slot(t);
        const size_t before = Slot(t - 1);
        if (line.early[day] && (line.late[before] || line.night[before])) {
            line.elnCode[day] = kEarlyAfterLate;
        }
        if ((line.late[day] || line.night[day]) && line.early[before]) {
            line.elnCode[day] = kLateAfterEarly;
        }
    }
}

// Start of the first duty within three days after day e.
int64_t NextDutyStart(const DutyTimeline& line, int e) {
    for (int u = e + 1; u <= e + 3 && OnTimeline(u); ++u) {
        if (line.dayStart[Slot(u)] >= 1) {
            return u * kDayLength + line.dayStart[Slot(u)];
        }
    }
    return e * kDayLength + kNoNextDuty;
}

void AppendWoclWarning(const ScheduleCalendar& calendar, int t, TPilot& pilot) {
    const int d = t - kMonthOnTimeline;
    pilot.warningsText += " 3 Plus WOCL Intrusions. Check for Key In Hand > 3 Hours";
    pilot.warningsText += d < MonthLength(calendar) ? Format(" %02d+", calendar.days[Slot(d)].day)
                                                    : std::string(" C/Out+");
    pilot.dayWarning[Slot(d)] = 1;
}

void CheckWoclRuns(DutyTimeline& line, const ScheduleCalendar& calendar, TPilot& pilot) {
    int run = 0;
    int keyInHandRun = 0;
    bool pending = false;
    int lastIntrusion = 0;
    int64_t intrusionEnd = 0;
    for (int t = 1; t <= LastPatternDay(MonthLength(calendar)); ++t) {
        if (line.wocl[Slot(t)]) {
            ++run;
            keyInHandRun = line.keyInHand[Slot(t - 1)] ? keyInHandRun + 1 : 0;
        } else {
            run = 0;
            if (pending && NextDutyStart(line, lastIntrusion) < intrusionEnd + kWoclRecovery) {
                line.elnCode[Slot(t)] = kWoclRecoveryShort;
            }
            pending = false;
        }
        if ((run > kWoclRunLimit && keyInHandRun < run) || run > kWoclRunMaximum) {
            line.elnCode[Slot(t)] = kWoclKeyInHandShort;
        } else if (run > kWoclRunLimit) {
            pending = true;
            lastIntrusion = t - 1;
            intrusionEnd = lastIntrusion * kDayLength + DutyEnd(line, lastIntrusion);
            if (t >= kMonthOnTimeline) {
                AppendWoclWarning(calendar, t, pilot);
            }
        }
    }
}

void ReportEarlyLate(const DutyTimeline& line, const ScheduleCalendar& calendar, TPilot& pilot) {
    const int monthLength = MonthLength(calendar);
    for (int t = 0; t <= LastPatternDay(monthLength); ++t) {
        const int code = line.elnCode[Slot(t)];
        if (code < kEarlyAfterLate || code > kWoclKeyInHandShort) {
            continue;
        }
        pilot.illegalitiesText += kEarlyLateTexts[code];
        const int d = t - kMonthOnTimeline;
        if (d < 0) {
            const CalendarDate& date = calendar.previousDays[Slot(t)];
            pilot.illegalitiesText += Format(" %02d/%02d/%04d.+", date.day, date.month, date.year);
        } else if (d < monthLength) {
            pilot.illegalitiesText += Format(" %02d+", calendar.days[Slot(d)].day);
            pilot.dayIllegal[Slot(d)] = 1;
        } else {
            pilot.illegalitiesText += " C/Out+";
            pilot.dayIllegal[Slot(d)] = 1;
            return;
        }
    }
}

}  // namespace

void MarkEarlyLateNight(DutyTimeline& line, int monthLength) {
    const int last = std::min(monthLength + 36, kLastTimelineDay);
    for (int t = 0; t <= last; ++t) {
        if (!line.HasDutyStart(t)) {
            continue;
        }
        const int64_t start = line.dayStart[Slot(t)];
        const int64_t end = DutyEnd(line, t);
        line.early[Slot(t)] = start >= kEarlyFirst && start <= kEarlyLast;
        line.late[Slot(t)] = end >= kLateFirst && end <= kLateLast;
        line.night[Slot(t)] = (start > kNightStartAfter && end > kLateLast) || start < kEarlyFirst;
    }
}

void MarkWoclIntrusions(DutyTimeline& line, int monthLength) {
    for (int t = 0; t <= LastPatternDay(monthLength); ++t) {
        if (!line.HasDutyStart(t) || line.reserveDay[Slot(t)]) {
            continue;
        }
        const int64_t start = line.dayStart[Slot(t)];
        if (start >= kWoclFirst && start <= kWoclLast) {
            line.wocl[Slot(t)] = true;
        }
        if (DutyEnd(line, t) > kLateLast && OnTimeline(t + 1)) {
            line.wocl[Slot(t + 1)] = true;
        }
    }
}

void CheckFatiguePatterns(DutyTimeline& line, const ScheduleCalendar& calendar, TPilot& pilot) {
    const int monthLength = MonthLength(calendar);
    MarkEarlyLateNight(line, monthLength);
    MarkWoclIntrusions(line, monthLength);
    MarkEarlyLateChanges(line, monthLength);
    CheckWoclRuns(line, calendar, pilot);
    ReportEarlyLate(line, calendar, pilot);
}

}  // namespace tallow
