#include "core/rules/repair_assignments.h"

#include <string>

#include "core/model/text_format.h"
#include "core/platform/desktop.h"
#include "core/rules/assignment_context.h"

namespace tallow {
namespace {

void OpenEverySeat(TSchedule& schedule) {
    const int days = PeriodDayCount(schedule);
    for (int s = 0; s <= schedule.lastPairing && s < kPairingSlots; ++s) {
        PairDays& operates = schedule.pairings[static_cast<size_t>(s)].operates;
        for (int d = 0; d < days; ++d) {
            int32_t& state = operates[static_cast<size_t>(d)];
            if (state == kOperatesAssigned) {
                state = kOperatesOpen;
            } else if (state == -kOperatesAssigned) {
                state = -kOperatesOpen;
            }
        }
    }
}

}  // namespace

bool RepairAssignments(TSchedule& schedule, Desktop& desktop) {
    OpenEverySeat(schedule);
    const int days = PeriodDayCount(schedule);
    std::string errors;
    for (int r = 0; r < schedule.RowsInUse(); ++r) {
        TPilot& employee = schedule.employees[static_cast<size_t>(r)];
        for (int d = 0; d < days; ++d) {
            const auto entry = static_cast<size_t>(d);
            int32_t& held = employee.dayPairing[entry];
            if (held == kDayFree || held == kDayToolbox) {
                continue;
            }
            if (!IsSeat(schedule, held)) {
                held = kDayFree;
                errors += Format("Error 100 Emp %s ", employee.name.c_str());
                continue;
            }
            int32_t& state = schedule.pairings[static_cast<size_t>(held)].operates[entry];
            if (state == kOperatesOpen || state == -kOperatesOpen) {
                state *= kOperatesAssigned;
            } else {
                held = kDayFree;
                errors += Format("Error 101 Emp %s Day %d", employee.name.c_str(),
                                 schedule.days[entry].day);
            }
        }
    }
    if (errors.empty()) {
        return false;
    }
    errors += " Errors Corrected OK to proceed";
    ShowInfo(desktop, errors, "Tallowbright", MessageIcon::Information);
    return true;
}

}  // namespace tallow
