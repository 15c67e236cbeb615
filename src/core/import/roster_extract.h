#pragma once
// The employee record extract of the crew-tracking system ("????perp.ext"
// pilots, "????perc.ext" cabin crew): plain text, one line per crew member,
// at most 498 characters. A valid extract has lines of 102 or 147
// characters; a line shorter than 50 characters ends the data.
//
//   columns  width  field
//   0-8      9      employee number
//   9-28     20     surname, blank-padded
//   29       1      initial of the first name
//   31-33    3      base station     the selection key: all three
//   34-36    3      equipment type   columns for pilots, the base
//   37-38    2      status           station alone for cabin crew
//   77-88    12     qualification codes, two characters each

#include <cstddef>

#include "core/import/fixed_column.h"

namespace tallow::roster_extract {

inline constexpr size_t kMaxLineLength = 498;
inline constexpr size_t kShortLine = 50;
inline constexpr size_t kLineLength = 102;
inline constexpr size_t kLongLineLength = 147;

inline constexpr FixedColumn kEmployeeNumber{0, 9};
inline constexpr FixedColumn kSurname{9, 20};
inline constexpr FixedColumn kInitial{29, 1};
inline constexpr FixedColumn kBaseStation{31, 3};
// Base, equipment and status together: what a pilot schedule selects on.
inline constexpr FixedColumn kPilotKey{31, 8};
inline constexpr FixedColumn kQualificationCodes{77, 12};

}  // namespace tallow::roster_extract
