// The duty-time check: the 24-hours-in-48 scan as a sliding count against
// the literal count of every window, and the whole check of a busy line.

#include <benchmark/benchmark.h>

#include <memory>

#include "core/model/schedule.h"
#include "core/rules/duty_time_check.h"
#include "core/rules/duty_timeline.h"
#include "core/rules/duty_window.h"
#include "support/over2448_literal.h"

namespace {

using namespace tallow;

// A duty on every mapped day, 10 to 18 hours long, every fifth on reserve.
DutyTimeline FullLine() {
    DutyTimeline line;
    for (int t = 0; t < kTimelineDays; ++t) {
        const size_t day = static_cast<size_t>(t);
        line.dutyDay[day] = true;
        line.dayStart[day] = 300 + (t * 37) % 600;
        line.dayLength[day] = 600 + (t * 53) % 480;
        line.reserveDay[day] = t % 5 == 0;
    }
    return line;
}

void DutyCheck24in48(benchmark::State& state) {
    const DutyTimeline line = FullLine();
    for (auto _ : state) {
        benchmark::DoNotOptimize(Over24In48(line));
    }
}
BENCHMARK(DutyCheck24in48)->Unit(benchmark::kMicrosecond);

void DutyCheck24in48Literal(benchmark::State& state) {
    const DutyTimeline line = FullLine();
    for (auto _ : state) {
        benchmark::DoNotOptimize(testing::Over24In48Literal(line));
    }
}
BENCHMARK(DutyCheck24in48Literal)->Unit(benchmark::kMillisecond);

// A 31-day month after a last month that rests ten days and then works every
// day, so the line fails 60/7, switches to 70/7 and back; this month, 3-day
// pairings with early starts every fourth day and a reserve day between them.
std::unique_ptr<TSchedule> BusySchedule() {
    auto schedule = std::make_unique<TSchedule>();
    const Date start = Date::FromDmy(1, 3, 2025);
    schedule->dayCount = 31;
    for (int k = 0; k < kCalendarDays; ++k) {
        schedule->days[static_cast<size_t>(k)] = ToCalendarDate(start.AddDays(k));
    }
    for (int k = 0; k < kPreviousDays; ++k) {
        schedule->previousDays[static_cast<size_t>(k)] = ToCalendarDate(start.AddDays(k - 31));
    }
    schedule->dstChangeAt = 8 * 1440 + 120;
    schedule->dstShift = 60;
    schedule->employeeCount = 1;
    TPilot& pilot = schedule->employees[0];
    pilot.employeeNumber = 100001;
    for (size_t t = 10; t <= 30; ++t) {
        DayValues& record = pilot.history[t];
        record[kHistoryDutyStart] = 480 + static_cast<int32_t>(t) * 7;
        record[kHistoryDuty] = 600;
        record[kHistoryWorked] = t % 6 == 0 ? 2 : 1;
        record[kHistoryCarsDuty] = 1;
        pilot.historyCode[t] = "SIM";
    }
    TPair& pair = schedule->pairings[0];
    pair.reportTime = 330;
    pair.tafb = 2 * 1440 + 420;
    pair.lengthDays = 3;
    for (size_t k = 0; k < 3; ++k) {
        pair.dutyStartAt[k] = k == 0 ? 330 : 300;
        pair.dailyStart[k] = pair.dutyStartAt[k];
        pair.dailyDuty[k] = 450;
        pair.layoverRest[k] = k < 2 ? 600 : 0;
    }
    schedule->lastPairing = 0;
    for (size_t d = 0; d < 31; ++d) {
        if (d % 4 == 0) {
            pilot.dayPairing[d] = 0;
        } else if (d % 4 == 3) {
            pilot.dayPairing[d] = kDayToolbox;
            DayValues& detail = pilot.dayDetail[d];
            detail[kDetailStart] = 360;
            detail[kDetailTimeAtWork] = 720;
            detail[kDetailReserve] = 1;
            detail[kDetailContainsDuty] = 1;
            detail[kDetailCarsDuty] = 1;
        }
    }
    return schedule;
}

void DutyCheckBusyLine(benchmark::State& state) {
    const std::unique_ptr<TSchedule> schedule = BusySchedule();
    TPilot& pilot = schedule->employees[0];
    for (auto _ : state) {
        pilot.illegalitiesText.clear();
        pilot.warningsText.clear();
        pilot.carsText.clear();
        DutyTimeCheck(*schedule, 0);
        benchmark::DoNotOptimize(pilot.carsText.data());
    }
    state.counters["log_bytes"] = static_cast<double>(pilot.carsText.size());
}
BENCHMARK(DutyCheckBusyLine)->Unit(benchmark::kMicrosecond);

}  // namespace
