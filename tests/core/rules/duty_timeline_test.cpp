#include "core/rules/duty_timeline.h"

#include <gtest/gtest.h>

#include <string>

#include "duty_fixture.h"

namespace tallow {
namespace {

using testing::DutyLine;
using testing::PairingDay;

int32_t Daily(DutyLine& line, int t) {
    return line.Pilot().dutyTotals[static_cast<size_t>(t)][0];
}
int32_t Week(DutyLine& line, int t) {
    return line.Pilot().dutyTotals[static_cast<size_t>(t)][1];
}
int32_t FourWeeks(DutyLine& line, int t) {
    return line.Pilot().dutyTotals[static_cast<size_t>(t)][2];
}

TEST(DutyTotalsTest, SevenAndTwentyEightDaySumsStartAfterTheirFirstFullWindow) {
    DutyLine line;
    for (int t = 0; t <= 30; ++t) {
        line.HistoryDuty(t, 600, 100);
    }
    line.Check();

    const struct {
        int t;
        int32_t daily, week, fourWeeks;
    } cases[] = {
        {0, 100, 0, 0},       {6, 100, 0, 0},       {7, 100, 700, 0},   {28, 100, 700, 0},
        {29, 100, 700, 2800}, {30, 100, 700, 2800}, {31, 0, 600, 2700}, {36, 0, 100, 2200},
        {37, 0, 0, 2100},     {58, 0, 0, 0},        {92, 0, 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE("timeline day " + std::to_string(c.t));
        EXPECT_EQ(Daily(line, c.t), c.daily);
        EXPECT_EQ(Week(line, c.t), c.week);
        EXPECT_EQ(FourWeeks(line, c.t), c.fourWeeks);
    }
}

TEST(DutyTotalsTest, ReserveDayOfNineHoursCountsOneThird) {
    const struct {
        const char* name;
        bool history;
        int t;
    } cases[] = {{"board reserve code", false, 34}, {"last month's reserve day", true, 10}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        DutyLine line;
        if (c.history) {
            line.HistoryDuty(c.t, 600, 540, 2);
        } else {
            line.Toolbox(c.t - 31, 600, 540, true);
        }
        line.Check();
        EXPECT_EQ(Daily(line, c.t), 180);
        EXPECT_EQ(Week(line, c.t + 6), 180);
        EXPECT_EQ(Week(line, c.t + 7), 0);
        EXPECT_EQ(FourWeeks(line, c.t + 27), 180);
    }
}

TEST(DutyTotalsTest, DutyOverMidnightIsSplitBetweenItsTwoDays) {
    DutyLine line;
    line.Toolbox(3, 1380, 120);
    line.HistoryDuty(10, 1400, 100);
    line.Check();
    EXPECT_EQ(Daily(line, 34), 60);
    EXPECT_EQ(Daily(line, 35), 60);
    EXPECT_EQ(Daily(line, 10), 40);
    EXPECT_EQ(Daily(line, 11), 60);
}

TEST(DutyTimelineTest, LastMonthPairingStopsAtTheNextPairingItsDaysRunInto) {
    DutyLine line;
    line.HistoryPairing(10, 600, 3000, 600, 500);  // 3 days: 10, 11, 12
    DayValues& second = line.Pilot().history[11];
    second[kHistoryDutyStart] = 1300;
    second[kHistoryDuty] = 300;
    line.HistoryPairing(12, 480, 200, 480, 200);

    const DutyTimeline timeline =
        BuildDutyTimeline(line.Schedule(), line.Pilot(), DutyRuleSet::Current);

    EXPECT_TRUE(timeline.dutyDay[10] && timeline.dutyDay[11] && timeline.dutyDay[12]);
    EXPECT_FALSE(timeline.dutyDay[13]);
    EXPECT_EQ(timeline.dayStart[11], 1300);
    EXPECT_EQ(timeline.dayStart[12], 480);
    EXPECT_EQ(timeline.periodStart[10], 600);
    EXPECT_EQ(timeline.periodLength[12], 200);
    EXPECT_EQ(timeline.dutyMinutes[10], 500);
    EXPECT_EQ(timeline.dutyMinutes[11], 140);
    // Day 12 gets the overnight part of day 11 and its own pairing's duty, once.
    EXPECT_EQ(timeline.dutyMinutes[12], 160 + 200);
}

TEST(DutyTimelineTest, ClockChangeInsideADutyPeriodMovesItsDayCount) {
    const struct {
        int32_t shift;
        bool thirdDay;
    } cases[] = {{0, false}, {60, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.shift);
        DutyLine line;
        line.Schedule().dstChangeAt = 2 * 1440 + 120;  // board day 2 02:00, timeline day 33
        line.Schedule().dstShift = c.shift;
        line.HistoryPairing(32, 1000, 1850, 1000, 600);  // ends 23:50 on day 33
        const DutyTimeline timeline =
            BuildDutyTimeline(line.Schedule(), line.Pilot(), DutyRuleSet::Current);
        EXPECT_TRUE(timeline.dutyDay[33]);
        EXPECT_EQ(timeline.dutyDay[34], c.thirdDay);
    }
}

TEST(DutyTimelineTest, RuleSetsDifferInPairingStartsMinutesAndKeyInHand) {
    DutyLine line;
    TPair& pair = line.Pairing(4, 1200, 1020, {{1200, 400, 200}, {300, 480, 0}}, {1000, 310});
    pair.sourceText = std::string(343, ' ') + "0345" + "0500" + "0030";

    const DutyTimeline current =
        BuildDutyTimeline(line.Schedule(), line.Pilot(), DutyRuleSet::Current);
    EXPECT_EQ(current.dayStart[35], 1200);
    EXPECT_EQ(current.dayStart[36], 300);
    EXPECT_EQ(current.dayLength[35], 400);
    EXPECT_EQ(current.dutyMinutes[35], 240);
    EXPECT_EQ(current.dutyMinutes[36], 160 + 480);
    EXPECT_TRUE(current.keyInHand[35]);
    EXPECT_FALSE(current.keyInHand[36]);

    const DutyTimeline old = BuildDutyTimeline(line.Schedule(), line.Pilot(), DutyRuleSet::Old);
    EXPECT_EQ(old.dayStart[35], 1000);
    EXPECT_EQ(old.dayStart[36], 310);
    EXPECT_EQ(old.dayLength[35], 400);
    EXPECT_EQ(old.dutyMinutes[35], 345);
    EXPECT_EQ(old.dutyMinutes[36], 500 + 30);
    EXPECT_FALSE(old.keyInHand[35]);
}

TEST(DutyTimelineTest, OldRuleSetIgnoresANegativeFigureAfterTheLastDay) {
    DutyLine line;
    TPair& pair = line.Pairing(0, 600, 480, {{600, 480, 0}});
    pair.sourceText = std::string(343, ' ') + "0400" + "-030";
    const DutyTimeline old = BuildDutyTimeline(line.Schedule(), line.Pilot(), DutyRuleSet::Old);
    EXPECT_EQ(old.dutyMinutes[31], 400);

    pair.sourceText.resize(345);  // too short for either figure
    const DutyTimeline cut = BuildDutyTimeline(line.Schedule(), line.Pilot(), DutyRuleSet::Old);
    EXPECT_EQ(cut.dutyMinutes[31], 0);
    EXPECT_TRUE(cut.dutyDay[31]);
}

TEST(DutyTimelineTest, OnlyToolboxCodesWithDutyAndCarsDutyCount) {
    DutyLine line;
    line.Toolbox(2, 600, 300);
    line.Toolbox(3, 600, 300);
    line.Pilot().dayDetail[3][kDetailCarsDuty] = 0;
    line.Toolbox(4, 600, 300);
    line.Pilot().dayDetail[4][kDetailContainsDuty] = 0;
    line.HistoryDuty(20, 600, 300);
    line.Pilot().historyCode[20].clear();

    const DutyTimeline timeline =
        BuildDutyTimeline(line.Schedule(), line.Pilot(), DutyRuleSet::Current);
    EXPECT_TRUE(timeline.dutyDay[33]);
    EXPECT_FALSE(timeline.dutyDay[34]);
    EXPECT_FALSE(timeline.dutyDay[35]);
    EXPECT_FALSE(timeline.dutyDay[20]);
    EXPECT_EQ(timeline.periodStart[34], kNoDuty);
}

}  // namespace
}  // namespace tallow
