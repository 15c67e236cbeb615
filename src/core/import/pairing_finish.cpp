#include "core/import/pairing_finish.h"

#include <algorithm>
#include <limits>

#include "core/model/schedule.h"

namespace tallow {

namespace {

constexpr int32_t kDayMinutes = 1440;
constexpr int32_t kContinuousTafbLimit = 900;
constexpr int32_t kContinuousReleaseLimit = 120;

int32_t ClampedMinutes(int64_t minutes) {
    return static_cast<int32_t>(std::clamp<int64_t>(minutes, std::numeric_limits<int32_t>::min(),
                                                    std::numeric_limits<int32_t>::max()));
}

void FixCredit(TPair& seat) {
    const int days = std::min<int>(seat.lengthDays, kPairDays);
    if (days < 1) {
        return;
    }
    int64_t sum = 0;
    for (int k = 0; k < days; ++k) {
        sum += seat.dailyCredit[static_cast<size_t>(k)];
    }
    if (sum == seat.totalCredit) {
        return;
    }
    auto last = static_cast<size_t>(days - 1);
    if (seat.dailyCredit[last] <= 0 && days > 1) {
        --last;
    }
    seat.dailyCredit[last] =
        ClampedMinutes(seat.dailyCredit[last] + static_cast<int64_t>(seat.totalCredit) - sum);
}

}  // namespace

uint8_t LengthDaysField(int64_t days) {
    return static_cast<uint8_t>(std::clamp<int64_t>(days, 0, std::numeric_limits<uint8_t>::max()));
}

void FinishImportedSeat(TPair& seat) {
    FixCredit(seat);
    const int64_t end = static_cast<int64_t>(seat.reportTime) + seat.tafb;
    seat.lengthDays = LengthDaysField((end - 1) / kDayMinutes + 1);
    if (seat.tafb < kContinuousTafbLimit && seat.releaseTime < seat.reportTime &&
        seat.releaseTime < kContinuousReleaseLimit) {
        seat.continuousDuty = 1;
    }
}

void ReconcileAssignments(TSchedule& schedule) {
    const int days = schedule.PeriodDays();
    const int32_t seats = std::clamp<int32_t>(schedule.lastPairing + 1, 0, kMaxPairings);
    for (int row = 0; row < schedule.RowsInUse(); ++row) {
        TPilot& employee = schedule.employees[static_cast<size_t>(row)];
        for (int d = 0; d < days; ++d) {
            int32_t& held = employee.dayPairing[static_cast<size_t>(d)];
            if (held < 0) {
                continue;
            }
            int32_t* operates =
                held < seats
                    ? &schedule.pairings[static_cast<size_t>(held)].operates[static_cast<size_t>(d)]
                    : nullptr;
            if (operates != nullptr && *operates == kOperatesOpen) {
                *operates = kOperatesAssigned;
            } else if (operates != nullptr && *operates == -kOperatesOpen) {
                *operates = -kOperatesAssigned;
            } else {
                held = kDayFree;
            }
        }
    }
}

void AdjustForClockChange(TSchedule& schedule) {
    if (schedule.dstShift == 0) {
        return;
    }
    const int days = schedule.PeriodDays();
    const int32_t seats = std::clamp<int32_t>(schedule.lastPairing + 1, 0, kMaxPairings);
    for (int32_t s = 0; s < seats; ++s) {
        TPair& seat = schedule.pairings[static_cast<size_t>(s)];
        const auto first = std::find_if(seat.operates.begin(), seat.operates.begin() + days,
                                        [](int32_t value) { return value != kOperatesNot; });
        if (first == seat.operates.begin() + days) {
            continue;
        }
        const int64_t dayStart = (first - seat.operates.begin()) * int64_t{kDayMinutes};
        const int64_t report = dayStart + seat.reportTime;
        const int64_t release = report + seat.tafb;
        if (report >= schedule.dstChangeAt || release < schedule.dstChangeAt) {
            continue;
        }
        int64_t moved = static_cast<int64_t>(seat.releaseTime) + schedule.dstShift;
        if (moved > kDayMinutes) {
            moved -= kDayMinutes;
        } else if (moved < 1) {
            moved += kDayMinutes;
        }
        seat.releaseTime = ClampedMinutes(moved);
        seat.lengthDays = LengthDaysField(
            (static_cast<int64_t>(seat.reportTime) + seat.tafb + schedule.dstShift) / kDayMinutes +
            1);
    }
}

}  // namespace tallow
