#include "core/rules/days_off.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "block_rules_fixture.h"

namespace tallow::testing::blocks {
namespace {

struct DaysOffCase {
    const char* name;
    std::function<void(RuleMonth&, int)> build;
    int pilots;  // days off in a pilot schedule
    int cabin;   // in a flight-attendant schedule
};

class DaysOffCount : public ::testing::TestWithParam<DaysOffCase> {};

TEST_P(DaysOffCount, CountsTheDaysWithoutWork) {
    const DaysOffCase& c = GetParam();
    for (const CrewGroup group : {CrewGroup::Captains, CrewGroup::FlightAttendants}) {
        RuleMonth month(group);  // 30 days
        month.AddEmployee();
        const int row = month.AddEmployee();
        c.build(month, row);
        EXPECT_EQ(DaysOff(month.Schedule(), row),
                  group == CrewGroup::FlightAttendants ? c.cabin : c.pilots)
            << static_cast<int>(group);
    }
}

void Trip(RuleMonth& month, int row, int day, int32_t report, int32_t tafb, int days = 1) {
    month.Assign(row, month.AddSeat(report, tafb, days), day);
}

void Leave(RuleMonth& month, int row, int day, const std::string& code, int32_t credit,
           bool duty = false) {
    month.Place(row, day, {.code = code, .timeAtWork = 480, .duty = duty, .credit = credit});
}

INSTANTIATE_TEST_SUITE_P(
    Lines, DaysOffCount,
    ::testing::Values(
        DaysOffCase{"EmptyLine", [](RuleMonth&, int) {}, 30, 30},
        DaysOffCase{"ReleaseBefore0200KeepsTheNextDayOff",
                    [](RuleMonth& m, int r) { Trip(m, r, 3, 1200, 359); }, 29, 29},
        DaysOffCase{"ReleaseAt0200TakesTheNextDay",
                    [](RuleMonth& m, int r) { Trip(m, r, 3, 1200, 360); }, 28, 28},
        DaysOffCase{"OnlyDaysInsideTheMonthCount",
                    [](RuleMonth& m, int r) { Trip(m, r, 29, 480, 2 * 1440 + 600, 3); }, 29, 29},
        DaysOffCase{"DutyDayEndingAt0200",
                    [](RuleMonth& m, int r) {
                        m.Place(r, 3, {.start = 1200, .timeAtWork = 360, .duty = true});
                    },
                    29, 29},
        DaysOffCase{"DutyDayEndingAfter0200",
                    [](RuleMonth& m, int r) {
                        m.Place(r, 3, {.start = 1200, .timeAtWork = 361, .duty = true});
                    },
                    28, 28},
        DaysOffCase{"CarryInDaysWorked",
                    [](RuleMonth& m, int r) {
                        m.History(r, kPreviousDays)[kHistoryWorked] = 2;
                        m.History(r, kPreviousDays + 1)[kHistoryWorked] = 1;
                        m.History(r, kPreviousDays - 1)[kHistoryWorked] = 1;
                    },
                    28, 28},
        DaysOffCase{"OverlapsCountOnce",
                    [](RuleMonth& m, int r) {
                        m.History(r, kPreviousDays + 1)[kHistoryWorked] = 1;
                        Trip(m, r, 0, 480, 1440 + 600, 2);
                    },
                    28, 28},
        DaysOffCase{"VacationDay", [](RuleMonth& m, int r) { Leave(m, r, 5, "VAC", 0); }, 29, 30},
        DaysOffCase{"SickAndUnpaidDays",
                    [](RuleMonth& m, int r) {
                        Leave(m, r, 5, "STT", 0);
                        Leave(m, r, 6, "VAU", 0);
                    },
                    28, 30},
        DaysOffCase{"LeaveCreditBy240",
                    [](RuleMonth& m, int r) {
                        Leave(m, r, 5, "VCI", 479);
                        Leave(m, r, 6, "SCI", 480);
                    },
                    27, 30},
        DaysOffCase{"LeaveCreditBy318",
                    [](RuleMonth& m, int r) {
                        Leave(m, r, 5, "VTP", 635);
                        Leave(m, r, 6, "STP", 636);
                    },
                    27, 30},
        DaysOffCase{"OtherDaysOffCountAsOff",
                    [](RuleMonth& m, int r) { Leave(m, r, 5, "X1", 480); }, 30, 30},
        DaysOffCase{"LeaveWithDutyIsAWorkedDay",
                    [](RuleMonth& m, int r) { Leave(m, r, 5, "VAC", 480, true); }, 29, 29},
        DaysOffCase{"DamagedSeatIndexesAreFreeDays",
                    [](RuleMonth& m, int r) {
                        m.Employee(r).dayPairing[4] = 2999;
                        m.Employee(r).dayPairing[5] = -9;
                    },
                    30, 30}),
    [](const ::testing::TestParamInfo<DaysOffCase>& tested) { return tested.param.name; });

TEST(DaysOffCount, RowsOutsideTheTableHaveNone) {
    RuleMonth month;
    EXPECT_EQ(DaysOff(month.Schedule(), -1), 0);
    EXPECT_EQ(DaysOff(month.Schedule(), kMaxEmployees), 0);
}

}  // namespace
}  // namespace tallow::testing::blocks
