#include "core/rules/day_balance.h"

#include <algorithm>
#include <array>
#include <cstdint>

#include "core/rules/assignment_context.h"
#include "core/rules/block_holder_line.h"

namespace tallow {
namespace {

constexpr int64_t kDayMinutes = 1440;
constexpr int64_t kLateCheckIn = 840;  // legal only after 14:00: the day is lost
constexpr uint8_t kLastRequest = 51;

using Balance = std::array<int32_t, kMaxPeriodDays>;

void SubtractOpenSeatDays(const TSchedule& schedule, int days, Balance& balance) {
    for (int s = 0; s <= schedule.lastPairing && s < kPairingSlots; ++s) {
        const TPair& seat = schedule.pairings[static_cast<size_t>(s)];
        for (int d = 0; d < days; ++d) {
            const int32_t state = seat.operates[static_cast<size_t>(d)];
            if (state != kOperatesOpen && state != -kOperatesOpen) {
                continue;
            }
            for (int k = d; k < d + seat.lengthDays && k < days; ++k) {
                --balance[static_cast<size_t>(k)];
            }
        }
    }
}

bool CountsAsFree(const TSchedule& schedule, const TPilot& employee) {
    if (employee.belowLine != 0 || employee.reserveBidder != 0) {
        return false;
    }
    const int32_t credit = BlockMinutes(employee);
    const BlockLimits limits = LimitsOf(schedule, employee);
    return !(limits.min < credit && credit < limits.max);
}

int FirstLegalDay(const TPilot& employee) {
    const int64_t checkIn = employee.legalCheckIn;
    auto first = static_cast<int>(checkIn / kDayMinutes);
    // The time of day runs 1..1440, so a check-in at midnight is late on the day before.
    if ((checkIn - 1) % kDayMinutes + 1 > kLateCheckIn) {
        ++first;
    }
    return first;
}

void AddFreeDays(const TSchedule& schedule, const TPilot& employee, int days, Balance& balance) {
    int d = std::max(FirstLegalDay(employee), 0);
    while (d < days) {
        const auto entry = static_cast<size_t>(d);
        const int32_t held = employee.dayPairing[entry];
        if (IsSeat(schedule, held)) {
            d += std::max<int>(schedule.pairings[static_cast<size_t>(held)].lengthDays, 1);
            continue;
        }
        const uint8_t request = employee.dayOffRequest[entry];
        if (held == kDayFree && (request < 1 || request > kLastRequest)) {
            ++balance[entry];
        }
        ++d;
    }
}

}  // namespace

void UpdateDayBalance(TSchedule& schedule) {
    const int days = PeriodDayCount(schedule);
    Balance balance{};
    SubtractOpenSeatDays(schedule, days, balance);
    for (int r = 0; r < schedule.RowsInUse(); ++r) {
        const TPilot& employee = schedule.employees[static_cast<size_t>(r)];
        if (CountsAsFree(schedule, employee)) {
            AddFreeDays(schedule, employee, days, balance);
        }
    }
    for (int d = 0; d < kMaxPeriodDays; ++d) {
        const auto entry = static_cast<size_t>(d);
        if (schedule.dayBalance[entry] != balance[entry]) {
            schedule.dayBalance[entry] = balance[entry];
            schedule.Observer().RepaintDayBalance(d);
        }
    }
}

}  // namespace tallow
