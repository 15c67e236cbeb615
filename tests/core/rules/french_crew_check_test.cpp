#include "core/rules/french_crew_check.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "block_rules_fixture.h"

namespace tallow::testing::blocks {
namespace {

constexpr int kDay = 3;
constexpr int kMe = 1;  // the employee checked, between a senior and two juniors

struct OtherSeat {
    int holder = -1;  // row holding the seat on the day; -1 open
    int32_t flags = 0;
    std::string series = "V8";
};

struct FrenchCase {
    const char* name;
    bool frenchPairing;
    int32_t myFlags;
    std::vector<OtherSeat> others;
    bool passes;
    int namedRow;
};

class FrenchCrew : public ::testing::TestWithParam<FrenchCase> {};

TEST_P(FrenchCrew, NeedsOneFrenchCrewMemberOrAnOpenSeat) {
    const FrenchCase& c = GetParam();
    RuleMonth month(CrewGroup::FlightAttendants);
    for (int i = 0; i < 4; ++i) {
        month.AddEmployee();
    }
    month.Employee(kMe).ageMedFlags = c.myFlags;
    const int mine = month.AddSeat(480, 600, 1, 8101);
    month.Seat(mine).displayText = c.frenchPairing ? "V8101 FRENCH PAIRING" : "V8101";
    month.Assign(kMe, mine, kDay);
    for (const OtherSeat& other : c.others) {
        const int seat = month.AddSeat(480, 600, 1, 8101);
        month.Seat(seat).seriesCode = other.series;
        if (other.holder >= 0) {
            month.Assign(other.holder, seat, kDay);
            month.Employee(other.holder).ageMedFlags = other.flags;
        }
    }
    const FrenchCheck check = FrenchCrewCheck(month.Schedule(), kMe, mine, kDay);
    EXPECT_EQ(check.passes, c.passes);
    EXPECT_EQ(check.namedRow, c.namedRow);
}

INSTANTIATE_TEST_SUITE_P(
    Crews, FrenchCrew,
    ::testing::Values(
        FrenchCase{"NotAFrenchPairing", false, 0, {{.holder = 0}}, true, kMe},
        FrenchCase{"FrenchQualifiedEmployee", true, 1, {{.holder = 2}}, true, 2},
        FrenchCase{"AnyMarkCountsAsFrench", true, 2, {{.holder = 2}}, true, 2},
        FrenchCase{"OtherSeatOpen", true, 0, {{}}, true, kMe},
        FrenchCase{"OtherSeatHeldByFrench", true, 0, {{.holder = 2, .flags = 1}}, true, 2},
        FrenchCase{"JuniorWithoutFrench", true, 0, {{.holder = 2}}, false, 2},
        FrenchCase{"SeniorWithoutFrench", true, 0, {{.holder = 0}}, false, kMe},
        FrenchCase{"NoOtherSeat", true, 0, {}, false, kMe},
        FrenchCase{"OtherSeriesIsAnotherPairing",
                   true,
                   0,
                   {{.holder = 2, .flags = 1, .series = "Y8"}},
                   false,
                   kMe},
        FrenchCase{
            "OneOfTwoIsFrench", true, 0, {{.holder = 0}, {.holder = 3, .flags = 3}}, true, 3},
        FrenchCase{"TheLastSeatOpen", true, 0, {{.holder = 3}, {}}, true, kMe},
        FrenchCase{"OnlyTheLastSeatDecidesWhoIsNamed",
                   true,
                   0,
                   {{.holder = 3}, {.holder = 0}},
                   false,
                   kMe}),
    [](const ::testing::TestParamInfo<FrenchCase>& tested) { return tested.param.name; });

TEST(FrenchCrew, ClearsRulesCurrentOnTheOtherCrewOfThatDayOnly) {
    for (const bool french : {true, false}) {
        RuleMonth month(CrewGroup::FlightAttendants);
        for (int i = 0; i < 4; ++i) {
            month.AddEmployee();
        }
        const int mine = month.AddSeat(480, 600, 1, 8101);
        const int other = month.AddSeat(480, 600, 1, 8101);
        const int unrelated = month.AddSeat(480, 600, 1, 8102);
        month.Seat(mine).displayText = french ? "FRENCH PAIRING" : "";
        month.Assign(kMe, mine, kDay);
        month.Assign(0, other, kDay);
        month.Assign(2, other, kDay + 1);
        month.Assign(3, unrelated, kDay);
        FrenchCrewCheck(month.Schedule(), kMe, mine, kDay);
        EXPECT_EQ(month.Employee(0).rulesCurrent, 0) << french;
        EXPECT_EQ(month.Employee(kMe).rulesCurrent, 1) << french;
        EXPECT_EQ(month.Employee(2).rulesCurrent, 1) << french;
        EXPECT_EQ(month.Employee(3).rulesCurrent, 1) << french;
    }
}

TEST(FrenchCrew, CollectsAtMostTenOtherSeats) {
    RuleMonth month(CrewGroup::FlightAttendants);
    const int me = month.AddEmployee();
    const int mine = month.AddSeat(480, 600, 1, 8101);
    month.Seat(mine).displayText = "FRENCH PAIRING";
    month.Assign(me, mine, kDay);
    for (int i = 1; i <= 12; ++i) {
        const int row = month.AddEmployee();
        const int seat = month.AddSeat(480, 600, 1, 8101);
        month.Assign(row, seat, kDay);
        month.Employee(row).ageMedFlags = i == 12 ? 1 : 0;
    }
    const FrenchCheck check = FrenchCrewCheck(month.Schedule(), me, mine, kDay);
    EXPECT_FALSE(check.passes);
    EXPECT_EQ(check.namedRow, 10);
    EXPECT_EQ(month.Employee(10).rulesCurrent, 0);
    EXPECT_EQ(month.Employee(11).rulesCurrent, 1);
    EXPECT_EQ(month.Employee(12).rulesCurrent, 1);
}

TEST(FrenchCrew, OutOfRangeArgumentsPassAndChangeNothing) {
    RuleMonth month(CrewGroup::FlightAttendants);
    month.AddEmployee();
    month.AddEmployee();
    const int mine = month.AddSeat(480, 600, 1, 8101);
    const int other = month.AddSeat(480, 600, 1, 8101);
    month.Seat(mine).displayText = "FRENCH PAIRING";
    month.Assign(0, mine, kDay);
    month.Assign(1, other, kDay);
    struct Args {
        int row;
        int pairing;
        int day;
    };
    for (const Args& args : std::vector<Args>{{-1, mine, kDay},
                                              {kMaxEmployees, mine, kDay},
                                              {0, -1, kDay},
                                              {0, other + 1, kDay},
                                              {0, kPairingSlots, kDay},
                                              {0, mine, -1},
                                              {0, mine, kCalendarDays}}) {
        const FrenchCheck check =
            FrenchCrewCheck(month.Schedule(), args.row, args.pairing, args.day);
        EXPECT_TRUE(check.passes);
        EXPECT_EQ(check.namedRow, -1);
        EXPECT_EQ(month.Employee(1).rulesCurrent, 1);
    }
}

}  // namespace
}  // namespace tallow::testing::blocks
