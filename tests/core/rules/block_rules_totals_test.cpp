// Pilot totals over windows of days: hard time in 28 and 90 days, twelve-hour
// duties and duty in 28 days.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "block_rules_fixture.h"
#include "core/rules/pilot_rules.h"

namespace tallow::testing::blocks {
namespace {

// One seat starting on `day` with `hard` minutes of hard time on each of its days.
void AssignHardTrip(RuleMonth& month, int row, int day, int lengthDays, int32_t hard) {
    const int seat = month.AddSeat(480, lengthDays * 1440 - 960, lengthDays);
    for (int k = 0; k < lengthDays; ++k) {
        month.Seat(seat).dailyHard[static_cast<size_t>(k)] = hard;
    }
    month.Assign(row, seat, day);
}

void SetLastMonthHard(RuleMonth& month, int row, int firstTimelineDay, int lastTimelineDay,
                      int32_t hard) {
    for (int t = firstTimelineDay; t <= lastTimelineDay; ++t) {
        month.History(row, t)[kHistoryHard] = hard;
    }
}

TEST(HardTimeIn28Days, SumsTheMonthsHardTime) {
    for (const auto& [lastDayHard, expected] : std::vector<std::pair<int32_t, std::string>>{
             {240, ""}, {241, " 112+ Hours Hard in 28 on 28+"}}) {
        RuleMonth month;
        const int row = month.AddEmployee();
        AssignHardTrip(month, row, 0, 28, 240);
        month.Seat(0).dailyHard[27] = lastDayHard;
        RuleLine line = month.Line(row);
        CheckHardTimeIn28Days(line);
        EXPECT_EQ(month.Employee(row).illegalitiesText, expected) << lastDayHard;
    }
}

TEST(HardTimeIn28Days, CountsTheLast27DaysOfLastMonthAndTheCarryInDays) {
    struct Case {
        const char* name;
        int32_t firstDayHard;  // hard time of this month's board day 0
        int32_t carryInHard;   // history record of board day 0
        int32_t tooEarlyHard;  // history 28 days before board day 0
        std::string expected;
    };
    for (const Case& c : std::vector<Case>{
             {"WindowAt6720", 24, 0, 0, ""},
             {"WindowAt6721", 25, 0, 0, " 112+ Hours Hard in 28 on 1+"},
             {"CarryInRecordAddsToTheLine", 0, 25, 0, " 112+ Hours Hard in 28 on 1+"},
             {"Day28BeforeIsOutsideEveryWindow", 24, 0, 9999, ""},
         }) {
        RuleMonth month;
        const int row = month.AddEmployee();
        SetLastMonthHard(month, row, 4, 30, 248);  // 27 days, 6696 minutes
        month.History(row, 3)[kHistoryHard] = c.tooEarlyHard;
        month.History(row, kPreviousDays)[kHistoryHard] = c.carryInHard;
        if (c.firstDayHard > 0) {
            AssignHardTrip(month, row, 0, 1, c.firstDayHard);
        }
        RuleLine line = month.Line(row);
        CheckHardTimeIn28Days(line);
        EXPECT_EQ(month.Employee(row).illegalitiesText, c.expected) << c.name;
    }
}

TEST(HardTimeIn28Days, TheFirstDayPastNextMonthsFirstCarriesOut) {
    RuleMonth month;
    const int row = month.AddEmployee();
    AssignHardTrip(month, row, 28, 5, 2300);  // over the limit on days 30, 31 and 32
    RuleLine line = month.Line(row);
    CheckHardTimeIn28Days(line);
    EXPECT_EQ(month.Employee(row).illegalitiesText, " 112+ Hours Hard in 28 on 1 C/Out+");
    EXPECT_EQ(month.Flagged(row), (std::vector<int>{30, 31}));
}

std::string HardTimeHistoryOf(int days, const char* field) {
    std::string text;
    for (int i = 0; i < days; ++i) {
        text += field;
    }
    return text;
}

TEST(HardTimeIn90Days, AddsThe89DaysOfHistoryToTheMonth) {
    struct Case {
        const char* name;
        int historyDays;
        int32_t firstDayHard;
        int32_t carryInHard;
        std::string expected;
    };
    for (const Case& c : std::vector<Case>{
             {"At18000", 89, 200, 0, ""},
             {"At18001", 89, 201, 0, " 300+ Hours Hard in 90 on 1+"},
             {"CarryInRecordAddsToTheLine", 89, 200, 1, " 300+ Hours Hard in 90 on 1+"},
             {"WithoutFullHistoryTheRuleIsSkipped", 88, 5000, 0, ""},
         }) {
        RuleMonth month;
        const int row = month.AddEmployee();
        TPilot& employee = month.Employee(row);
        employee.hardTimeHistory = HardTimeHistoryOf(89, "0200");
        employee.ParseHardTimeHistory();
        employee.hardTimeHistory.resize(static_cast<size_t>(c.historyDays) * 4);
        month.History(row, kPreviousDays)[kHistoryHard] = c.carryInHard;
        AssignHardTrip(month, row, 0, 1, c.firstDayHard);
        RuleLine line = month.Line(row);
        CheckHardTimeIn90Days(line);
        EXPECT_EQ(employee.illegalitiesText, c.expected) << c.name;
    }
}

TEST(HardTimeIn90Days, DaysAfterTheMonthCarryOut) {
    RuleMonth month;
    const int row = month.AddEmployee();
    month.Employee(row).hardTimeHistory = HardTimeHistoryOf(89, "0000");
    AssignHardTrip(month, row, 28, 5, 6001);  // over the limit from day 30 on
    RuleLine line = month.Line(row);
    CheckHardTimeIn90Days(line);
    EXPECT_EQ(month.Employee(row).illegalitiesText, " 300+ Hours Hard in 90 on 1 C/Out+");
    EXPECT_EQ(month.Flagged(row), (std::vector<int>{30, 31}));
}

struct Duty {
    enum Kind { Pairing, Toolbox, LastMonth } kind = Pairing;
    int day = 0;  // board day, or timeline day for last month
    int32_t length = 720;
    int32_t hard = 60;
};

struct TwelveHourCase {
    const char* name;
    std::vector<Duty> duties;
    std::string expected;
    std::vector<int> flagged;
};

class TwelveHourDuties : public ::testing::TestWithParam<TwelveHourCase> {};

TEST_P(TwelveHourDuties, FlagsTheFourthDutyInARow) {
    const TwelveHourCase& c = GetParam();
    RuleMonth month;
    const int row = month.AddEmployee();
    for (const Duty& duty : c.duties) {
        switch (duty.kind) {
            case Duty::Pairing:
                month.AssignDuty(row, duty.day, 480, duty.length, duty.hard);
                break;
            case Duty::Toolbox:
                month.Place(
                    row, duty.day,
                    {.start = 480, .timeAtWork = duty.length, .duty = true, .hard = duty.hard});
                break;
            case Duty::LastMonth: {
                DayValues& record = month.History(row, duty.day);
                record[kHistoryPairingStart] = 480;
                record[kHistoryTafb] = duty.length;
                record[kHistoryDutyStart] = 480;
                record[kHistoryDuty] = duty.length;
                record[kHistoryWorked] = 1;
                break;
            }
        }
    }
    RuleLine line = month.Line(row);
    CheckTwelveHourDuties(line);
    EXPECT_EQ(month.Employee(row).illegalitiesText, c.expected);
    EXPECT_EQ(month.Flagged(row), c.flagged);
}

INSTANTIATE_TEST_SUITE_P(
    Runs, TwelveHourDuties,
    ::testing::Values(
        TwelveHourCase{"ThreeLongDutiesAreLegal", {{.day = 0}, {.day = 1}, {.day = 2}}, "", {}},
        TwelveHourCase{"FourLongDuties",
                       {{.day = 0}, {.day = 1}, {.day = 2}, {.day = 3}},
                       " 3+ 12 Hr Duty on 4+",
                       {3}},
        TwelveHourCase{"AShortDutyAfterThreeLongOnesCounts",
                       {{.day = 0}, {.day = 1}, {.day = 2}, {.day = 3, .length = 719}},
                       " 3+ 12 Hr Duty on 4+",
                       {3}},
        TwelveHourCase{"AShortDutyEarlierBreaksTheRun",
                       {{.day = 0}, {.day = 1}, {.day = 2, .length = 719}, {.day = 3}},
                       "",
                       {}},
        TwelveHourCase{
            "ADayOffRestartsTheRun", {{.day = 0}, {.day = 1}, {.day = 2}, {.day = 4}}, "", {}},
        TwelveHourCase{"DutiesWithoutHardTimeAreNotCounted",
                       {{.day = 0, .hard = 0},
                        {.day = 1, .hard = 0},
                        {.day = 2, .hard = 0},
                        {.day = 3, .hard = 0}},
                       "",
                       {}},
        TwelveHourCase{"ToolboxDutiesWithHardTimeCount",
                       {{.day = 0}, {.day = 1}, {.day = 2}, {.kind = Duty::Toolbox, .day = 3}},
                       " 3+ 12 Hr Duty on 4+",
                       {3}},
        TwelveHourCase{"LastMonthRunsAreNamedOnce",
                       {{.kind = Duty::LastMonth, .day = 23},
                        {.kind = Duty::LastMonth, .day = 24},
                        {.kind = Duty::LastMonth, .day = 25},
                        {.kind = Duty::LastMonth, .day = 26},
                        {.kind = Duty::LastMonth, .day = 27},
                        {.kind = Duty::LastMonth, .day = 28},
                        {.kind = Duty::LastMonth, .day = 29},
                        {.kind = Duty::LastMonth, .day = 30}},
                       " 3+ 12 Hr Duty on Last Month+",
                       {}},
        TwelveHourCase{"ARunFromLastMonthEndsInTheMonth",
                       {{.kind = Duty::LastMonth, .day = 28},
                        {.kind = Duty::LastMonth, .day = 29},
                        {.kind = Duty::LastMonth, .day = 30},
                        {.day = 0}},
                       " 3+ 12 Hr Duty on 1+",
                       {0}}),
    [](const ::testing::TestParamInfo<TwelveHourCase>& tested) { return tested.param.name; });

TEST(TwelveHourDuties, ARunEndingAfterTheMonthCarriesOver) {
    RuleMonth month;
    const int row = month.AddEmployee();
    month.AssignDuty(row, 27, 480, 720, 60);
    month.AssignDuty(row, 28, 480, 720, 60);
    const int trip = month.AddSeat(480, 1440 + 720, 2);
    for (size_t k = 0; k < 2; ++k) {
        month.Seat(trip).dailyStart[k] = 480;
        month.Seat(trip).dailyDuty[k] = 720;
        month.Seat(trip).dailyHard[k] = 60;
    }
    month.Assign(row, trip, 29);
    RuleLine line = month.Line(row);
    CheckTwelveHourDuties(line);
    EXPECT_EQ(month.Employee(row).illegalitiesText, " 3+ 12 Hr Duty on C/O+");
    EXPECT_EQ(month.Flagged(row), std::vector<int>{30});
}

TEST(DutyIn28Days, ReadsTheDutyCheckSums) {
    struct Case {
        int day;
        int32_t sum;
        std::string expected;
    };
    for (const Case& c : std::vector<Case>{{4, 11520, ""},
                                           {4, 11521, " 192h+/28d On 5+"},
                                           {30, 11521, " 192h+/28d On C/O.+"},
                                           {35, 11521, " 192h+/28d On C/O.+"},
                                           {36, 99999, ""}}) {
        RuleMonth month;
        const int row = month.AddEmployee();
        month.Employee(row).dutyTotals[static_cast<size_t>(c.day + kPreviousDays)][2] = c.sum;
        RuleLine line = month.Line(row);
        CheckDutyIn28Days(line);
        EXPECT_EQ(month.Employee(row).illegalitiesText, c.expected) << c.day << " " << c.sum;
    }
}

}  // namespace
}  // namespace tallow::testing::blocks
