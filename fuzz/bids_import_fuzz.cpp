// Feeds arbitrary bytes to the pilot bids reader as a bid file, shows the
// warnings in the summary list, and checks that only the request codes of
// bids were written, that days holding assignments kept them, and that a
// second read of the same text gives the same bids.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "core/import/bids_import.h"
#include "core/import/summary_list.h"
#include "core/model/schedule.h"
#include "fuzz_check.h"
#include "support/quiet_desktop.h"

namespace {

using namespace tallow;

constexpr int kRows = 5;
constexpr size_t kPairingRow = 0;
constexpr size_t kPairingDays[] = {2, 35};
constexpr int32_t kSeat = 7;

std::unique_ptr<TSchedule> MakeSchedule() {
    auto schedule = std::make_unique<TSchedule>();
    QuietDesktop desktop;
    schedule->SetPeriod(Date::FromDmy(16, 1, 2025), Date::FromDmy(14, 2, 2025), desktop);
    // Numbers short fuzz inputs reach: six digits, more, zero and a placeholder.
    const int32_t numbers[kRows] = {1, 1234567, 0, kPlaceholderEmployee, 123456};
    for (size_t row = 0; row < kRows; ++row) {
        schedule->employees[row].name = "A PILOT";
        schedule->employees[row].employeeNumber = numbers[row];
    }
    schedule->employeeCount = kRows;
    return schedule;
}

void Reset(TSchedule& schedule) {
    for (size_t row = 0; row < kRows; ++row) {
        TPilot& employee = schedule.employees[row];
        employee.dayPairing.fill(kDayFree);
        employee.dayOffRequest.fill(0);
        employee.bidText.clear();
        employee.reserveBidder = 0;
    }
    for (size_t day : kPairingDays) {
        schedule.employees[kPairingRow].dayPairing[day] = kSeat;
    }
}

void CheckRows(const TSchedule& schedule) {
    for (size_t row = 0; row < kRows; ++row) {
        const TPilot& employee = schedule.employees[row];
        for (uint8_t request : employee.dayOffRequest) {
            Check(request == 0 || request == kRequestGuaranteedDayOff ||
                  request == kRequestPreferredDayOff);
            Check(request == 0 || !employee.bidText.empty());
        }
        for (size_t day = 0; day < kCalendarDays; ++day) {
            const bool pairing =
                row == kPairingRow && (day == kPairingDays[0] || day == kPairingDays[1]);
            Check(employee.dayPairing[day] == (pairing ? kSeat : kDayFree));
        }
        Check(employee.reserveBidder == 0 || !employee.bidText.empty());
    }
    Check(schedule.employees[kRows].bidText.empty());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const std::unique_ptr<TSchedule> schedule = MakeSchedule();
    static QuietDesktop desktop;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    Reset(*schedule);
    const BidsReadResult first = ReadPilotBids(*schedule, text);
    CheckRows(*schedule);
    std::vector<std::string> texts;
    for (size_t row = 0; row < kRows; ++row) {
        texts.push_back(schedule->employees[row].bidText);
    }
    const BidsReadResult second = ReadPilotBids(*schedule, text);
    Check(second.warnings == first.warnings && second.bidsLoaded == first.bidsLoaded);
    for (size_t row = 0; row < kRows; ++row) {
        Check(schedule->employees[row].bidText == texts[row]);
    }
    size_t dots = 0;
    for (char c : first.warnings) {
        dots += c == '.' ? 1 : 0;
    }
    const size_t listed = desktop.listedLines;
    ShowSummaryList(desktop, "Missing Bids / Warnings.  List Copied to Windows Clipboard",
                    first.warnings);
    Check(desktop.listedLines - listed == dots);
    return 0;
}
