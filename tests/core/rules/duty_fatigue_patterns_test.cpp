#include "core/rules/duty_fatigue_patterns.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "duty_fixture.h"

namespace tallow {
namespace {

using testing::DutyLine;
using testing::PairingDay;

constexpr const char* kEarlyAfterLate = " Early Duty preceded by Late or Night Duty to without LNR";
constexpr const char* kLateAfterEarly = " Late or Night Duty preceded by Early Duty without LNR";
constexpr const char* kNeed56Hours = " Need 56 Hr Off after more than 3 to 5 WOCL Intrusions";
constexpr const char* kKeyInHandShort = " Key In Hand < 3 Hrs for 3-5 or > 5 WOCL Intrusions";
constexpr const char* kWoclWarning = " 3 Plus WOCL Intrusions. Check for Key In Hand > 3 Hours";

TEST(DutyFatiguePatternsTest, DutyStartAndEndClassifyTheDay) {
    const struct {
        int32_t start, length;
        bool early, late, night, wocl, woclNextDay;
    } cases[] = {
        {119, 480, false, false, true, false, false},   // 01:59 is night
        {120, 480, true, false, false, true, false},    // 02:00 early and WOCL
        {359, 480, true, false, false, true, false},    // 05:59
        {360, 480, true, false, false, false, false},   // 06:00 early, no WOCL
        {419, 480, true, false, false, false, false},   // 06:59
        {420, 480, false, false, false, false, false},  // 07:00
        {960, 479, false, false, false, false, false},  // ends 23:59
        {960, 480, false, true, false, false, false},   // ends 00:00
        {960, 599, false, true, false, false, false},   // ends 01:59
        {960, 600, false, false, true, false, true},    // ends 02:00: night
        {779, 800, false, false, false, false, true},   // starts 12:59, ends 02:19
        {780, 800, false, false, true, false, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.start) + "+" + std::to_string(c.length));
        DutyTimeline line;
        line.dayStart[40] = c.start;
        line.dayLength[40] = c.length;
        MarkEarlyLateNight(line, 30);
        MarkWoclIntrusions(line, 30);
        EXPECT_EQ(line.early[40], c.early);
        EXPECT_EQ(line.late[40], c.late);
        EXPECT_EQ(line.night[40], c.night);
        EXPECT_EQ(line.wocl[40], c.wocl);
        EXPECT_EQ(line.wocl[41], c.woclNextDay);
    }
}

TEST(DutyFatiguePatternsTest, ReserveDutyIsNoWoclIntrusion) {
    DutyTimeline line;
    line.dayStart[40] = 180;
    line.dayLength[40] = 1500;
    line.reserveDay[40] = true;
    MarkWoclIntrusions(line, 30);
    EXPECT_FALSE(line.wocl[40]);
    EXPECT_FALSE(line.wocl[41]);
}

struct EarlyLateCase {
    const char* name;
    int32_t firstStart, firstLength, secondStart;
    std::string item;  // empty: none
    bool elnColumn;
};

TEST(DutyFatiguePatternsTest, EarlyAndLateNextToEachOtherWithoutNightRest) {
    const EarlyLateCase cases[] = {
        {"late then early", 960, 500, 300, std::string(kEarlyAfterLate) + " 06", true},
        {"night then early", 1000, 600, 400, std::string(kEarlyAfterLate) + " 06", true},
        {"early then night", 300, 480, 60, std::string(kLateAfterEarly) + " 06", false},
        {"late then a 07:00 start", 960, 500, 420, "", false},
        {"early then late after a night rest", 300, 480, 1000, "", false},
        {"day then early", 600, 480, 300, "", false},
    };
    for (const EarlyLateCase& c : cases) {
        SCOPED_TRACE(c.name);
        DutyLine line;
        line.Toolbox(4, c.firstStart, c.firstLength);
        line.Toolbox(5, c.secondStart, 480);
        line.Check();
        const std::vector<std::string> items = DutyLine::Split(line.Pilot().illegalitiesText);
        if (c.item.empty()) {
            EXPECT_TRUE(items.empty()) << line.Pilot().illegalitiesText;
        } else {
            EXPECT_EQ(items, std::vector<std::string>{c.item});
            EXPECT_EQ(line.Pilot().dayIllegal[5], 1);
        }
        EXPECT_EQ(line.TableLine(36).find("ELN") != std::string::npos, c.elnColumn)
            << line.TableLine(36);
    }
}

// A pairing of 5 days: a day duty, then four duties starting at 05:00.
TPair& WoclPairing(DutyLine& line, int d, int days, int32_t layoverRest) {
    std::vector<PairingDay> duties = {{600, 480, layoverRest}};
    for (int k = 1; k < days; ++k) {
        duties.push_back({300, 480, k + 1 < days ? layoverRest : 0});
    }
    const int32_t tafb = (days - 1) * 1440 + 300 + 480 - 600;
    return line.Pairing(d, 600, tafb, duties);
}

TEST(DutyFatiguePatternsTest, FourWoclDaysWarnWithKeyInHandAndBreakTheRuleWithout) {
    const struct {
        int32_t layoverRest;
        std::string warnings;
        std::vector<std::string> items;
        int warnedDay;
        int illegalDay;
    } cases[] = {
        // The run's pending recovery check then finds the last intrusion day's own duty.
        {180, std::string(kWoclWarning) + " 05+", {std::string(kNeed56Hours) + " 06"}, 4, 5},
        {179, "", {std::string(kKeyInHandShort) + " 05"}, -1, 4},
        {0, "", {std::string(kKeyInHandShort) + " 05"}, -1, 4},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.layoverRest);
        DutyLine line;
        WoclPairing(line, 0, 5, c.layoverRest);
        line.Check();
        EXPECT_EQ(line.Pilot().warningsText, c.warnings);
        EXPECT_EQ(DutyLine::Split(line.Pilot().illegalitiesText), c.items);
        for (int d = 0; d < 10; ++d) {
            EXPECT_EQ(line.Pilot().dayWarning[static_cast<size_t>(d)], d == c.warnedDay ? 1 : 0);
            EXPECT_EQ(line.Pilot().dayIllegal[static_cast<size_t>(d)], d == c.illegalDay ? 1 : 0);
        }
    }
}

