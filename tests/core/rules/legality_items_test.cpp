#include "core/rules/legality_items.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "block_rules_fixture.h"

namespace tallow::testing::blocks {
namespace {

constexpr int kDayZero = kPreviousDays;  // timeline day of board day 0

struct DayListCase {
    const char* name;
    DayListStyle style;
    std::vector<int> timelineDays;
    std::string expected;          // empty: nothing appended
    std::vector<int> flaggedDays;  // board days that get the day flag
};

class DayListStyleTest : public ::testing::TestWithParam<DayListCase> {};

TEST_P(DayListStyleTest, PrintsDaysAndFlagsTheDaysItNames) {
    const DayListCase& c = GetParam();
    RuleMonth month;  // April 2024: board day 30 is 1 May, timeline day 30 is 31 March
    const int row = month.AddEmployee();
    DayList days;
    for (int t : c.timelineDays) {
        days.Flag(t);
    }
    const bool appended = AppendDayItem(month.Schedule(), month.Len(), month.Employee(row),
                                        ItemList::Exceptions, " Head", days, c.style);
    EXPECT_EQ(appended, !c.expected.empty());
    EXPECT_EQ(month.Employee(row).illegalitiesText, c.expected);
    EXPECT_EQ(month.Flagged(row), c.flaggedDays);
    EXPECT_EQ(month.Employee(row).warningsText, "");
    EXPECT_TRUE(month.Flagged(row, false).empty());
}

INSTANTIATE_TEST_SUITE_P(
    Styles, DayListStyleTest,
    ::testing::Values(
        DayListCase{"NothingFlagged", kMonthDayList, {}, "", {}},
        DayListCase{
            "MonthDays", kMonthDayList, {kDayZero + 0, kDayZero + 9}, " Head 1 10+", {0, 9}},
        DayListCase{"MonthDaysHideLaterAndEarlierDays",
                    kMonthDayList,
                    {5, kDayZero + 29, kDayZero + 30},
                    " Head 30+",
                    {29}},
        DayListCase{"OnlyHiddenDaysAppendNothing", kMonthDayList, {kDayZero + 31}, "", {}},
        DayListCase{"PilotRestMarksEveryLaterDay",
                    kPilotRestDayList,
                    {kDayZero + 29, kDayZero + 30, kDayZero + 32},
                    " Head 30 1> 3>+",
                    {29, 30, 32}},
        DayListCase{"HardTimePrintsFirstDayOfNextMonthThenCarriesOut",
                    kHardTimeDayList,
                    {kDayZero + 30, kDayZero + 31, kDayZero + 32},
                    " Head 1 C/Out+",
                    {30, 31}},
        DayListCase{"TwelveHourDutyMarksLastMonthOnceAndCarriesOverAtMonthEnd",
                    kTwelveHourDutyDayList,
                    {3, 20, kDayZero + 2, kDayZero + 30, kDayZero + 33},
                    " Head Last Month 3 C/O+",
                    {2, 30}},
        DayListCase{"DutyHoursCarryOverWithFullStop",
                    kDutyHoursDayList,
                    {kDayZero + 30},
                    " Head C/O.+",
                    {30}},
        DayListCase{"ConsecutiveDaysDateTheLastTwoDaysOfLastMonth",
                    kConsecutiveDayList,
                    {28, 29, 30, kDayZero + 0, kDayZero + 30, kDayZero + 31, kDayZero + 35},
                    " Head 30 MAR  <- 31 MAR  1 1 NextMonth.+",
                    {0, 30, 31}},
        DayListCase{"CabinConsecutiveCarryOutWithFullStop",
                    kCabinConsecutiveDayList,
                    {kDayZero + 30, kDayZero + 31},
                    " Head 1 C/Out.+",
                    {30, 31}},
        DayListCase{"RbGroupingMarksLastMonthAndHidesLaterDays",
                    kRbGroupingDayList,
                    {17, kDayZero + 4, kDayZero + 30},
                    " Head Last Month 5+",
                    {4}},
        DayListCase{
            "RbGroupingLastMonthAloneIsAnItem", kRbGroupingDayList, {17}, " Head Last Month+", {}}),
    [](const ::testing::TestParamInfo<DayListCase>& tested) { return tested.param.name; });

TEST(LegalityItems, WarningsGoToTheirOwnTextAndFlags) {
    RuleMonth month;
    const int row = month.AddEmployee();
    DayList days;
    days.FlagBoardDay(3);
    AppendDayItem(month.Schedule(), month.Len(), month.Employee(row), ItemList::Warnings, " W",
                  days, kMonthDayList);
    EXPECT_EQ(month.Employee(row).warningsText, " W 4+");
    EXPECT_EQ(month.Flagged(row, false), std::vector<int>{3});
    EXPECT_EQ(month.Employee(row).illegalitiesText, "");
    EXPECT_TRUE(month.Flagged(row).empty());
}

TEST(LegalityItems, ItemsAppendInOrderAndPlainItemsCarryNoDays) {
    RuleMonth month;
    const int row = month.AddEmployee();
    AppendItem(month.Employee(row), ItemList::Exceptions, "First");
    DayList days;
    days.FlagBoardDay(0);
    AppendDayItem(month.Schedule(), month.Len(), month.Employee(row), ItemList::Exceptions,
                  " Second", days, kMonthDayList);
    EXPECT_EQ(month.Employee(row).illegalitiesText, "First+ Second 1+");
}

TEST(LegalityItems, LastMonthAcrossTheYearBoundaryIsNamedDec) {
    RuleMonth month(CrewGroup::Captains, Date::FromDmy(1, 1, 2025), Date::FromDmy(30, 1, 2025));
    const int row = month.AddEmployee();
    DayList days;
    days.Flag(kPreviousDays - 1);
    AppendDayItem(month.Schedule(), month.Len(), month.Employee(row), ItemList::Warnings, " C",
                  days, kConsecutiveDayList);
    EXPECT_EQ(month.Employee(row).warningsText, " C <- 31 DEC +");
}

TEST(LegalityItems, DaysOutsideTheTablesAreIgnored) {
    RuleMonth month;
    const int row = month.AddEmployee();
    DayList days;
    days.Flag(-1);
    days.Flag(kTimelineDays);
    days.FlagBoardDay(kCalendarDays);
    EXPECT_FALSE(days.Any());
    MarkDay(month.Employee(row), ItemList::Exceptions, -1);
    MarkDay(month.Employee(row), ItemList::Exceptions, kCalendarDays);
    EXPECT_TRUE(month.Flagged(row).empty());
}

TEST(LegalityItems, ClearingEmptiesAllThreeTextsAndBothFlagTables) {
    RuleMonth month;
    const int row = month.AddEmployee();
    TPilot& employee = month.Employee(row);
    employee.illegalitiesText = "a+";
    employee.warningsText = "b+";
    employee.carsText = "c+";
    MarkDay(employee, ItemList::Exceptions, 61);
    MarkDay(employee, ItemList::Warnings, 0);
    ClearLegalityResults(employee);
    EXPECT_EQ(employee.illegalitiesText + employee.warningsText + employee.carsText, "");
    EXPECT_TRUE(month.Flagged(row).empty());
    EXPECT_TRUE(month.Flagged(row, false).empty());
}

}  // namespace
}  // namespace tallow::testing::blocks
