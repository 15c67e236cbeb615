#include "core/rules/cabin_rules.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "block_rules_fixture.h"

namespace tallow::testing::blocks {
namespace {

// One seat from `day` covering `days` calendar days (release 18:00 on the last).
int AssignTrip(RuleMonth& month, int row, int day, int days = 1) {
    const int seat = month.AddSeat(480, (days - 1) * 1440 + 600, days);
    month.Assign(row, seat, day);
    return seat;
}

struct CabinRestCase {
    const char* name;
    bool toolbox;
    bool reserve;
    int32_t start;  // on board day 3, after 08:00 to 18:00 on day 2
    std::string expected;
};

class CabinRest : public ::testing::TestWithParam<CabinRestCase> {};

TEST_P(CabinRest, NeedsTwelveHoursAfterEveryDuty) {
    const CabinRestCase& c = GetParam();
    RuleMonth month(CrewGroup::FlightAttendants);
    const int row = month.AddEmployee();
    month.AssignDuty(row, 2, 480, 600);
    if (c.toolbox) {
        month.Place(row, 3,
                    {.code = "OFC",
                     .start = c.start,
                     .timeAtWork = 300,
                     .duty = true,
                     .reserve = c.reserve});
    } else {
        month.AssignDuty(row, 3, c.start, 300);
    }
    RuleLine line = month.Line(row);
    CheckCabinRest(line);
    EXPECT_EQ(month.Employee(row).illegalitiesText, c.expected);
    EXPECT_EQ(month.Employee(row).warningsText, "");
    EXPECT_EQ(month.Flagged(row), c.expected.empty() ? std::vector<int>{} : std::vector<int>{3});
}

INSTANTIATE_TEST_SUITE_P(
    Boundaries, CabinRest,
    ::testing::Values(CabinRestCase{"Rest720", false, false, 360, ""},
                      CabinRestCase{"Rest719", false, false, 359, " Rest  4+"},
                      CabinRestCase{"PilotRestIsNotEnough", false, false, 300, " Rest  4+"},
                      CabinRestCase{"DutyDayInsideRest", true, false, 359, " Rest  4+"},
                      CabinRestCase{"DutyDayAfterRest", true, false, 360, ""},
                      CabinRestCase{"ReserveMayStartInsideRest", true, true, 0, ""}),
    [](const ::testing::TestParamInfo<CabinRestCase>& tested) { return tested.param.name; });

TEST(CabinRest, DaysOffAreCheckedTwelveHoursAfterTheirStart) {
    // Board day 2 from 20:00 to 11:00 next day: legal again at 23:00 on day 3.
    for (const auto& [start, reserve, expected] :
         std::vector<std::tuple<int32_t, bool, std::string>>{
             {659, false, " Rest  4+"}, {660, false, ""}, {0, true, ""}}) {
        RuleMonth month(CrewGroup::FlightAttendants);
        const int row = month.AddEmployee();
        month.AssignDuty(row, 2, 1200, 900);
        month.Place(row, 3, {.code = "SM", .start = start, .reserve = reserve});
        RuleLine line = month.Line(row);
        CheckCabinRest(line);
        EXPECT_EQ(month.Employee(row).illegalitiesText, expected) << start;
    }
}

TEST(CabinRest, NoRestIsOwedAfterADayOff) {
    RuleMonth month(CrewGroup::FlightAttendants);
    const int row = month.AddEmployee();
    month.AssignDuty(row, 2, 1200, 900);
    month.Place(row, 3, {.code = "SM", .start = 700, .timeAtWork = 60});
    month.AssignDuty(row, 4, 0, 300);
    RuleLine line = month.Line(row);
    CheckCabinRest(line);
    EXPECT_EQ(month.Employee(row).illegalitiesText, "");
}

TEST(CabinRest, DaysAfterTheMonthAreNotNamed) {
    RuleMonth month(CrewGroup::FlightAttendants);
    const int row = month.AddEmployee();
    month.AssignDuty(row, 29, 1200, 600);
    month.AssignDuty(row, 30, 0, 300);
    RuleLine line = month.Line(row);
    CheckCabinRest(line);
    EXPECT_EQ(month.Employee(row).illegalitiesText, "");
    EXPECT_TRUE(month.Flagged(row).empty());
}

struct ChainCase {
    const char* name;
    bool firstContinuous;
    bool secondContinuous;
    int32_t secondReport;  // legal from 20:00 without the allowance
    std::string expected;
};

class CabinContinuousDuties : public ::testing::TestWithParam<ChainCase> {};

TEST_P(CabinContinuousDuties, AChainMayStartTwoHoursEarly) {
    const ChainCase& c = GetParam();
    RuleMonth month(CrewGroup::FlightAttendants);
    const int row = month.AddEmployee();
    const int first = month.AssignDuty(row, 0, 1320, 600);
    const int second = month.AssignDuty(row, 1, c.secondReport, 600);
    month.Seat(first).continuousDuty = c.firstContinuous ? 1 : 0;
    month.Seat(second).continuousDuty = c.secondContinuous ? 1 : 0;
    RuleLine line = month.Line(row);
    CheckCabinRest(line);
    EXPECT_EQ(month.Employee(row).illegalitiesText, c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Chains, CabinContinuousDuties,
    ::testing::Values(ChainCase{"ChainAtTheAllowance", true, true, 1080, ""},
                      ChainCase{"ChainBeforeTheAllowance", true, true, 1079, " Rest  2+"},
                      ChainCase{"SecondNotContinuous", true, false, 1080, " Rest  2+"},
                      ChainCase{"FirstNotContinuous", false, true, 1080, " Rest  2+"},
                      ChainCase{"PlainRest", false, false, 1200, ""}),
    [](const ::testing::TestParamInfo<ChainCase>& tested) { return tested.param.name; });

TEST(CabinContinuousDuties, AChainCanStartLastMonth) {
    struct Case {
        const char* name;
        int32_t lastStart;
        int32_t lastTafb;
        int32_t firstDayCredit;
        std::string expected;
    };
    for (const Case& c : std::vector<Case>{{"LateLongTrip", 1081, 481, 0, ""},
                                           {"StartAt1800", 1080, 481, 0, " Rest  1+"},
                                           {"EightHoursAway", 1081, 480, 0, " Rest  1+"},
                                           {"FirstDayCredited", 1081, 481, 1, " Rest  1+"}}) {
        RuleMonth month(CrewGroup::FlightAttendants);
        const int row = month.AddEmployee();
        month.Employee(row).legalCheckIn = 1200;
        month.History(row, kPreviousDays - 1)[kHistoryPairingStart] = c.lastStart;
        month.History(row, kPreviousDays - 1)[kHistoryTafb] = c.lastTafb;
        month.History(row, kPreviousDays)[kHistoryCredit] = c.firstDayCredit;
        const int seat = month.AssignDuty(row, 0, 1080, 600);
        month.Seat(seat).continuousDuty = 1;
        RuleLine line = month.Line(row);
        CheckCabinRest(line);
        EXPECT_EQ(month.Employee(row).illegalitiesText, c.expected) << c.name;
    }
}

struct DaysOnOffCase {
    const char* name;
    bool reserveLike;
    std::vector<int> lastMonthWorked;        // timeline days
    std::vector<std::pair<int, int>> trips;  // first day, days
    std::string expected;
};

class CabinConsecutiveDays : public ::testing::TestWithParam<DaysOnOffCase> {};

TEST_P(CabinConsecutiveDays, WarnsOnLongRunsAndSingleDaysOff) {
    const DaysOnOffCase& c = GetParam();
    RuleMonth month(CrewGroup::FlightAttendants);
    const int row = month.AddEmployee();
    month.Employee(row).reserveBidder = c.reserveLike ? 1 : 0;
    for (int t : c.lastMonthWorked) {
        month.History(row, t)[kHistoryWorked] = 1;
    }
    for (const auto& [day, days] : c.trips) {
        AssignTrip(month, row, day, days);
    }
    RuleLine line = month.Line(row);
    CheckCabinConsecutiveDays(line);
    EXPECT_EQ(month.Employee(row).warningsText, c.expected);
    EXPECT_EQ(month.Employee(row).illegalitiesText, "");
}

INSTANTIATE_TEST_SUITE_P(
    Runs, CabinConsecutiveDays,
    ::testing::Values(
        DaysOnOffCase{"SixDays", false, {}, {{0, 6}}, ""},
        DaysOnOffCase{"SevenDays", false, {}, {{0, 7}}, "Con Days On/Off 7+"},
        DaysOnOffCase{
            "SevenDaysThenASingleDayOff", false, {}, {{0, 7}, {8, 1}}, "Con Days On/Off 7 8+"},
        DaysOnOffCase{"ReserveSixDays", true, {}, {{0, 6}}, "Con Days On/Off 6+"},
        DaysOnOffCase{"ReserveSingleDayOff", true, {}, {{2, 1}, {4, 1}}, "Con Days On/Off 5+"},
        DaysOnOffCase{"SingleDayOffIsFineOffReserve", false, {}, {{2, 1}, {4, 1}}, ""},
        DaysOnOffCase{
            "RunFromLastMonth", false, {25, 26, 27, 28, 29, 30}, {{0, 1}}, "Con Days On/Off 1+"},
        DaysOnOffCase{
            "CarryInDaysCount", false, {31, 32, 33, 34, 35}, {{5, 2}}, "Con Days On/Off 7+"},
        DaysOnOffCase{"OneFreeDayBeforeTheMonthCountsAsNone", true, {29}, {{0, 1}}, ""},
        DaysOnOffCase{
            "TwoFreeDaysBeforeTheMonthCountAsOne", true, {28}, {{0, 1}}, "Con Days On/Off 1+"},
        DaysOnOffCase{"FirstDayOfNextMonthPrints", false, {}, {{24, 8}}, "Con Days On/Off 1+"},
        DaysOnOffCase{
            "SecondDayOfNextMonthCarriesOut", false, {}, {{25, 7}}, "Con Days On/Off C/Out.+"}),
    [](const ::testing::TestParamInfo<DaysOnOffCase>& tested) { return tested.param.name; });

TEST(BelowTheLine, CountsAsReserve) {
    RuleMonth month(CrewGroup::FlightAttendants);
    const int row = month.AddEmployee();
    month.Employee(row).belowLine = 1;
    AssignTrip(month, row, 0, 6);
    RuleLine line = month.Line(row);
    CheckCabinConsecutiveDays(line);
    EXPECT_EQ(month.Employee(row).warningsText, "Con Days On/Off 6+");
    EXPECT_EQ(month.Flagged(row, false), std::vector<int>{5});
}

TEST(CabinFrenchPairings, NamesTheDaysThisEmployeeIsHeldResponsibleFor) {
    for (const int32_t french : {0, 1}) {
        RuleMonth month(CrewGroup::FlightAttendants);
        const int row = month.AddEmployee();
        month.Employee(row).ageMedFlags = french;
        month.Seat(AssignTrip(month, row, 4)).displayText = "V8101 FRENCH PAIRING";
        month.Seat(AssignTrip(month, row, 9)).displayText = "V8102";
        RuleLine line = month.Line(row);
        CheckFrenchPairings(line);
        EXPECT_EQ(month.Employee(row).illegalitiesText, french ? "" : " French Pair  5+");
    }
}

TEST(CabinFamiliarisationPairings, WarnOnlyEmployeesWhoTakeNone) {
    for (const int32_t qualification : {0, 1, 2, 3}) {
        RuleMonth month(CrewGroup::FlightAttendants);
        const int row = month.AddEmployee();
        month.Employee(row).specialQualification = qualification;
        month.Seat(AssignTrip(month, row, 5)).displayText = "V8101 EXTRA FA ON";
        month.Seat(AssignTrip(month, row, 7)).displayText = "V8102";
        RuleLine line = month.Line(row);
        CheckFamiliarisationPairings(line);
        EXPECT_EQ(month.Employee(row).warningsText,
                  qualification == 2 ? "Fam Pairing in Block on 6+" : "");
        EXPECT_EQ(month.Flagged(row, false),
                  qualification == 2 ? std::vector<int>{5} : std::vector<int>{});
    }
}

struct RbCase {
    const char* name;
    int32_t maxBlock;
    std::vector<int> rbDays;           // board days
    std::vector<int> lastMonthRbDays;  // timeline days with "RB " as last month's code
    std::vector<int> lastMonthWorked;  // timeline days
    std::vector<std::pair<int, int>> trips;
    std::string expected;
};

class RbGrouping : public ::testing::TestWithParam<RbCase> {};

TEST_P(RbGrouping, KeepsRbDaysApartFromOtherDuty) {
    const RbCase& c = GetParam();
    RuleMonth month(CrewGroup::FlightAttendants);
    const int row = month.AddEmployee();
    month.Employee(row).maxBlockOverride = c.maxBlock;
    for (int d : c.rbDays) {
        month.Place(row, d,
                    {.code = "RSV",
                     .crewCode = "RB",
                     .start = 360,
                     .timeAtWork = 600,
                     .duty = true,
                     .reserve = true});
    }
    for (int t : c.lastMonthRbDays) {
        month.Employee(row).historyCode[static_cast<size_t>(t)] = "RB ";
    }
    for (int t : c.lastMonthWorked) {
        month.History(row, t)[kHistoryWorked] = 1;
    }
    for (const auto& [day, days] : c.trips) {
        AssignTrip(month, row, day, days);
    }
    RuleLine line = month.Line(row);
    CheckRbGrouping(line);
    EXPECT_EQ(month.Employee(row).illegalitiesText, c.expected);
}

constexpr const char* kReduced = " RB Days Must be Grouped in 2s for Reduced Block on ";
constexpr const char* kDaysOff = " Must Have 2 Days Off before and after RB periods on";

INSTANTIATE_TEST_SUITE_P(
    ReducedBlock, RbGrouping,
    ::testing::Values(RbCase{"LoneRbDay", 3000, {5}, {}, {}, {}, std::string(kReduced) + " 6+"},
                      RbCase{"RbPair", 3000, {5, 6}, {}, {}, {}, ""},
                      RbCase{"RbTriple", 3000, {5, 6, 7}, {}, {}, {}, ""},
                      RbCase{
                          "TwoLoneDays", 4200, {5, 8}, {}, {}, {}, std::string(kReduced) + " 6 9+"},
                      RbCase{"LastMonthLoneDayIsNotNamed", 3000, {}, {25}, {}, {}, ""},
                      RbCase{"PairAcrossTheMonthStart", 3000, {0}, {30}, {}, {}, ""}),
    [](const ::testing::TestParamInfo<RbCase>& tested) { return tested.param.name; });

INSTANTIATE_TEST_SUITE_P(
    FullBlock, RbGrouping,
    ::testing::Values(
        RbCase{"NoRbDayNoRule", 0, {}, {}, {}, {{8, 1}, {10, 1}}, ""},
        RbCase{"OneDayOffAfterAPairing", 0, {10}, {}, {}, {{8, 1}}, std::string(kDaysOff) + " 11+"},
        RbCase{"TwoDaysOffAfterAPairing", 0, {10}, {}, {}, {{7, 1}}, ""},
        RbCase{"PairingTheDayBeforeWithTwoDaysOffBeforeIt", 0, {10}, {}, {}, {{9, 1}}, ""},
        RbCase{"PairingTheDayBeforeWithOneDayOffBeforeIt",
               0,
               {10},
               {},
               {},
               {{7, 1}, {9, 1}},
               std::string(kDaysOff) + " 11+"},
        RbCase{
            "OneDayOffBeforeAPairing", 0, {10}, {}, {}, {{12, 1}}, std::string(kDaysOff) + " 11+"},
        RbCase{
            "OneDayOffAfterALongTrip", 0, {10}, {}, {}, {{6, 3}}, std::string(kDaysOff) + " 11+"},
        RbCase{"GroupedRbDaysAreNotLone", 0, {10, 11}, {}, {}, {{8, 1}}, ""},
        RbCase{
            "AboveTheReducedLimit", 4201, {10}, {}, {}, {{8, 1}}, std::string(kDaysOff) + " 11+"},
        RbCase{"LastMonthIsMarked", 0, {}, {20}, {18}, {}, std::string(kDaysOff) + " Last Month+"},
        RbCase{"LastMonthAndThisMonth",
               0,
               {10},
               {20},
               {18},
               {{12, 1}},
               std::string(kDaysOff) + " Last Month 11+"}),
    [](const ::testing::TestParamInfo<RbCase>& tested) { return tested.param.name; });

}  // namespace
}  // namespace tallow::testing::blocks
