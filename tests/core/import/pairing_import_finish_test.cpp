// What happens once the file is read: the credit fix, the length and
// continuous-duty test, the reconciliation of assignments, the listing and
// the daylight-saving release adjustment.

#include <gtest/gtest.h>

#include "core/import/pairing_import.h"
#include "prg_fixture.h"

namespace tallow::testing {
namespace {

// One pairing reporting on 5 January with duties on the days given by their credits.
std::vector<std::string> PairingWithCredits(int total, const std::vector<int>& credits,
                                            int report = 420, int tafb = 1730) {
    PrgHeader header;
    header.credit = total;
    header.report = report;
    header.tafb = tafb;
    std::vector<std::string> lines = {header.Line()};
    for (size_t k = 0; k < credits.size(); ++k) {
        PrgDuty duty;
        duty.date = Format("202401%02d", 5 + static_cast<int>(k));
        duty.credit = credits[k];
        if (k + 1 == credits.size()) {
            duty.freeText = "";
        }
        lines.push_back(duty.Line());
    }
    return lines;
}

TEST(PairingImportCredit, TheDifferenceToTheTotalGoesToTheLastDayWithCredit) {
    struct CreditCase {
        int total;
        std::vector<int> credits;
        int tafb;
        std::vector<int> fixed;
    };
    const CreditCase cases[] = {
        {330, {300, 0}, 1730, {330, 0}},  // the last day has no credit
        {630, {300, 300}, 1730, {300, 330}},
        {270, {300, 300}, 1730, {300, -30}},
        {60, {0}, 600, {60}},  // a one-day pairing takes it on its only day
        {600, {300, 300}, 1730, {300, 300}},
        {900, {300, 0, 0}, 3000, {300, 600, 0}},  // the day before the last
    };
    for (const CreditCase& c : cases) {
        SCOPED_TRACE(c.total);
        auto schedule = MonthSchedule();
        ScriptedDesktop desktop;
        ImportPairingText(*schedule, Join(PairingWithCredits(c.total, c.credits, 420, c.tafb)),
                          "V8", false, desktop);
        ASSERT_EQ(schedule->SeatCount(), 1);
        const TPair& seat = schedule->pairings[0];
        for (size_t k = 0; k < c.fixed.size(); ++k) {
            EXPECT_EQ(seat.dailyCredit[k], c.fixed[k]) << "day " << k;
        }
    }
}

TEST(PairingImportLength, IsRecomputedFromReportAndTafbOnceTheFileIsRead) {
    struct LengthCase {
        int report;
        int tafb;
        int lengthDays;
        int releaseTime;
    };
    const LengthCase cases[] = {
        {420, 1020, 1, 1440},  // releasing at 24:00 is still the first day
        {420, 1021, 2, 1},     {420, 1730, 2, 710},
        {1440, 1440, 1, 1440},  // a report at 24:00 is 00:00
        {0, 0, 1, 1440},        // validation turns a release of 0 into 24:00
        {600, 4320, 4, 600},
    };
    for (const LengthCase& c : cases) {
        SCOPED_TRACE(std::to_string(c.report) + "+" + std::to_string(c.tafb));
        auto schedule = MonthSchedule();
        ScriptedDesktop desktop;
        ImportPairingText(*schedule, Join(PairingWithCredits(600, {600}, c.report, c.tafb)), "V8",
                          false, desktop);
        ASSERT_EQ(schedule->SeatCount(), 1);
        EXPECT_EQ(schedule->pairings[0].lengthDays, c.lengthDays);
        EXPECT_EQ(schedule->pairings[0].releaseTime, c.releaseTime);
    }
}

TEST(PairingImportContinuousDuty, ShortPairingsReleasingBefore0200AfterTheirReport) {
    struct ContinuousCase {
        int report;
        int tafb;
        bool marked;
        uint8_t continuous;
    };
    const ContinuousCase cases[] = {
        {930, 600, false, 1},                       // 15:30 to 01:30
        {930, 629, false, 1},                       // 01:59
        {930, 630, false, 0},                       // 02:00
        {600, 899, false, 1},                       // 14:59 away, releasing at 00:59
        {600, 900, false, 0},                       // 15:00 away
        {420, 600, false, 0}, {420, 600, true, 1},  // marked in the header
    };
    for (const ContinuousCase& c : cases) {
        SCOPED_TRACE(std::to_string(c.report) + "+" + std::to_string(c.tafb));
        auto schedule = MonthSchedule();
        ScriptedDesktop desktop;
        PrgHeader header;
        header.report = c.report;
        header.tafb = c.tafb;
        header.continuous = c.marked;
        ImportPairingText(*schedule, header.Line() + "\n", "V8", false, desktop);
        ASSERT_EQ(schedule->SeatCount(), 1);
        EXPECT_EQ(schedule->pairings[0].continuousDuty, c.continuous);
    }
}

TEST(PairingImportReconcile, EmployeesKeepOnlySeatsThatStillOperateOnTheirDay) {
    auto schedule = MonthSchedule();
    schedule->employeeCount = 3;
    TPilot& first = schedule->employees[0];
    first.dayPairing[4] = 0;  // seat 0 operates on 5 January
    first.dayPairing[7] = 0;  // but not on the 8th
    first.dayPairing[9] = kDayToolbox;
    first.dayPairing[10] = 1;  // seat 1 operates on the 11th
    TPilot& second = schedule->employees[1];
    second.dayPairing[4] = 2;  // past the new table
    second.dayPairing[14] = 0;
    TPilot& third = schedule->employees[2];
    third.dayPairing[10] = 1;  // already taken by the first employee
    ScriptedDesktop desktop;
    ImportPairingText(*schedule,
                      Join(TwoDayPairing("20240105")) + Join(TwoDayPairing("20240111", "V8102")),
                      "V8", false, desktop);

    ASSERT_EQ(schedule->SeatCount(), 2);
    EXPECT_EQ(first.dayPairing[4], 0);
    EXPECT_EQ(schedule->pairings[0].operates[4], kOperatesAssigned);
    EXPECT_EQ(first.dayPairing[7], kDayFree);
    EXPECT_EQ(first.dayPairing[9], kDayToolbox);
    EXPECT_EQ(first.dayPairing[10], 1);
    EXPECT_EQ(schedule->pairings[1].operates[10], kOperatesAssigned);
    EXPECT_EQ(second.dayPairing[4], kDayFree);
    EXPECT_EQ(second.dayPairing[14], kDayFree);
    EXPECT_EQ(third.dayPairing[10], kDayFree);
}

TEST(PairingImportReconcile, ALoadThatStoresNothingFreesEveryPairingDay) {
    auto schedule = MonthSchedule();
    schedule->employeeCount = 1;
    schedule->employees[0].dayPairing[4] = 0;
    schedule->employees[0].dayPairing[5] = kDayToolbox;
    ScriptedDesktop desktop;
    const PairingImportResult result =
        ImportPairingText(*schedule, Join(TwoDayPairing()), "C8", false, desktop);
    EXPECT_TRUE(result.loaded);
    EXPECT_EQ(schedule->employees[0].dayPairing[4], kDayFree);
    EXPECT_EQ(schedule->employees[0].dayPairing[5], kDayToolbox);
}

TEST(PairingImportListing, ValidatesEverySeatAndReturnsTheListing) {
    auto schedule = MonthSchedule();
    ScriptedDesktop desktop;
    // A pairing that never operates in the period is reported.
    const PairingImportResult result = ImportPairingText(
        *schedule, Join(TwoDayPairing("20240105")) + Join(TwoDayPairing("20240220", "V8102")), "V8",
        false, desktop);
    ASSERT_EQ(schedule->SeatCount(), 2);
    ASSERT_GE(result.pairingReport.size(), 4U);
    EXPECT_EQ(result.pairingReport[0],
              "Number of Pairings 2  Average Pairing Credit per day is 5:00");
    EXPECT_EQ(result.pairingReport[4], "Pair 8102  Never Operates ");
    EXPECT_EQ(schedule->pairings[0].valid, 1);
    EXPECT_EQ(schedule->pairings[1].valid, 0);
    EXPECT_EQ(result.caption, "Tallowbright - JAN24.jx2");
    EXPECT_EQ(schedule->modified, 1);
    EXPECT_TRUE(desktop.lists.empty());
}

struct ClockChangeCase {
    int month;
    std::string date;
    int report;
    int tafb;
    int releaseTime;
    int lengthDays;
};

TEST(PairingImportClockChange, ReleasesAcrossTheChangeMoveByTheShift) {
    // March 2024: period 2 to 31 March, change at 02:00 on the 10th (day 8).
    // November 2024: period 1 to 30 November, change at 02:00 on the 3rd (day 2).
    const ClockChangeCase cases[] = {
        {3, "20240309", 1320, 480, 420, 2},   // 22:00 to 06:00 gains an hour
        {3, "20240309", 1320, 1510, 10, 3},   // 23:10 becomes 00:10
        {3, "20240309", 1320, 239, 119, 2},   // 01:59 is before the change
        {3, "20240309", 1320, 240, 180, 2},   // 02:00 is not
        {3, "20240310", 180, 480, 660, 1},    // reports after it
        {3, "20240308", 600, 600, 1200, 1},   // a day earlier
        {11, "20241102", 1380, 180, 60, 2},   // 03:00 becomes 02:00
        {11, "20241101", 600, 2940, 600, 3},  // several days, across it
        {4, "20240409", 1320, 480, 360, 2},   // no change in April
    };
    for (const ClockChangeCase& c : cases) {
        SCOPED_TRACE(c.date + " report " + std::to_string(c.report));
        auto schedule = MonthSchedule(CrewGroup::Captains, "YVRDH8CAV", c.month);
        ScriptedDesktop desktop;
        PrgHeader header;
        header.date = c.date;
        header.report = c.report;
        header.tafb = c.tafb;
        // A later operation does not count: only the first operating day does.
        PrgHeader later = header;
        later.date = c.date.substr(0, 6) + "28";
        ImportPairingText(*schedule, header.Line() + "\n" + later.Line() + "\n", "V8", false,
                          desktop);
        ASSERT_EQ(schedule->SeatCount(), 1);
        EXPECT_EQ(schedule->pairings[0].releaseTime, c.releaseTime);
        EXPECT_EQ(schedule->pairings[0].lengthDays, c.lengthDays);
    }
}

}  // namespace
}  // namespace tallow::testing
