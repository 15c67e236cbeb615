#pragma once
// Rest marks of the duty-time check: local night rests, single days free of
// duty with a night rest on each side, and the five-day blocks of them that
// allow the 70/7 scheme.

#include "core/rules/duty_timeline.h"

namespace tallow {

// lnr: a local night rest precedes the day.
void MarkLocalNightRests(DutyTimeline& line);

// sdfd: a free day with a local night rest on each side. The old rule set
// also ends a free stretch at timeline day 76.
void MarkSingleDaysFree(DutyTimeline& line, DutyRuleSet rules);

// fiveLnr: the day ends a run of at least five sdfd days.
void MarkFiveDayBlocks(DutyTimeline& line, int monthLength);

}  // namespace tallow
