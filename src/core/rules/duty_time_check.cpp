#include "core/rules/duty_time_check.h"

#include "core/model/schedule.h"
#include "core/rules/duty_fatigue_patterns.h"
#include "core/rules/duty_rest_days.h"
#include "core/rules/duty_results.h"
#include "core/rules/duty_scheme_walk.h"
#include "core/rules/duty_timeline.h"

namespace tallow {
namespace {

void RunDutyTimeCheck(TSchedule& schedule, int row, DutyRuleSet rules) {
    if (row < 0 || static_cast<size_t>(row) >= schedule.employees.size()) {
        return;
    }
    TPilot& pilot = schedule.employees[static_cast<size_t>(row)];
    const int monthLength = MonthLength(schedule);
    DutyTimeline line = BuildDutyTimeline(schedule, pilot, rules);
    FillDutyTotals(line, pilot);
    MarkLocalNightRests(line);
    MarkSingleDaysFree(line, rules);
    MarkFiveDayBlocks(line, monthLength);
    if (rules == DutyRuleSet::Current) {
        CheckFatiguePatterns(line, schedule, pilot);
    }
    WalkDutySchemes(line, schedule, rules, pilot);
    ReportSchemeFailures(line, schedule, pilot);
    WriteDutyTable(line, schedule, pilot);
}

}  // namespace

void DutyTimeCheck(TSchedule& schedule, int row) {
    RunDutyTimeCheck(schedule, row, DutyRuleSet::Current);
}

void DutyTimeCheckOld(TSchedule& schedule, int row) {
    RunDutyTimeCheck(schedule, row, DutyRuleSet::Old);
}

}  // namespace tallow
