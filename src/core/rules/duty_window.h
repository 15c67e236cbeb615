#pragma once
// The 24-hours-of-duty-in-48 test of the 70/7 scheme.

#include <cstdint>
#include <vector>

#include "core/rules/duty_timeline.h"

namespace tallow {

// The minute map: timeline days 0 to 74, minute by minute.
inline constexpr int64_t kDutyMapMinutes = 108000;
// Duties of timeline days 0 to 69 are mapped.
inline constexpr int kLastMappedDutyDay = 69;
// Window ends scanned: [kWindowLength, kLastWindowEnd).
inline constexpr int64_t kWindowLength = 2880;
inline constexpr int64_t kLastWindowEnd = 100800;
inline constexpr int64_t kWindowDutyLimit = 1440;

// One byte per minute, 1 where a duty covers it; reserve duty covers only
// every third minute from its start.
std::vector<uint8_t> DutyMinuteMap(const DutyTimeline& line);

// For every mapped minute p of the scanned range, when more than 24 hours of
// the 48 hours ending at p are duty, the day of p is flagged. A sliding count
// over the map, one step per minute.
TimelineDays<bool> Over24In48(const DutyTimeline& line);

}  // namespace tallow
