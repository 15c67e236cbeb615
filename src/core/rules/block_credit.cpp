#include "core/rules/block_credit.h"

#include <algorithm>
#include <limits>
#include <string_view>

#include "core/platform/desktop.h"
#include "core/rules/assignment_context.h"

namespace tallow {
namespace {

int32_t Saturated(int64_t value) {
    return static_cast<int32_t>(std::clamp<int64_t>(value, std::numeric_limits<int32_t>::min(),
                                                    std::numeric_limits<int32_t>::max()));
}

bool IsLeave(std::string_view code) {
    return code == "LOA" || code == "MED" || code == "MAT";
}

void ReportTimeBank(const TSchedule& schedule) {
    int64_t total = 0;
    for (int r = 0; r < schedule.RowsInUse(); ++r) {
        const TPilot& employee = schedule.employees[static_cast<size_t>(r)];
        total += int64_t{employee.timeBank} + employee.timeBankUsed;
    }
    schedule.Observer().TimeBankChanged(Saturated(total));
}

}  // namespace

int32_t CreditInsideMonth(const TPair& seat, int day, int32_t dayCount) {
    return Saturated(seat.CreditInPeriod(day, dayCount));
}

int32_t BlockCredit(TSchedule& schedule, Desktop& desktop, int row, bool payrollMode) {
    if (!IsEmployeeRow(schedule, row)) {
        return 0;
    }
    TPilot& employee = schedule.employees[static_cast<size_t>(row)];
    employee.timeBankUsed = 0;
    employee.albCredit = 0;
    int64_t total = int64_t{employee.carryInCredit} + employee.draftCredits +
                    employee.extraCredits + employee.timeBank;
    if (payrollMode || !employee.trainingOutsideWindow) {
        total += employee.trainingAtHome;
    }
    int64_t leave = 0;
    int64_t timeBankUsed = 0;
    int64_t albCredit = 0;

    const int days = schedule.PeriodDays();
    for (int d = 0; d < days; ++d) {
        const auto entry = static_cast<size_t>(d);
        const int32_t held = employee.dayPairing[entry];
        if (held >= kPairingSlots) {
            ShowInfo(desktop, "Pairing Number out of RANGE", "Internal Error");
            break;
        }
        if (held >= 0) {
            const TPair& seat = schedule.pairings[static_cast<size_t>(held)];
            total += CreditInsideMonth(seat, d, schedule.dayCount);
            if (!payrollMode) {
                total -= seat.excludedCredit[entry];
            }
        } else if (held == kDayToolbox) {
            const DayValues& detail = employee.dayDetail[entry];
            const int32_t credit = detail[kDetailCredit];
            if (payrollMode || detail[kDetailExcludeCredit] == 0) {
                total += credit;
            }
            const std::string& code = employee.dayCode[entry];
            if (IsLeave(code)) {
                leave += credit;
            } else if (code == "TBB") {
                timeBankUsed += credit;
            } else if (code == "ALB") {
                albCredit += credit;
            }
        }
    }

    const int32_t block = Saturated(total);
    employee.timeBankUsed = Saturated(timeBankUsed);
    employee.albCredit = Saturated(albCredit);
    // The record keeps hours and minutes in a byte each.
    employee.blockHours = static_cast<int8_t>(block / 60);
    employee.blockMinutes = static_cast<int8_t>(block % 60);

    if (schedule.boardBuilt != 0) {
        schedule.Observer().RepaintCredit(row);
    }
    ReportTimeBank(schedule);
    return Saturated(total - leave);
}

}  // namespace tallow
