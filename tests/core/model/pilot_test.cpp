#include <gtest/gtest.h>

#include <string>

#include "core/model/pilot.h"

namespace tallow {
namespace {

TEST(PilotTest, ClearedRecordIsFreeOnEveryDayAndHasNoEmployeeNumber) {
    TPilot pilot;
    pilot.name = "SMITH J";
    pilot.employeeNumber = kPlaceholderEmployee;
    pilot.dayPairing[5] = 12;
    pilot.dayDetail[7][kDetailCredit] = 300;
    pilot.rulesCurrent = 0;
    pilot.exportSelected = 0;
    pilot.searchMarks.matches = 1;

    pilot.Clear();

    EXPECT_EQ(pilot.employeeNumber, 0);
    EXPECT_TRUE(pilot.name.empty());
    for (size_t d = 0; d < pilot.dayPairing.size(); ++d) {
        EXPECT_EQ(pilot.dayPairing[d], kDayFree) << "day " << d;
    }
    EXPECT_EQ(pilot.dayDetail[7][kDetailCredit], 0);
    EXPECT_EQ(pilot.rulesCurrent, 1);
    EXPECT_EQ(pilot.exportSelected, 1);
    EXPECT_EQ(pilot.searchMarks.matches, 0);
}

TEST(PilotTest, DayOffRequestNames) {
    const struct {
        int request;
        const char* name;
    } cases[] = {
        {0, ""},    {1, "X1"},   {9, "X9"},   {10, "XA"}, {11, "XP"},
        {12, "XM"}, {13, "RGD"}, {14, "RPD"}, {15, ""},   {19, ""},
        {20, "X1"}, {25, "X6"},  {51, "X32"}, {52, ""},   {255, ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(DayOffRequestName(static_cast<uint8_t>(c.request)), c.name)
            << "request " << c.request;
    }
}

// 89 fields of 4 digits: field i holds 100 + i.
std::string HardTimeText() {
    std::string text;
    for (int i = 0; i < kHardTimeDays; ++i) {
        const std::string field = std::to_string(100 + i);
        text += std::string(4 - field.size(), '0') + field;
    }
    return text;
}

TEST(PilotTest, HardTimeHistoryIsReadOnlyWhenItHoldsAllFields) {
    const std::string full = HardTimeText();
    ASSERT_EQ(full.size(), 356u);

    TPilot shortText;
    shortText.hardTimeDays.fill(7);
    shortText.hardTimeHistory = full.substr(0, 355);
    shortText.ParseHardTimeHistory();
    for (const int32_t value : shortText.hardTimeDays) {
        EXPECT_EQ(value, 7);
    }

    TPilot fullText;
    fullText.hardTimeHistory = full;
    fullText.ParseHardTimeHistory();
    for (size_t i = 0; i < fullText.hardTimeDays.size(); ++i) {
        EXPECT_EQ(fullText.hardTimeDays[i], static_cast<int32_t>(100 + i)) << "field " << i;
    }
}

TEST(PilotTest, HardTimeHistoryReadsFieldBoundariesNotRunsOfDigits) {
    TPilot pilot;
    pilot.hardTimeHistory = std::string(4 * 88, '0') + "0420" + "99999";
    pilot.ParseHardTimeHistory();
    EXPECT_EQ(pilot.hardTimeDays[87], 0);
    EXPECT_EQ(pilot.hardTimeDays[88], 420);
}

class AbsentWholePeriodTest : public ::testing::Test {
  protected:
    static constexpr int32_t kDays = 30;

    void SetUp() override {
        for (int d = 0; d < kDays; ++d) {
            pilot.dayCode[static_cast<size_t>(d)] = d < 10 ? "LOA" : "MED";
        }
    }

    TPilot pilot;
};

TEST_F(AbsentWholePeriodTest, EveryDayWithALongAbsenceCodeCounts) {
    EXPECT_EQ(pilot.UpdateAbsentWholePeriod(kDays), 1);
    EXPECT_EQ(pilot.absentWholePeriod, 1);
}

TEST_F(AbsentWholePeriodTest, OneDayWithoutSuchCodeClearsTheFlag) {
    for (const char* other : {"", "VAC", "SM", "loa"}) {
        pilot.absentWholePeriod = 1;
        pilot.dayCode[29] = other;
        EXPECT_EQ(pilot.UpdateAbsentWholePeriod(kDays), 0) << "code '" << other << "'";
        EXPECT_EQ(pilot.absentWholePeriod, 0);
    }
}

TEST_F(AbsentWholePeriodTest, DaysAfterThePeriodDoNotCount) {
    pilot.dayCode[kDays] = "VAC";
    EXPECT_EQ(pilot.UpdateAbsentWholePeriod(kDays), 1);
}

TEST_F(AbsentWholePeriodTest, EveryLongAbsenceCodeQualifies) {
    for (const char* code : {"LOA", "PSD", "UTF", "MAT", "MED", "WCB", "LTD", "PWC", "MOD"}) {
        pilot.dayCode[3] = code;
        EXPECT_EQ(pilot.UpdateAbsentWholePeriod(kDays), 1) << code;
    }
}

TEST_F(AbsentWholePeriodTest, DayCountOutsideTheTablesIsLimitedToThem) {
    pilot.dayCode.fill("LOA");
    EXPECT_EQ(pilot.UpdateAbsentWholePeriod(1000), 1);
    pilot.dayCode[61] = "";
    EXPECT_EQ(pilot.UpdateAbsentWholePeriod(1000), 0);
    EXPECT_EQ(pilot.UpdateAbsentWholePeriod(-5), 0) << "no period, no absence";
    EXPECT_EQ(pilot.UpdateAbsentWholePeriod(0), 0);
}

TEST(PilotTest, ReserveDayCountsOnlyInsideThePeriod) {
    TPilot pilot;
    EXPECT_FALSE(pilot.HasReserveDay(30));
    pilot.dayDetail[30][kDetailReserve] = 1;
    EXPECT_FALSE(pilot.HasReserveDay(30));
    EXPECT_TRUE(pilot.HasReserveDay(31));
    pilot.dayDetail[0][kDetailReserve] = 1;
    EXPECT_TRUE(pilot.HasReserveDay(30));
    EXPECT_FALSE(pilot.HasReserveDay(0));
    EXPECT_FALSE(pilot.HasReserveDay(-1));
    pilot.dayDetail[0][kDetailReserve] = 0;
    pilot.dayDetail[61][kDetailReserve] = 1;
    EXPECT_TRUE(pilot.HasReserveDay(99));
}

}  // namespace
}  // namespace tallow
