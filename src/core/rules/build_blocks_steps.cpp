#include "core/rules/build_blocks_steps.h"

#include "core/rules/assignment_context.h"
#include "core/rules/block_credit.h"
#include "core/rules/block_holder_line.h"
#include "core/rules/block_rules.h"
#include "core/rules/day_balance.h"
#include "core/rules/repair_assignments.h"

namespace tallow {
namespace {

int ValidateSeats(TSchedule& schedule) {
    int firstInvalid = -1;
    for (int s = 0; s <= schedule.lastPairing && s < kPairingSlots; ++s) {
        TPair& seat = schedule.pairings[static_cast<size_t>(s)];
        seat.Validate(schedule.dayCount, schedule.airportDetails);
        if (seat.valid == 0 && firstInvalid < 0) {
            firstInvalid = s;
        }
    }
    return firstInvalid;
}

}  // namespace

BuildBlocksOutcome RunBuildBlocksSteps(TSchedule& schedule, Desktop& desktop,
                                       BuildBlocksHooks& hooks) {
    BuildBlocksOutcome outcome;
    RepairAssignments(schedule, desktop);
    outcome.firstInvalidSeat = ValidateSeats(schedule);
    if (!hooks.SeatsValidated(outcome.firstInvalidSeat)) {
        return outcome;
    }

    const int rows = schedule.RowsInUse();
    for (int r = 0; r < rows; ++r) {
        BlockCredit(schedule, desktop, r, false);
    }
    hooks.CreditsComputed();
    schedule.boardBuilt = 1;
    UpdateBlockHolderLine(schedule);

    outcome.clockChangeFound = schedule.FindClockChange();
    if (!outcome.clockChangeFound) {
        hooks.ClockChangeMissing();
    }
    schedule.ExtendCalendar();

    for (int r = 0; r < rows; ++r) {
        TPilot& employee = schedule.employees[static_cast<size_t>(r)];
        employee.ParseHardTimeHistory();
        CheckEmployee(schedule, r, false);
        employee.UpdateAbsentWholePeriod(schedule.dayCount);
    }
    if (schedule.crewGroup == CrewGroup::Captains) {
        CheckTwoCaptainPairings(schedule);
    }
    UpdateDayBalance(schedule);
    outcome.built = true;
    return outcome;
}

}  // namespace tallow
