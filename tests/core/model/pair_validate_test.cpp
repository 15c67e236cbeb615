#include <gtest/gtest.h>

#include <string>

#include "core/model/pair.h"

namespace tallow {
namespace {

constexpr int32_t kDayCount = 30;
constexpr std::string_view kAirports = "YYZ,05:00,00:30,Y,YVR,08:00,00:45,Y,";

// A valid one-day seat reporting at 08:00 on period day 0.
TPair OneDaySeat() {
    TPair seat{Date{}};
    seat.number = 8101;
    seat.lengthDays = 1;
    seat.reportTime = 480;
    seat.releaseTime = 1000;
    seat.tafb = 520;
    seat.totalCredit = 300;
    seat.dailyCredit[0] = 300;
    seat.dailyStart[0] = 480;
    seat.operates[0] = kOperatesOpen;
    return seat;
}

// A duty record line with the duty time, layover time and layover station in
// their columns, padded to `width` characters.
std::string DutyRecord(const std::string& duty, const std::string& layover,
                       const std::string& station, size_t width = 100) {
    std::string line(width, ' ');
    line[0] = '3';
    line.replace(47, duty.size(), duty);
    line.replace(51, layover.size(), layover);
    line.replace(56, station.size(), station);
    return line.substr(0, width);
}

std::string SourceText(std::initializer_list<std::string> records) {
    std::string text = "1V8101" + std::string(60, ' ') + "\n";
    for (const std::string& record : records) {
        text += record + "\n";
    }
    return text;
}

TEST(PairValidate, ValidSeatHasNoMessages) {
    TPair seat = OneDaySeat();
    seat.Validate(kDayCount, kAirports);
    EXPECT_EQ(seat.valid, 1);
    EXPECT_EQ(seat.validationText, "");
    EXPECT_EQ(seat.dutyStartAt[0], 480);
}

TEST(PairValidate, CountedDaysDropTheDayOfAReleaseBefore0200) {
    struct Case {
        uint8_t lengthDays;
        int32_t releaseTime;
        uint8_t countedDays;
    };
    const Case cases[] = {{1, 90, 1}, {3, 119, 2}, {3, 120, 3}, {3, 0, 2}, {2, 1440, 2}};
    for (const Case& c : cases) {
        TPair seat = OneDaySeat();
        seat.lengthDays = c.lengthDays;
        seat.releaseTime = c.releaseTime;
        seat.Validate(kDayCount, kAirports);
        EXPECT_EQ(seat.countedDays, c.countedDays)
            << "length " << int{c.lengthDays} << " release " << c.releaseTime;
    }
}

TEST(PairValidate, ReleaseAtMidnightBecomes2400WithoutAMessage) {
    TPair seat = OneDaySeat();
    seat.releaseTime = 0;
    seat.Validate(kDayCount, kAirports);
    EXPECT_EQ(seat.releaseTime, 1440);
    EXPECT_EQ(seat.valid, 1);
    EXPECT_EQ(seat.validationText, "");
}

TEST(PairValidate, DailyCreditsMustAddUpToTheTotalOverThePairingLength) {
    TPair seat = OneDaySeat();
    seat.totalCredit = 299;
    seat.Validate(kDayCount, kAirports);
    EXPECT_EQ(seat.valid, 0);
    EXPECT_EQ(seat.validationText, "Credit for each Day does not add up to Total Credit\n");

    TPair beyondLength = OneDaySeat();
    beyondLength.dailyCredit[1] = 50;
    beyondLength.Validate(kDayCount, kAirports);
    EXPECT_EQ(beyondLength.valid, 1) << beyondLength.validationText;
}

TEST(PairValidate, ReportTimeOutsideTheDayIsReported) {
    const struct {
        int32_t reportTime;
        bool reported;
    } cases[] = {{-1, true}, {0, false}, {1440, false}, {1441, true}};
    for (const auto& c : cases) {
        TPair seat = OneDaySeat();
        seat.reportTime = c.reportTime;
        seat.Validate(kDayCount, kAirports);
        EXPECT_EQ(seat.validationText, c.reported ? "Duty Start Time < 00:01 or > 24:00. " : "")
            << c.reportTime;
        EXPECT_EQ(seat.valid, c.reported ? 0 : 1);
    }
}

TEST(PairValidate, SeatStartingOnlyAfterThePeriodNeverOperates) {
    TPair seat = OneDaySeat();
    seat.operates[0] = kOperatesNot;
    seat.operates[kDayCount] = kOperatesOpen;
    seat.Validate(kDayCount, kAirports);
    EXPECT_EQ(seat.validationText, "Never Operates ");

    TPair extraCrew = OneDaySeat();
    extraCrew.operates[0] = -2;
    extraCrew.Validate(kDayCount, kAirports);
    EXPECT_EQ(extraCrew.valid, 1) << "a negative value operates too";
}

TEST(PairValidate, MessagesAreConcatenatedInStepOrder) {
    TPair seat = OneDaySeat();
    seat.lengthDays = 0;
    seat.totalCredit = 0;
    seat.operates[0] = kOperatesNot;
    seat.Validate(kDayCount, kAirports);
    EXPECT_EQ(seat.validationText, "Pairing Length < 1 day or > 31 days. Never Operates ");
    EXPECT_EQ(seat.valid, 0);
}

TEST(PairValidate, DailyValuesAreCheckedForEachDayOfThePairing) {
    TPair seat = OneDaySeat();
    seat.lengthDays = 3;
    seat.releaseTime = 900;
    seat.totalCredit = 300 - 10 + 200;
    seat.dailyCredit = {300, -10, 200};
    seat.dailyHard[2] = -1;
    seat.dailyStart[1] = 1440;
    seat.dailyStart[2] = 1439;
    seat.dailyDuty[0] = -5;
    seat.Validate(kDayCount, kAirports);
    EXPECT_EQ(seat.validationText,
              "Daily Duty Time < 00:00 on Day 1. "
              "Daily Credit < 00:00 on Day 2. "
              "Daily Start Time < 00:00 or > 23:59 on Day 2. "
              "Daily HardTime < 00:00 on Day 3. ");
}

TEST(PairValidate, EveryCheckReportsInOrder) {
    TPair seat = OneDaySeat();
    seat.totalCredit = 1;
    seat.reportTime = 1500;
    seat.lengthDays = 32;
    seat.operates[0] = kOperatesNot;
    seat.dailyStart[0] = -1;
    seat.Validate(kDayCount, kAirports);
    EXPECT_EQ(seat.validationText,
              "Credit for each Day does not add up to Total Credit\n"
              "Duty Start Time < 00:01 or > 24:00. "
              "Pairing Length < 1 day or > 31 days. "
              "Never Operates "
              "Daily Start Time < 00:00 or > 23:59 on Day 1. ");
}

TEST(PairValidate, TooLongPairingChecksOnlyTheDaysItHolds) {
    TPair seat = OneDaySeat();
    seat.lengthDays = 200;
    seat.releaseTime = 600;
    for (size_t k = 0; k < kPairDays; ++k) {
        seat.dailyStart[k] = 480;
    }
    seat.Validate(kDayCount, kAirports);
    EXPECT_EQ(seat.validationText, "Pairing Length < 1 day or > 31 days. ");
    EXPECT_EQ(seat.countedDays, 200);
}

TEST(PairValidate, RevalidationStartsAfresh) {
    TPair seat = OneDaySeat();
    seat.totalCredit = 1;
    seat.carsDuty[4] = 77;
    seat.dutyStartAt[5] = 600;
    seat.Validate(kDayCount, kAirports);
    ASSERT_EQ(seat.valid, 0);
    EXPECT_EQ(seat.carsDuty[4], 0);
    EXPECT_EQ(seat.dutyStartAt[5], -1);

    seat.totalCredit = 300;
    seat.Validate(kDayCount, kAirports);
    EXPECT_EQ(seat.valid, 1);
    EXPECT_EQ(seat.validationText, "");
}

TEST(PairValidate, ContinuousDutyFromTimesWhenTheSourceTextIsShort) {
    const struct {
        size_t sourceLength;
        int32_t tafb;
        int32_t releaseTime;
        uint8_t continuous;
    } cases[] = {
        {0, 899, 360, 1},    // 22:00 to 06:00 within 14:59 away
        {113, 899, 360, 1},  // the column is not read from a text of 113 characters
        {0, 899, 119, 0},    // releasing before 02:00
        {0, 899, 120, 1},   {0, 900, 360, 0},  // 15:00 away
        {0, 899, 1380, 0},                     // releasing after the report time
    };
    for (const auto& c : cases) {
        TPair seat = OneDaySeat();
        seat.sourceText = std::string(c.sourceLength, 'N');
        seat.reportTime = 1320;
        seat.dutyStartAt[0] = 1320;
        seat.dailyStart[0] = 1320;
        seat.tafb = c.tafb;
        seat.releaseTime = c.releaseTime;
        seat.Validate(kDayCount, kAirports);
        EXPECT_EQ(seat.continuousDuty, c.continuous)
            << "length " << c.sourceLength << " tafb " << c.tafb << " release " << c.releaseTime;
    }
}

TEST(PairValidate, ContinuousDutyFromTheHeaderFlagWhenTheSourceTextIsLong) {
    TPair flagged = OneDaySeat();
    flagged.sourceText = std::string(112, ' ') + "Y" + std::string(10, ' ');
    flagged.Validate(kDayCount, kAirports);
    EXPECT_EQ(flagged.continuousDuty, 1);

    // With a long text the times are not looked at.
    TPair unflagged = OneDaySeat();
    unflagged.sourceText = std::string(112, ' ') + "N" + std::string(10, ' ');
    unflagged.reportTime = 1320;
    unflagged.releaseTime = 360;
    unflagged.tafb = 899;
    unflagged.Validate(kDayCount, kAirports);
    EXPECT_EQ(unflagged.continuousDuty, 0);
}

TEST(PairValidate, ValidationNeverClearsTheContinuousDutyFlag) {
    TPair seat = OneDaySeat();
    seat.continuousDuty = 1;
    seat.Validate(kDayCount, kAirports);
    EXPECT_EQ(seat.continuousDuty, 1);
}

class DutyRecords : public ::testing::Test {
  protected:
    // Three days from 08:00, away 2 days 16:00.
    TPair ThreeDaySeat(std::initializer_list<std::string> records) {
        TPair seat = OneDaySeat();
        seat.lengthDays = 3;
        seat.releaseTime = 1440;
        seat.tafb = 3840;
        seat.sourceText = SourceText(records);
        return seat;
    }
};

TEST_F(DutyRecords, DutyStartsFollowTheElapsedDutyAndLayoverTimes) {
    TPair seat = ThreeDaySeat({
        DutyRecord("0600", "00720", "YYZ"),  // next duty at 08:00 + 22:00 = 06:00 day 1
        DutyRecord("0500", "00900", "YVR"),  // + 23:20 = 05:20 day 2
        DutyRecord("0600", "00600", "YYZ"),  // the elapsed time passes the time away: stop
    });
    seat.Validate(kDayCount, kAirports);
    EXPECT_EQ(seat.dutyStartAt[0], 480);
    EXPECT_EQ(seat.dutyStartAt[1], 360);
    EXPECT_EQ(seat.dutyStartAt[2], 320);
    for (size_t k = 3; k < kPairDays; ++k) {
        EXPECT_EQ(seat.dutyStartAt[k], -1) << k;
    }
}

TEST_F(DutyRecords, WalkStopsWhenTheElapsedTimeReachesTheTimeAway) {
    TPair seat = ThreeDaySeat({
        DutyRecord("0600", "00720", "YYZ"),
        DutyRecord("0000", "00700", "YVR"),
    });
    seat.tafb = 1320;
    seat.Validate(kDayCount, kAirports);
    EXPECT_EQ(seat.dutyStartAt[1], -1);
    EXPECT_EQ(seat.layoverRest[1], 0) << "records after the stop are not read";
}

TEST_F(DutyRecords, LayoverRestTakesTwiceTheStationTimeAndAnHourOff) {
    TPair seat = ThreeDaySeat({
        DutyRecord("0000", "00700", "YVR"),  // day 0: 700 - 60 - 2 * 45
        DutyRecord("0600", "00840", "YYZ"),  // to day 1
        DutyRecord("0000", "00840", "YQB"),  // day 1: not in the table, 840 - 60 - 2 * 30
    });
    seat.Validate(kDayCount, kAirports);
    EXPECT_EQ(seat.layoverRest[0], 550);
    EXPECT_EQ(seat.layoverRest[1], 720);
    EXPECT_EQ(seat.layoverRest[2], 0);
}

TEST_F(DutyRecords, RevalidationAfterAnEditDropsLayoversNoLongerInTheText) {
    TPair seat = ThreeDaySeat({DutyRecord("0000", "00700", "YVR")});
    seat.Validate(kDayCount, kAirports);
    ASSERT_EQ(seat.layoverRest[0], 550);
    seat.sourceText = SourceText({DutyRecord("0600", "00720", "YYZ")});
    seat.Validate(kDayCount, kAirports);
    EXPECT_EQ(seat.layoverRest[0], 0);
}

TEST_F(DutyRecords, LayoverWithoutAStationCodeUsesTheDefaultStationTime) {
    TPair seat = ThreeDaySeat({DutyRecord("0000", "00500", "YVR", 58)});
    seat.Validate(kDayCount, kAirports);
    EXPECT_EQ(seat.layoverRest[0], 500 - 120);
}

TEST_F(DutyRecords, ShortRecordLineIsNotReadPast) {
    // Read past its end, the short record would take a duty of 9999 from the
    // line after it.
    std::string next = "2" + std::string(20, ' ') + std::string(60, '9');
    TPair seat = ThreeDaySeat({"3" + std::string(10, ' '), next});
    seat.Validate(kDayCount, kAirports);
    EXPECT_EQ(seat.layoverRest[0], -120) << "no duty, no layover time, no station";
    for (size_t k = 1; k < kPairDays; ++k) {
        EXPECT_EQ(seat.dutyStartAt[k], -1) << k;
    }
}

TEST_F(DutyRecords, OnlyLinesStartingWith3AreDutyRecords) {
    TPair seat = ThreeDaySeat({});
    std::string leg = DutyRecord("0600", "00720", "YYZ");
    leg[0] = '2';
    // The first line has no line break before it.
    seat.sourceText = DutyRecord("0600", "00720", "YYZ") + "\n" + leg + "\n";
    seat.Validate(kDayCount, kAirports);
    EXPECT_EQ(seat.dutyStartAt[1], -1);
}

TEST_F(DutyRecords, DaysBeyondTheTablesAreSkipped) {
    TPair seat = ThreeDaySeat({
        DutyRecord("9999", "99999", "YYZ"),  // ends on day 76
        DutyRecord("0000", "00700", "YVR"),
    });
    seat.tafb = 1000000;
    seat.Validate(kDayCount, kAirports);
    for (size_t k = 1; k < kPairDays; ++k) {
        EXPECT_EQ(seat.dutyStartAt[k], -1) << k;
        EXPECT_EQ(seat.layoverRest[k], 0) << k;
    }

    TPair layoverOnly = ThreeDaySeat({
        DutyRecord("0600", "42120", "YYZ"),  // 00:00 on day 30
        DutyRecord("0000", "00700", "YVR"),
        DutyRecord("0600", "01440", "YYZ"),  // day 31: the walk stops
        DutyRecord("0000", "00700", "YVR"),
    });
    layoverOnly.tafb = 1000000;
    layoverOnly.Validate(kDayCount, kAirports);
    EXPECT_EQ(layoverOnly.dutyStartAt[30], 0);
    EXPECT_EQ(layoverOnly.layoverRest[30], 550);
}

TEST_F(DutyRecords, NegativeTimesAreNotWrittenBeforeTheTables) {
    TPair seat = ThreeDaySeat({
        DutyRecord("-999", "-9999", "YYZ"),
        DutyRecord("0000", "00700", "YVR"),
    });
    seat.Validate(kDayCount, kAirports);
    EXPECT_EQ(seat.dutyStartAt[0], 480);
    for (size_t k = 0; k < kPairDays; ++k) {
        EXPECT_EQ(seat.layoverRest[k], 0) << k;
    }
}

TEST(PairTotals, OperatingDaysAndHardTimeCountOnlyTheDaysHeld) {
    TPair seat = OneDaySeat();
    seat.operates[3] = kOperatesAssigned;
    seat.operates[5] = -1;
    seat.operates[29] = kOperatesOpen;
    EXPECT_EQ(seat.OperatingDays(29), 3);
    EXPECT_EQ(seat.OperatingDays(30), 4);
    EXPECT_EQ(seat.OperatingDays(62), 4);
    EXPECT_EQ(seat.OperatingDays(-1), 0);

    seat.lengthDays = 2;
    seat.dailyHard = {200, 150, 999};
    EXPECT_EQ(seat.TotalHard(), 350);
    seat.lengthDays = 250;
    seat.dailyHard.fill(10);
    EXPECT_EQ(seat.TotalHard(), 310);
}

}  // namespace
}  // namespace tallow
