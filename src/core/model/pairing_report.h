#pragma once
// The Pairing Warnings and Report listing: the validation messages of every
// seat that is not valid, then each seat's credit, hard time, operating days
// and the month's running credit total.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tallow {

class TSchedule;

// Average pairing credit per day as "%d:%02d": total credit over total length
// of every operating seat-day of the period; "0:00" when nothing operates.
std::string AverageCreditPerDay(const TSchedule& schedule);

// Validates every seat and returns the listing's lines in order.
std::vector<std::string> PairingReportLines(TSchedule& schedule);

// The seat a double-clicked listing line names: the first seat whose number
// is the one following the line's first five characters ("Pair "); -1 when
// the line names none (headers, totals).
int32_t PairingReportSeat(const TSchedule& schedule, std::string_view line);

}  // namespace tallow
