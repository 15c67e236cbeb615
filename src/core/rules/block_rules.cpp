#include "core/rules/block_rules.h"

#include <algorithm>
#include <string_view>

#include "core/rules/cabin_rules.h"
#include "core/rules/duty_time_check.h"
#include "core/rules/legality_items.h"
#include "core/rules/pilot_rules.h"
#include "core/rules/rule_line.h"

namespace tallow {

namespace {

constexpr int32_t kCheckPilot = 3;

bool Over60(int32_t ageMedFlags) {
    return ageMedFlags == 1 || ageMedFlags == 3;
}
bool Medical(int32_t ageMedFlags) {
    return ageMedFlags == 2 || ageMedFlags == 3;
}

void RunCabinRules(RuleLine& line) {
    CheckCabinRest(line);
    CheckCabinConsecutiveDays(line);
    CheckFrenchPairings(line);
    CheckFamiliarisationPairings(line);
    CheckRbGrouping(line);
}

void RunPilotRules(RuleLine& line, bool useOldDutyRules) {
    CheckPilotRest(line);
    CheckFatigueUnits(line);
    CheckHardTimeIn28Days(line);
    CheckHardTimeIn90Days(line);
    CheckTwelveHourDuties(line);
    if (useOldDutyRules) {
        DutyTimeCheckOld(line.schedule, line.row);
    } else {
        DutyTimeCheck(line.schedule, line.row);
    }
    CheckDutyIn28Days(line);
    CheckConsecutiveDaysOn(line);
    CheckReserveKindMix(line);
    const TPilot& employee = line.employee;
    if (employee.specialQualification == kCheckPilot) {
        CheckPilotCredit(line);
    }
    if (employee.noTZ != 0) {
        CheckAirportQualification(line, "YTZ");
    }
    if (employee.noYCG != 0) {
        CheckAirportQualification(line, "YCG");
    }
    if (Over60(employee.ageMedFlags)) {
        CheckUsaPairings(line);
    }
}

// The row holding the first imported seat numbered like `seat` on `day`; -1
// when that seat is missing or open.
int FirstCaptainRow(const TSchedule& schedule, const TPair& seat, int day) {
    const int imported = std::min(schedule.lastImportedPairing, schedule.lastPairing);
    for (int k = 0; k <= imported && k < static_cast<int>(schedule.pairings.size()); ++k) {
        if (schedule.pairings[static_cast<size_t>(k)].number != seat.number) {
            continue;
        }
        for (int r = 0; r < schedule.RowsInUse(); ++r) {
            if (schedule.employees[static_cast<size_t>(r)].dayPairing[static_cast<size_t>(day)] ==
                k) {
                return r;
            }
        }
        return -1;
    }
    return -1;
}

}  // namespace

void CheckEmployee(TSchedule& schedule, int row, bool useOldDutyRules) {
    if (row < 0 || row >= static_cast<int>(schedule.employees.size())) {
        return;
    }
    TPilot& employee = schedule.employees[static_cast<size_t>(row)];
    if (employee.IsPlaceholder()) {
        return;
    }
    ClearLegalityResults(employee);
    RuleLine line(schedule, row);
    if (schedule.crewGroup == CrewGroup::FlightAttendants) {
        RunCabinRules(line);
    } else {
        RunPilotRules(line, useOldDutyRules);
    }
    schedule.Observer().RepaintRow(row);
}

void CheckTwoCaptainPairings(TSchedule& schedule) {
    const int len = MonthLength(schedule);
    for (int i = 0; i < schedule.RowsInUse(); ++i) {
        TPilot& employee = schedule.employees[static_cast<size_t>(i)];
        if (Contains(employee.illegalitiesText, "Both 60") ||
            Contains(employee.illegalitiesText, "Both MED")) {
            CheckEmployee(schedule, i, false);
        }
        if (employee.ageMedFlags == 0) {
            continue;
        }
        std::string_view both;
        for (int d = 0; d < len; ++d) {
            const TPair* seat = PairingOn(schedule, employee, d);
            if (seat == nullptr ||
                employee.dayPairing[static_cast<size_t>(d)] <= schedule.lastImportedPairing) {
                continue;
            }
            const int other = FirstCaptainRow(schedule, *seat, d);
            if (other < 0) {
                continue;
            }
            const int32_t otherFlags = schedule.employees[static_cast<size_t>(other)].ageMedFlags;
            if (otherFlags == 0) {
                continue;
            }
            if (Over60(employee.ageMedFlags) && Over60(otherFlags)) {
                both = " Both 60 on 2 Capt Pair";
            }
            if (Medical(employee.ageMedFlags) && Medical(otherFlags)) {
                both = " Both MED on 2 Capt Pair";
            }
        }
        if (!both.empty()) {
            AppendItem(employee, ItemList::Exceptions, both);
        }
    }
}

void RecheckStaleLines(TSchedule& schedule) {
    for (int row = 0; row < schedule.RowsInUse(); ++row) {
        TPilot& employee = schedule.employees[static_cast<size_t>(row)];
        if (employee.rulesCurrent == 0) {
            CheckEmployee(schedule, row, false);
            employee.rulesCurrent = 1;
        }
    }
}

}  // namespace tallow
