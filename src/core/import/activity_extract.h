#pragma once
// The crew activity extract of the crew-tracking system ("????actp.ext"
// pilots, "????actc.ext" cabin crew): plain text, one line per crew member,
// at most 1998 characters. A full line is 1605 characters, and a valid
// extract's first line is a full line. A line shorter than 100 characters
// ends the data.
//
//   columns            width  field
//   0-8                9      employee number
//   9+40k .. 48+40k    40     activity entry k, k = 0..30; a line must hold
//                             its first 39 characters for it to be read
//   1249-1604          356    hard time of the 89 days before the period,
//                             4 digits each, oldest first
//
//   entry offset  width  field
//   0             2      activity code; two blanks make a pairing entry
//   2             5      pairing designator; five blanks make an empty entry
//   8             8      pairing date, yyyymmdd (pairing entries)
//   16            8      first date, yyyymmdd (code entries)
//   24            4      start time (code entries)
//   28            8      last date, yyyymmdd (code entries)
//   36            4      end time (code entries)

#include <cstddef>
#include <string_view>

#include "core/import/fixed_column.h"
#include "core/model/calendar.h"

namespace tallow::activity_extract {

inline constexpr size_t kMaxLineLength = 1998;
inline constexpr size_t kShortLine = 100;
inline constexpr size_t kLineLength = 1605;

inline constexpr FixedColumn kEmployeeNumber{0, 9};
inline constexpr size_t kFirstEntry = 9;
inline constexpr size_t kEntryStep = 40;
// An entry is read when the line holds this much of it; its end time takes
// the last character of the step.
inline constexpr size_t kEntryWidth = 39;
inline constexpr int kEntries = 31;

inline constexpr std::string_view kPairingCode = "  ";
inline constexpr std::string_view kNoPairing = "     ";

// Fields of an activity entry, from the entry's start (FixedColumn::At).
inline constexpr FixedColumn kCode{0, 2};
inline constexpr FixedColumn kDesignator{2, 5};
inline constexpr FixedColumn kPairingDate{8, 8};
inline constexpr FixedColumn kFirstDate{16, 8};
inline constexpr FixedColumn kStartTime{24, 4};
inline constexpr FixedColumn kLastDate{28, 8};
inline constexpr FixedColumn kEndTime{36, 4};

// The hard-time history, and the part of it that covers the 31 days of the
// timeline before the period: field t of that part is timeline day t.
inline constexpr FixedColumn kHardTimeHistory{1249, 356};
inline constexpr size_t kRecentHardTime = 1481;
inline constexpr size_t kHardTimeWidth = 4;

constexpr size_t EntryStart(int entry) {
    return kFirstEntry + kEntryStep * static_cast<size_t>(entry);
}

constexpr FixedColumn RecentHardTime(int timelineDay) {
    return {kRecentHardTime + kHardTimeWidth * static_cast<size_t>(timelineDay), kHardTimeWidth};
}

// A date field of the extracts: year (4), month (2), day (2). Parts the
// line does not hold read as 0.
inline CalendarDate ColumnDate(std::string_view line, FixedColumn column) {
    return {ColumnInt(line, {column.start + 6, 2}), ColumnInt(line, {column.start + 4, 2}),
            ColumnInt(line, {column.start, 4})};
}

}  // namespace tallow::activity_extract
