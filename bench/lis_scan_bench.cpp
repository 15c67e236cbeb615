// The LIS scan: the indexed scan of a month's 3000 seats over three 6 MB
// listings, and, on a smaller month, the indexed scan against the literal
// search of the whole text for every seat.

#include <benchmark/benchmark.h>

#include <memory>
#include <string>
#include <vector>

#include "core/import/lis_scan.h"
#include "core/model/schedule.h"
#include "support/lis_literal.h"
#include "support/lis_sample.h"

namespace {

using namespace tallow;

testing::LisSample Sample(int32_t seats, int files, size_t fileBytes) {
    return testing::MakeLisSample({.seed = 7,
                                   .seats = seats,
                                   .cabin = false,
                                   .files = files,
                                   .fileBytes = fileBytes,
                                   .irregular = false});
}

void Load(TSchedule& schedule, const testing::LisSample& sample) {
    for (size_t s = 0; s < sample.seats.size(); ++s) {
        schedule.pairings[s].CopyFrom(sample.seats[s]);
    }
    schedule.lastPairing = static_cast<int32_t>(sample.seats.size()) - 1;
}

void RunIndexed(benchmark::State& state, const testing::LisSample& sample) {
    const std::string lis = sample.Text();
    auto schedule = std::make_unique<TSchedule>();
    for (auto _ : state) {
        state.PauseTiming();
        Load(*schedule, sample);
        state.ResumeTiming();
        benchmark::DoNotOptimize(ScanLisText(*schedule, lis));
    }
    state.counters["bytes"] = static_cast<double>(lis.size());
}

void LisScan(benchmark::State& state) {
    RunIndexed(state, Sample(3000, 3, 6000000));
}
BENCHMARK(LisScan)->Unit(benchmark::kMillisecond);

constexpr int32_t kSmallSeats = 300;
constexpr size_t kSmallFileBytes = 600000;

void LisScanSmall(benchmark::State& state) {
    RunIndexed(state, Sample(kSmallSeats, 1, kSmallFileBytes));
}
BENCHMARK(LisScanSmall)->Unit(benchmark::kMillisecond);

void LisScanLiteral(benchmark::State& state) {
    const testing::LisSample sample = Sample(kSmallSeats, 1, kSmallFileBytes);
    const std::string lis = sample.Text();
    std::vector<TPair> seats(sample.seats.size());
    for (auto _ : state) {
        state.PauseTiming();
        for (size_t s = 0; s < seats.size(); ++s) {
            seats[s].CopyFrom(sample.seats[s]);
        }
        state.ResumeTiming();
        benchmark::DoNotOptimize(
            testing::ScanLisLiteral(seats, static_cast<int32_t>(seats.size()), false, lis));
    }
    state.counters["bytes"] = static_cast<double>(lis.size());
}
BENCHMARK(LisScanLiteral)->Unit(benchmark::kMillisecond);

}  // namespace
