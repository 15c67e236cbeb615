// Pilot rest and fatigue units.

#include <array>
#include <string_view>

#include "core/rules/legality_items.h"
#include "core/rules/pilot_rules.h"

namespace tallow {

namespace {

constexpr int32_t kPilotRest = 660;
constexpr int32_t kReserveRest = 539;
// A reserve duty may start this far inside the rest.
constexpr int32_t kReserveIntrusion = 121;
constexpr int32_t kWarningMargin = 60;
constexpr int32_t kFatigueLimit = 6000;

// Days off that are checked from the rest last required instead of their start.
bool IsLeaveCode(std::string_view code) {
    return code == "STT" || code == "VAC" || code == "GO" || code == "STA";
}

}  // namespace

void CheckPilotRest(RuleLine& line) {
    TPilot& employee = line.employee;
    int64_t earliest = employee.legalCheckIn;
    int64_t lastRest = kPilotRest;
    int64_t previousStart = 0;
    DayList exceptions;
    DayList warnings;
    for (int d = 0; d <= line.len + 30; ++d) {
        const int64_t dayStart = static_cast<int64_t>(d) * kMinutesPerDay;
        if (const TPair* pairing = line.PairingOn(d)) {
            const int64_t rest =
                pairing->minRestAfter > kPilotRest ? pairing->minRestAfter : kPilotRest;
            const int64_t start =
                line.ClockCorrected(previousStart, dayStart + pairing->reportTime);
            if (start < earliest) {
                exceptions.FlagBoardDay(d);
            } else if (start < earliest + kWarningMargin) {
                warnings.FlagBoardDay(d);
            }
            earliest = dayStart + pairing->reportTime + pairing->tafb + rest;
            lastRest = rest;
            previousStart = start;
            continue;
        }
        const DayValues* toolbox = line.ToolboxOn(d);
        if (toolbox == nullptr) {
            continue;
        }
        const int64_t startOfWork = dayStart + (*toolbox)[kDetailStart];
        const int64_t endOfWork = startOfWork + (*toolbox)[kDetailTimeAtWork];
        const bool reserve = (*toolbox)[kDetailReserve] != 0;
        if ((*toolbox)[kDetailContainsDuty] != 0) {
            const int64_t start = line.ClockCorrected(previousStart, startOfWork);
            if (start < earliest) {
                const bool afterReserveDay =
                    d == 0 && line.History(kPreviousDays - 1, kHistoryWorked) == 2;
                if (!reserve || afterReserveDay || start < earliest - kReserveIntrusion) {
                    exceptions.FlagBoardDay(d);
                }
            } else if (!reserve && start < earliest + kWarningMargin) {
                warnings.FlagBoardDay(d);
            }
            lastRest = reserve ? kReserveRest : kPilotRest;
            earliest = endOfWork + lastRest;
            previousStart = start;
        } else {
            const int64_t checkTime =
                IsLeaveCode(line.DayCode(d)) ? dayStart + lastRest + 120 : startOfWork + kPilotRest;
            if (checkTime < earliest && !reserve) {
                exceptions.FlagBoardDay(d);
            }
            earliest = endOfWork;
            lastRest = 0;
            previousStart = checkTime;
        }
    }
    AppendDayItem(line.schedule, line.len, employee, ItemList::Exceptions, "Rest ", exceptions,
                  kPilotRestDayList);
    AppendDayItem(line.schedule, line.len, employee, ItemList::Warnings, " Rest ", warnings,
                  kPilotRestDayList);
}

void CheckFatigueUnits(RuleLine& line) {
    int64_t total = line.employee.carryInFatigue;
    std::array<bool, kCalendarDays> covered{};
    DayList exceptions;
    for (int d = 0; d < line.len; ++d) {
        if (const TPair* pairing = line.PairingOn(d)) {
            total += pairing->fatigueUnits;
            const int days = DaysUntilRelease(*pairing);
            for (int k = d; k < d + days && k < kCalendarDays; ++k) {
                covered[static_cast<size_t>(k)] = true;
            }
        } else if (const DayValues* toolbox = line.ToolboxOn(d)) {
            if ((*toolbox)[kDetailContainsDuty] != 0) {
                total += (*toolbox)[kDetailTimeAtWork];
            } else {
                total = 0;
            }
        } else if (!covered[static_cast<size_t>(d)]) {
            total = 0;
        }
        if (total > kFatigueLimit) {
            exceptions.FlagBoardDay(d);
            total = 0;
        }
    }
    AppendDayItem(line.schedule, line.len, line.employee, ItemList::Exceptions,
                  " 100 Plus Fatigue Units on", exceptions, kMonthDayList);
}

}  // namespace tallow
