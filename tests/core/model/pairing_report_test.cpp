#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "core/model/pairing_report.h"
#include "core/model/schedule.h"

namespace tallow {
namespace {

class PairingReport : public ::testing::Test {
  protected:
    PairingReport() : schedule(std::make_unique<TSchedule>()) {
        schedule->dayCount = 30;
        std::strcpy(schedule->monthName.data(), "April");
        std::strcpy(schedule->yearText.data(), "2024");
    }

    // A valid seat of the given daily credits, starting at 08:00 and
    // releasing at 16:00.
    TPair& AddSeat(int32_t number, std::vector<int32_t> dailyCredits) {
        TPair& seat = schedule->pairings[static_cast<size_t>(++schedule->lastPairing)];
        seat.number = number;
        seat.lengthDays = static_cast<uint8_t>(dailyCredits.size());
        seat.reportTime = 480;
        seat.releaseTime = 960;
        for (size_t k = 0; k < dailyCredits.size(); ++k) {
            seat.dailyCredit[k] = dailyCredits[k];
            seat.dailyStart[k] = 480;
            seat.totalCredit += dailyCredits[k];
        }
        return seat;
    }

    std::unique_ptr<TSchedule> schedule;
};

TEST_F(PairingReport, ListsWarningsThenEverySeatWithTheRunningTotal) {
    TPair& first = AddSeat(8101, {300});
    first.dailyHard[0] = 200;
    first.operates[0] = kOperatesOpen;
    first.operates[1] = kOperatesAssigned;
    TPair& second = AddSeat(8102, {200, 201});
    second.totalCredit = 400;
    second.dailyHard = {100, 90};
    second.releaseTime = 0;
    second.operates[5] = -1;

    const std::vector<std::string> expected = {
        "Number of Pairings 2  Average Pairing Credit per day is 4:10",
        "",
        "====== Pairing Warnings Report ======",
        "",
        "Pair 8102  Credit for each Day does not add up to Total Credit\n",
        "",
        "====== End of Pairing Warnings ======",
        "",
        "====== Begin Pairing Report ======",
        "Pairing Report for April 2024 Carry Over Removed from Running Total",
        "Pair 8101  Credit 05:00  Hard 03:20  OPER 02  Running Total 10:00",
        "Pair 8102  Credit 06:40  Hard 03:10  OPER 01  Running Total 16:40",
        "Total Hours including Carry Over 16:40",
    };
    EXPECT_EQ(PairingReportLines(*schedule), expected);
    EXPECT_EQ(first.valid, 1);
    EXPECT_EQ(second.valid, 0);
    EXPECT_EQ(second.releaseTime, 1440);
}

TEST_F(PairingReport, CarryOverIntoTheNextMonthIsLeftOutOfTheRunningTotal) {
    TPair& fourDays = AddSeat(8401, {300, 310, 290, 300});
    fourDays.operates[28] = kOperatesOpen;
    fourDays.operates[29] = kOperatesOpen;
    fourDays.operates[30] = kOperatesOpen;  // after the period
    // A seat ending on the period's last day counts its total credit, which
    // here differs from its daily credits.
    TPair& endsOnTheLastDay = AddSeat(8201, {250, 250});
    endsOnTheLastDay.totalCredit = 520;
    endsOnTheLastDay.operates[28] = kOperatesOpen;

    const std::vector<std::string> lines = PairingReportLines(*schedule);
    ASSERT_EQ(lines.size(), 13u);
    EXPECT_EQ(lines[10], "Pair 8401  Credit 20:00  Hard 00:00  OPER 02  Running Total 15:10");
    EXPECT_EQ(lines[11], "Pair 8201  Credit 08:40  Hard 00:00  OPER 01  Running Total 23:50");
    EXPECT_EQ(lines[12], "Total Hours including Carry Over 48:40");
}

TEST_F(PairingReport, CarryOverOfALastDayStartReadsOnlyItsFirstDay) {
    schedule->dayCount = 31;
    TPair& seat = AddSeat(8401, {300, 310, 290, 300});
    seat.operates[30] = kOperatesOpen;
    const std::vector<std::string> lines = PairingReportLines(*schedule);
    ASSERT_EQ(lines.size(), 11u);
    EXPECT_EQ(lines[9], "Pair 8401  Credit 20:00  Hard 00:00  OPER 01  Running Total 5:00");
}

TEST_F(PairingReport, SeatsAreValidatedWithTheSchedulesPeriodAndAirports) {
    schedule->dayCount = 29;
    schedule->airportDetails = "YVR,08:00,00:45,Y,";
    TPair& seat = AddSeat(8101, {300});
    seat.operates[29] = kOperatesOpen;
    seat.sourceText = "1V8101\n3" + std::string(46, ' ') + "0000" + "00700" + "YVR\n";

    const std::vector<std::string> lines = PairingReportLines(*schedule);
    EXPECT_EQ(lines[4], "Pair 8101  Never Operates ");
    EXPECT_EQ(seat.layoverRest[0], 700 - 60 - 2 * 45);
}

TEST_F(PairingReport, AverageCreditPerDayOverOperatingSeatDays) {
    EXPECT_EQ(AverageCreditPerDay(*schedule), "0:00");

    TPair& afterThePeriod = AddSeat(8101, {300});
    afterThePeriod.operates[30] = kOperatesOpen;
    EXPECT_EQ(AverageCreditPerDay(*schedule), "0:00");

    TPair& noLength = AddSeat(8102, {});
    noLength.totalCredit = 300;
    noLength.operates[0] = kOperatesOpen;
    EXPECT_EQ(AverageCreditPerDay(*schedule), "0:00");

    TPair& threeDays = AddSeat(8301, {400, 300, 300});
    threeDays.operates[2] = kOperatesOpen;
    EXPECT_EQ(AverageCreditPerDay(*schedule), "7:13") << "1300 over 3 days";
}

TEST_F(PairingReport, DoubleClickedLineNamesTheFirstSeatWithItsNumber) {
    AddSeat(8101, {300});
    AddSeat(8102, {300});
    AddSeat(8102, {300});
    AddSeat(0, {300});
    schedule->pairings[4].number = 8200;  // not in use

    const struct {
        std::string_view line;
        int32_t seat;
    } cases[] = {
        {"Pair 8102  Credit 05:00  Hard 00:00  OPER 01  Running Total 5:00", 1},
        {"Pair 8101  Never Operates ", 0},
        {"Pair 0000  Credit 05:00", 3},
        {"Pair 8200  Credit 05:00", -1},
        {"Number of Pairings 4  Average Pairing Credit per day is 5:00", -1},
        {"Total Hours including Carry Over 20:00", -1},
        {"====== Begin Pairing Report ======", -1},
        {"Pair ", -1},
        {"", -1},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(PairingReportSeat(*schedule, c.line), c.seat) << c.line;
    }
}

}  // namespace
}  // namespace tallow
