// Pilot day patterns: consecutive days on and the reserve kind mix.

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "block_rules_fixture.h"
#include "core/rules/pilot_rules.h"

namespace tallow::testing::blocks {
namespace {

// One seat from `day` covering `days` calendar days (release 18:00 on the last).
void AssignTrip(RuleMonth& month, int row, int day, int days) {
    const int seat = month.AddSeat(480, (days - 1) * 1440 + 600, days);
    month.Assign(row, seat, day);
}

void PlaceReserve(RuleMonth& month, int row, int day, int32_t timeAtWork = 720) {
    month.Place(row, day,
                {.code = "RSV",
                 .crewCode = "RB",
                 .start = 360,
                 .timeAtWork = timeAtWork,
                 .duty = true,
                 .reserve = true});
}

struct ConsecutiveCase {
    const char* name;
    int lastMonthWorkedFrom;                 // timeline day 24..30 worked from here; 31 for none
    std::vector<std::pair<int, int>> trips;  // first day, days
    std::string warnings;
    std::vector<int> warningDays;
};

class ConsecutiveDaysOn : public ::testing::TestWithParam<ConsecutiveCase> {};

TEST_P(ConsecutiveDaysOn, WarnsOnTheSeventhDayInARow) {
    const ConsecutiveCase& c = GetParam();
    RuleMonth month;  // last month ends on 31 March
    const int row = month.AddEmployee();
    for (int t = c.lastMonthWorkedFrom; t < kPreviousDays; ++t) {
        month.History(row, t)[kHistoryWorked] = 1;
    }
    for (const auto& [day, days] : c.trips) {
        AssignTrip(month, row, day, days);
    }
    RuleLine line = month.Line(row);
    CheckConsecutiveDaysOn(line);
    EXPECT_EQ(month.Employee(row).warningsText, c.warnings);
    EXPECT_EQ(month.Flagged(row, false), c.warningDays);
    EXPECT_EQ(month.Employee(row).illegalitiesText, "");
}

INSTANTIATE_TEST_SUITE_P(
    Runs, ConsecutiveDaysOn,
    ::testing::Values(
        ConsecutiveCase{"SixDaysAreLegal", 31, {{5, 6}}, "", {}},
        ConsecutiveCase{"SevenDays", 31, {{5, 7}}, " Con Days On 12+", {11}},
        ConsecutiveCase{"LastDayOfLastMonthWithArrow", 24, {}, " Con Days On <- 31 MAR +", {}},
        ConsecutiveCase{
            "ALastMonthRunGoesOnIntoTheMonth", 24, {{0, 1}}, " Con Days On <- 31 MAR  1+", {0}},
        ConsecutiveCase{"FirstDayOfNextMonthPrintsAsADay", 31, {{24, 7}}, " Con Days On 1+", {30}},
        ConsecutiveCase{"SecondDayOfNextMonthEndsTheList",
                        31,
                        {{25, 14}},
                        " Con Days On NextMonth.+",
                        {31, 38}}),
    [](const ::testing::TestParamInfo<ConsecutiveCase>& tested) { return tested.param.name; });

TEST(ConsecutiveDaysOn, EightReserveDaysAreAnException) {
    RuleMonth month;
    const int row = month.AddEmployee();
    for (int d = 0; d < 8; ++d) {
        PlaceReserve(month, row, d);
    }
    RuleLine line = month.Line(row);
    CheckConsecutiveDaysOn(line);
    // Day 7 is the seventh day on (6 April) and the reserve block of five and
    // six days is followed by more days on (5 and 6 April).
    EXPECT_EQ(month.Employee(row).warningsText, " Con Days On 6 7+");
    EXPECT_EQ(month.Flagged(row, false), (std::vector<int>{5, 6}));
    EXPECT_EQ(month.Employee(row).illegalitiesText, " Con Days On 8+");
    EXPECT_EQ(month.Flagged(row), std::vector<int>{7});
}

TEST(ConsecutiveDaysOn, FiveReserveDaysWithDutyTwoDaysLaterWarnTheDayBetween) {
    struct Case {
        const char* name;
        int32_t lastReserveTime;  // from 06:00; past 1200 it runs into the next day
        bool dutyAfter;
        std::string warnings;
    };
    for (const Case& c : std::vector<Case>{
             {"FourDaysThenDuty", 720, true, ""},
             {"EndingAt0200StaysOnItsDay", 1200, true, ""},
             {"RunningIntoAFifthDayThenDuty", 1201, true, " Con Days On 16+"},
             {"FiveDaysAlone", 1201, false, ""},
         }) {
        RuleMonth month;
        const int row = month.AddEmployee();
        for (int d = 10; d <= 12; ++d) {
            PlaceReserve(month, row, d);
        }
        PlaceReserve(month, row, 13, c.lastReserveTime);
        if (c.dutyAfter) {
            AssignTrip(month, row, 16, 1);
        }
        RuleLine line = month.Line(row);
        CheckConsecutiveDaysOn(line);
        EXPECT_EQ(month.Employee(row).warningsText, c.warnings) << c.name;
    }
}

struct MixCase {
    const char* name;
    std::vector<std::string> lastMonthCodes;  // timeline days 28, 29, 30
    std::vector<std::pair<int, std::string>> reserveDays;
    std::string expected;
};

class ReserveKindMix : public ::testing::TestWithParam<MixCase> {};

TEST_P(ReserveKindMix, NeedsDaysBetweenReserveKinds) {
    const MixCase& c = GetParam();
    RuleMonth month;
    const int row = month.AddEmployee();
    for (size_t i = 0; i < c.lastMonthCodes.size(); ++i) {
        month.Employee(row).historyCode[28 + i] = c.lastMonthCodes[i];
    }
    for (const auto& [day, code] : c.reserveDays) {
        month.Place(row, day,
                    {.code = "RSV",
                     .crewCode = code,
                     .start = 360,
                     .timeAtWork = 720,
                     .duty = true,
                     .reserve = true});
    }
    RuleLine line = month.Line(row);
    CheckReserveKindMix(line);
    EXPECT_EQ(month.Employee(row).illegalitiesText, c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, ReserveKindMix,
    ::testing::Values(
        MixCase{"RaRightAfterLastMonthRb", {"", "", "RB "}, {{0, "RA"}}, " RA RB RE Mix On 1+"},
        MixCase{"RaOneDayAfterLastMonthRb", {"", "", "RSB"}, {{1, "RA"}}, " RA RB RE Mix On 2+"},
        MixCase{"RaTwoDaysAfterLastMonthRb", {"", "", "RB "}, {{2, "RA"}}, ""},
        MixCase{"BrIsNotReadOnTheLastDay", {"", "", "BR "}, {{0, "RA"}}, ""},
        MixCase{"LrbTheDayBefore", {"", "LRB", ""}, {{0, "RA"}}, " RA RB RE Mix On 1+"},
        MixCase{"RbThreeDaysBack", {"RSB", "", ""}, {{0, "RE"}}, ""},
        MixCase{"ReRightAfterLastMonthRa", {"", "", "LRA"}, {{0, "RE"}}, " RA RB RE Mix On 1+"},
        MixCase{"ReADayAfterLastMonthRa", {"", "AR ", ""}, {{0, "RE"}}, ""},
        MixCase{"RbAfterRa", {}, {{0, "RA"}, {1, "RB"}}, " RA RB RE Mix On 2+"},
        MixCase{"RbOneDayAfterRe", {}, {{0, "RE"}, {2, "BR"}}, " RA RB RE Mix On 3+"},
        MixCase{"RbTwoDaysAfterRe", {}, {{0, "ER"}, {3, "RB"}}, ""},
        MixCase{"SameKindInARow", {}, {{0, "RB"}, {1, "RB"}, {2, "BR"}}, ""},
        MixCase{"ReAfterRa", {}, {{0, "AR"}, {1, "ER"}}, " RA RB RE Mix On 2+"},
        MixCase{"ReOneDayAfterRb", {}, {{0, "RB"}, {2, "RE"}}, " RA RB RE Mix On 3+"},
        MixCase{"RaTwoDaysAfterRb", {}, {{0, "RB"}, {3, "RA"}}, ""},
        MixCase{"SeveralDaysNamedInOneItem",
                {},
                {{0, "RA"}, {1, "RB"}, {5, "RE"}, {6, "RA"}, {7, "RB"}},
                " RA RB RE Mix On 2 8+"}),
    [](const ::testing::TestParamInfo<MixCase>& tested) { return tested.param.name; });

}  // namespace
}  // namespace tallow::testing::blocks
