#include "core/rules/repair_assignments.h"

#include <gtest/gtest.h>

#include "assignment_fixture.h"

namespace tallow::testing {
namespace {

// SMITH and JONES; seat 0 (8101) operates on days 4 and 5, seat 1 (8102),
// an extra-crew seat, on day 6.
struct RepairMonth : AssignmentMonth {
    RepairMonth() {
        AddEmployee("SMITH", 1001);
        AddEmployee("JONES", 1002);
        AddSeat(8101, 480, 600, 1, 300, {4, 5});
        AddSeat(8102, 480, 600, 1, 300, {});
        Seat(1).operates[6] = -1;
    }
};

TEST(RepairAssignmentsTest, ConsistentMonthIsLeftAsItIs) {
    RepairMonth month;
    month.Hold(0, 0, 4);
    month.Row(1).dayPairing[6] = 1;
    month.Seat(1).operates[6] = -2;
    month.PlaceCode(1, 2, 0, 0, false);
    const LineState before = Capture(month.schedule);

    EXPECT_FALSE(RepairAssignments(month.schedule, month.desktop));
    EXPECT_EQ(Capture(month.schedule), before);
    EXPECT_TRUE(month.desktop.messages.empty());
}

TEST(RepairAssignmentsTest, SeatsNobodyHoldsAreOpenedKeepingTheirSign) {
    RepairMonth month;
    month.Seat(0).operates[5] = 2;
    month.Seat(1).operates[6] = -2;
    EXPECT_FALSE(RepairAssignments(month.schedule, month.desktop));
    EXPECT_EQ(month.Operates(0, 5), 1);
    EXPECT_EQ(month.Operates(1, 6), -1);
}

TEST(RepairAssignmentsTest, LinesMarkTheirSeatsAssigned) {
    RepairMonth month;
    month.Row(0).dayPairing[4] = 0;
    month.Row(1).dayPairing[6] = 1;
    EXPECT_FALSE(RepairAssignments(month.schedule, month.desktop));
    EXPECT_EQ(month.Operates(0, 4), 2);
    EXPECT_EQ(month.Operates(1, 6), -2);
}

TEST(RepairAssignmentsTest, ReportsAndEmptiesWrongDays) {
    RepairMonth month;
    month.Row(0).dayPairing[1] = 2;    // no such seat: Error 100
    month.Row(0).dayPairing[2] = -7;   // neither free nor a toolbox day: Error 100
    month.Row(0).dayPairing[4] = 0;    // kept
    month.Row(1).dayPairing[4] = 0;    // the same seat-day, later in the roster: Error 101
    month.Row(1).dayPairing[9] = 0;    // the seat does not start that day: Error 101
    month.Row(1).dayPairing[30] = 99;  // after the period: not looked at

    EXPECT_TRUE(RepairAssignments(month.schedule, month.desktop));
    ASSERT_EQ(month.desktop.messages.size(), 1u);
    const Message& message = month.desktop.messages[0];
    EXPECT_EQ(message.text,
              "Error 100 Emp SMITH Error 100 Emp SMITH Error 101 Emp JONES Day 5"
              "Error 101 Emp JONES Day 10 Errors Corrected OK to proceed");
    EXPECT_EQ(message.caption, "Tallowbright");
    EXPECT_EQ(message.icon, MessageIcon::Information);

    EXPECT_EQ(month.Held(0, 1), kDayFree);
    EXPECT_EQ(month.Held(0, 2), kDayFree);
    EXPECT_EQ(month.Held(0, 4), 0);
    EXPECT_EQ(month.Held(1, 4), kDayFree);
    EXPECT_EQ(month.Held(1, 9), kDayFree);
    EXPECT_EQ(month.Held(1, 30), 99);
    EXPECT_EQ(month.Operates(0, 4), 2);
}

}  // namespace
}  // namespace tallow::testing
