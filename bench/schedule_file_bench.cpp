// Saving and loading a full-capacity month, in memory and through files,
// against copying and writing/reading the same number of bytes.

#include <benchmark/benchmark.h>

#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/files/schedule_file.h"
#include "core/model/schedule.h"
#include "core/model/text_format.h"
#include "core/platform/desktop.h"
#include "core/platform/file_system.h"
#include "support/quiet_desktop.h"

namespace {

using namespace tallow;

void FillSeat(TPair& seat, int index) {
    seat.number = 8000 + index % 2000;
    seat.position = index % 2 == 0 ? "CA" : "FO";
    seat.reportTime = 300 + index % 900;
    seat.releaseTime = 1100 + index % 300;
    seat.lengthDays = static_cast<uint8_t>(1 + index % 4);
    seat.totalCredit = 330 * seat.lengthDays;
    seat.tafb = 1440 * seat.lengthDays - 200;
    seat.valid = 1;
    for (size_t d = 0; d < kPairDays; ++d) {
        seat.operates[d] = (d + static_cast<size_t>(index)) % 5 == 0 ? 1 : 0;
        seat.dailyStart[d] = 360 + static_cast<int32_t>(d);
        seat.dailyDuty[d] = 600;
        seat.dailyCredit[d] = 330;
        seat.dailyHard[d] = 300;
    }
    seat.route = "YEGYYZYUL";
    seat.seriesCode = "V8";
    seat.displayText = Format(
        "V%04d  On %02d:%02d Off %02d:%02d Credit 05:30\n"
        "AC8%03d YVR 0600 YEG 0835 DH4\nAC8%03d YEG 0920 YYZ 1455 DH4\n"
        "AC8%03d YYZ 1610 YUL 1725 DH4\nLayover YUL 14:20 Hotel Downtown\n",
        seat.number, seat.reportTime / 60, seat.reportTime % 60, seat.releaseTime / 60,
        seat.releaseTime % 60, index % 1000, (index + 1) % 1000, (index + 2) % 1000);
    for (int line = 0; line < 8; ++line) {
        seat.sourceText += Format(
            "%d V8%04d 2025-03-%02d YVR YEG 0600 0835 DH4 0235 0330 0000 00000 YUL "
            "N                       Y\n",
            line == 0 ? 1 : 3, seat.number, 1 + line);
    }
}

void FillRow(TPilot& row, int index, int seats) {
    row.name = Format("EMPLOYEE %04d, FIRSTNAME", index);
    row.employeeNumber = 100000 + index;
    row.phone1 = "604-555-0100";
    row.phone2 = "778-555-0199";
    row.quickNotes = "Prefers early reports; trades weekends";
    row.bidText = Format("%d,V8101,V8102,V8230,V8301,RES,X1,X2", index);
    row.qualificationCodes = "DH4 LTC CHK ";
    row.hardTimeHistory = std::string(kHardTimeHistoryLength, '0');
    for (size_t d = 0; d < kCalendarDays; ++d) {
        auto day = static_cast<int>(d);
        if ((day + index) % 7 == 6) {
            row.dayPairing[d] = kDayToolbox;
            row.dayCode[d] = "VAC";
            row.dayCrewCode[d] = "VA";
        } else {
            row.dayPairing[d] = (index * 31 + day) % seats;
        }
        row.historyCode[d] = day % 9 == 0 ? "SIM" : "";
        for (size_t j = 0; j < kHistorySlots; ++j) {
            row.history[d][j] = static_cast<int32_t>(60 * j + d);
            row.dayDetail[d][j] = static_cast<int32_t>(30 * j);
        }
    }
}

// 3000 seats, 1000 rows with every day used, 300 codes and a full history.
const TSchedule& FullMonth() {
    static std::unique_ptr<TSchedule> schedule = [] {
        auto s = std::make_unique<TSchedule>();
        QuietDesktop desktop;
        s->DeleteAll();
        s->SetPeriod(Date::FromDmy(1, 3, 2025), Date::FromDmy(31, 3, 2025), desktop);
        s->scheduleTitle = "YVRDH8CAV";
        s->lastPairing = kMaxPairings - 1;
        s->lastImportedPairing = s->lastPairing;
        for (int i = 0; i < kMaxPairings; ++i) {
            FillSeat(s->pairings[static_cast<size_t>(i)], i);
        }
        s->employeeCount = kMaxEmployees;
        for (int i = 0; i < kMaxEmployees; ++i) {
            FillRow(s->employees[static_cast<size_t>(i)], i, kMaxPairings);
        }
        s->toolboxCodeCount = kMaxToolboxCodes;
        for (int i = 0; i < kMaxToolboxCodes; ++i) {
            TAbsence& code = s->toolboxCodes[static_cast<size_t>(i)];
            code.code = Format("C%02d", i % 100);
            code.trackingCode = "RA";
            code.caption = Format("TOOLBOX CODE %d", i);
            code.endTime = 1020;
        }
        for (int i = 0; i < 201; ++i) {
            s->undoHistory.Record(i % 1000, i, i % 31, ActionKind::Assigned);
        }
        s->airportDetails = "YEG 0100 YYZ 0200 YUL 0230";
        return s;
    }();
    return *schedule;
}

const std::string& FullMonthBytes() {
    static const std::string bytes = *ScheduleBytes(FullMonth(), FileKind::Working, {});
    return bytes;
}

// A folder for the file cases, removed when the run ends.
class ScratchFolder {
  public:
    ScratchFolder() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "tallow_bench_XXXXXX").string();
        if (::mkdtemp(pattern.data()) != nullptr) {
            path_ = pattern;
        }
    }
    ~ScratchFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;
    std::string Path(const char* name) const { return path_ + "/" + name; }

  private:
    std::string path_;
};