TEST(DutyFatiguePatternsTest, ThreeWoclDaysAreNoRun) {
    DutyLine line;
    WoclPairing(line, 0, 4, 0);
    line.Check();
    EXPECT_EQ(line.Pilot().warningsText, "");
    EXPECT_EQ(line.Pilot().illegalitiesText, "");
}

TEST(DutyFatiguePatternsTest, MoreThanFiveWoclDaysBreakTheRuleEvenWithKeyInHand) {
    DutyLine line;
    WoclPairing(line, 0, 7, 200);  // intrusions on board days 1 to 6
    line.Check();
    const std::vector<std::string> items = DutyLine::Split(line.Pilot().illegalitiesText);
    EXPECT_NE(std::find(items.begin(), items.end(), std::string(kKeyInHandShort) + " 07"),
              items.end())
        << line.Pilot().illegalitiesText;
    EXPECT_EQ(line.Pilot().dayIllegal[6], 1);
}

TEST(DutyFatiguePatternsTest, RunIntoTheFirstDayAfterTheMonthEndsTheListWithCarryOut) {
    // Intrusions on board days 27 to 31; April has 30 days.
    DutyLine line;
    WoclPairing(line, 26, 6, 0);
    line.Check();
    EXPECT_EQ(DutyLine::Split(line.Pilot().illegalitiesText),
              std::vector<std::string>{std::string(kKeyInHandShort) + " C/Out"});
    EXPECT_EQ(line.Pilot().dayIllegal[30], 1);
    EXPECT_EQ(line.Pilot().dayIllegal[31], 0);  // the fifth intrusion is not listed

    DutyLine keyInHand;
    WoclPairing(keyInHand, 26, 5, 200);
    keyInHand.Check();
    EXPECT_EQ(keyInHand.Pilot().warningsText, std::string(kWoclWarning) + " C/Out+");
    EXPECT_EQ(keyInHand.Pilot().dayWarning[30], 1);
}

TEST(DutyFatiguePatternsTest, LastMonthDaysAreListedWithTheirDate) {
    DutyLine line;
    line.HistoryDuty(20, 960, 500);
    line.HistoryDuty(21, 300, 480);
    line.Check();
    EXPECT_EQ(line.Pilot().illegalitiesText, std::string(kEarlyAfterLate) + " 22/03/2024.+");
    for (uint8_t flag : line.Pilot().dayIllegal) {
        EXPECT_EQ(flag, 0);
    }
}

TEST(DutyFatiguePatternsTest, OldRuleSetHasNoFatiguePatterns) {
    DutyLine line;
    line.Toolbox(4, 960, 500);
    line.Toolbox(5, 300, 480);
    WoclPairing(line, 10, 6, 0);
    line.Check(true);
    EXPECT_EQ(line.Pilot().illegalitiesText, "");
    EXPECT_EQ(line.Pilot().warningsText, "");
    EXPECT_EQ(line.Pilot().carsText.find("ELN   "), std::string::npos);

    line.Check();
    EXPECT_NE(line.Pilot().illegalitiesText.find(kEarlyAfterLate), std::string::npos);
    EXPECT_NE(line.Pilot().illegalitiesText.find(kKeyInHandShort), std::string::npos);
}

}  // namespace
}  // namespace tallow
