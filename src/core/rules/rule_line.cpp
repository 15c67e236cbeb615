#include "core/rules/rule_line.h"

#include <algorithm>

namespace tallow {

namespace {

bool IsDay(int day) {
    return day >= 0 && day < kCalendarDays;
}

// Day counts of trips are kept inside the 62-day tables.
int DayCount(int64_t days) {
    return static_cast<int>(std::clamp<int64_t>(days, 0, kCalendarDays));
}

int64_t Release(const TPair& pairing) {
    return static_cast<int64_t>(pairing.reportTime) + pairing.tafb;
}

}  // namespace

RuleLine::RuleLine(TSchedule& schedule_, int row_)
    : schedule(schedule_),
      employee(schedule_.employees[static_cast<size_t>(row_)]),
      row(row_),
      len(MonthLength(schedule_)) {
    for (int d = 0; d < len; ++d) {
        if (const TPair* pairing = PairingOn(d)) {
            const int days = std::min(DutyDays(*pairing), kCalendarDays - d);
            for (int k = 0; k < days; ++k) {
                lineHard[static_cast<size_t>(d + k)] += pairing->dailyHard[static_cast<size_t>(k)];
            }
        } else if (const DayValues* toolbox = ToolboxOn(d)) {
            lineHard[static_cast<size_t>(d)] += (*toolbox)[kDetailHard];
        }
    }
}

int MonthLength(const TSchedule& schedule) {
    return schedule.PeriodDays();
}

const TPair* PairingOn(const TSchedule& schedule, const TPilot& employee, int day) {
    if (!IsDay(day)) {
        return nullptr;
    }
    const int32_t seat = employee.dayPairing[static_cast<size_t>(day)];
    if (seat < 0 || seat > schedule.lastPairing ||
        seat >= static_cast<int32_t>(schedule.pairings.size())) {
        return nullptr;
    }
    return &schedule.pairings[static_cast<size_t>(seat)];
}

const DayValues* ToolboxOn(const TPilot& employee, int day) {
    if (!IsDay(day) || employee.dayPairing[static_cast<size_t>(day)] != kDayToolbox) {
        return nullptr;
    }
    return &employee.dayDetail[static_cast<size_t>(day)];
}

int32_t HistoryValue(const TPilot& employee, int t, HistorySlot slot) {
    if (t < 0 || t >= kCalendarDays) {
        return 0;
    }
    return employee.history[static_cast<size_t>(t)][static_cast<size_t>(slot)];
}

std::string_view RuleLine::HistoryCode(int t) const {
    if (t < 0 || t >= kCalendarDays) {
        return {};
    }
    return employee.historyCode[static_cast<size_t>(t)];
}

std::string_view RuleLine::DayCode(int day) const {
    return IsDay(day) ? std::string_view(employee.dayCode[static_cast<size_t>(day)])
                      : std::string_view();
}

std::string_view RuleLine::CrewCode(int day) const {
    return IsDay(day) ? std::string_view(employee.dayCrewCode[static_cast<size_t>(day)])
                      : std::string_view();
}

int64_t RuleLine::ClockCorrected(int64_t previousStart, int64_t start) const {
    if (schedule.dstShift != 0 && previousStart < schedule.dstChangeAt &&
        schedule.dstChangeAt <= start) {
        return start - schedule.dstShift;
    }
    return start;
}

int DaysUntilRelease(const TPair& pairing) {
    const int64_t release = Release(pairing);
    return DayCount(release / kMinutesPerDay + (release % kMinutesPerDay >= 120 ? 1 : 0));
}

int CalendarSpan(const TPair& pairing) {
    return DayCount((Release(pairing) - 1) / kMinutesPerDay + 1);
}

int DutyDays(const TPair& pairing) {
    return std::min<int>(pairing.lengthDays, kPairDays);
}

bool Contains(std::string_view text, std::string_view marker) {
    return text.find(marker) != std::string_view::npos;
}

}  // namespace tallow
