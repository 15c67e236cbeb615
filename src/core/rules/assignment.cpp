#include "core/rules/assignment.h"

#include <string>

#include "core/model/text_format.h"
#include "core/pairings/pairing_selection.h"
#include "core/platform/desktop.h"
#include "core/rules/assignment_rest.h"
#include "core/rules/block_credit.h"
#include "core/rules/block_holder_line.h"
#include "core/rules/block_rules.h"
#include "core/rules/day_balance.h"
#include "core/rules/french_crew_check.h"

namespace tallow {
namespace {

constexpr char kCaption[] = "Tallowbright";

bool IsCabin(const TSchedule& schedule) {
    return schedule.crewGroup == CrewGroup::FlightAttendants;
}

int DayOfMonth(const TSchedule& schedule, int day) {
    return schedule.days[static_cast<size_t>(day)].day;
}

// The French crew question; true when the placement may go on.
bool AcceptFrenchCrew(EditContext& context, int row, int pairing, int day) {
    TSchedule& schedule = context.schedule;
    const FrenchCheck check = FrenchCrewCheck(schedule, row, pairing, day);
    if (check.passes) {
        return true;
    }
    const std::string& name = schedule.employees[static_cast<size_t>(row)].name;
    std::string question;
    if (check.namedRow == row) {
        question = Format(
            "Employee %s is not French Qualified and is the Junior Cabin Member. One Cabin Member "
            "must be French for this pairing. Do you want to assign it anyway",
            name.c_str());
    } else {
        const std::string senior =
            IsEmployeeRow(schedule, check.namedRow)
                ? schedule.employees[static_cast<size_t>(check.namedRow)].name
                : std::string();
        question = Format(
            "Employee %s is not French Qualified and is Senior to %s. One Cabin Member must be "
            "French for this pairing. Do you want to assign it anyway",
            name.c_str(), senior.c_str());
    }
    return AskYesNo(context.desktop, question, kCaption);
}

// The rest, French crew and short-rest checks of a placement.
bool PassesChecks(EditContext& context, int row, int pairing, int day) {
    TSchedule& schedule = context.schedule;
    const RestWindow rest = CheckRestWindow(schedule, row, pairing, day);
    if (!rest.legal) {
        return false;
    }
    if (IsCabin(schedule) && !AcceptFrenchCrew(context, row, pairing, day)) {
        return false;
    }
    const std::string shortRest = rest.restBefore + rest.restAfter;
    if (schedule.employees[static_cast<size_t>(row)].employeeNumber > 0 && !shortRest.empty()) {
        return AskYesNo(context.desktop,
                        Format("This Assignment Provides Only %s.  Do You want to Assign It Anyway",
                               shortRest.c_str()),
                        kCaption);
    }
    return true;
}

void RepaintSeatCells(TSchedule& schedule, int row, int pairing, int day) {
    const TPair& seat = schedule.pairings[static_cast<size_t>(pairing)];
    schedule.Observer().RepaintCells(row, day, seat.lengthDays + 1);
}

// What follows every placement and removal once the line and the seat agree.
void UpdateFigures(EditContext& context, int row) {
    TSchedule& schedule = context.schedule;
    schedule.Observer().PairingsChanged();
    BlockCredit(schedule, context.desktop, row, false);
    UpdateBlockHolderLine(schedule);
    UpdateDayBalance(schedule);
    schedule.modified = 1;
    schedule.Observer().OpenCreditChanged();
}

}  // namespace

AssignResult AssignPairing(EditContext& context, int row, int pairing, int day, bool skipChecks) {
    TSchedule& schedule = context.schedule;
    if (!IsEmployeeRow(schedule, row)) {
        return AssignResult::NotEmployeeRow;
    }
    if (!IsPeriodDay(schedule, day)) {
        return AssignResult::NotStarting;
    }
    const auto entry = static_cast<size_t>(day);
    TPilot& employee = schedule.employees[static_cast<size_t>(row)];
    if (employee.dayPairing[entry] != kDayFree) {
        return AssignResult::Refused;
    }
    if (!IsSeat(schedule, pairing)) {
        return AssignResult::NotPairing;
    }
    TPair& seat = schedule.pairings[static_cast<size_t>(pairing)];
    const int32_t state = seat.operates[entry];
    if (state == kOperatesNot) {
        return AssignResult::NotStarting;
    }
    if (state == kOperatesAssigned || state == -kOperatesAssigned) {
        return AssignResult::AlreadyAssigned;
    }

    if (employee.reserveBidder != 0 &&
        !AskYesNo(context.desktop,
                  "Employee Bidding Reserve. Do you want to assign this pairing anyways", "",
                  MessageIcon::None)) {
        return AssignResult::ReserveDeclined;
    }
    if (schedule.logFile.IsOpen()) {
        schedule.logFile.Write(Format("AssignPair %d to %s on %d\n", seat.number,
                                      employee.name.c_str(), DayOfMonth(schedule, day)));
    }
    if (!skipChecks && !PassesChecks(context, row, pairing, day)) {
        return AssignResult::Refused;
    }

    employee.dayPairing[entry] = pairing;
    seat.operates[entry] = seat.operates[entry] <= 0 ? -kOperatesAssigned : kOperatesAssigned;
    schedule.undoHistory.Record(row, pairing, day, ActionKind::Assigned);
    RepaintSeatCells(schedule, row, pairing, day);

    CheckEmployee(schedule, row, false);
    if (schedule.crewGroup == CrewGroup::Captains) {
        CheckTwoCaptainPairings(schedule);
    } else if (IsCabin(schedule)) {
        RecheckStaleLines(schedule);
    }

    PairingSelection& selection = context.selection;
    if (selection.selectedPair == pairing) {
        selection.previousPair = selection.selectedPair;
        selection.previousDay = selection.selectedDay;
        selection.previousLane = selection.selectedLane;
        selection.selectedPair = -1;
    }
    UpdateFigures(context, row);
    return AssignResult::Placed;
}

RemoveResult RemovePairing(EditContext& context, int row, int pairing, int day) {
    TSchedule& schedule = context.schedule;
    if (!IsEmployeeRow(schedule, row)) {
        return RemoveResult::NotEmployeeRow;
    }
    if (!IsPeriodDay(schedule, day)) {
        return RemoveResult::NoPairing;
    }
    const auto entry = static_cast<size_t>(day);
    TPilot& employee = schedule.employees[static_cast<size_t>(row)];
    if (employee.dayPairing[entry] < 0) {
        return RemoveResult::NoPairing;
    }
    if (!IsSeat(schedule, pairing)) {
        return RemoveResult::NotPairing;
    }
    TPair& seat = schedule.pairings[static_cast<size_t>(pairing)];
    const int32_t state = seat.operates[entry];
    if (state == kOperatesNot) {
        return RemoveResult::NotStarting;
    }
    if (state == kOperatesOpen || state == -kOperatesOpen) {
        return RemoveResult::NotAssigned;
    }
    // Opening a seat the line does not hold would leave its holder's line
    // pointing at an open seat.
    if (employee.dayPairing[entry] != pairing) {
        return RemoveResult::NoPairing;
    }

    if (schedule.logFile.IsOpen()) {
        schedule.logFile.Write(Format("Remove Pair %d from %s on %d\n", seat.number,
                                      employee.name.c_str(), DayOfMonth(schedule, day)));
    }
    employee.dayPairing[entry] = kDayFree;
    seat.operates[entry] = state <= 0 ? -kOperatesOpen : kOperatesOpen;
    schedule.undoHistory.Record(row, pairing, day, ActionKind::Removed);
    RepaintSeatCells(schedule, row, pairing, day);

    CheckEmployee(schedule, row, false);
    if (schedule.crewGroup == CrewGroup::Captains) {
        CheckTwoCaptainPairings(schedule);
    }

    PairingSelection& selection = context.selection;
    selection.previousPair = pairing;
    selection.previousDay = selection.selectedDay;
    selection.previousLane = selection.selectedLane;
    selection.selectedPair = -1;
    UpdateFigures(context, row);
    return RemoveResult::Removed;
}

}  // namespace tallow
