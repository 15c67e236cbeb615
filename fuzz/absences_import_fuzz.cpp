// Feeds arbitrary bytes to the crew absences reader as this month's and as
// next month's absences, shows the warnings in the summary list, and checks
// that pairings and placeholder rows were left alone.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string_view>

#include "core/import/absences_import.h"
#include "core/import/summary_list.h"
#include "core/model/schedule.h"
#include "fuzz_check.h"
#include "support/quiet_desktop.h"

namespace {

using namespace tallow;

constexpr int kRows = 6;
constexpr size_t kPairingRow = 1;
constexpr size_t kPlaceholderRow = 4;
constexpr size_t kPairingDays[] = {3, 40};
constexpr int32_t kSeat = 7;

TAbsence Code(const char* code, const char* tracking, int32_t credit, uint8_t countsCredit) {
    TAbsence entry;
    entry.code = code;
    entry.trackingCode = tracking;
    entry.credit = credit;
    entry.countsCredit = countsCredit;
    return entry;
}

std::unique_ptr<TSchedule> MakeSchedule() {
    auto schedule = std::make_unique<TSchedule>();
    schedule->scheduleTitle = "YVRDH8CAV";
    schedule->dayCount = 30;
    // Numbers a damaged line reads easily: 0 from a field without digits.
    const int32_t numbers[kRows] = {0, 1, 2, 99999, kPlaceholderEmployee, 1};
    for (size_t row = 0; row < kRows; ++row) {
        schedule->employees[row].name = "A CREW";
        schedule->employees[row].employeeNumber = numbers[row];
    }
    schedule->employeeCount = kRows;
    schedule->toolboxCodes[0] = Code("VAC", "VC", 240, 1);
    schedule->toolboxCodes[1] = Code("RES", "RA", 300, 1);
    schedule->toolboxCodes[2] = Code("LOA", "LA", 0, 0);
    schedule->toolboxCodeCount = 3;
    return schedule;
}

void ResetDays(TSchedule& schedule) {
    for (size_t row = 0; row < kRows; ++row) {
        TPilot& employee = schedule.employees[row];
        employee.dayPairing.fill(kDayFree);
        employee.dayCode = {};
        employee.dayCrewCode = {};
    }
    for (size_t day : kPairingDays) {
        schedule.employees[kPairingRow].dayPairing[day] = kSeat;
    }
}

void CheckDays(const TSchedule& schedule) {
    for (size_t row = 0; row < kRows; ++row) {
        const TPilot& employee = schedule.employees[row];
        for (size_t day = 0; day < kCalendarDays; ++day) {
            const int32_t value = employee.dayPairing[day];
            Check(value == kDayFree || value == kDayToolbox || value == kSeat);
            Check(value != kDayToolbox || employee.dayCrewCode[day].size() == 2);
            Check(row != kPlaceholderRow || value == kDayFree);
        }
    }
    for (size_t day : kPairingDays) {
        Check(schedule.employees[kPairingRow].dayPairing[day] == kSeat);
    }
}

void Exercise(TSchedule& schedule, std::string_view text, bool nextMonth) {
    static QuietDesktop desktop;
    ResetDays(schedule);
    const AbsencesReadResult result = ReadAbsencesExtract(schedule, text, nextMonth);
    Check(result.complete != (result.failedLine != 0));
    CheckDays(schedule);
    size_t dots = 0;
    for (char c : result.warnings) {
        dots += c == '.' ? 1 : 0;
    }
    const size_t listed = desktop.listedLines;
    ShowSummaryList(desktop, "Warnings from Absences Extract Load", result.warnings);
    Check(desktop.listedLines - listed == dots);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const std::unique_ptr<TSchedule> schedule = MakeSchedule();
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    LooksLikeAbsencesExtract(text);
    Exercise(*schedule, text, false);
    Exercise(*schedule, text, true);
    return 0;
}
