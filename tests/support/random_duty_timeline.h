#pragma once
// Random duty lines for the 24-in-48 comparisons: duties on a random share of
// the days, short and long, some overnight, some on reserve, and now and then
// a start before midnight of the day (as a bad history record can give). Some
// lines keep to whole half hours or hours, so that windows holding exactly 24
// hours of duty are common.

#include <random>

#include "core/rules/duty_timeline.h"

namespace tallow::testing {

inline DutyTimeline RandomDutyTimeline(std::mt19937& random) {
    const auto pick = [&random](int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(random);
    };
    DutyTimeline line;
    // Busy lines cross the 24-in-48 limit somewhere, light ones never do.
    const int busyPercent = pick(20, 100);
    const int longestDuty = pick(600, 1800);
    const int reservePercent = pick(0, 40);
    const int grains[] = {1, 30, 60, 120};
    const int grain = grains[pick(0, 3)];
    const auto time = [&](int low, int high) { return pick(low / grain, high / grain) * grain; };
    for (size_t t = 0; t < line.dayStart.size(); ++t) {
        if (pick(0, 99) >= busyPercent) {
            continue;
        }
        line.dutyDay[t] = true;
        line.dayStart[t] = pick(0, 99) < 3 ? pick(-300, -2) : time(0, 1439);
        line.dayLength[t] = pick(0, 99) < 2 ? pick(-100, 0) : time(30, longestDuty);
        line.reserveDay[t] = pick(0, 99) < reservePercent;
    }
    return line;
}

}  // namespace tallow::testing