std::string ScratchPath(const char* name) {
    static const ScratchFolder folder;
    return folder.Path(name);
}

void Bytes(benchmark::State& state) {
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(FullMonthBytes().size()));
}

// A schedule that can be changed: the full month, loaded once.
TSchedule& WorkingCopy() {
    static std::unique_ptr<TSchedule> copy = [] {
        auto s = std::make_unique<TSchedule>();
        s->DeleteAll();
        QuietDesktop desktop;
        LoadScheduleBytes(*s, FullMonthBytes(), "full.jx2", desktop);
        return s;
    }();
    return *copy;
}

void SaveScheduleToMemory(benchmark::State& state) {
    const TSchedule& schedule = FullMonth();
    for (auto _ : state) {
        std::optional<std::string> bytes = ScheduleBytes(schedule, FileKind::Working, {});
        benchmark::DoNotOptimize(bytes);
    }
    Bytes(state);
}
BENCHMARK(SaveScheduleToMemory)->Unit(benchmark::kMillisecond);

void SaveScheduleToFile(benchmark::State& state) {
    TSchedule& schedule = WorkingCopy();
    QuietDesktop desktop;
    const std::string path = ScratchPath("save.jx2");
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            SaveSchedule(schedule, path, FileKind::Working, LocalFiles(), desktop));
    }
    Bytes(state);
}
BENCHMARK(SaveScheduleToFile)->Unit(benchmark::kMillisecond);

// Each load starts from a reset schedule, as File Open does; the reset is not timed.
void LoadScheduleFromMemory(benchmark::State& state) {
    TSchedule& schedule = WorkingCopy();
    QuietDesktop desktop;
    for (auto _ : state) {
        state.PauseTiming();
        schedule.DeleteAll();
        state.ResumeTiming();
        benchmark::DoNotOptimize(
            LoadScheduleBytes(schedule, FullMonthBytes(), "full.jx2", desktop));
    }
    Bytes(state);
}
BENCHMARK(LoadScheduleFromMemory)->Unit(benchmark::kMillisecond);

void LoadScheduleFromFile(benchmark::State& state) {
    TSchedule& schedule = WorkingCopy();
    QuietDesktop desktop;
    const std::string path = ScratchPath("load.jx2");
    LocalFiles().WriteFileAtomically(path, FullMonthBytes());
    for (auto _ : state) {
        state.PauseTiming();
        schedule.DeleteAll();
        state.ResumeTiming();
        benchmark::DoNotOptimize(LoadSchedule(schedule, path, LocalFiles(), desktop));
    }
    Bytes(state);
}
BENCHMARK(LoadScheduleFromFile)->Unit(benchmark::kMillisecond);

void RawWriteMemory(benchmark::State& state) {
    const std::string& bytes = FullMonthBytes();
    for (auto _ : state) {
        std::string copy(bytes.size(), '\0');
        std::memcpy(copy.data(), bytes.data(), bytes.size());
        benchmark::DoNotOptimize(copy);
    }
    Bytes(state);
}
BENCHMARK(RawWriteMemory)->Unit(benchmark::kMillisecond);

void RawWriteFile(benchmark::State& state) {
    const std::string& bytes = FullMonthBytes();
    const std::string path = ScratchPath("raw.jx2");
    for (auto _ : state) {
        benchmark::DoNotOptimize(LocalFiles().WriteFileAtomically(path, bytes));
    }
    Bytes(state);
}
BENCHMARK(RawWriteFile)->Unit(benchmark::kMillisecond);

void RawReadMemory(benchmark::State& state) {
    const std::string& bytes = FullMonthBytes();
    for (auto _ : state) {
        std::string copy(bytes);
        benchmark::DoNotOptimize(copy);
    }
    Bytes(state);
}
BENCHMARK(RawReadMemory)->Unit(benchmark::kMillisecond);

void RawReadFile(benchmark::State& state) {
    const std::string path = ScratchPath("rawread.jx2");
    LocalFiles().WriteFileAtomically(path, FullMonthBytes());
    for (auto _ : state) {
        std::string bytes;
        benchmark::DoNotOptimize(LocalFiles().ReadFile(path, bytes));
        benchmark::DoNotOptimize(bytes);
    }
    Bytes(state);
}
BENCHMARK(RawReadFile)->Unit(benchmark::kMillisecond);

}  // namespace
