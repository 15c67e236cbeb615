#include "core/rules/duty_time_check.h"

#include <gtest/gtest.h>

#include <limits>
#include <random>
#include <string>
#include <vector>

#include "duty_fixture.h"

namespace tallow {
namespace {

using testing::DutyLine;
using testing::PairingDay;

constexpr const char* kLegend =
    "--------------------------------------------------------------------------------+"
    "RULE CHECKING DATA ARRAYS+"
    "--------------------------------------------------------------------------------+"
    "DUTY IS ANY QUALIFING DUTY THAT DAY+"
    "LNR IS LOCAL NIGHT REST PROCEEDING NIGHT+"
    "2LNR&SDFD IS A SDFFD WITH A LNR ON EACH SIDE+"
    "5LNR IS 5 LNR AND 5 DAYS OFF TO SWAP 70/7 OR 60/6+"
    "BELOW POPULATED IF 70/7 AND DUTY <= 12 PASS+"
    ">2448 IS OVER 24 HR DUTY IN 48.+"
    "ELN IS EARLY LATE OT NIGHT DUTY+"
    "--------------------------------------------------------------------------------+";

// One 8-hour duty on the first of April after a free March: every day of
// March is a free day between night rests, and from the fifth on closes a
// five-day block.
TEST(DutyTimeCheckTest, WholeLogOfASingleDuty) {
    for (bool oldRules : {false, true}) {
        SCOPED_TRACE(oldRules);
        DutyLine line;
        line.Toolbox(0, 480, 480);
        line.Check(oldRules);

        std::string expected = "Checking 01/04/2024 PASSED 2LNR 60/7 4SDFD+";
        expected += kLegend;
        for (int t = 0; t <= 92; ++t) {
            expected += line.DateText(t) + "  ";
            if (t <= 3) {
                expected += "LNR   2LNSDFD  ";
            } else if (t <= 30) {
                expected += "LNR   2LNSDFD  5LNR   ";
            } else if (t == 31) {
                expected += "DUTY   LNR   ";
            }
            expected += "+";
        }
        EXPECT_EQ(line.Pilot().carsText, expected);
        EXPECT_EQ(line.DateText(0), "01/03/2024");
        EXPECT_EQ(line.DateText(92), "01/06/2024");
        EXPECT_EQ(line.Pilot().illegalitiesText, "");
        EXPECT_EQ(line.Pilot().warningsText, "");
        EXPECT_EQ(line.Pilot().dutyTotals[31], (std::array<int32_t, 3>{480, 480, 480}));
    }
}

TEST(DutyTimeCheckTest, ResultsAreAppendedToWhatTheOtherRulesFound) {
    DutyLine line;
    line.Toolbox(4, 960, 500);
    line.Toolbox(5, 300, 420);
    line.Pilot().illegalitiesText = "Rest  3+";
    line.Pilot().warningsText = " Rest  2+";
    line.Pilot().dayIllegal[2] = 1;
    DutyTimeCheck(line.Schedule(), 0);
    EXPECT_EQ(line.Pilot().illegalitiesText,
              "Rest  3+ Early Duty preceded by Late or Night Duty to without LNR 06+");
    EXPECT_EQ(line.Pilot().warningsText, " Rest  2+");
    EXPECT_EQ(line.Pilot().dayIllegal[2], 1);
    EXPECT_EQ(line.Pilot().dayIllegal[5], 1);
}

TEST(DutyTimeCheckTest, RowsOutsideTheRosterAreLeftAlone) {
    DutyLine line;
    line.Toolbox(0, 480, 480);
    DutyTimeCheck(line.Schedule(), -1);
    DutyTimeCheckOld(line.Schedule(), kMaxEmployees);
    EXPECT_EQ(line.Pilot().carsText, "");
}

// Values from damaged history files and schedule records: the check must
// neither overflow nor index past its tables, and still writes its table.
TEST(DutyTimeCheckTest, DamagedRecordsAreCheckedWithoutGoingPastAnyTable) {
    constexpr int32_t kMin = std::numeric_limits<int32_t>::min();
    constexpr int32_t kMax = std::numeric_limits<int32_t>::max();
    const int32_t extremes[] = {kMin, kMin + 1, -1441, -1, 0, 1, 1439, 1441, 99999, kMax - 1, kMax};
    std::mt19937 random(7);
    const auto pick = [&](int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(random);
    };
    const auto value = [&] { return pick(0, 2) == 0 ? extremes[pick(0, 10)] : pick(-3000, 6000); };
    for (int run = 0; run < 40; ++run) {
        SCOPED_TRACE(run);
        DutyLine line(pick(1, 12), 2024);
        TSchedule& schedule = line.Schedule();
        if (run % 4 == 0) {
            schedule.dayCount = run % 8 == 0 ? 0 : 99;
            schedule.dstChangeAt = value();
            schedule.dstShift = value();
        }
        TPilot& pilot = line.Pilot();
        for (auto& record : pilot.history) {
            for (int32_t& field : record) {
                field = pick(0, 3) == 0 ? value() : pick(0, 2);
            }
        }
        for (auto& code : pilot.historyCode) {
            code = "SIM";
        }
        TPair& pair = line.Pairing(0, value(), value(), {{value(), value(), value()}});
        for (size_t k = 0; k < pair.dailyDuty.size(); ++k) {
            pair.dutyStartAt[k] = value();
            pair.dailyStart[k] = value();
            pair.dailyDuty[k] = value();
            pair.layoverRest[k] = value();
        }
        pair.sourceText = std::string(400, '9');
        for (size_t d = 1; d < pilot.dayPairing.size(); ++d) {
            const int kind = pick(0, 3);
            pilot.dayPairing[d] = kind == 0 ? 0 : kind == 1 ? value() : kDayToolbox;
            for (int32_t& field : pilot.dayDetail[d]) {
                field = pick(0, 1) == 0 ? value() : 1;
            }
        }
        for (bool oldRules : {false, true}) {
            line.Check(oldRules);
            const std::vector<std::string> log = DutyLine::Split(pilot.carsText);
            ASSERT_GE(log.size(), 93u + 11u);
            EXPECT_EQ(pilot.carsText.back(), '+');
            EXPECT_NE(pilot.carsText.find(kLegend), std::string::npos);
            for (const std::string& item : DutyLine::Split(pilot.illegalitiesText)) {
                EXPECT_FALSE(item.empty());
            }
        }
    }
}

}  // namespace
}  // namespace tallow
