#include "core/rules/day_balance.h"

#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <set>

#include "assignment_fixture.h"

namespace tallow::testing {
namespace {

using Balance = std::array<int32_t, kMaxPeriodDays>;

// +1 on each listed day of the 30-day period.
Balance FreeOn(const std::set<int>& days) {
    Balance balance{};
    for (int d : days) {
        balance[static_cast<size_t>(d)] = 1;
    }
    return balance;
}

std::set<int> Range(int first, int last) {
    std::set<int> days;
    for (int d = first; d <= last; ++d) {
        days.insert(d);
    }
    return days;
}

std::set<int> Without(std::set<int> days, std::initializer_list<int> gone) {
    for (int d : gone) {
        days.erase(d);
    }
    return days;
}

struct BalanceCase {
    const char* name;
    std::function<void(AssignmentMonth&, TPilot&)> arrange;
    Balance expected;
};

TEST(DayBalanceTest, CountsTheFreeDaysOfEachLine) {
    const std::set<int> month = Range(0, 29);
    const BalanceCase cases[] = {
        {"a free line", [](AssignmentMonth&, TPilot&) {}, FreeOn(month)},
        {"a pairing skips its length",
         [](AssignmentMonth& m, TPilot&) { m.Hold(0, m.AddSeat(8101, 480, 3000, 3, 600, {5}), 5); },
         FreeOn(Without(month, {5, 6, 7}))},
        {"a toolbox day adds nothing",
         [](AssignmentMonth& m, TPilot&) { m.PlaceCode(0, 9, 0, 0, false); },
         FreeOn(Without(month, {9}))},
        {"a requested day off is skipped",
         [](AssignmentMonth&, TPilot& e) {
             e.dayOffRequest[4] = 1;
             e.dayOffRequest[8] = 51;
             e.dayOffRequest[12] = 52;
         },
         FreeOn(Without(month, {4, 8}))},
        {"legal from 14:00", [](AssignmentMonth&, TPilot& e) { e.legalCheckIn = 2 * 1440 + 840; },
         FreeOn(Range(2, 29))},
        {"legal only after 14:00",
         [](AssignmentMonth&, TPilot& e) { e.legalCheckIn = 2 * 1440 + 841; },
         FreeOn(Range(3, 29))},
        {"legal at midnight counts as late on the day before",
         [](AssignmentMonth&, TPilot& e) { e.legalCheckIn = 2 * 1440; }, FreeOn(Range(3, 29))},
        {"below the line", [](AssignmentMonth&, TPilot& e) { e.belowLine = 1; }, Balance{}},
        {"reserve bidder", [](AssignmentMonth&, TPilot& e) { e.reserveBidder = 1; }, Balance{}},
        {"credit strictly between min and max",
         [](AssignmentMonth&, TPilot& e) { e.blockHours = 77; }, Balance{}},
        {"credit at max still counts", [](AssignmentMonth&, TPilot& e) { e.blockHours = 80; },
         FreeOn(month)},
    };
    for (const BalanceCase& test : cases) {
        SCOPED_TRACE(test.name);
        AssignmentMonth balance;
        const int row = balance.AddEmployee("LINE");
        test.arrange(balance, balance.Row(row));
        UpdateDayBalance(balance.schedule);
        EXPECT_EQ(balance.schedule.dayBalance, test.expected);
    }
}

TEST(DayBalanceTest, OpenSeatDaysCountAgainst) {
    AssignmentMonth month;
    month.AddSeat(8101, 480, 3000, 3, 600, {3, 28});
    const int held = month.AddSeat(8102, 480, 600, 1, 300, {10, 11});
    month.Seat(held).operates[10] = 2;
    month.Seat(held).operates[11] = -1;
    UpdateDayBalance(month.schedule);
    Balance expected{};
    for (int d : {3, 4, 5, 28, 29, 11}) {
        expected[static_cast<size_t>(d)] = -1;
    }
    EXPECT_EQ(month.schedule.dayBalance, expected);
}

TEST(DayBalanceTest, RepaintsOnlyTheDaysThatChanged) {
    AssignmentMonth month;
    month.AddSeat(8101, 480, 600, 1, 300, {3, 7});
    UpdateDayBalance(month.schedule);
    EXPECT_EQ(month.observer.calls, (std::vector<ObserverCall>{{"balance", 3}, {"balance", 7}}));
    month.observer.calls.clear();
    UpdateDayBalance(month.schedule);
    EXPECT_TRUE(month.observer.calls.empty());
}

}  // namespace
}  // namespace tallow::testing
