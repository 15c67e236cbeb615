#include "core/rules/duty_window.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

#include "support/over2448_literal.h"
#include "support/random_duty_timeline.h"

namespace tallow {
namespace {

struct Duty {
    int t;
    int32_t start, length;
    bool reserve = false;
};

DutyTimeline LineOf(std::initializer_list<Duty> duties) {
    DutyTimeline line;
    for (const Duty& duty : duties) {
        const size_t day = static_cast<size_t>(duty.t);
        line.dutyDay[day] = true;
        line.dayStart[day] = duty.start;
        line.dayLength[day] = duty.length;
        line.reserveDay[day] = duty.reserve;
    }
    return line;
}

std::string FlaggedDays(const TimelineDays<bool>& over) {
    std::string days;
    for (size_t t = 0; t < over.size(); ++t) {
        if (over[t]) {
            days += " " + std::to_string(t);
        }
    }
    return days;
}

TEST(DutyWindowTest, MoreThanTwentyFourHoursInFortyEightFlagTheDayOfTheWindowEnd) {
    const struct {
        const char* name;
        DutyTimeline line;
        std::string flagged;
    } cases[] = {
        {"two 12-hour duties", LineOf({{40, 0, 720}, {41, 0, 720}}), ""},
        {"one minute more", LineOf({{40, 0, 720}, {41, 0, 721}}), " 41"},
        {"the window holds 2880 minutes", LineOf({{40, 1, 720}, {41, 720, 721}}), " 42"},
        {"two 13-hour duties", LineOf({{40, 0, 780}, {41, 0, 780}}), " 41"},
        {"two 13-hour reserve duties", LineOf({{40, 0, 780, true}, {41, 0, 780, true}}), ""},
        {"a duty over midnight flags the day it ends on", LineOf({{40, 600, 1500}}), " 41"},
        {"the first two days end no window", LineOf({{0, 0, 1440}, {1, 0, 1440}}), ""},
        {"day 2 ends the first window", LineOf({{1, 0, 1440}, {2, 0, 1}}), " 2"},
        {"the last mapped days", LineOf({{68, 0, 1440}, {69, 0, 1440}}), " 69"},
        {"later days are not mapped", LineOf({{70, 0, 1440}, {71, 0, 1440}}), ""},
        {"a long duty is scanned only up to day 69", LineOf({{68, 720, 4000}}), " 69"},
        {"a bad start before the timeline", LineOf({{0, -5000, 9000}}), " 2"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(FlaggedDays(Over24In48(c.line)), c.flagged);
        EXPECT_EQ(FlaggedDays(testing::Over24In48Literal(c.line)), c.flagged);
    }
}

TEST(DutyWindowTest, MinuteMapMarksReserveDutyEveryThirdMinuteFromItsStart) {
    const std::vector<uint8_t> map = DutyMinuteMap(LineOf({{3, 100, 7, true}, {4, -2, 3}}));
    const int64_t base = 3 * 1440 + 100;
    for (int64_t m = base - 1; m <= base + 7; ++m) {
        const bool expected = m >= base && m < base + 7 && (m - base) % 3 == 0;
        EXPECT_EQ(map[static_cast<size_t>(m)] != 0, expected) << m;
    }
    EXPECT_EQ(map[4 * 1440 - 2], 1);
    EXPECT_EQ(map[4 * 1440], 1);
    EXPECT_EQ(map[4 * 1440 + 1], 0);
}

// The sliding count must give exactly what counting every window gives. The
// literal count is slow in a checked build, so the lines come in shards.
class DutyWindowShardTest : public ::testing::TestWithParam<unsigned> {};

TEST_P(DutyWindowShardTest, SlidingCountMatchesTheLiteralCountOnGeneratedLines) {
    std::mt19937 random(20240401 + GetParam());
    int linesWithFlags = 0;
    int linesWithoutFlags = 0;
    for (int n = 0; n < 6; ++n) {
        const DutyTimeline line = testing::RandomDutyTimeline(random);
        const TimelineDays<bool> sliding = Over24In48(line);
        ASSERT_EQ(FlaggedDays(sliding), FlaggedDays(testing::Over24In48Literal(line)))
            << "line " << n;
        (FlaggedDays(sliding).empty() ? linesWithoutFlags : linesWithFlags) += 1;
    }
    // Both outcomes must have been exercised for the comparison to mean anything.
    EXPECT_GT(linesWithFlags, 0);
    EXPECT_GT(linesWithoutFlags, 0);
}

INSTANTIATE_TEST_SUITE_P(GeneratedLines, DutyWindowShardTest, ::testing::Range(0u, 4u));

}  // namespace
}  // namespace tallow
