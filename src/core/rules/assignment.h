#pragma once
// Placing a pairing seat on an employee's line and taking it off again, with
// the rest checks and questions of a placement, the transaction record, the
// rule run on the changed line and the figures that depend on the lines.

#include "core/rules/assignment_context.h"

namespace tallow {

enum class AssignResult : int {
    Placed = 0,
    Refused = 1,  // day taken, rest too short, or a question answered No
    NotStarting = 2,
    AlreadyAssigned = 3,
    NotEmployeeRow = 4,
    NotPairing = 5,
    ReserveDeclined = 6,
};

enum class RemoveResult : int {
    Removed = 0,
    NoPairing = 1,  // the day holds no pairing, or not this one
    NotStarting = 2,
    NotAssigned = 3,
    NotEmployeeRow = 4,
    NotPairing = 5,
};

// `skipChecks` (Shift held on the board) skips the rest, French crew and
// short-rest checks; the reserve-bidder question is still asked.
AssignResult AssignPairing(EditContext& context, int row, int pairing, int day, bool skipChecks);
RemoveResult RemovePairing(EditContext& context, int row, int pairing, int day);

}  // namespace tallow
