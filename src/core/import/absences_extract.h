#pragma once
// The crew absences extract of the crew-tracking system ("????absp.ext"
// pilots, "????absc.ext" cabin crew): plain text, one line per employee, at
// most 498 characters. A full line is 9 + 31 x 14 = 443 characters, and a
// valid extract's first line is a full line. A line shorter than 10
// characters ends the data; so does the line of employee number 99999, after
// it has been read.
//
//   columns            width  field
//   0-8                9      employee number
//   9+14k .. 22+14k    14     absence k, k = 0..30:
//
//   offset  width  field
//   0       2      extract code; two blanks end the line's absences
//   2       2      first day of the month
//   4       2      last day of the month
//   6       4      start time, minutes after midnight
//   10      4      end time, minutes after midnight

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "core/import/fixed_column.h"

namespace tallow::absences_extract {

inline constexpr size_t kMaxLineLength = 498;
inline constexpr size_t kShortLine = 10;
inline constexpr size_t kLineLength = 443;
inline constexpr int32_t kLastEmployeeNumber = 99999;

inline constexpr FixedColumn kEmployeeNumber{0, 9};
inline constexpr size_t kFirstEntry = 9;
inline constexpr size_t kEntryWidth = 14;
inline constexpr int kEntries = 31;
inline constexpr std::string_view kNoEntry = "  ";

// Fields of an absence entry, from the entry's start (FixedColumn::At).
inline constexpr FixedColumn kCode{0, 2};
inline constexpr FixedColumn kFirstDay{2, 2};
inline constexpr FixedColumn kLastDay{4, 2};
inline constexpr FixedColumn kStartTime{6, 4};
inline constexpr FixedColumn kEndTime{10, 4};

constexpr size_t EntryStart(int entry) {
    return kFirstEntry + kEntryWidth * static_cast<size_t>(entry);
}

}  // namespace tallow::absences_extract
