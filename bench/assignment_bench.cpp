// Build Blocks' model steps, one assignment click end to end and the
// warnings report, on a full-capacity captains' month: 3000 seats and 1000
// lines filled greedily with Shift-click placements up to the average block.

#include <benchmark/benchmark.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/model/schedule.h"
#include "core/model/text_format.h"
#include "core/pairings/pairing_selection.h"
#include "core/platform/desktop.h"
#include "core/rules/assignment.h"
#include "core/rules/assignment_rest.h"
#include "core/rules/block_holder_line.h"
#include "core/rules/build_blocks_steps.h"
#include "core/rules/warnings_report.h"

namespace {

using namespace tallow;

// Answers Yes to every question, so a placement is never held up.
class YesDesktop final : public Desktop {
  public:
    Answer ShowMessage(const Message& message) override {
        return message.IsQuestion() ? Answer::Yes : Answer::Ok;
    }
    std::optional<std::string> ChooseOpenFile(const FileChooser&) override { return {}; }
    std::vector<std::string> ChooseOpenFiles(const FileChooser&) override { return {}; }
    std::optional<std::string> ChooseSaveFile(const FileChooser&) override { return {}; }
    void ShowList(const std::string&, const std::vector<std::string>&) override {}
    std::unique_ptr<ProgressView> OpenProgress(const std::string&) override { return nullptr; }
    void SetWaitCursor(bool) override {}
    void Beep() override {}
    bool SetClipboardText(const std::string&) override { return true; }
    std::string ClipboardText() override { return {}; }
    MailResult MailFile(const std::string&) override { return {}; }
    bool StartCalculator() override { return false; }
};

constexpr int kPeriodDays = 30;

// A duty record of the pairing file: duty time at column 48, layover at 52,
// station at 57 (counted from the line break before the record).
std::string DutyRecord(int number, int duty, int layover, const char* station) {
    std::string record(64, ' ');
    record[0] = '3';
    record.replace(1, 6, Format("V8%04d", number));
    record.replace(47, 4, Format("%04d", duty));
    record.replace(51, 5, Format("%05d", layover));
    record.replace(56, 3, station);
    return record + "\n";
}

void FillSeat(TPair& seat, int index) {
    const int length = 1 + index % 4;
    // Every tenth pairing carries two captains: two seats, one number.
    seat.number = 1000 + index - (index % 10 == 1 ? 1 : 0);
    seat.seriesCode = "V8";
    seat.position = "CA";
    seat.lengthDays = static_cast<uint8_t>(length);
    seat.reportTime = 300 + (index * 37) % 600;
    seat.tafb = (length - 1) * 1440 + 480 + (index * 53) % 240;
    seat.releaseTime = (seat.reportTime + seat.tafb) % 1440;
    seat.fatigueUnits = 600 + index % 900;
    seat.displayText = Format("V%04d", seat.number);
    seat.sourceText = Format("1 V8%04d HEADER\n", seat.number);
    seat.totalCredit = 0;
    for (int k = 0; k < length; ++k) {
        const auto day = static_cast<size_t>(k);
        seat.dailyStart[day] = k == 0 ? seat.reportTime : 360 + (index * 11) % 300;
        seat.dailyDuty[day] = 540 + (index * 7 + k * 31) % 240;
        seat.dailyHard[day] = 300 + (index + k) % 120;
        seat.dailyCredit[day] = 330 + (index % 3) * 30;
        seat.totalCredit += seat.dailyCredit[day];
        seat.sourceText += DutyRecord(seat.number, seat.dailyDuty[day],
                                      k + 1 < length ? 1440 - seat.dailyDuty[day] : 0, "YUL");
    }
    for (int d = 0; d < kPeriodDays; ++d) {
        seat.operates[static_cast<size_t>(d)] = (d + index) % 7 == 0 ? kOperatesOpen : 0;
    }
}

void FillRow(TPilot& row, int index) {
    row.name = Format("CAPTAIN %04d", index);
    row.employeeNumber = 10000 + index;
    row.hardTimeHistory.clear();
    for (int i = 0; i < kHardTimeDays; ++i) {
        row.hardTimeHistory += Format("%04d", i % 4 == 0 ? 0 : 240 + (i + index) % 120);
    }
    for (int t = 0; t < kPreviousDays; ++t) {
        DayValues& day = row.history[static_cast<size_t>(t)];
        if ((t + index) % 4 == 0) {
            continue;
        }
        day[kHistoryPairingStart] = 480;
        day[kHistoryTafb] = 600;
        day[kHistoryDutyStart] = 480;
        day[kHistoryDuty] = 600;
        day[kHistoryCredit] = 330;
        day[kHistoryHard] = 300;
        day[kHistoryWorked] = 1;
    }
    row.legalCheckIn = (index % 5) * 300;
    if (index % 9 == 0) {
        for (int d = 10; d < 15; ++d) {
            const auto day = static_cast<size_t>(d);
            row.dayPairing[day] = kDayToolbox;
            row.dayCode[day] = "VAC";
            row.dayCrewCode[day] = "VA";
            row.dayDetail[day][kDetailCredit] = 240;
        }
    }
    if (index % 13 == 0) {
        row.dayOffRequest[20] = 1;
    }
}

// Each line takes the open pairings starting on its next free day until it
// reaches the average block, with a day off after each pairing.
void FillLines(TSchedule& schedule, EditContext& context) {
    std::vector<std::vector<int>> startingOn(kPeriodDays);
    for (int s = 0; s <= schedule.lastPairing; ++s) {
        for (int d = 0; d < kPeriodDays; ++d) {
            if (schedule.pairings[static_cast<size_t>(s)].operates[static_cast<size_t>(d)] != 0) {
                startingOn[static_cast<size_t>(d)].push_back(s);
            }
        }
    }
    std::vector<size_t> next(kPeriodDays, 0);
    const int32_t average = schedule.setup[kAvgBlockCredit];
    for (int r = 0; r < schedule.employeeCount; ++r) {
        const TPilot& employee = schedule.employees[static_cast<size_t>(r)];
        int d = 0;
        while (d < kPeriodDays && BlockMinutes(employee) < average) {
            std::vector<int>& seats = startingOn[static_cast<size_t>(d)];
            size_t& cursor = next[static_cast<size_t>(d)];
            int placedLength = 0;
            for (size_t tries = 0; tries < seats.size() && placedLength == 0; ++tries) {
                const int seat = seats[cursor % seats.size()];
                ++cursor;
                const int length = schedule.pairings[static_cast<size_t>(seat)].lengthDays;
                bool clear = d + length <= kPeriodDays;
                for (int k = 0; clear && k <= length && d + k < kPeriodDays; ++k) {
                    clear = employee.dayPairing[static_cast<size_t>(d + k)] == kDayFree;
                }
                if (clear && AssignPairing(context, r, seat, d, true) == AssignResult::Placed) {
                    placedLength = length;
                }
            }
            d += placedLength + 1;
        }
    }
}

struct FullMonth {
    YesDesktop desktop;
    std::unique_ptr<TSchedule> schedule = std::make_unique<TSchedule>();
    PairingSelection selection;
    EditContext context{*schedule, desktop, selection};
};

FullMonth& Month() {
    static std::unique_ptr<FullMonth> month = [] {
        auto m = std::make_unique<FullMonth>();
        TSchedule& s = *m->schedule;
        s.DeleteAll();
        s.crewGroup = CrewGroup::Captains;
        s.SetPeriod(Date::FromDmy(1, 4, 2025), Date::FromDmy(30, 4, 2025), m->desktop);
        s.scheduleTitle = "YVRDH8CAV";
        s.airportDetails = "YUL       01:00";
        s.lastPairing = kMaxPairings - 1;
        s.lastImportedPairing = s.lastPairing;
        for (int i = 0; i < kMaxPairings; ++i) {
            FillSeat(s.pairings[static_cast<size_t>(i)], i);
        }
        s.employeeCount = kMaxEmployees;
        for (int i = 0; i < kMaxEmployees; ++i) {
            FillRow(s.employees[static_cast<size_t>(i)], i);
        }
        FillLines(s, m->context);
        BuildBlocksHooks hooks;
        RunBuildBlocksSteps(s, m->desktop, hooks);
        return m;
    }();
    return *month;
}

struct Spot {
    int row = -1;
    int seat = -1;
    int day = -1;
};

// An open seat-day that a line can take with twelve hours of rest on both
// sides, so the click asks nothing; the last lines have the most room.
Spot FindCleanSpot(const TSchedule& schedule) {
    for (int r = schedule.employeeCount - 1; r >= 0; --r) {
        const TPilot& employee = schedule.employees[static_cast<size_t>(r)];
        for (int s = 0; s <= schedule.lastPairing; ++s) {
            const TPair& seat = schedule.pairings[static_cast<size_t>(s)];
            for (int d = 0; d < kPeriodDays; ++d) {
                if (seat.operates[static_cast<size_t>(d)] != kOperatesOpen ||
                    employee.dayPairing[static_cast<size_t>(d)] != kDayFree) {
                    continue;
                }
                const RestWindow rest = CheckRestWindow(schedule, r, s, d);
                if (rest.legal && rest.restBefore.empty() && rest.restAfter.empty()) {
                    return {r, s, d};
                }
            }
        }
    }
    return {};
}

void BuildBlocks(benchmark::State& state) {
    FullMonth& month = Month();
    BuildBlocksHooks hooks;
    for (auto _ : state) {
        month.schedule->boardBuilt = 0;
        benchmark::DoNotOptimize(RunBuildBlocksSteps(*month.schedule, month.desktop, hooks));
    }
    // How full the month is: the pairing starts the lines hold and those left open.
    int assigned = 0;
    int open = 0;
    for (const TPair& seat : month.schedule->pairings) {
        for (int32_t day : seat.operates) {
            assigned += day == kOperatesAssigned || day == -kOperatesAssigned ? 1 : 0;
            open += day == kOperatesOpen || day == -kOperatesOpen ? 1 : 0;
        }
    }
    state.counters["assigned"] = assigned;
    state.counters["open"] = open;
}
BENCHMARK(BuildBlocks)->Unit(benchmark::kMillisecond);

void AssignClick(benchmark::State& state) {
    FullMonth& month = Month();
    const Spot spot = FindCleanSpot(*month.schedule);
    if (spot.row < 0) {
        state.SkipWithError("no open seat-day with twelve hours of rest");
        return;
    }
    for (auto _ : state) {
        const AssignResult result =
            AssignPairing(month.context, spot.row, spot.seat, spot.day, false);
        state.PauseTiming();
        if (result != AssignResult::Placed) {
            state.SkipWithError("the click did not place the pairing");
            break;
        }
        RemovePairing(month.context, spot.row, spot.seat, spot.day);
        state.ResumeTiming();
    }
}
BENCHMARK(AssignClick)->Unit(benchmark::kMicrosecond);

void WarningsReport(benchmark::State& state) {
    FullMonth& month = Month();
    for (auto _ : state) {
        std::vector<std::string> lines = WarningsReportLines(*month.schedule);
        benchmark::DoNotOptimize(lines);
    }
}
BENCHMARK(WarningsReport)->Unit(benchmark::kMillisecond);

}  // namespace
