// Pilot rest and fatigue units.

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "block_rules_fixture.h"
#include "core/rules/pilot_rules.h"

namespace tallow::testing::blocks {
namespace {

// Board day 2 from 08:00 to 18:00: with 11:00 of rest the next check-in is
// legal from 05:00 on board day 3 (4 April).
constexpr int kFirstDay = 2;
constexpr int32_t kFirstReport = 480;
constexpr int32_t kFirstTafb = 600;
constexpr int32_t kLegalNextMorning = 300;

struct RestCase {
    const char* name;
    int32_t minRestAfter;
    int32_t nextReport;
    std::string exceptions;
    std::string warnings;
};

class PilotRestBetweenPairings : public ::testing::TestWithParam<RestCase> {};

TEST_P(PilotRestBetweenPairings, ChecksTheNextCheckInAgainstRestAndTheHourAfterIt) {
    const RestCase& c = GetParam();
    RuleMonth month;
    const int row = month.AddEmployee();
    const int first = month.AssignDuty(row, kFirstDay, kFirstReport, kFirstTafb);
    month.Seat(first).minRestAfter = c.minRestAfter;
    month.AssignDuty(row, kFirstDay + 1, c.nextReport, 300);
    RuleLine line = month.Line(row);
    CheckPilotRest(line);
    EXPECT_EQ(month.Employee(row).illegalitiesText, c.exceptions);
    EXPECT_EQ(month.Employee(row).warningsText, c.warnings);
    EXPECT_EQ(month.Flagged(row), c.exceptions.empty() ? std::vector<int>{} : std::vector<int>{3});
    EXPECT_EQ(month.Flagged(row, false),
              c.warnings.empty() ? std::vector<int>{} : std::vector<int>{3});
}

INSTANTIATE_TEST_SUITE_P(
    Boundaries, PilotRestBetweenPairings,
    ::testing::Values(
        RestCase{"RestOf659IsAnException", 660, kLegalNextMorning - 1, "Rest  4+", ""},
        RestCase{"RestOf660IsAWarning", 660, kLegalNextMorning, "", " Rest  4+"},
        RestCase{"OneMinuteBeforeTheHourIsAWarning", 660, kLegalNextMorning + 59, "", " Rest  4+"},
        RestCase{"AnHourAfterEarliestIsClean", 660, kLegalNextMorning + 60, "", ""},
        RestCase{"ShortMinimumRestStillNeeds660", 600, kLegalNextMorning - 1, "Rest  4+", ""},
        RestCase{"RestOf661IsRequiredWhenTheSeatSaysSo", 661, kLegalNextMorning, "Rest  4+", ""},
        RestCase{"LongerRequiredRestMovesTheWarningToo", 700, kLegalNextMorning + 40, "",
                 " Rest  4+"},
        RestCase{"LongerRequiredRestBoundary", 700, kLegalNextMorning + 39, "Rest  4+", ""}),
    [](const ::testing::TestParamInfo<RestCase>& tested) { return tested.param.name; });

struct ClockChangeCase {
    const char* name;
    int32_t shift;
    int32_t changeAt;
    int32_t nextReport;
    std::string exceptions;
    std::string warnings;
};

class PilotRestOverClockChange : public ::testing::TestWithParam<ClockChangeCase> {};

TEST_P(PilotRestOverClockChange, ShiftsTheNextStartByTheChange) {
    const ClockChangeCase& c = GetParam();
    RuleMonth month;
    month.Schedule().dstShift = c.shift;
    month.Schedule().dstChangeAt = c.changeAt;
    const int row = month.AddEmployee();
    month.AssignDuty(row, kFirstDay, kFirstReport, kFirstTafb);
    month.AssignDuty(row, kFirstDay + 1, c.nextReport, 300);
    RuleLine line = month.Line(row);
    CheckPilotRest(line);
    EXPECT_EQ(month.Employee(row).illegalitiesText, c.exceptions);
    EXPECT_EQ(month.Employee(row).warningsText, c.warnings);
}

// 02:00 on board day 3, between the release on day 2 and the next check-in.
constexpr int32_t kChangeBetween = 3 * 1440 + 120;

INSTANTIATE_TEST_SUITE_P(
    SpringAndFall, PilotRestOverClockChange,
    ::testing::Values(ClockChangeCase{"SpringForwardTurnsACleanStartIntoAWarning", 60,
                                      kChangeBetween, kLegalNextMorning + 60, "", " Rest  4+"},
                      ClockChangeCase{"SpringForwardTurnsAWarningIntoAnException", 60,
                                      kChangeBetween, kLegalNextMorning + 59, "Rest  4+", ""},
                      ClockChangeCase{"FallBackTurnsAnExceptionIntoAWarning", -60, kChangeBetween,
                                      kLegalNextMorning - 1, "", " Rest  4+"},
                      ClockChangeCase{"FallBackLengthensRestByAnHourOnly", -60, kChangeBetween,
                                      kLegalNextMorning - 61, "Rest  4+", ""},
                      ClockChangeCase{"ChangeBeforeThePreviousStartIsIgnored", 60, 2 * 1440,
                                      kLegalNextMorning + 60, "", ""},
                      ClockChangeCase{"ChangeAfterTheStartIsIgnored", 60, 4 * 1440,
                                      kLegalNextMorning + 60, "", ""}),
    [](const ::testing::TestParamInfo<ClockChangeCase>& tested) { return tested.param.name; });

struct ToolboxRestCase {
    const char* name;
    bool reserve;
    int32_t start;
    std::string exceptions;
    std::string warnings;
};

class PilotRestBeforeDutyToolbox : public ::testing::TestWithParam<ToolboxRestCase> {};

TEST_P(PilotRestBeforeDutyToolbox, LetsReserveStartInsideTheRest) {
    const ToolboxRestCase& c = GetParam();
    RuleMonth month;
    const int row = month.AddEmployee();
    month.AssignDuty(row, kFirstDay, kFirstReport, kFirstTafb);
    month.Place(
        row, kFirstDay + 1,
        {.code = "RSV", .start = c.start, .timeAtWork = 600, .duty = true, .reserve = c.reserve});
    RuleLine line = month.Line(row);
    CheckPilotRest(line);
    EXPECT_EQ(month.Employee(row).illegalitiesText, c.exceptions);
    EXPECT_EQ(month.Employee(row).warningsText, c.warnings);
}

INSTANTIATE_TEST_SUITE_P(
    ReserveAndDuty, PilotRestBeforeDutyToolbox,
    ::testing::Values(
        ToolboxRestCase{"Reserve121MinutesInsideRestIsLegal", true, kLegalNextMorning - 121, "",
                        ""},
        ToolboxRestCase{"Reserve122MinutesInsideRestIsAnException", true, kLegalNextMorning - 122,
                        "Rest  4+", ""},
        ToolboxRestCase{"ReserveNearEarliestGetsNoWarning", true, kLegalNextMorning + 1, "", ""},
        ToolboxRestCase{"DutyInsideRestIsAnException", false, kLegalNextMorning - 1, "Rest  4+",
                        ""},
        ToolboxRestCase{"DutyWithinTheHourIsAWarning", false, kLegalNextMorning + 59, "",
                        " Rest  4+"},
        ToolboxRestCase{"DutyAnHourAfterIsClean", false, kLegalNextMorning + 60, "", ""}),
    [](const ::testing::TestParamInfo<ToolboxRestCase>& tested) { return tested.param.name; });

TEST(PilotRest, ReserveOnTheFirstDayAfterLastMonthReserveGetsNoAllowance) {
    for (const int32_t worked : {0, 1, 2}) {
        RuleMonth month;
        const int row = month.AddEmployee();
        month.Employee(row).legalCheckIn = 600;
        month.History(row, kPreviousDays - 1)[kHistoryWorked] = worked;
        month.Place(
            row, 0,
            {.code = "RSV", .start = 599, .timeAtWork = 600, .duty = true, .reserve = true});
        RuleLine line = month.Line(row);
        CheckPilotRest(line);
        EXPECT_EQ(month.Employee(row).illegalitiesText, worked == 2 ? "Rest  1+" : "")
            << "worked " << worked;
    }
}

TEST(PilotRest, ReserveOnALaterDayKeepsTheAllowanceAfterLastMonthReserve) {
    RuleMonth month;
    const int row = month.AddEmployee();
    month.History(row, kPreviousDays - 1)[kHistoryWorked] = 2;
    month.AssignDuty(row, kFirstDay, kFirstReport, kFirstTafb);
    month.Place(row, kFirstDay + 1,
                {.code = "RSV",
                 .start = kLegalNextMorning - 100,
                 .timeAtWork = 600,
                 .duty = true,
                 .reserve = true});
    RuleLine line = month.Line(row);
    CheckPilotRest(line);
    EXPECT_EQ(month.Employee(row).illegalitiesText, "");
}

TEST(PilotRest, ReserveDutyNeedsOnly539MinutesOfRestAfter) {
    // Reserve on board day 3 from 06:00 to 18:00: legal again at 02:59 on day 4.
    for (const auto& [report, exceptions, warnings] :
         std::vector<std::tuple<int32_t, std::string, std::string>>{
             {178, "Rest  5+", ""}, {179, "", " Rest  5+"}, {239, "", ""}}) {
        RuleMonth month;
        const int row = month.AddEmployee();
        month.Place(
            row, 3,
            {.code = "RSV", .start = 360, .timeAtWork = 720, .duty = true, .reserve = true});
        month.AssignDuty(row, 4, report, 300);
        RuleLine line = month.Line(row);
        CheckPilotRest(line);
        EXPECT_EQ(month.Employee(row).illegalitiesText, exceptions) << report;
        EXPECT_EQ(month.Employee(row).warningsText, warnings) << report;
    }
}

TEST(PilotRest, DaysOffAreCheckedFromTheirOwnCheckTime) {
    // Board day 0 from 20:00 to 11:00 next day: legal again at 22:00 on day 1.
    struct Case {
        ToolboxDay day;
        int onDay;
        std::string exceptions;
    };
    const std::vector<Case> cases = {
        {{.code = "VAC"}, 1, "Rest  2+"},  // checked at 11:00 of rest + 2:00
        {{.code = "VAC"}, 2, ""},
        {{.code = "GO", .start = 1200}, 1, "Rest  2+"},
        {{.code = "SM", .start = 659}, 1, "Rest  2+"},  // checked at its start + 11:00
        {{.code = "SM", .start = 660}, 1, ""},
        {{.code = "SM", .start = 480, .reserve = true}, 1, ""},
    };
    for (const Case& c : cases) {
        RuleMonth month;
        const int row = month.AddEmployee();
        month.AssignDuty(row, 0, 1200, 900);
        month.Place(row, c.onDay, c.day);
        RuleLine line = month.Line(row);
        CheckPilotRest(line);
        EXPECT_EQ(month.Employee(row).illegalitiesText, c.exceptions)
            << c.day.code << " start " << c.day.start << " on day " << c.onDay;
    }
}

TEST(PilotRest, ADayOffEndsTheRestItWasCheckedAgainst) {
    RuleMonth month;
    const int row = month.AddEmployee();
    month.AssignDuty(row, 0, 1200, 1200);  // legal again at 03:00 on day 2
    month.Place(row, 1, {.code = "VAC"});
    month.AssignDuty(row, 2, 0, 300);
    RuleLine line = month.Line(row);
    CheckPilotRest(line);
    EXPECT_EQ(month.Employee(row).illegalitiesText, "Rest  2+");
    EXPECT_EQ(month.Employee(row).warningsText, "");
}

TEST(PilotRest, DaysAfterTheMonthPrintWithAnArrow) {
    RuleMonth month;
    const int row = month.AddEmployee();
    month.AssignDuty(row, 29, 1200, 600);
    month.AssignDuty(row, 30, 600, 300);
    RuleLine line = month.Line(row);
    CheckPilotRest(line);
    EXPECT_EQ(month.Employee(row).illegalitiesText, "Rest  1>+");
    EXPECT_EQ(month.Flagged(row), std::vector<int>{30});
}

TEST(PilotRest, EarliestCheckInComesFromLastMonth) {
    RuleMonth month;
    const int row = month.AddEmployee();
    month.Employee(row).legalCheckIn = 1440 + 600;
    month.AssignDuty(row, 1, 599, 300);
    RuleLine line = month.Line(row);
    CheckPilotRest(line);
    EXPECT_EQ(month.Employee(row).illegalitiesText, "Rest  2+");
}

TEST(PilotRest, SeatIndexesOutsideTheTableReadAsFreeDays) {
    RuleMonth month;
    const int row = month.AddEmployee();
    month.AssignDuty(row, 0, 480, 600);
    month.Employee(row).dayPairing[1] = month.Schedule().lastPairing + 1;
    month.Employee(row).dayPairing[2] = kMaxPairings + 5;
    month.Employee(row).dayPairing[3] = -7;
    RuleLine line = month.Line(row);
    CheckPilotRest(line);
    CheckFatigueUnits(line);
    EXPECT_EQ(month.Employee(row).illegalitiesText, "");
}

struct FatigueDay {
    enum Kind { Pairing, DutyToolbox, DayOff } kind = Pairing;
    int day = 0;
    int32_t units = 0;  // fatigue units, or time at work of a duty day
    int32_t report = 480;
    int32_t tafb = 600;
};

struct FatigueCase {
    const char* name;
    int32_t carryIn;
    std::vector<FatigueDay> days;
    std::string expected;
};

class FatigueUnits : public ::testing::TestWithParam<FatigueCase> {};

TEST_P(FatigueUnits, FlagsTheDayTheRunningTotalPasses100Units) {
    const FatigueCase& c = GetParam();
    RuleMonth month;
    const int row = month.AddEmployee();
    month.Employee(row).carryInFatigue = c.carryIn;
    for (const FatigueDay& day : c.days) {
        if (day.kind == FatigueDay::Pairing) {
            const int seat = month.AddSeat(day.report, day.tafb, 1 + day.tafb / 1440);
            month.Seat(seat).fatigueUnits = day.units;
            month.Assign(row, seat, day.day);
        } else {
            month.Place(row, day.day,
                        {.code = "OFC",
                         .timeAtWork = day.units,
                         .duty = day.kind == FatigueDay::DutyToolbox});
        }
    }
    RuleLine line = month.Line(row);
    CheckFatigueUnits(line);
    EXPECT_EQ(month.Employee(row).illegalitiesText, c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    RunningTotal, FatigueUnits,
    ::testing::Values(
        FatigueCase{"Exactly6000IsLegal", 0, {{.units = 6000}}, ""},
        FatigueCase{"6001IsAnException", 0, {{.units = 6001}}, " 100 Plus Fatigue Units on 1+"},
        FatigueCase{"CarryInCounts", 5000, {{.units = 1001}}, " 100 Plus Fatigue Units on 1+"},
        FatigueCase{"ConsecutivePairingsAddUp",
                    0,
                    {{.day = 0, .units = 3000}, {.day = 1, .units = 3001}},
                    " 100 Plus Fatigue Units on 2+"},
        FatigueCase{
            "AFreeDayResets", 0, {{.day = 0, .units = 3000}, {.day = 2, .units = 3001}}, ""},
        FatigueCase{"ADayCoveredByATripDoesNotReset",
                    0,
                    {{.day = 0, .units = 3000, .tafb = 1440 + 600}, {.day = 2, .units = 3001}},
                    " 100 Plus Fatigue Units on 3+"},
        FatigueCase{
            "ReleaseBefore0200DoesNotCoverTheDay",
            0,
            {{.day = 0, .units = 3000, .report = 1200, .tafb = 359}, {.day = 2, .units = 3001}},
            ""},
        FatigueCase{
            "ReleaseAt0200CoversTheDay",
            0,
            {{.day = 0, .units = 3000, .report = 1200, .tafb = 360}, {.day = 2, .units = 3001}},
            " 100 Plus Fatigue Units on 3+"},
        FatigueCase{
            "DutyDaysAddTheirTimeAtWork",
            0,
            {{.day = 0, .units = 5000}, {.kind = FatigueDay::DutyToolbox, .day = 1, .units = 1001}},
            " 100 Plus Fatigue Units on 2+"},
        FatigueCase{"DaysOffReset",
                    0,
                    {{.day = 0, .units = 5000},
                     {.kind = FatigueDay::DayOff, .day = 1, .units = 600},
                     {.day = 2, .units = 1001}},
                    ""},
        FatigueCase{"TheTotalRestartsAfterAnException",
                    0,
                    {{.day = 0, .units = 6001}, {.day = 1, .units = 5999}, {.day = 2, .units = 2}},
                    " 100 Plus Fatigue Units on 1 3+"}),
    [](const ::testing::TestParamInfo<FatigueCase>& tested) { return tested.param.name; });

}  // namespace
}  // namespace tallow::testing::blocks
