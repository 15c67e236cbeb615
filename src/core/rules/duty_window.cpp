#include "core/rules/duty_window.h"

#include <algorithm>

namespace tallow {
namespace {

constexpr int64_t kReserveStep = 3;

}  // namespace

std::vector<uint8_t> DutyMinuteMap(const DutyTimeline& line) {
    std::vector<uint8_t> map(static_cast<size_t>(kDutyMapMinutes), 0);
    for (int t = 0; t <= kLastMappedDutyDay; ++t) {
        if (!line.HasDutyStart(t)) {
            continue;
        }
        const int64_t start = t * kDayLength + line.dayStart[Slot(t)];
        const int64_t end = std::min(start + line.dayLength[Slot(t)], kDutyMapMinutes);
        const int64_t step = line.reserveDay[Slot(t)] ? kReserveStep : 1;
        int64_t minute = start;
        if (minute < 0) {
            // Keep the reserve stepping aligned to the duty's own start.
            minute += (-minute + step - 1) / step * step;
        }
        for (; minute < end; minute += step) {
            map[static_cast<size_t>(minute)] = 1;
        }
    }
    return map;
}

TimelineDays<bool> Over24In48(const DutyTimeline& line) {
    const std::vector<uint8_t> map = DutyMinuteMap(line);
    TimelineDays<bool> over{};
    // Duty minutes among the window's 2880 minutes, p - 2879 to p.
    int64_t inWindow = 0;
    for (int64_t p = 1; p <= kWindowLength; ++p) {
        inWindow += map[static_cast<size_t>(p)];
    }
    for (int64_t p = kWindowLength; p < kLastWindowEnd; ++p) {
        if (p > kWindowLength) {
            inWindow += map[static_cast<size_t>(p)];
            inWindow -= map[static_cast<size_t>(p - kWindowLength)];
        }
        if (map[static_cast<size_t>(p)] != 0 && inWindow > kWindowDutyLimit) {
            over[Slot(p / kDayLength)] = true;
        }
    }
    return over;
}

}  // namespace tallow
