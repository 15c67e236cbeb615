#pragma once
// Legality items: a heading, the days it concerns and the closing "+",
// appended to an employee's exceptions or warnings, with the matching day
// flags. Every way the rules print a day list is one DayListStyle below.

#include <array>
#include <string_view>

#include "core/model/calendar.h"
#include "core/model/pilot.h"

namespace tallow {

enum class ItemList { Exceptions, Warnings };

// How flagged days of last month print.
enum class LastMonthDays {
    Hidden,
    Mark,   // " Last Month", once
    Dated,  // the last two days only: " %d %s " and " <- %d %s " with the month code
};

// How flagged days after the printed days print.
enum class LaterDays {
    Hidden,
    Marked,        // " %d>" on every such day
    CarryOut,      // " C/Out", then the list ends
    CarryOutDot,   // " C/Out."
    CarryOver,     // " C/O"
    CarryOverDot,  // " C/O."
    NextMonth,     // " NextMonth."
};

struct DayListStyle {
    LastMonthDays lastMonth = LastMonthDays::Hidden;
    // Days below the month's length plus this print as " %d".
    int printedPastMonth = 0;
    LaterDays later = LaterDays::Hidden;
};

inline constexpr DayListStyle kMonthDayList{};
inline constexpr DayListStyle kPilotRestDayList{LastMonthDays::Hidden, 0, LaterDays::Marked};
inline constexpr DayListStyle kHardTimeDayList{LastMonthDays::Hidden, 1, LaterDays::CarryOut};
inline constexpr DayListStyle kTwelveHourDutyDayList{LastMonthDays::Mark, 0, LaterDays::CarryOver};
inline constexpr DayListStyle kDutyHoursDayList{LastMonthDays::Hidden, 0, LaterDays::CarryOverDot};
inline constexpr DayListStyle kConsecutiveDayList{LastMonthDays::Dated, 1, LaterDays::NextMonth};
inline constexpr DayListStyle kCabinConsecutiveDayList{LastMonthDays::Hidden, 1,
                                                       LaterDays::CarryOutDot};
inline constexpr DayListStyle kRbGroupingDayList{LastMonthDays::Mark, 0, LaterDays::Hidden};

// Flagged days on the timeline (0..30 last month, 31 + d for board day d).
// Days outside the timeline are ignored.
class DayList {
  public:
    void Flag(int timelineDay);
    void FlagBoardDay(int boardDay) { Flag(boardDay + kPreviousDays); }
    bool IsFlagged(int timelineDay) const;
    bool Any() const;

  private:
    std::array<bool, kTimelineDays> flags_{};
};

// Empties the three result texts and clears every day flag.
void ClearLegalityResults(TPilot& employee);

// Sets the day flag of `list` on board day `day`; days outside 0..61 are ignored.
void MarkDay(TPilot& employee, ItemList list, int day);

// Appends `text` followed by "+" to the list.
void AppendItem(TPilot& employee, ItemList list, std::string_view text);

// Appends heading, day list and "+" when some day prints, and flags the
// board days the list names. `monthLength` is the schedule's day count.
// Returns whether an item was appended.
bool AppendDayItem(const ScheduleCalendar& calendar, int monthLength, TPilot& employee,
                   ItemList list, std::string_view heading, const DayList& days,
                   const DayListStyle& style);

}  // namespace tallow
