#pragma once
// The pilot bids import: finds every employee's bid in the bid file (see
// bid_csv.h), composes the bid text the bids window shows, marks the
// requested guaranteed and preferred days off and flags reserve bidders.

#include <cstdint>
#include <string>
#include <string_view>

#include "core/import/bid_csv.h"

namespace tallow {

class Desktop;
class FileSystem;
class ProgressDialog;
class ScheduleCalendar;
class TPilot;
class TSchedule;

inline constexpr uint8_t kRequestGuaranteedDayOff = 13;  // "RGD"
inline constexpr uint8_t kRequestPreferredDayOff = 14;   // "RPD"
inline constexpr int kMaxDayListDays = 9;

enum class DayListStatus {
    Marked,
    // A day out of 1..31, a day not in the calendar, or a day holding an
    // assignment (which is marked all the same).
    Error,
    // A tenth day; nothing is marked.
    TooMany,
};

// Marks the days of a list such as "3,+2,17" with the request code: plain
// days in the period, days after "+" in the days after it. A day out of
// 1..31 or a tenth day fails the list before anything is marked.
DayListStatus MarkDayList(TPilot& employee, const ScheduleCalendar& calendar, std::string_view list,
                          uint8_t code);

// The readable bid, upper case, from the 35 fields.
std::string ComposeBidText(const BidFields& fields);

struct BidsReadResult {
    // Items for the summary list, each ended by ".".
    std::string warnings;
    int32_t bidsLoaded = 0;
};

// Looks up every employee's bid in roster order and applies the complete
// ones; each problem becomes one warning. `progress` may be null.
BidsReadResult ReadPilotBids(TSchedule& schedule, std::string_view text,
                             ProgressDialog* progress = nullptr);

struct BidsLoadResult {
    // The file was read and the bids applied. An open bids window is to be
    // closed: its bids were replaced. The caller saves the bid being edited
    // there before the command starts, so the import sees it.
    bool imported = false;
    // The board is built: open the bids window if it is not open and redraw
    // the board.
    bool showBidsWindow = false;
};

// The "Pilot Bids..." command: asks for the file and what to do with the
// current bids, imports and lists the warnings.
BidsLoadResult LoadPilotBids(TSchedule& schedule, Desktop& desktop, FileSystem& files);

}  // namespace tallow
