#pragma once
// The PRG pairing file written by the crew-tracking system's pairing module.
//
// Plain single-byte text, one record per line, at most 998 characters a line
// (a longer line is a read failure). Column 0 holds the record type; every
// other column below is a 0-based character position. Numbers are read from
// their columns with GetInt; times and durations are counts of minutes
// ("0420" is 7:00), dates are YYYYMMDD. Types other than
// "1" to "5" are ignored. Columns 1 and 2 of every record hold the pairing's
// base letter and equipment digit.
//
// A pairing is written once for every date on which it operates: its header
// ("1"), then the legs ("2"), deadheads on other carriers ("4") and surface
// transfers ("5") of each duty, each duty closed by its duty record ("3").
// Columns 7-14 of records "2", "4" and "5" repeat the pairing's start date;
// the reader takes the start from the header instead.

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "core/import/fixed_column.h"

namespace tallow {

class EventLog;

inline constexpr size_t kPrgLineLength = 998;

inline constexpr char kPrgHeader = '1';
inline constexpr char kPrgLeg = '2';
inline constexpr char kPrgDuty = '3';
inline constexpr char kPrgDeadhead = '4';
inline constexpr char kPrgSurface = '5';

// A date written as year, month and day columns.
struct DateColumns {
    FixedColumn year;
    FixedColumn month;
    FixedColumn day;
};

constexpr DateColumns DateAt(size_t start) {
    return {{start, 4}, {start + 4, 2}, {start + 6, 2}};
}

namespace prg_header {
inline constexpr FixedColumn kSeries{1, 2};      // base letter and equipment digit
inline constexpr FixedColumn kDesignator{1, 5};  // base letter and number
inline constexpr FixedColumn kNumber{2, 4};
inline constexpr DateColumns kFirstDate = DateAt(15);  // of the operating period
inline constexpr DateColumns kLastDate = DateAt(23);
inline constexpr FixedColumn kWeekdays{31, 7};        // Monday to Sunday, "Y" or "N"
inline constexpr FixedColumn kExceptionMonth{38, 2};  // exception k at +4k, k = 0..3
inline constexpr FixedColumn kExceptionDay{40, 2};    // day 0 means none
inline constexpr int kExceptionDates = 4;
inline constexpr size_t kExceptionStep = 4;
inline constexpr DateColumns kOperationDate = DateAt(70);
inline constexpr FixedColumn kReport{78, 4};  // 1440 means 0
inline constexpr FixedColumn kTafb{107, 5};
inline constexpr FixedColumn kContinuousDuty{112, 1};  // "Y"
inline constexpr FixedColumn kComplement{113, 32};     // "CA01 FO01", "FA02 PU01"
inline constexpr FixedColumn kMinRest{145, 4};
inline constexpr FixedColumn kDailyHard{150, 4};  // duty day k at +4k, k = 0..5
inline constexpr int kDailyHardDays = 6;
inline constexpr FixedColumn kTotalCredit{299, 4};
}  // namespace prg_header

namespace prg_leg {
inline constexpr FixedColumn kFlightNumber{15, 4};
inline constexpr FixedColumn kDeparture{28, 3};
inline constexpr DateColumns kDate = DateAt(31);
inline constexpr FixedColumn kDepartureTime{39, 4};
inline constexpr FixedColumn kArrival{43, 3};
inline constexpr FixedColumn kArrivalTime{54, 4};
inline constexpr FixedColumn kDeadheading{61, 1};  // "D"
inline constexpr FixedColumn kBlockTime{64, 4};
}  // namespace prg_leg

namespace prg_deadhead {
inline constexpr FixedColumn kDesignator{18, 7};  // carrier and flight
inline constexpr DateColumns kDate = DateAt(26);
inline constexpr FixedColumn kDeparture{34, 3};
inline constexpr FixedColumn kDepartureTime{45, 4};
inline constexpr FixedColumn kArrival{49, 3};
inline constexpr FixedColumn kArrivalTime{60, 4};
inline constexpr FixedColumn kCode{83, 3};
}  // namespace prg_deadhead

namespace prg_surface {
inline constexpr FixedColumn kCode{18, 3};
inline constexpr FixedColumn kDeparture{29, 3};
inline constexpr DateColumns kDate = DateAt(32);
inline constexpr FixedColumn kDepartureTime{40, 4};
inline constexpr FixedColumn kArrival{44, 3};
inline constexpr FixedColumn kArrivalTime{55, 4};
}  // namespace prg_surface

namespace prg_duty {
inline constexpr DateColumns kDate = DateAt(22);
inline constexpr FixedColumn kStart{30, 4};  // blank in 30-31: the record is ignored
inline constexpr FixedColumn kStartMark{30, 2};
inline constexpr FixedColumn kEnd{42, 4};
inline constexpr FixedColumn kDutyTime{47, 4};
inline constexpr FixedColumn kLayover{51, 5};
inline constexpr FixedColumn kStation{56, 3};        // where the duty ends
inline constexpr FixedColumn kFreeText{59, 40};      // crew on duty or layover details
inline constexpr FixedColumn kFreeTextMark{59, 15};  // blank on the pairing's last duty
// Three totals that are only printed, in this order.
inline constexpr FixedColumn kPrintedTotals[] = {{114, 4}, {130, 4}, {122, 4}};
inline constexpr FixedColumn kCredit{126, 4};
}  // namespace prg_duty

// Whether the line reaches the first column of a text field, so that the
// field can be taken (as far as the line goes).
constexpr bool Reaches(std::string_view line, FixedColumn column) {
    return column.start <= line.size();
}

// Whether the field holds only blanks; the part past the end of the line counts as blank.
bool IsBlank(std::string_view line, FixedColumn column);

// A date as the columns hold it; the day may run past the month's end.
struct PrgDate {
    int32_t year = 0;
    int32_t month = 0;
    int32_t day = 0;
};

PrgDate ReadDate(std::string_view line, const DateColumns& columns, EventLog* log);

// A count of days that stays linear in the day of the month, so that the
// 32nd of January is the 1st of February. Defined for any column values.
int64_t DayNumber(const PrgDate& date);

}  // namespace tallow
