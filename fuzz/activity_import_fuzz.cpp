// Feeds arbitrary bytes to the last-month's-data reader: the text before the
// first record separator (0x1e) is the crew activity extract, the text after
// it the prior-period pairing extract (without a separator, the same text is
// both). Checks that the results stay in their ranges, that placeholder rows
// are never written, that a second read gives the same result, and that the
// errors show in the summary list.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "core/import/activity_import.h"
#include "core/import/prior_pairing_extract.h"
#include "core/import/summary_list.h"
#include "core/model/airport_details.h"
#include "core/model/schedule.h"
#include "fuzz_check.h"
#include "support/quiet_desktop.h"

namespace {

using namespace tallow;

constexpr int kRows = 6;
constexpr size_t kPlaceholderRow = 4;

TAbsence Code(const char* code, const char* tracking, int32_t credit, uint8_t containsDuty) {
    TAbsence entry;
    entry.code = code;
    entry.trackingCode = tracking;
    entry.credit = credit;
    entry.containsDuty = containsDuty;
    entry.countsCredit = 1;
    return entry;
}

std::unique_ptr<TSchedule> MakeSchedule(QuietDesktop& desktop) {
    auto schedule = std::make_unique<TSchedule>();
    schedule->scheduleTitle = "YVRDH8CAV";
    schedule->SetPeriod(Date::FromDmy(1, 11, 2026), Date::FromDmy(30, 11, 2026), desktop);
    // Numbers a damaged line reads easily: 0 from a field without digits.
    const int32_t numbers[kRows] = {0, 1, 2, 100, kPlaceholderEmployee, 1};
    for (size_t row = 0; row < kRows; ++row) {
        schedule->employees[row].name = "A CREW";
        schedule->employees[row].employeeNumber = numbers[row];
    }
    schedule->employeeCount = kRows;
    schedule->toolboxCodes[0] = Code("VAC", "VC", 240, 0);
    schedule->toolboxCodes[1] = Code("RES", "RA", 300, 1);
    schedule->toolboxCodes[2] = Code("TRN", "TR", 360, 1);
    schedule->toolboxCodeCount = 3;
    schedule->airportDetails = AirportEntry("YVR", "08:00", "00:45", "Y") +
                               AirportEntry("YYZ", "05:00", "00:30", "Y") +
                               AirportEntry("YQR", "06:00", "00:30", "N");
    return schedule;
}

struct Snapshot {
    std::vector<PerDay<DayValues>> history;
    std::vector<PerDay<std::string>> codes;
    std::vector<int32_t> carried;
    std::string errors;

    bool operator==(const Snapshot&) const = default;
};

Snapshot Take(const TSchedule& schedule, const ActivityReadResult& result) {
    Snapshot snapshot;
    for (size_t row = 0; row < kRows; ++row) {
        const TPilot& employee = schedule.employees[row];
        snapshot.history.push_back(employee.history);
        snapshot.codes.push_back(employee.historyCode);
        snapshot.carried.push_back(employee.carryInCredit);
        snapshot.carried.push_back(employee.legalCheckIn);
    }
    snapshot.errors = result.errors;
    return snapshot;
}

void CheckRanges(const TSchedule& schedule) {
    for (size_t row = 0; row < kRows; ++row) {
        const TPilot& employee = schedule.employees[row];
        Check(employee.legalCheckIn >= 0);
        for (const DayValues& values : employee.history) {
            Check(values[kHistoryWorked] >= 0 && values[kHistoryWorked] <= 2);
            Check(row != kPlaceholderRow || values == DayValues{});
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static QuietDesktop desktop;
    static const std::unique_ptr<TSchedule> schedule = MakeSchedule(desktop);
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const size_t separator = input.find('\x1e');
    const std::string_view activity = input.substr(0, separator);
    const std::string_view pairingText =
        separator == std::string_view::npos ? input : input.substr(separator + 1);
    schedule->crewGroup = size % 2 == 0 ? CrewGroup::Captains : CrewGroup::FlightAttendants;
    LooksLikeActivityExtract(activity);
    LooksLikePriorPairingExtract(pairingText);

    const PriorPairingExtract pairings(pairingText);
    const ActivityReadResult first = ReadActivityExtract(*schedule, activity, pairings, nullptr);
    CheckRanges(*schedule);
    const Snapshot before = Take(*schedule, first);
    const ActivityReadResult second = ReadActivityExtract(*schedule, activity, pairings, nullptr);
    Check(Take(*schedule, second) == before);

    size_t dots = 0;
    for (char c : first.errors) {
        dots += c == '.' ? 1 : 0;
    }
    const size_t listed = desktop.listedLines;
    ShowSummaryList(desktop, "Errors from Overlap Info Extract Load", first.errors);
    Check(desktop.listedLines - listed == dots);
    return 0;
}
