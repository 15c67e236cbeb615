#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <vector>

#include "core/model/schedule.h"

namespace tallow {
namespace {

class PairingOrder : public ::testing::Test {
  protected:
    PairingOrder() : schedule(std::make_unique<TSchedule>()) {}

    TPair& AddSeat(uint8_t countedDays, uint8_t continuous, int32_t reportTime,
                   int32_t totalCredit = 300) {
        TPair& seat = schedule->pairings[static_cast<size_t>(++schedule->lastPairing)];
        seat.countedDays = countedDays;
        seat.continuousDuty = continuous;
        seat.reportTime = reportTime;
        seat.totalCredit = totalCredit;
        return seat;
    }

    // The listed entries, up to the first unused one.
    std::vector<int32_t> Listed() const {
        const auto& order = schedule->pairingOrder;
        return {order.begin(), std::find(order.begin(), order.end(), -1)};
    }

    std::unique_ptr<TSchedule> schedule;
};

TEST_F(PairingOrder, CreditClassFollowsTheCreditPerCountedDay) {
    const struct {
        int32_t totalCredit;
        uint8_t countedDays;
        uint8_t continuous;
        uint8_t creditClass;
    } cases[] = {
        {299, 1, 0, 0},  {300, 1, 0, 1}, {359, 1, 0, 1},  {360, 1, 0, 2},
        {419, 1, 0, 2},  {420, 1, 0, 3}, {1259, 3, 0, 2},  // 419 a day after the division
        {1260, 3, 0, 3}, {450, 2, 1, 3},                   // continuous: the whole credit
        {900, 0, 0, 0},
    };
    for (const auto& c : cases) {
        TPair& seat = AddSeat(c.countedDays, c.continuous, 480, c.totalCredit);
        seat.creditClass = 9;
    }
    schedule->BuildPairingOrder();
    for (size_t s = 0; s < std::size(cases); ++s) {
        EXPECT_EQ(schedule->pairings[s].creditClass, cases[s].creditClass)
            << cases[s].totalCredit << " over " << int{cases[s].countedDays};
    }
}

TEST_F(PairingOrder, GroupsByCountedDaysWithContinuousDutiesBeforeLongTrips) {
    AddSeat(7, 0, 600);  // 0: group 6
    AddSeat(1, 1, 300);  // 1: continuous, group 6
    AddSeat(3, 0, 500);  // 2: group 2
    AddSeat(1, 0, 900);  // 3: group 0
    AddSeat(8, 0, 100);  // 4: group 7
    AddSeat(0, 0, 50);   // 5: no group
    AddSeat(8, 1, 200);  // 6: fits groups 6 and 7, listed in 6
    AddSeat(1, 0, 700);  // 7: group 0
    AddSeat(2, 0, 100);  // 8: group 1
    schedule->BuildPairingOrder();
    EXPECT_EQ(Listed(), (std::vector<int32_t>{7, 3, 8, 2, 6, 1, 0, 4}));
    EXPECT_TRUE(std::all_of(schedule->pairingOrder.begin() + 8, schedule->pairingOrder.end(),
                            [](int32_t entry) { return entry == -1; }));
}

TEST_F(PairingOrder, EqualReportTimesKeepTheirIndexOrder) {
    for (int32_t report : {600, 480, 600, 480, 600}) {
        AddSeat(1, 0, report);
    }
    schedule->BuildPairingOrder();
    EXPECT_EQ(Listed(), (std::vector<int32_t>{1, 3, 0, 2, 4}));

    schedule->lastPairing = 2;
    schedule->BuildPairingOrder();
    EXPECT_EQ(Listed(), (std::vector<int32_t>{1, 0, 2})) << "entries of a longer order are dropped";
}

TEST_F(PairingOrder, ManyEqualReportTimesKeepTheirIndexOrder) {
    const int32_t reports[] = {900, 300, 600};
    for (int32_t s = 0; s < 90; ++s) {
        AddSeat(2, 0, reports[s % 3]);
    }
    schedule->BuildPairingOrder();
    std::vector<int32_t> expected;
    for (int32_t first : {1, 2, 0}) {
        for (int32_t s = first; s < 90; s += 3) {
            expected.push_back(s);
        }
    }
    EXPECT_EQ(Listed(), expected);
}

TEST_F(PairingOrder, NeverListsMoreSeatsThanTheOrderHolds) {
    for (int32_t s = 0; s < kPairingSlots; ++s) {
        AddSeat(1, 0, kPairingSlots - s);
    }
    schedule->BuildPairingOrder();
    const std::vector<int32_t> listed = Listed();
    ASSERT_EQ(listed.size(), static_cast<size_t>(kMaxPairings));
    EXPECT_EQ(listed.front(), kMaxPairings - 1);
    EXPECT_EQ(listed.back(), 0);
    EXPECT_TRUE(std::is_sorted(listed.rbegin(), listed.rend()));
}

}  // namespace
}  // namespace tallow
