#include "core/rules/block_holder_line.h"

#include <gtest/gtest.h>

#include <vector>

#include "assignment_fixture.h"

namespace tallow::testing {
namespace {

// The month's limits after a reset: min 75:00 (4500), max 80:00 (4800),
// average 77:30 (4650).
struct Line {
    int32_t credit;
    bool reserve = false;
    int32_t minOverride = 0;
    int32_t maxOverride = 0;
};

struct HolderCase {
    const char* name;
    int32_t openCredit;
    std::vector<Line> roster;
    int32_t expected;
};

TEST(BlockHolderLineTest, WalksTheRosterWithTheOpenCredit) {
    const HolderCase cases[] = {
        {"everyone between min and max", 0, {{4650}, {4500}, {4800}}, 2},
        {"short line without open credit stops the walk", 0, {{4650}, {4400}, {4650}}, 0},
        {"open credit brings one short line up", 200, {{4650}, {4400}, {4400}}, 1},
        {"open credit of exactly the shortfall is enough", 100, {{4400}, {4400}}, 0},
        {"a line above max adds its excess", 0, {{5000}, {4400}, {4400}, {4400}}, 2},
        {"reserve bidders before the stop are below the line",
         0,
         {{4650}, {0, true}, {0, true}, {4400}},
         0},
        {"reserve bidders at the roster's end are below the line",
         0,
         {{4650}, {4650}, {0, true}, {0, true}},
         1},
        {"a reserve bidder earlier in the roster is not counted",
         0,
         {{0, true}, {4650}, {4400}},
         1},
        {"own limits set the target",
         700,
         {{2900, false, 3000, 4000}, {2900, false, 3000, 4000}},
         1},
        {"own limits inside which nothing changes", 0, {{3500, false, 3000, 4000}, {4650}}, 1},
        {"stopped on the first line", 0, {{100}}, -1},
    };
    for (const HolderCase& test : cases) {
        SCOPED_TRACE(test.name);
        AssignmentMonth month;
        if (test.openCredit > 0) {
            month.AddSeat(8101, 480, 600, 1, test.openCredit, {2});
        }
        for (const Line& line : test.roster) {
            TPilot& employee = month.Row(month.AddEmployee("LINE"));
            employee.blockHours = static_cast<int8_t>(line.credit / 60);
            employee.blockMinutes = static_cast<int8_t>(line.credit % 60);
            employee.reserveBidder = line.reserve ? 1 : 0;
            employee.minBlockOverride = line.minOverride;
            employee.maxBlockOverride = line.maxOverride;
        }
        month.schedule.lastBlockHolder = -2;
        EXPECT_EQ(UpdateBlockHolderLine(month.schedule), test.expected);
        EXPECT_EQ(month.schedule.lastBlockHolder, test.expected);
        for (int r = 0; r < month.schedule.employeeCount; ++r) {
            EXPECT_EQ(month.Row(r).belowLine, r > test.expected ? 1 : 0) << "row " << r;
        }
    }
}

TEST(BlockHolderLineTest, RefreshesTheFlagsOnlyWhenTheLineMoves) {
    AssignmentMonth month;
    for (int32_t credit : {4650, 4400, 4650}) {
        TPilot& employee = month.Row(month.AddEmployee("LINE"));
        employee.blockHours = static_cast<int8_t>(credit / 60);
        employee.blockMinutes = static_cast<int8_t>(credit % 60);
    }
    month.schedule.lastBlockHolder = -1;
    ASSERT_EQ(UpdateBlockHolderLine(month.schedule), 0);
    EXPECT_EQ(month.observer.Count("line"), 1);
    EXPECT_EQ(month.observer.Count("names"), 1);

    month.Row(2).belowLine = 0;
    ASSERT_EQ(UpdateBlockHolderLine(month.schedule), 0);
    EXPECT_EQ(month.observer.Count("line"), 1);
    EXPECT_EQ(month.Row(2).belowLine, 0) << "unchanged line, flags left alone";
}

TEST(OpenCreditTest, CountsOpenSeatDaysInsideThePeriod) {
    AssignmentMonth month;
    const int seat = month.AddSeat(8101, 480, 2 * 1440 + 600, 3, 330, {3, 28});
    month.Seat(seat).dailyCredit = {100, 110, 120};
    month.Seat(seat).operates[5] = -1;
    month.Seat(seat).operates[6] = 2;
    month.Seat(seat).operates[7] = -2;
    EXPECT_EQ(OpenCredit(month.schedule), 330 + 210 + 330);
}

}  // namespace
}  // namespace tallow::testing
