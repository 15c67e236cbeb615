// Feeds arbitrary bytes to the pairing import, for a captains' schedule with
// employees holding seats and for a flight attendants' schedule, and checks
// the table and the assignments it leaves.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string_view>

#include "core/import/pairing_import.h"
#include "core/model/schedule.h"
#include "fuzz_check.h"
#include "support/quiet_desktop.h"

namespace {

using namespace tallow;

std::unique_ptr<TSchedule> MakeSchedule(CrewGroup group, const char* title) {
    auto schedule = std::make_unique<TSchedule>();
    QuietDesktop desktop;
    schedule->SetPeriod(Date::FromDmy(2, 3, 2024), Date::FromDmy(31, 3, 2024), desktop);
    schedule->crewGroup = group;
    schedule->scheduleTitle = title;
    schedule->employeeCount = 3;
    return schedule;
}

void Exercise(TSchedule& schedule, std::string_view code, bool skipEquipment,
              std::string_view text) {
    // Seats of the old table held on a few days, one of them past the table.
    for (int row = 0; row < 3; ++row) {
        TPilot& employee = schedule.employees[static_cast<size_t>(row)];
        employee.dayPairing.fill(kDayFree);
        for (int d = row; d < kMaxPeriodDays; d += 3) {
            employee.dayPairing[static_cast<size_t>(d)] = d * 97 % 3001;
        }
    }
    QuietDesktop desktop;
    const PairingImportResult result =
        ImportPairingText(schedule, text, code, skipEquipment, desktop);
    // Text that is not a PRG file changes nothing, the old assignments included.
    if (!text.starts_with('1')) {
        Check(!result.loaded);
        return;
    }

    const int32_t seats = schedule.SeatCount();
    Check(seats >= 0 && seats <= kMaxPairings);
    Check(schedule.lastImportedPairing == schedule.lastPairing);
    Check(!result.loaded || !result.caption.empty());
    Check(result.pairingReport.empty() == (seats == 0));
    for (int32_t s = 0; s < seats; ++s) {
        const TPair& seat = schedule.pairings[static_cast<size_t>(s)];
        Check(seat.position == "CA" || seat.position == "FO" || seat.position == "PU" ||
              seat.position == "FA");
        Check(seat.releaseTime >= 0 && seat.releaseTime <= 1440);
        Check(seat.sourceText.starts_with('1'));
    }
    for (int row = 0; row < 3; ++row) {
        const TPilot& employee = schedule.employees[static_cast<size_t>(row)];
        for (int d = 0; d < schedule.dayCount; ++d) {
            const int32_t held = employee.dayPairing[static_cast<size_t>(d)];
            Check(held == kDayFree || (held >= 0 && held < seats));
            if (held >= 0) {
                const int32_t state =
                    schedule.pairings[static_cast<size_t>(held)].operates[static_cast<size_t>(d)];
                Check(state == kOperatesAssigned || state == -kOperatesAssigned);
            }
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const std::unique_ptr<TSchedule> captains =
        MakeSchedule(CrewGroup::Captains, "YVRDH8CAV");
    static const std::unique_ptr<TSchedule> cabin =
        MakeSchedule(CrewGroup::FlightAttendants, "YVRDH8FAV");
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    Exercise(*captains, "", false, text);
    Exercise(*cabin, "", true, text);
    return 0;
}
