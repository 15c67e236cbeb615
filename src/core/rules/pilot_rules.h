#pragma once
// The block rules of the pilot groups, one function per rule, each appending
// its items to the line's exceptions or warnings. CheckEmployee runs them in
// this order, with the duty-time check between the twelve-hour duties and
// the 192-hour rule.

#include "core/rules/rule_line.h"

namespace tallow {

// Rest before every pairing and duty: earliest check-in, with a warning
// within an hour of it.
void CheckPilotRest(RuleLine& line);
// More than 100 fatigue units without a day off.
void CheckFatigueUnits(RuleLine& line);
// More than 112 hours of hard time in 28 days.
void CheckHardTimeIn28Days(RuleLine& line);
// More than 300 hours of hard time in 90 days; needs 89 days of history.
void CheckHardTimeIn90Days(RuleLine& line);
// Four duties of twelve hours or more in a row.
void CheckTwelveHourDuties(RuleLine& line);
// More than 192 hours of duty in 28 days, from the duty-time check's sums.
void CheckDutyIn28Days(RuleLine& line);
// Seven days on in a row, and long reserve blocks.
void CheckConsecutiveDaysOn(RuleLine& line);
// RA, RB and RE reserve days too close together.
void CheckReserveKindMix(RuleLine& line);
// The credit of a check pilot's pairings above the month's limit.
void CheckPilotCredit(RuleLine& line);
// Pairings through an airport the employee is not qualified for.
void CheckAirportQualification(RuleLine& line, std::string_view airport);
// Pairings with a USA segment.
void CheckUsaPairings(RuleLine& line);

}  // namespace tallow
