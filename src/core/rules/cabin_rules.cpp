// Cabin rest, consecutive days, French pairings and familiarisation pairings.

#include <array>

#include "core/rules/cabin_rules.h"
#include "core/rules/french_crew_check.h"
#include "core/rules/legality_items.h"

namespace tallow {

namespace {

constexpr int32_t kCabinRest = 720;
// A continuous duty following a continuous duty may start this much earlier.
constexpr int32_t kChainedDutyAllowance = 120;
constexpr int kLastWalkedDay = kCalendarDays - 1;
constexpr int32_t kNoFamiliarisation = 2;

// Last month's final day started a trip after 18:00 of over eight hours that
// earns nothing on the first day: a continuous duty then continues its chain.
bool StartsInChain(const RuleLine& line) {
    const int lastDay = kPreviousDays - 1;
    return line.History(lastDay, kHistoryPairingStart) > 1080 &&
           line.History(lastDay, kHistoryTafb) > 480 &&
           line.History(kPreviousDays, kHistoryCredit) == 0;
}

using WorkedDays = std::array<bool, kCalendarDays>;

WorkedDays BuildWorkedDays(const RuleLine& line) {
    WorkedDays worked{};
    for (int d = 0; d < 5; ++d) {
        worked[static_cast<size_t>(d)] = line.History(d + kPreviousDays, kHistoryWorked) != 0;
    }
    for (int d = 0; d < kCalendarDays; ++d) {
        if (const TPair* pairing = line.PairingOn(d)) {
            const int days = CalendarSpan(*pairing);
            for (int k = d; k < d + days && k < kCalendarDays; ++k) {
                worked[static_cast<size_t>(k)] = true;
            }
        } else if (const DayValues* toolbox = line.ToolboxOn(d)) {
            if ((*toolbox)[kDetailContainsDuty] != 0) {
                worked[static_cast<size_t>(d)] = true;
            }
        }
    }
    return worked;
}

bool WorkedOn(const WorkedDays& worked, int day) {
    return day >= 0 && day < kCalendarDays && worked[static_cast<size_t>(day)];
}

}  // namespace

void CheckCabinRest(RuleLine& line) {
    int64_t earliest = line.employee.legalCheckIn;
    int64_t previousStart = 0;
    bool chain = StartsInChain(line);
    DayList exceptions;
    for (int d = 0; d <= line.len + 30; ++d) {
        const int64_t dayStart = static_cast<int64_t>(d) * kMinutesPerDay;
        if (const TPair* pairing = line.PairingOn(d)) {
            const int64_t start =
                line.ClockCorrected(previousStart, dayStart + pairing->reportTime);
            if (pairing->continuousDuty != 0) {
                if (chain) {
                    earliest -= kChainedDutyAllowance;
                }
                chain = true;
            } else {
                chain = false;
            }
            if (start < earliest) {
                exceptions.FlagBoardDay(d);
            }
            earliest = dayStart + pairing->reportTime + pairing->tafb + kCabinRest;
            previousStart = start;
            continue;
        }
        const DayValues* toolbox = line.ToolboxOn(d);
        if (toolbox == nullptr) {
            continue;
        }
        chain = false;
        const int64_t startOfWork = dayStart + (*toolbox)[kDetailStart];
        const int64_t endOfWork = startOfWork + (*toolbox)[kDetailTimeAtWork];
        const bool reserve = (*toolbox)[kDetailReserve] != 0;
        if ((*toolbox)[kDetailContainsDuty] != 0) {
            const int64_t start = line.ClockCorrected(previousStart, startOfWork);
            if (start < earliest && !reserve) {
                exceptions.FlagBoardDay(d);
            }
            earliest = endOfWork + kCabinRest;
            previousStart = start;
        } else {
            const int64_t checkTime = startOfWork + kCabinRest;
            if (checkTime < earliest && !reserve) {
                exceptions.FlagBoardDay(d);
            }
            earliest = endOfWork;
            previousStart = checkTime;
        }
    }
    AppendDayItem(line.schedule, line.len, line.employee, ItemList::Exceptions, " Rest ",
                  exceptions, kMonthDayList);
}

void CheckCabinConsecutiveDays(RuleLine& line) {
    const TPilot& employee = line.employee;
    const bool reserveLike = employee.reserveBidder != 0 || employee.belowLine != 0;
    int run = 0;
    for (int t = kPreviousDays - 1; t >= kPreviousDays - 6; --t) {
        if (line.History(t, kHistoryWorked) == 0) {
            break;
        }
        ++run;
    }
    int freeDays = 0;
    for (int t = kPreviousDays - 1; t >= 0 && line.History(t, kHistoryWorked) == 0; --t) {
        ++freeDays;
    }
    --freeDays;

    const WorkedDays worked = BuildWorkedDays(line);
    DayList warnings;
    for (int d = 0; d <= kLastWalkedDay; ++d) {
        if (!worked[static_cast<size_t>(d)]) {
            run = 0;
            ++freeDays;
            continue;
        }
        if (freeDays == 1 && reserveLike) {
            warnings.FlagBoardDay(d);
            run = 0;
        }
        ++run;
        if (reserveLike && run > 5) {
            warnings.FlagBoardDay(d);
            run = 0;
        } else if (!reserveLike && run > 6) {
            warnings.FlagBoardDay(d);
            run = 0;
            int freeDay = d + 1;
            while (WorkedOn(worked, freeDay)) {
                ++freeDay;
            }
            if (WorkedOn(worked, freeDay + 1)) {
                warnings.FlagBoardDay(freeDay);
            }
        }
        freeDays = 0;
    }
    AppendDayItem(line.schedule, line.len, line.employee, ItemList::Warnings, "Con Days On/Off",
                  warnings, kCabinConsecutiveDayList);
}

void CheckFrenchPairings(RuleLine& line) {
    DayList exceptions;
    for (int d = 0; d < line.len; ++d) {
        if (line.PairingOn(d) == nullptr) {
            continue;
        }
        const int seat = line.employee.dayPairing[static_cast<size_t>(d)];
        const FrenchCheck check = FrenchCrewCheck(line.schedule, line.row, seat, d);
        if (!check.passes && check.namedRow == line.row) {
            exceptions.FlagBoardDay(d);
        }
    }
    AppendDayItem(line.schedule, line.len, line.employee, ItemList::Exceptions, " French Pair ",
                  exceptions, kMonthDayList);
}

void CheckFamiliarisationPairings(RuleLine& line) {
    if (line.employee.specialQualification != kNoFamiliarisation) {
        return;
    }
    DayList warnings;
    for (int d = 0; d < line.len; ++d) {
        const TPair* pairing = line.PairingOn(d);
        if (pairing != nullptr && Contains(pairing->displayText, "EXTRA FA ON")) {
            warnings.FlagBoardDay(d);
        }
    }
    AppendDayItem(line.schedule, line.len, line.employee, ItemList::Warnings,
                  "Fam Pairing in Block on", warnings, kMonthDayList);
}

}  // namespace tallow
