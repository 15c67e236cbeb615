// The month's pairing import of a PRG file that fills the 3000 seats,
// against only reading the same file's lines.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <fstream>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/app/settings.h"
#include "core/import/extract_line_reader.h"
#include "core/import/pairing_import.h"
#include "core/import/prg_records.h"
#include "core/model/schedule.h"
#include "core/model/text_format.h"
#include "core/platform/desktop.h"
#include "core/platform/file_system.h"
#include "support/quiet_desktop.h"

namespace {

using namespace tallow;

// A PRG record of blanks with fields written into it.
class Record {
  public:
    Record(char type, std::string_view designator, size_t width) : line_(width, ' ') {
        line_[0] = type;
        Put(1, designator);
    }
    Record& Put(size_t column, std::string_view text) {
        line_.replace(column, text.size(), text);
        return *this;
    }
    Record& Put(size_t column, int value, int width) {
        return Put(column, Format("%0*d", width, value));
    }
    const std::string& Line() const { return line_; }

  private:
    std::string line_;
};

constexpr int kCabinPairings = 750;  // four seats each: one purser, three attendants
constexpr int kOtherBasePairings = 150;
constexpr int kOperations = 8;
constexpr int kTripDays = 3;
const char* const kStations[] = {"YYC", "YEG", "SEA", "YXE", "LAX", "YOW"};

void AppendOperation(std::string& text, const std::string& designator, int k, int day) {
    const std::string date = Format("202401%02d", day);
    text += Record('1', designator, 303)
                .Put(15, "20240101")
                .Put(23, "20240130")
                .Put(31, "YYYYYNN")
                .Put(70, date)
                .Put(78, 360 + 10 * (k % 30), 4)
                .Put(107, 3600, 5)
                .Put(112, "N")
                .Put(113, "PU01 FA03")
                .Put(145, 660, 4)
                .Put(150, 200, 4)
                .Put(154, 200, 4)
                .Put(158, 200, 4)
                .Put(299, 1080, 4)
                .Line();
    text += '\n';
    for (int d = 0; d < kTripDays; ++d) {
        const std::string legDate = Format("202401%02d", day + d);
        const char* away = kStations[(k + d) % 6];
        const char* from = d == 0 ? "YVR" : kStations[(k + d - 1) % 6];
        const char* to = d + 1 == kTripDays ? "YVR" : away;
        for (int leg = 0; leg < 2; ++leg) {
            text += Record('2', designator, 80)
                        .Put(7, date)
                        .Put(15, 100 + k % 900, 4)
                        .Put(28, leg == 0 ? from : away)
                        .Put(31, legDate)
                        .Put(39, 420 + leg * 180, 4)
                        .Put(43, leg == 0 ? away : to)
                        .Put(54, 520 + leg * 180, 4)
                        .Put(64, 100, 4)
                        .Line();
            text += '\n';
        }
        const bool last = d + 1 == kTripDays;
        text += Record('3', designator, 134)
                    .Put(22, legDate)
                    .Put(30, 360, 4)
                    .Put(42, 720, 4)
                    .Put(47, 360, 4)
                    .Put(51, last ? 0 : 720, 5)
                    .Put(56, to)
                    .Put(59, last ? "" : "HOTEL DOWNTOWN")
                    .Put(114, 200, 4)
                    .Put(122, 0, 4)
                    .Put(126, 360, 4)
                    .Put(130, 0, 4)
                    .Line();
        text += '\n';
    }
}

const std::string& FullMonthPrg() {
    static const std::string text = [] {
        std::string built;
        for (int k = 0; k < kCabinPairings + kOtherBasePairings; ++k) {
            const char base = k % 6 == 5 && k / 6 < kOtherBasePairings ? 'C' : 'V';
            const std::string designator = Format("%c8%03d", base, k % 1000);
            for (int op = 0; op < kOperations; ++op) {
                AppendOperation(built, designator, k, 1 + k % 3 + 3 * op);
            }
        }
        return built;
    }();
    return text;
}

std::unique_ptr<TSchedule> CabinSchedule() {
    auto schedule = std::make_unique<TSchedule>();
    QuietDesktop desktop;
    const Period period = ScheduleCalendar::DefaultPeriod(1, 2024);
    schedule->SetPeriod(period.start, period.end, desktop);
    schedule->crewGroup = CrewGroup::FlightAttendants;
    schedule->scheduleTitle = "YVRDH8FAV";
    return schedule;
}

void PrgImport(benchmark::State& state) {
    const std::string& text = FullMonthPrg();
    auto schedule = CabinSchedule();
    QuietDesktop desktop;
    for (auto _ : state) {
        PairingImportResult result = ImportPairingText(*schedule, text, "", true, desktop);
        benchmark::DoNotOptimize(result);
    }
    if (schedule->SeatCount() != kMaxPairings) {
        state.SkipWithError("the file did not fill the seats");
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) *
                            static_cast<int64_t>(text.size()));
}
BENCHMARK(PrgImport)->Unit(benchmark::kMillisecond);

void PrgReadLines(benchmark::State& state) {
    const std::string& text = FullMonthPrg();
    for (auto _ : state) {
        ExtractLineReader lines(text, kPrgLineLength);
        std::string_view line;
        size_t bytes = 0;
        while (lines.Next(line) == LineStatus::Line) {
            bytes += line.size();
        }
        benchmark::DoNotOptimize(bytes);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) *
                            static_cast<int64_t>(text.size()));
}
BENCHMARK(PrgReadLines)->Unit(benchmark::kMillisecond);

// The same two cases from a file on disk, as a scheduler runs them: the
// import opens and reads the file itself, the floor reads it line by line.
const std::string& FullMonthPrgFile() {
    static const std::string path = [] {
        std::string name = "/tmp/tallow_bench_month.PRG";
        std::ofstream(name, std::ios::binary) << FullMonthPrg();
        return name;
    }();
    return path;
}

void PrgImportFromFile(benchmark::State& state) {
    const std::string& path = FullMonthPrgFile();
    auto schedule = CabinSchedule();
    QuietDesktop desktop;
    Settings settings("/tmp/tallow_bench_tallow.ini", LocalFiles(), "/tmp/");
    for (auto _ : state) {
        PairingImportResult result =
            LoadPairingFile(*schedule, path, "", true, desktop, LocalFiles(), settings);
        benchmark::DoNotOptimize(result);
    }
    if (schedule->SeatCount() != kMaxPairings) {
        state.SkipWithError("the file did not fill the seats");
    }
}
BENCHMARK(PrgImportFromFile)->Unit(benchmark::kMillisecond);

void PrgReadLinesFromFile(benchmark::State& state) {
    const std::string& path = FullMonthPrgFile();
    for (auto _ : state) {
        std::ifstream in(path, std::ios::binary);
        std::string line;
        size_t bytes = 0;
        while (std::getline(in, line)) {
            bytes += line.size();
        }
        benchmark::DoNotOptimize(bytes);
    }
}
BENCHMARK(PrgReadLinesFromFile)->Unit(benchmark::kMillisecond);

}  // namespace
