// Loads arbitrary bytes as a schedule file, as File Open does after resetting
// the schedule. Whatever was loaded must save, and that file must load again
// without a message and save to the same bytes.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/files/schedule_file.h"
#include "core/model/schedule.h"
#include "support/quiet_desktop.h"

namespace {

using namespace tallow;

constexpr int32_t kRoundTripRows = 16;
constexpr int32_t kRoundTripSeats = 32;

std::string SaveAgain(const TSchedule& schedule, const LoadResult& loaded) {
    std::optional<std::string> bytes = ScheduleBytes(schedule, schedule.fileKind, loaded.windows);
    if (!bytes) {
        std::abort();
    }
    return *bytes;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static auto first = std::make_unique<TSchedule>();
    // Every stored field of the second schedule is overwritten by a whole
    // current-version file, so it needs no reset.
    static auto second = std::make_unique<TSchedule>();
    static size_t rowsReached = 0;
    QuietDesktop desktop;

    // DeleteAll clears all 1000 rows, most of them clear already; only the
    // rows the last input reached are cleared here, which keeps the reset
    // exact and the fuzzer fast.
    static std::vector<TPilot> rows;
    rows.swap(first->employees);
    first->DeleteAll();
    first->employees.swap(rows);
    for (size_t i = 0; i < rowsReached; ++i) {
        first->employees[i].Clear();
    }
    std::string_view input(reinterpret_cast<const char*>(data), size);
    LoadResult loaded = LoadScheduleBytes(*first, input, "fuzz.jx2", desktop);
    rowsReached = static_cast<size_t>(first->employeeCount);
    // A round trip of a full-size schedule is too slow to run for every input;
    // small ones reach the same code.
    if (!loaded.loaded || first->employeeCount > kRoundTripRows ||
        first->lastPairing >= kRoundTripSeats) {
        return 0;
    }
    std::string saved = SaveAgain(*first, loaded);

    desktop.messages = 0;
    LoadResult reloaded = LoadScheduleBytes(*second, saved, "fuzz.jx2", desktop);
    if (!reloaded.loaded || desktop.messages != 0 || SaveAgain(*second, reloaded) != saved) {
        std::abort();
    }
    return 0;
}
