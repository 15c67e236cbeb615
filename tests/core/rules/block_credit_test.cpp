#include "core/rules/block_credit.h"

#include <gtest/gtest.h>

#include <functional>

#include "assignment_fixture.h"

namespace tallow::testing {
namespace {

// Row 0 carries 100 + 20 + 30 + 40 = 190 minutes before any day counts.
struct CreditMonth : AssignmentMonth {
    CreditMonth() {
        AddEmployee("SMITH", 1001);
        TPilot& employee = Row(0);
        employee.carryInCredit = 100;
        employee.draftCredits = 20;
        employee.extraCredits = 30;
        employee.timeBank = 40;
    }

    // A three-day seat with daily credits 100, 110 and 120 held on `day`.
    void HoldThreeDaySeat(int day) {
        const int seat = AddSeat(8101, 480, 2 * 1440 + 600, 3, 330, {day});
        Seat(seat).dailyCredit = {100, 110, 120};
        Hold(0, seat, day);
    }
};

struct CreditCase {
    const char* name;
    std::function<void(CreditMonth&)> arrange;
    bool payrollMode;
    int32_t block;     // blockHours:blockMinutes as minutes
    int32_t returned;  // less leave
};

TEST(BlockCreditTest, AddsTheLineUp) {
    const CreditCase cases[] = {
        {"credits of the month only", [](CreditMonth&) {}, false, 190, 190},
        {"training at home inside the window", [](CreditMonth& m) { m.Row(0).trainingAtHome = 60; },
         false, 250, 250},
        {"training at home outside the window",
         [](CreditMonth& m) {
             m.Row(0).trainingAtHome = 60;
             m.Row(0).trainingOutsideWindow = true;
         },
         false, 190, 190},
        {"training outside the window in payroll mode",
         [](CreditMonth& m) {
             m.Row(0).trainingAtHome = 60;
             m.Row(0).trainingOutsideWindow = true;
         },
         true, 250, 250},
        {"pairing less excluded credit",
         [](CreditMonth& m) {
             m.Hold(0, m.AddSeat(8101, 480, 600, 1, 300, {4}), 4);
             m.Seat(0).excludedCredit[4] = 50;
         },
         false, 440, 440},
        {"excluded credit counts in payroll mode",
         [](CreditMonth& m) {
             m.Hold(0, m.AddSeat(8101, 480, 600, 1, 300, {4}), 4);
             m.Seat(0).excludedCredit[4] = 50;
         },
         true, 490, 490},
        {"pairing ending on the last day", [](CreditMonth& m) { m.HoldThreeDaySeat(27); }, false,
         520, 520},
        {"pairing running one day past the month", [](CreditMonth& m) { m.HoldThreeDaySeat(28); },
         false, 400, 400},
        {"pairing starting on the last day", [](CreditMonth& m) { m.HoldThreeDaySeat(29); }, false,
         290, 290},
        {"toolbox credit", [](CreditMonth& m) { m.PlaceCode(0, 6, 480, 480, true, "SIM", 200); },
         false, 390, 390},
        {"excluded toolbox credit",
         [](CreditMonth& m) {
             m.PlaceCode(0, 6, 480, 480, true, "SIM", 200);
             m.Row(0).dayDetail[6][kDetailExcludeCredit] = 1;
         },
         false, 190, 190},
        {"excluded toolbox credit in payroll mode",
         [](CreditMonth& m) {
             m.PlaceCode(0, 6, 480, 480, true, "SIM", 200);
             m.Row(0).dayDetail[6][kDetailExcludeCredit] = 1;
         },
         true, 390, 390},
        {"leave counts in the block, not in the result",
         [](CreditMonth& m) {
             m.PlaceCode(0, 6, 0, 0, false, "LOA", 240);
             m.PlaceCode(0, 7, 0, 0, false, "MED", 240);
             m.PlaceCode(0, 8, 0, 0, false, "MAT", 240);
         },
         false, 910, 190},
        {"excluded leave is still taken off the result",
         [](CreditMonth& m) {
             m.PlaceCode(0, 6, 0, 0, false, "LOA", 240);
             m.Row(0).dayDetail[6][kDetailExcludeCredit] = 1;
         },
         false, 190, -50},
        {"days after the period do not count",
         [](CreditMonth& m) {
             m.Hold(0, m.AddSeat(8101, 480, 600, 1, 300, {}), 30);
             m.PlaceCode(0, 31, 0, 0, false, "SIM", 100);
         },
         false, 190, 190},
        {"a seat of the table past the last one counts nothing",
         [](CreditMonth& m) { m.Row(0).dayPairing[3] = 3000; }, false, 190, 190},
    };
    for (const CreditCase& test : cases) {
        SCOPED_TRACE(test.name);
        CreditMonth month;
        test.arrange(month);
        EXPECT_EQ(BlockCredit(month.schedule, month.desktop, 0, test.payrollMode), test.returned);
        const TPilot& employee = month.Row(0);
        EXPECT_EQ(employee.blockHours, test.block / 60);
        EXPECT_EQ(employee.blockMinutes, test.block % 60);
        EXPECT_TRUE(month.desktop.messages.empty());
    }
}

TEST(BlockCreditTest, KeepsTimeBankAndAlbCredits) {
    CreditMonth month;
    month.AddEmployee("JONES", 1002);
    month.Row(1).timeBank = 100;
    month.Row(0).timeBankUsed = 999;
    month.PlaceCode(0, 2, 0, 0, false, "TBB", 300);
    month.PlaceCode(0, 3, 0, 0, false, "ALB", 200);
    month.PlaceCode(0, 4, 0, 0, false, "ALB", 50);

    EXPECT_EQ(BlockCredit(month.schedule, month.desktop, 0, false), 740);
    EXPECT_EQ(month.Row(0).timeBankUsed, 300);
    EXPECT_EQ(month.Row(0).albCredit, 250);
    // Every row's time bank and the time bank used on this one.
    EXPECT_EQ(month.observer.timeBank, 40 + 300 + 100);
}

TEST(BlockCreditTest, RepaintsTheCreditOnlyOnABuiltBoard) {
    CreditMonth month;
    BlockCredit(month.schedule, month.desktop, 0, false);
    EXPECT_EQ(month.observer.Count("credit"), 0);
    month.schedule.boardBuilt = 1;
    month.observer.calls.clear();
    BlockCredit(month.schedule, month.desktop, 0, false);
    EXPECT_EQ(month.observer.calls, (std::vector<ObserverCall>{{"credit", 0}, {"timebank", 40}}));
}

TEST(BlockCreditTest, PairingIndexOutOfRangeIsReportedAndEndsTheScan) {
    CreditMonth month;
    month.PlaceCode(0, 2, 0, 0, false, "SIM", 60);
    month.Row(0).dayPairing[5] = 3001;
    month.Hold(0, month.AddSeat(8101, 480, 600, 1, 300, {10}), 10);

    EXPECT_EQ(BlockCredit(month.schedule, month.desktop, 0, false), 250);
    ASSERT_EQ(month.desktop.messages.size(), 1u);
    EXPECT_EQ(month.desktop.messages[0].text, "Pairing Number out of RANGE");
    EXPECT_EQ(month.desktop.messages[0].caption, "Internal Error");
}

TEST(BlockCreditTest, RowOutsideTheRosterCountsNothing) {
    CreditMonth month;
    EXPECT_EQ(BlockCredit(month.schedule, month.desktop, 1, false), 0);
    EXPECT_EQ(BlockCredit(month.schedule, month.desktop, -1, false), 0);
    EXPECT_TRUE(month.observer.calls.empty());
}

TEST(CreditInsideMonthTest, CutsAtThePeriodsEnd) {
    TPair seat;
    seat.lengthDays = 3;
    seat.totalCredit = 330;
    seat.dailyCredit = {100, 110, 120};
    EXPECT_EQ(CreditInsideMonth(seat, 27, 30), 330);
    EXPECT_EQ(CreditInsideMonth(seat, 28, 30), 210);
    EXPECT_EQ(CreditInsideMonth(seat, 29, 30), 100);
    EXPECT_EQ(CreditInsideMonth(seat, 30, 30), 0);
}

}  // namespace
}  // namespace tallow::testing
