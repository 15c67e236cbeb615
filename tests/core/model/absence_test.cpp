#include <gtest/gtest.h>

#include <cstdint>

#include "core/model/absence.h"
#include "core/model/pilot.h"

namespace tallow {
namespace {

TAbsence Code(const char* code, const char* tracking) {
    TAbsence entry;
    entry.code = code;
    entry.trackingCode = tracking;
    return entry;
}

TEST(AbsenceTest, ClearedEntryCountsCreditAndShowsInToolbox) {
    TAbsence entry = Code("SM", "SIM");
    entry.countsCredit = 0;
    entry.inToolbox = 0;
    entry.credit = 240;
    entry.Clear();
    EXPECT_TRUE(entry.code.empty());
    EXPECT_EQ(entry.credit, 0);
    EXPECT_EQ(entry.countsCredit, 1);
    EXPECT_EQ(entry.inToolbox, 1);
}

TEST(AbsenceTest, ReserveCodesDependOnTheCrewGroup) {
    const struct {
        const char* code;
        const char* tracking;
        bool pilots;
        bool cabin;
    } cases[] = {
        {"RA", "RA", true, true},    {"RE", "RE", true, true},    {"RK", "RK", true, false},
        {"AT", "AT", true, false},   {"R09", "09", true, false},  {"BR", "BR", true, false},
        {"RTB", "RA", false, false}, {"RTB", "RK", false, false}, {"VAC", "VA", false, false},
        {"RD", "RD", false, false},  {"ra", "ra", false, false},  {"RA", "", false, false},
    };
    for (const auto& c : cases) {
        const TAbsence entry = Code(c.code, c.tracking);
        EXPECT_EQ(entry.IsReserve(CrewGroup::Captains), c.pilots) << c.code << "/" << c.tracking;
        EXPECT_EQ(entry.IsReserve(CrewGroup::FirstOfficers), c.pilots)
            << c.code << "/" << c.tracking;
        EXPECT_EQ(entry.IsReserve(CrewGroup::FlightAttendants), c.cabin)
            << c.code << "/" << c.tracking;
    }
}

TEST(AbsenceTest, TimeAtWorkWrapsPastMidnight) {
    const struct {
        int32_t start;
        int32_t end;
        int32_t atWork;
    } cases[] = {
        {19 * 60, 7 * 60, 12 * 60},
        {8 * 60, 16 * 60, 8 * 60},
        {0, 0, 0},
        {600, 600, 0},
        {1439, 0, 1},
        {0, 1439, 1439},
    };
    for (const auto& c : cases) {
        TAbsence entry;
        entry.startTime = c.start;
        entry.endTime = c.end;
        EXPECT_EQ(entry.TimeAtWork(), c.atWork) << c.start << "-" << c.end;
    }
}

TEST(AbsenceTest, TimeAtWorkStaysInADayForTimesOutOfRange) {
    TAbsence entry;
    entry.startTime = INT32_MIN;
    entry.endTime = INT32_MAX;
    const int32_t atWork = entry.TimeAtWork();
    EXPECT_GE(atWork, 0);
    EXPECT_LT(atWork, 1440);
}

class PlaceCodeTest : public ::testing::Test {
  protected:
    void SetUp() override {
        reserve = Code("RCK", "RK");
        reserve.startTime = 19 * 60;
        reserve.endTime = 7 * 60;
        reserve.credit = 240;
        reserve.hardTime = 30;
        reserve.containsDuty = 1;
        reserve.isCarsDuty = 1;
    }

    TAbsence reserve;
    TPilot pilot;
};

TEST_F(PlaceCodeTest, CopiesTheCodeIntoTheDay) {
    ASSERT_TRUE(PlaceCode(pilot, 4, reserve, CrewGroup::Captains));
    EXPECT_EQ(pilot.dayPairing[4], kDayToolbox);
    EXPECT_EQ(pilot.dayCode[4], "RCK");
    EXPECT_EQ(pilot.dayCrewCode[4], "RK");
    const DayValues expected = {19 * 60, 12 * 60, 240, 30, 1, 1, 0, 1, 0, 0};
    EXPECT_EQ(pilot.dayDetail[4], expected);
    EXPECT_EQ(pilot.dayPairing[3], kDayFree);
    EXPECT_EQ(pilot.dayPairing[5], kDayFree);
}

TEST_F(PlaceCodeTest, ReserveMarkFollowsTheCrewGroup) {
    ASSERT_TRUE(PlaceCode(pilot, 4, reserve, CrewGroup::FlightAttendants));
    EXPECT_EQ(pilot.dayDetail[4][kDetailReserve], 0);
}

TEST_F(PlaceCodeTest, CodeThatDoesNotCountCreditIsExcludedFromTheBlock) {
    reserve.countsCredit = 0;
    ASSERT_TRUE(PlaceCode(pilot, 0, reserve, CrewGroup::Captains));
    EXPECT_EQ(pilot.dayDetail[0][kDetailExcludeCredit], 1);
    EXPECT_EQ(pilot.dayDetail[0][kDetailCredit], 240);
}

TEST_F(PlaceCodeTest, OnlyFreeDaysOfRealEmployeesTakeACode) {
    pilot.dayPairing[2] = 17;
    EXPECT_FALSE(PlaceCode(pilot, 2, reserve, CrewGroup::Captains));
    EXPECT_EQ(pilot.dayPairing[2], 17);
    EXPECT_TRUE(pilot.dayCode[2].empty());

    ASSERT_TRUE(PlaceCode(pilot, 3, reserve, CrewGroup::Captains));
    EXPECT_FALSE(PlaceCode(pilot, 3, Code("VAC", "VA"), CrewGroup::Captains));
    EXPECT_EQ(pilot.dayCode[3], "RCK");

    TPilot placeholder;
    placeholder.employeeNumber = kPlaceholderEmployee;
    EXPECT_FALSE(PlaceCode(placeholder, 3, reserve, CrewGroup::Captains));
    EXPECT_EQ(placeholder.dayPairing[3], kDayFree);
}

TEST_F(PlaceCodeTest, DaysOutsideTheTableAreRefused) {
    EXPECT_FALSE(PlaceCode(pilot, -1, reserve, CrewGroup::Captains));
    EXPECT_FALSE(PlaceCode(pilot, kCalendarDays, reserve, CrewGroup::Captains));
    EXPECT_TRUE(PlaceCode(pilot, kCalendarDays - 1, reserve, CrewGroup::Captains));
}

}  // namespace
}  // namespace tallow
