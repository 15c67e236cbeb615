#pragma once
// The block rules of the cabin group, one function per rule, in the order
// CheckEmployee runs them.

#include "core/rules/rule_line.h"

namespace tallow {

// Rest of 12 hours after every pairing and duty; a chain of continuous
// duties after a late start may begin two hours earlier.
void CheckCabinRest(RuleLine& line);
// Runs of worked days too long, or single days off, as warnings.
void CheckCabinConsecutiveDays(RuleLine& line);
// French pairings this employee may not fly with the crew assigned.
void CheckFrenchPairings(RuleLine& line);
// Familiarisation pairings for an employee who takes none ("No Fams").
void CheckFamiliarisationPairings(RuleLine& line);
// RB reserve days: grouped in twos on a reduced block, otherwise with two
// days off before and after.
void CheckRbGrouping(RuleLine& line);

}  // namespace tallow
