#pragma once
// The block-holder line: how far down the roster the open credit of the month
// can bring every line up to its minimum block credit.

#include <cstdint>

namespace tallow {

class TPilot;
class TSchedule;

// The block credit limits of one line: the month's, or the line's own.
struct BlockLimits {
    int32_t min = 0;
    int32_t max = 0;
    int32_t target = 0;
};

BlockLimits LimitsOf(const TSchedule& schedule, const TPilot& employee);
// blockHours and blockMinutes as minutes.
int32_t BlockMinutes(const TPilot& employee);

// Credit of the seat-days of the period still open.
int64_t OpenCredit(const TSchedule& schedule);

// Recomputes lastBlockHolder and returns it; when it moved, every row's
// belowLine follows and the views hear about it.
int32_t UpdateBlockHolderLine(TSchedule& schedule);

}  // namespace tallow
