#pragma once
// The 24-hours-of-duty-in-48 test done the long way, as it reads: mark each
// duty minute, then for every marked minute count the 2880 minutes ending at
// it. About 290 million steps on a full line; kept as the reference the
// sliding count of Over24In48 must match, and as the benchmark's baseline.

#include <cstdint>
#include <vector>

#include "core/rules/duty_timeline.h"
#include "core/rules/duty_window.h"

namespace tallow::testing {

inline TimelineDays<bool> Over24In48Literal(const DutyTimeline& line) {
    std::vector<uint8_t> map(static_cast<size_t>(kDutyMapMinutes), 0);
    for (int t = 0; t <= kLastMappedDutyDay; ++t) {
        const size_t day = static_cast<size_t>(t);
        if (line.dayStart[day] == kNoDuty) {
            continue;
        }
        const int64_t step = line.reserveDay[day] ? 3 : 1;
        const int64_t first = t * kDayLength + line.dayStart[day];
        for (int64_t offset = 0; offset < line.dayLength[day]; offset += step) {
            const int64_t minute = first + offset;
            if (minute >= kDutyMapMinutes) {
                break;
            }
            if (minute >= 0) {
                map[static_cast<size_t>(minute)] = 1;
            }
        }
    }
    TimelineDays<bool> over{};
    for (int64_t p = kWindowLength; p < kLastWindowEnd; ++p) {
        if (map[static_cast<size_t>(p)] == 0) {
            continue;
        }
        int64_t marked = 0;
        for (int64_t q = p - kWindowLength + 1; q <= p; ++q) {
            marked += map[static_cast<size_t>(q)];
        }
        if (marked > kWindowDutyLimit) {
            over[static_cast<size_t>(p / kDayLength)] = true;
        }
    }
    return over;
}

}  // namespace tallow::testing
