#include "core/rules/duty_scheme_walk.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "core/model/airport_details.h"
#include "duty_fixture.h"

namespace tallow {
namespace {

using testing::DutyLine;
using testing::PairingDay;

// The walk's lines: the log up to the legend.
std::vector<std::string> WalkLog(DutyLine& line) {
    std::vector<std::string> walk;
    for (const std::string& item : DutyLine::Split(line.Pilot().carsText)) {
        if (item.rfind("-----", 0) == 0) {
            break;
        }
        walk.push_back(item);
    }
    return walk;
}

std::vector<std::string> Checks(int firstDay, int lastDay, const std::string& result) {
    std::vector<std::string> lines;
    for (int day = firstDay; day <= lastDay; ++day) {
        lines.push_back(Format("Checking %02d/04/2024 %s", day, result.c_str()));
    }
    return lines;
}

std::vector<std::string> operator+(std::vector<std::string> a, const std::vector<std::string>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

constexpr const char* kPassed60 = "PASSED 2LNR 60/7 4SDFD";
constexpr const char* kPassed70 = "PASSED 70/7.";
constexpr const char* kSwitchTo70 = "ATTEMPT LOGIC CHANGE to 70/7 on 31/3/2024.";
constexpr const char* kSwitchFailed = "ATTEMPT LOGIC CHANGE FAIL. ";

// Odd days of last month worked (10 hours from 08:00), so every even day is a
// single free day between night rests, but no five of them in a row; then six
// 10-hour days from board day 0.
TEST(DutySchemeWalkTest, SixtyHoursInSevenDaysPassAndOneMinuteMoreFails) {
    const struct {
        int32_t lastDuty;
        std::string result;
        std::string items;
    } cases[] = {
        {600, kPassed60, ""},
        {601, "FAIL 60HR/7D", " 60h/7d 2LNR Rules 6+"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.lastDuty);
        DutyLine line;
        for (int t = 1; t <= 29; t += 2) {
            line.HistoryDuty(t, 480, 600);
        }
        for (int d = 0; d < 6; ++d) {
            line.Toolbox(d, 480, d == 5 ? c.lastDuty : 600);
        }
        line.Check();
        EXPECT_EQ(line.Pilot().dutyTotals[36][1], 3000 + c.lastDuty);
        EXPECT_EQ(line.CheckLine(35), "Checking 05/04/2024 " + std::string(kPassed60));
        EXPECT_EQ(line.CheckLine(36), "Checking 06/04/2024 " + c.result);
        EXPECT_EQ(line.Pilot().illegalitiesText, c.items);
        EXPECT_EQ(line.Pilot().dayIllegal[5], c.items.empty() ? 0 : 1);
        EXPECT_EQ(line.Pilot().carsText.find("ATTEMPT"), std::string::npos);
    }
}

struct SwitchCase {
    const char* name;
    int lastDay;                            // duty every day from board day 0 to here
    std::function<void(DutyLine&)> change;  // then this
    std::vector<std::string> walk;
    std::string items;
};

// The month starts after a long rest (every day of last month is a single
// day free of duty, the last 27 of them close five-day blocks), then works
// 7 hours from 08:00 every day: the seventh day has no free day in its 7
// days and switches the line to 70/7.
TEST(DutySchemeWalkTest, FailureSwitchesTo70On7BehindAFiveDayRestBlock) {
    const std::vector<std::string> start =
        Checks(1, 6, kPassed60) + Checks(7, 7, "FAIL 2LNR") + std::vector<std::string>{kSwitchTo70};
    const SwitchCase cases[] = {
        {"70/7 carries the line", 9, nullptr, start + Checks(1, 10, kPassed70), ""},
        {"the rest block drops out of the 21 days", 16, nullptr,
         start + Checks(1, 16, kPassed70) + Checks(17, 17, "FAIL 5LNR/21 FAILED 70/7.") +
             std::vector<std::string>{kSwitchFailed},
         " 60h/7d 2LNR Rules 17+"},
        {"a duty over 12 hours", 9, [](DutyLine& line) { line.Toolbox(8, 480, 721); },
         start + Checks(1, 8, kPassed70) + Checks(9, 9, "FAIL 12HR DUTY FAILED 70/7.") +
             std::vector<std::string>{kSwitchFailed} + Checks(10, 10, "FAIL 2LNR"),
         " 60h/7d 2LNR Rules 9 10+"},
        {"an early duty", 9, [](DutyLine& line) { line.Toolbox(8, 419, 420); },
         start + Checks(1, 8, kPassed70) + Checks(9, 9, "FAIL EARLY/LATE DUTY FAILED 70/7.") +
             std::vector<std::string>{kSwitchFailed} + Checks(10, 10, "FAIL 2LNR"),
         " 60h/7d 2LNR Rules 9 10+"},
        {"a duty past midnight", 9, [](DutyLine& line) { line.Toolbox(8, 1000, 441); },
         start + Checks(1, 8, kPassed70) + Checks(9, 9, "FAIL EARLY/LATE DUTY FAILED 70/7.") +
             std::vector<std::string>{kSwitchFailed} + Checks(10, 10, "FAIL 2LNR"),
         " 60h/7d 2LNR Rules 9 10+"},
        {"more than 24 hours in 48", 9,
         [](DutyLine& line) {
             line.Toolbox(7, 720, 720);
             line.Toolbox(8, 420, 720);
             line.Toolbox(9, 420, 720);
         },
         start + Checks(1, 9, kPassed70) + Checks(10, 10, "FAIL 24DUTY in 48HR FAILED 70/7.") +
             std::vector<std::string>{kSwitchFailed},
         " 60h/7d 2LNR Rules 10+"},
    };
    for (const SwitchCase& c : cases) {
        SCOPED_TRACE(c.name);
        DutyLine line;
        for (int d = 0; d <= c.lastDay; ++d) {
            line.Toolbox(d, 480, 420);
        }
        if (c.change) {
            c.change(line);
        }
        line.Check();
        EXPECT_EQ(WalkLog(line), c.walk);
        EXPECT_EQ(line.Pilot().illegalitiesText, c.items);
        EXPECT_NE(line.TableLine(30).find("5LNR"), std::string::npos);
    }
}

TEST(DutySchemeWalkTest, Over24In48ColumnIsFilledOnlyOnceA70Over7TestRan) {
    for (bool withRestBlock : {true, false}) {
        SCOPED_TRACE(withRestBlock);
        DutyLine line;
        for (int d = 0; d <= 9; ++d) {
            line.Toolbox(d, 480, 420);
        }
        line.Toolbox(7, 720, 720);
        line.Toolbox(8, 420, 720);
        line.Toolbox(9, 420, 720);
        if (!withRestBlock) {
            for (int t = 0; t <= 30; t += 2) {
                line.HistoryDuty(t, 480, 300);
            }
        }
        line.Check();
        EXPECT_EQ(line.TableLine(40).find(">2448") != std::string::npos, withRestBlock)
            << line.TableLine(40);
        EXPECT_EQ(line.TableLine(39).find(">2448"), std::string::npos);
    }
}

// A pairing that releases at 00:15 makes its second day a tail day with no
// duty of its own. Everything before it is worked, so no day has a free day.
TEST(DutySchemeWalkTest, TailDayAfterFallBackNeedsAFreeDayAtABaseThatKeepsDaylightSaving) {
    const struct {
        const char* name;
        int month;
        bool baseWithoutDst;
        bool oldRules;
        std::string result;
    } cases[] = {
        {"fall-back at a base keeping DST", 11, false, false, "FAIL 2LNR"},
        {"base without DST", 11, true, false, kPassed60},
        {"old rule set", 11, false, true, kPassed60},
        {"no clock change", 4, false, false, kPassed60},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        DutyLine line(c.month, 2024);
        line.Schedule().scheduleTitle = "YYZ DH8 Captains";
        if (c.baseWithoutDst) {
            line.Schedule().airportDetails = AirportEntry("YVR", "08:00", "00:45", "Y") +
                                             AirportEntry("YYZ", "05:00", "00:30", "N");
        }
        for (int t = 0; t <= 30; ++t) {
            line.HistoryDuty(t, 480, 300);
        }
        for (int d = 0; d < 3; ++d) {
            line.Toolbox(d, 480, 300);
        }
        line.Pairing(3, 480, 975, {{480, 975, 0}, {-1, 0, 0}});
        line.Check(c.oldRules);

        const std::string date = line.DateText(35);
        EXPECT_EQ(line.CheckLine(34), "Checking " + line.DateText(34) + " FAIL 2LNR FAIL 4SDFD");
        EXPECT_EQ(line.CheckLine(35), "Checking " + date + " " + c.result);
    }
}

}  // namespace
}  // namespace tallow
