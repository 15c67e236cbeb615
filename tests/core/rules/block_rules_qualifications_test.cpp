// Pilot rules that apply only to some employees: check pilot credit, YTZ,
// YCG and USA pairings.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "block_rules_fixture.h"
#include "core/rules/block_rules.h"
#include "core/rules/pilot_rules.h"
#include "core/rules/rule_line.h"

namespace tallow::testing::blocks {
namespace {

struct CreditTrip {
    int day;
    std::vector<int32_t> dailyCredits;
};

struct CreditCase {
    const char* name;
    int32_t limit;
    int32_t carryIn;
    std::vector<CreditTrip> trips;
    std::string expected;
};

class CheckPilotCreditLimit : public ::testing::TestWithParam<CreditCase> {};

TEST_P(CheckPilotCreditLimit, ComparesTheCreditInsideTheMonthWithTheLimit) {
    const CreditCase& c = GetParam();
    RuleMonth month;
    month.Schedule().setup[kCheckPilotMaxCredit] = c.limit;
    const int row = month.AddEmployee();
    month.Employee(row).carryInCredit = c.carryIn;
    for (const CreditTrip& trip : c.trips) {
        const int days = static_cast<int>(trip.dailyCredits.size());
        const int seat = month.AddSeat(480, (days - 1) * 1440 + 600, days);
        int32_t total = 0;
        for (int k = 0; k < days; ++k) {
            month.Seat(seat).dailyCredit[static_cast<size_t>(k)] =
                trip.dailyCredits[static_cast<size_t>(k)];
            total += trip.dailyCredits[static_cast<size_t>(k)];
        }
        month.Seat(seat).totalCredit = total;
        month.Assign(row, seat, trip.day);
    }
    RuleLine line = month.Line(row);
    CheckPilotCredit(line);
    EXPECT_EQ(month.Employee(row).illegalitiesText, c.expected);
    EXPECT_TRUE(month.Flagged(row).empty());
}

INSTANTIATE_TEST_SUITE_P(
    Limits, CheckPilotCreditLimit,
    ::testing::Values(
        CreditCase{"AtTheLimit", 5400, 0, {{2, {2700}}, {9, {2700}}}, ""},
        CreditCase{
            "AMinuteOver", 5400, 0, {{2, {2700}}, {9, {2701}}}, "Check Pilot Pair Credit > 90:00+"},
        CreditCase{"CarryInCounts", 5400, 100, {{2, {5301}}}, "Check Pilot Pair Credit > 90:00+"},
        CreditCase{"OnlyTheDaysInsideTheMonthCount", 5400, 0, {{29, {300, 4000, 4700}}}, ""},
        CreditCase{"TwoDaysInsideTheMonth",
                   5400,
                   1101,
                   {{28, {300, 4000, 4700}}},
                   "Check Pilot Pair Credit > 90:00+"},
        CreditCase{"TheLimitIsShownAsHoursAndMinutes",
                   1830,
                   0,
                   {{2, {1831}}},
                   "Check Pilot Pair Credit > 30:30+"}),
    [](const ::testing::TestParamInfo<CreditCase>& tested) { return tested.param.name; });

int AssignMarkedPairing(RuleMonth& month, int row, int day, const std::string& text) {
    const int seat = month.AssignDuty(row, day, 480, 600);
    month.Seat(seat).displayText = text;
    return seat;
}

TEST(AirportQualification, TwoPairingsThroughTheAirportMakeOneItem) {
    RuleMonth month;
    const int row = month.AddEmployee();
    AssignMarkedPairing(month, row, 2, "V8101 YYZ-YTZ");
    AssignMarkedPairing(month, row, 5, "V8102 YYZ-YOW");
    AssignMarkedPairing(month, row, 9, "V8103 YTZ-YUL");
    RuleLine line = month.Line(row);
    CheckAirportQualification(line, "YTZ");
    CheckAirportQualification(line, "YCG");
    EXPECT_EQ(month.Employee(row).illegalitiesText, " Not Qualified for YTZ on 3 10+");
    EXPECT_EQ(month.Flagged(row), (std::vector<int>{2, 9}));
}

TEST(AirportQualification, YcgAndUsaSegmentsAreFoundTheSameWay) {
    RuleMonth month;
    const int row = month.AddEmployee();
    AssignMarkedPairing(month, row, 4, "V8101 YVR-YCG");
    AssignMarkedPairing(month, row, 6, "V8102 YVR-SEA USA SEGMENT");
    AssignMarkedPairing(month, row, 8, "V8103 YVR-SEA USA");
    RuleLine line = month.Line(row);
    CheckAirportQualification(line, "YCG");
    CheckUsaPairings(line);
    EXPECT_EQ(month.Employee(row).illegalitiesText,
              " Not Qualified for YCG on 5+ USA Pairing on 7+");
}

struct ConditionCase {
    const char* name;
    int32_t specialQualification;
    int32_t noTZ;
    int32_t noYCG;
    int32_t ageMedFlags;
    std::vector<std::string> items;
};

class QualificationConditions : public ::testing::TestWithParam<ConditionCase> {};

TEST_P(QualificationConditions, RunOnlyForTheEmployeesTheyConcern) {
    const ConditionCase& c = GetParam();
    RuleMonth month;
    const int row = month.AddEmployee();
    TPilot& employee = month.Employee(row);
    employee.specialQualification = c.specialQualification;
    employee.noTZ = c.noTZ;
    employee.noYCG = c.noYCG;
    employee.ageMedFlags = c.ageMedFlags;
    const int seat = AssignMarkedPairing(month, row, 4, "V8101 YTZ YCG USA SEGMENT");
    month.Seat(seat).totalCredit = 6000;
    month.Seat(seat).dailyCredit[0] = 6000;
    CheckEmployee(month.Schedule(), row, false);
    const std::vector<std::string> all = {"Check Pilot Pair Credit > 90:00+",
                                          " Not Qualified for YTZ on 5+",
                                          " Not Qualified for YCG on 5+", " USA Pairing on 5+"};
    for (const std::string& item : all) {
        const bool expected = std::find(c.items.begin(), c.items.end(), item) != c.items.end();
        EXPECT_EQ(Contains(employee.illegalitiesText, item), expected) << item;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Employees, QualificationConditions,
    ::testing::Values(ConditionCase{"NoMarks", 0, 0, 0, 0, {}},
                      ConditionCase{"Checker", 3, 0, 0, 0, {"Check Pilot Pair Credit > 90:00+"}},
                      ConditionCase{"LtcIsNoChecker", 1, 0, 0, 0, {}},
                      ConditionCase{"LtcAndTpIsNoChecker", 4, 0, 0, 0, {}},
                      ConditionCase{"NoYtz", 0, 1, 0, 0, {" Not Qualified for YTZ on 5+"}},
                      ConditionCase{"NoYcg", 0, 0, 1, 0, {" Not Qualified for YCG on 5+"}},
                      ConditionCase{"Over65", 0, 0, 0, 1, {" USA Pairing on 5+"}},
                      ConditionCase{"Over65AndMed", 0, 0, 0, 3, {" USA Pairing on 5+"}},
                      ConditionCase{"MedOnly", 0, 0, 0, 2, {}},
                      ConditionCase{
                          "All",
                          3,
                          1,
                          1,
                          1,
                          {"Check Pilot Pair Credit > 90:00+", " Not Qualified for YTZ on 5+",
                           " Not Qualified for YCG on 5+", " USA Pairing on 5+"}}),
    [](const ::testing::TestParamInfo<ConditionCase>& tested) { return tested.param.name; });

TEST(QualificationConditions, ItemsFollowTheRuleOrder) {
    RuleMonth month;
    const int row = month.AddEmployee();
    TPilot& employee = month.Employee(row);
    employee.specialQualification = 3;
    employee.noTZ = employee.noYCG = employee.ageMedFlags = 1;
    const int seat = AssignMarkedPairing(month, row, 4, "V8101 YTZ YCG USA SEGMENT");
    month.Seat(seat).totalCredit = 6000;
    CheckEmployee(month.Schedule(), row, false);
    const std::string& text = employee.illegalitiesText;
    const size_t credit = text.find("Check Pilot");
    const size_t ytz = text.find(" Not Qualified for YTZ");
    const size_t ycg = text.find(" Not Qualified for YCG");
    const size_t usa = text.find(" USA Pairing");
    ASSERT_NE(usa, std::string::npos);
    EXPECT_LT(credit, ytz);
    EXPECT_LT(ytz, ycg);
    EXPECT_LT(ycg, usa);
}

}  // namespace
}  // namespace tallow::testing::blocks
