#pragma once
// The pairing text kept in displayText: the header, one line per leg,
// deadhead and surface transfer, the duty totals appended to the last line of
// each duty, and the pairing totals after the last duty. Times are written
// hh:mm or h:mm; "the line ends" replaces the trailing blank with a newline.
//
// Each builder appends to `text`; the caller has checked that the line
// reaches the text fields it needs (see prg_records.h).

#include <cstdint>
#include <string>
#include <string_view>

namespace tallow {

class EventLog;
class TPair;

// `reportTime` as stored (a report of 1440 is 0).
void AppendHeaderText(std::string& text, std::string_view line, int32_t reportTime, EventLog* log);

// `startDay` is the pairing's start date as a DayNumber; the lines show the
// day of the pairing counted from 1.
void AppendLegText(std::string& text, std::string_view line, int64_t startDay, EventLog* log);
void AppendDeadheadText(std::string& text, std::string_view line, int64_t startDay, EventLog* log);
void AppendSurfaceText(std::string& text, std::string_view line, int64_t startDay, EventLog* log);

// `pairing` holds the totals so far, this duty included; they are printed
// after the last duty.
void AppendDutyText(std::string& text, std::string_view line, const TPair& pairing, EventLog* log);

}  // namespace tallow
