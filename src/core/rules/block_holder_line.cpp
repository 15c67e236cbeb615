#include "core/rules/block_holder_line.h"

#include "core/rules/assignment_context.h"
#include "core/rules/block_credit.h"

namespace tallow {

BlockLimits LimitsOf(const TSchedule& schedule, const TPilot& employee) {
    BlockLimits limits;
    limits.min = employee.minBlockOverride != 0 ? employee.minBlockOverride
                                                : schedule.setup[kMinBlockCredit];
    limits.max = employee.maxBlockOverride != 0 ? employee.maxBlockOverride
                                                : schedule.setup[kMaxBlockCredit];
    const bool own = employee.minBlockOverride != 0 || employee.maxBlockOverride != 0;
    limits.target = own ? static_cast<int32_t>((int64_t{limits.min} + limits.max) / 2)
                        : schedule.setup[kAvgBlockCredit];
    return limits;
}

int32_t BlockMinutes(const TPilot& employee) {
    return employee.blockHours * 60 + employee.blockMinutes;
}

int64_t OpenCredit(const TSchedule& schedule) {
    const int days = PeriodDayCount(schedule);
    int64_t open = 0;
    for (int s = 0; s <= schedule.lastPairing && s < kPairingSlots; ++s) {
        const TPair& seat = schedule.pairings[static_cast<size_t>(s)];
        for (int d = 0; d < days; ++d) {
            const int32_t state = seat.operates[static_cast<size_t>(d)];
            if (state == kOperatesOpen || state == -kOperatesOpen) {
                open += CreditInsideMonth(seat, d, schedule.dayCount);
            }
        }
    }
    return open;
}

int32_t UpdateBlockHolderLine(TSchedule& schedule) {
    const int rows = schedule.RowsInUse();
    int64_t pool = OpenCredit(schedule);
    int reserveRun = 0;
    int stoppedAt = rows;
    for (int r = 0; r < rows; ++r) {
        const TPilot& employee = schedule.employees[static_cast<size_t>(r)];
        if (employee.reserveBidder != 0) {
            ++reserveRun;
            continue;
        }
        const int32_t credit = BlockMinutes(employee);
        const BlockLimits limits = LimitsOf(schedule, employee);
        if (credit > limits.max) {
            pool += credit - limits.target;
        } else if (credit < limits.min) {
            if (pool < int64_t{limits.min} - credit) {
                stoppedAt = r;
                break;
            }
            pool -= int64_t{limits.target} - credit;
        }
        reserveRun = 0;
    }

    const int32_t last = stoppedAt - 1 - reserveRun;
    if (last != schedule.lastBlockHolder) {
        schedule.lastBlockHolder = last;
        for (int r = 0; r < rows; ++r) {
            schedule.employees[static_cast<size_t>(r)].belowLine = r > last ? 1 : 0;
        }
        schedule.Observer().RepaintNames();
        schedule.Observer().BlockHolderLineChanged();
    }
    return last;
}

}  // namespace tallow
