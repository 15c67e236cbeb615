#include "core/rules/undo.h"

#include "core/platform/desktop.h"
#include "core/rules/assignment.h"

namespace tallow {
namespace {

// Entries come from files too; one naming a day, row or seat outside the
// schedule is refused before any table is read through it.
bool Undoable(const TSchedule& schedule, const TAction& action) {
    const bool knownKind = action.kind == static_cast<int8_t>(ActionKind::Assigned) ||
                           action.kind == static_cast<int8_t>(ActionKind::Removed);
    return knownKind && IsPeriodDay(schedule, action.day) && IsEmployeeRow(schedule, action.row) &&
           IsSeat(schedule, action.pairing);
}

bool RunInverse(EditContext& context, const TAction& action) {
    if (action.kind == static_cast<int8_t>(ActionKind::Assigned)) {
        return RemovePairing(context, action.row, action.pairing, action.day) ==
               RemoveResult::Removed;
    }
    return AssignPairing(context, action.row, action.pairing, action.day, false) ==
           AssignResult::Placed;
}

}  // namespace

UndoResult Undo(EditContext& context) {
    TSchedule& schedule = context.schedule;
    schedule.logFile.Write("Undo\n");
    TransactionHistory& history = schedule.undoHistory;
    if (history.Empty()) {
        context.desktop.Beep();
        return UndoResult::Empty;
    }
    const TAction action = history.Front();
    if (Undoable(schedule, action) && RunInverse(context, action)) {
        history.DropFront();
        history.DropFront();
        return UndoResult::Undone;
    }
    ShowInfo(context.desktop, "Unable to UNDO that Transaction", "Tallowbright");
    history.DropFront();
    return UndoResult::Refused;
}

}  // namespace tallow
