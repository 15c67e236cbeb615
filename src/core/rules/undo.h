#pragma once
// Undo (F1): takes back the newest transaction of the history with the
// inverse assignment operation.

#include "core/rules/assignment_context.h"

namespace tallow {

enum class UndoResult {
    Empty,    // nothing to undo: a beep
    Undone,   // the transaction and its inverse left the history
    Refused,  // "Unable to UNDO that Transaction"; the entry was dropped
};

UndoResult Undo(EditContext& context);

}  // namespace tallow
