// The rule sequence of one line, the two-captain pass and the recheck of
// lines the French crew check left stale.

#include "core/rules/block_rules.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "block_rules_fixture.h"
#include "core/rules/rule_line.h"

namespace tallow::testing::blocks {
namespace {

void FillWithStaleResults(TPilot& employee) {
    employee.illegalitiesText = "stale exception+";
    employee.warningsText = "stale warning+";
    employee.carsText = "stale log+";
    employee.dayIllegal[60] = 1;
    employee.dayWarning[61] = 1;
}

// Board day 2 from 08:00 to 18:00, then board day 3 from 04:50: 10:50 of rest.
void AssignShortRest(RuleMonth& month, int row) {
    month.AssignDuty(row, 2, 480, 600);
    month.AssignDuty(row, 3, 290, 300);
}

TEST(CheckEmployee, PlaceholderRowsKeepTheirResults) {
    RuleMonth month;
    const int row = month.AddEmployee();
    month.Employee(row).employeeNumber = kPlaceholderEmployee;
    AssignShortRest(month, row);
    FillWithStaleResults(month.Employee(row));
    CheckEmployee(month.Schedule(), row, false);
    EXPECT_EQ(month.Employee(row).illegalitiesText, "stale exception+");
    EXPECT_EQ(month.Employee(row).warningsText, "stale warning+");
    EXPECT_EQ(month.Employee(row).carsText, "stale log+");
    EXPECT_EQ(month.Flagged(row), std::vector<int>{60});
    EXPECT_TRUE(month.recorder.rows.empty());
}

TEST(CheckEmployee, RowsOutsideTheTableAreIgnored) {
    RuleMonth month;
    CheckEmployee(month.Schedule(), -1, false);
    CheckEmployee(month.Schedule(), kMaxEmployees, false);
    EXPECT_TRUE(month.recorder.rows.empty());
}

TEST(CheckEmployee, RewritesEveryResultAndRepaintsTheRow) {
    for (const CrewGroup group : {CrewGroup::Captains, CrewGroup::FlightAttendants}) {
        RuleMonth month(group);
        month.AddEmployee();
        const int row = month.AddEmployee();
        FillWithStaleResults(month.Employee(row));
        CheckEmployee(month.Schedule(), row, false);
        const TPilot& employee = month.Employee(row);
        EXPECT_FALSE(Contains(employee.illegalitiesText, "stale"));
        EXPECT_FALSE(Contains(employee.warningsText, "stale"));
        EXPECT_FALSE(Contains(employee.carsText, "stale"));
        EXPECT_EQ(employee.dayIllegal[60], 0);
        EXPECT_EQ(employee.dayWarning[61], 0);
        EXPECT_EQ(month.recorder.rows, std::vector<int>{row});
    }
}

TEST(CheckEmployee, TheCrewGroupChoosesTheRules) {
    // 10:50 of rest: short for pilots (11:00) and for cabin crew (12:00);
    // each group's rest item has its own heading.
    RuleMonth pilots(CrewGroup::FirstOfficers);
    AssignShortRest(pilots, pilots.AddEmployee());
    CheckEmployee(pilots.Schedule(), 0, false);
    EXPECT_EQ(pilots.Employee(0).illegalitiesText.rfind("Rest  4+", 0), 0u)
        << pilots.Employee(0).illegalitiesText;

    RuleMonth cabin(CrewGroup::FlightAttendants);
    AssignShortRest(cabin, cabin.AddEmployee());
    CheckEmployee(cabin.Schedule(), 0, false);
    EXPECT_EQ(cabin.Employee(0).illegalitiesText, " Rest  4+");
    EXPECT_EQ(cabin.Employee(0).carsText, "");
}

TEST(CheckEmployee, PilotItemsFollowTheRuleOrder) {
    RuleMonth month;
    const int row = month.AddEmployee();
    month.Employee(row).noTZ = 1;
    AssignShortRest(month, row);
    month.Seat(1).displayText = "V8101 YTZ";
    month.Seat(1).fatigueUnits = 6001;
    CheckEmployee(month.Schedule(), row, false);
    const std::string& text = month.Employee(row).illegalitiesText;
    const size_t rest = text.find("Rest  4+");
    const size_t fatigue = text.find(" 100 Plus Fatigue Units on 4+");
    const size_t ytz = text.find(" Not Qualified for YTZ on 4+");
    ASSERT_NE(ytz, std::string::npos) << text;
    EXPECT_EQ(rest, 0u);
    EXPECT_LT(rest, fatigue);
    EXPECT_LT(fatigue, ytz);
}

TEST(CheckEmployee, CabinItemsFollowTheRuleOrder) {
    RuleMonth month(CrewGroup::FlightAttendants);
    const int row = month.AddEmployee();
    AssignShortRest(month, row);
    month.Seat(1).displayText = "V8101 FRENCH PAIRING";  // no other seat: nobody French
    CheckEmployee(month.Schedule(), row, false);
    EXPECT_EQ(month.Employee(row).warningsText, "");
    EXPECT_EQ(month.Employee(row).illegalitiesText, " Rest  4+ French Pair  4+");
}

// Captains: seat 0 is pairing 8101 as imported, seat 1 pairing 8200, and
// seats 2 and 3 their second-captain copies added after the import.
struct TwoCaptainMonth {
    RuleMonth month{CrewGroup::Captains};
    int first = month.AddEmployee();
    int second = month.AddEmployee();
    int third = month.AddEmployee();

    TwoCaptainMonth() {
        month.AddSeat(480, 600, 1, 8101);
        month.AddSeat(480, 600, 1, 8200);
        month.Schedule().lastImportedPairing = 1;
        month.AddSeat(480, 600, 1, 8101);
        month.AddSeat(480, 600, 1, 8200);
    }
};

struct TwoCaptainCase {
    const char* name;
    int32_t secondCopyFlags;
    int32_t firstCopyFlags;
    std::string expected;
};

class TwoCaptainPairings : public ::testing::TestWithParam<TwoCaptainCase> {};

TEST_P(TwoCaptainPairings, FlagsTheSecondCaptainWhenBothShareAMark) {
    const TwoCaptainCase& c = GetParam();
    TwoCaptainMonth two;
    RuleMonth& month = two.month;
    month.Assign(two.first, 0, 3);
    month.Assign(two.second, 2, 3);
    month.Employee(two.first).ageMedFlags = c.firstCopyFlags;
    month.Employee(two.second).ageMedFlags = c.secondCopyFlags;
    CheckTwoCaptainPairings(month.Schedule());
    EXPECT_EQ(month.Employee(two.second).illegalitiesText, c.expected);
    EXPECT_EQ(month.Employee(two.first).illegalitiesText, "");
    EXPECT_TRUE(month.Flagged(two.second).empty());
}

INSTANTIATE_TEST_SUITE_P(
    Marks, TwoCaptainPairings,
    ::testing::Values(TwoCaptainCase{"BothOver65", 1, 1, " Both 60 on 2 Capt Pair+"},
                      TwoCaptainCase{"Over65AndBoth", 1, 3, " Both 60 on 2 Capt Pair+"},
                      TwoCaptainCase{"BothAndOver65", 3, 1, " Both 60 on 2 Capt Pair+"},
                      TwoCaptainCase{"BothMed", 2, 2, " Both MED on 2 Capt Pair+"},
                      TwoCaptainCase{"MedAndBoth", 2, 3, " Both MED on 2 Capt Pair+"},
                      TwoCaptainCase{"MedWinsWhenBothApply", 3, 3, " Both MED on 2 Capt Pair+"},
                      TwoCaptainCase{"Over65AndMedDiffer", 1, 2, ""},
                      TwoCaptainCase{"MedAndOver65Differ", 2, 1, ""},
                      TwoCaptainCase{"FirstCaptainUnmarked", 3, 0, ""},
                      TwoCaptainCase{"SecondCaptainUnmarked", 0, 3, ""}),
    [](const ::testing::TestParamInfo<TwoCaptainCase>& tested) { return tested.param.name; });

TEST(TwoCaptainPairings, ALaterDayOverridesAnEarlierOne) {
    for (const bool medicalFirst : {true, false}) {
        TwoCaptainMonth two;
        RuleMonth& month = two.month;
        month.Employee(two.second).ageMedFlags = 3;
        month.Employee(two.first).ageMedFlags = medicalFirst ? 2 : 1;
        month.Employee(two.third).ageMedFlags = medicalFirst ? 1 : 2;
        month.Assign(two.first, 0, 3);
        month.Assign(two.second, 2, 3);
        month.Assign(two.third, 1, 10);
        month.Assign(two.second, 3, 10);
        CheckTwoCaptainPairings(month.Schedule());
        EXPECT_EQ(month.Employee(two.second).illegalitiesText,
                  medicalFirst ? " Both 60 on 2 Capt Pair+" : " Both MED on 2 Capt Pair+");
    }
}

TEST(TwoCaptainPairings, AnOpenFirstSeatNamesNobody) {
    TwoCaptainMonth two;
    RuleMonth& month = two.month;
    month.Employee(two.second).ageMedFlags = 3;
    month.Employee(two.first).ageMedFlags = 3;
    month.Assign(two.second, 2, 3);
    month.Assign(two.first, 0, 4);  // the first seat, but another day
    CheckTwoCaptainPairings(month.Schedule());
    EXPECT_EQ(month.Employee(two.second).illegalitiesText, "");
}

TEST(TwoCaptainPairings, OldItemsDisappearWhenTheLineIsCheckedAgain) {
    TwoCaptainMonth two;
    RuleMonth& month = two.month;
    month.Assign(two.first, 0, 3);
    month.Assign(two.second, 2, 3);
    month.Employee(two.first).ageMedFlags = 2;
    month.Employee(two.second).ageMedFlags = 2;
    CheckTwoCaptainPairings(month.Schedule());
    ASSERT_EQ(month.Employee(two.second).illegalitiesText, " Both MED on 2 Capt Pair+");
    EXPECT_TRUE(month.recorder.rows.empty());

    month.Employee(two.first).ageMedFlags = 0;
    month.Employee(two.third).illegalitiesText = "untouched+";
    CheckTwoCaptainPairings(month.Schedule());
    EXPECT_FALSE(Contains(month.Employee(two.second).illegalitiesText, "Both"));
    EXPECT_EQ(month.Employee(two.third).illegalitiesText, "untouched+");
    EXPECT_EQ(month.recorder.rows, std::vector<int>{two.second});
}

TEST(RecheckStaleLines, ChecksOnlyStaleLinesAndMarksThemCurrent) {
    RuleMonth month(CrewGroup::FlightAttendants);
    for (int i = 0; i < 3; ++i) {
        month.Employee(month.AddEmployee()).illegalitiesText = "old+";
    }
    month.Employee(1).rulesCurrent = 0;
    RecheckStaleLines(month.Schedule());
    EXPECT_EQ(month.Employee(0).illegalitiesText, "old+");
    EXPECT_EQ(month.Employee(1).illegalitiesText, "");
    EXPECT_EQ(month.Employee(2).illegalitiesText, "old+");
    EXPECT_EQ(month.Employee(1).rulesCurrent, 1);
    EXPECT_EQ(month.recorder.rows, std::vector<int>{1});
}

TEST(RecheckStaleLines, TheJuniorOfTwoCrewWithoutFrenchGetsTheException) {
    RuleMonth month(CrewGroup::FlightAttendants);
    const int senior = month.AddEmployee();
    const int junior = month.AddEmployee();
    const int seatA = month.AddSeat(480, 600, 1, 8101);
    const int seatB = month.AddSeat(480, 600, 1, 8101);
    month.Seat(seatA).displayText = month.Seat(seatB).displayText = "V8101 FRENCH PAIRING";
    month.Assign(senior, seatA, 3);
    month.Assign(junior, seatB, 3);

    CheckEmployee(month.Schedule(), senior, false);
    EXPECT_EQ(month.Employee(senior).illegalitiesText, "");
    EXPECT_EQ(month.Employee(junior).rulesCurrent, 0);

    RecheckStaleLines(month.Schedule());
    EXPECT_EQ(month.Employee(junior).illegalitiesText, " French Pair  4+");
    EXPECT_EQ(month.Flagged(junior), std::vector<int>{3});
    EXPECT_EQ(month.Employee(junior).rulesCurrent, 1);
    // The junior's check cleared the senior's flag again: run at the next call.
    EXPECT_EQ(month.Employee(senior).rulesCurrent, 0);
    EXPECT_EQ(month.Employee(senior).illegalitiesText, "");
}

}  // namespace
}  // namespace tallow::testing::blocks
