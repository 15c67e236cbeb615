#pragma once
// TSchedule: the month's schedule. The board owns exactly one for the whole
// run; its tables are allocated once at their fixed capacities and never grow.

#include <algorithm>
#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "core/app/event_log.h"
#include "core/files/transaction_history.h"
#include "core/model/absence.h"
#include "core/model/calendar.h"
#include "core/model/pair.h"
#include "core/model/pilot.h"
#include "core/model/schedule_observer.h"

namespace tallow {

class Desktop;

inline constexpr int kMaxEmployees = 1000;
inline constexpr int kPairingSlots = 3001;
inline constexpr int kMaxPairings = 3000;  // usable seats
inline constexpr int kMaxToolboxCodes = 300;
inline constexpr int kPairingFilters = 20;
inline constexpr int kSetupWords = 16;
inline constexpr int kReservedTextBlock = 19;

// Words of TSchedule::setup. Words 1 and 2 are dayCount and firstWeekday,
// which the schedule holds in its calendar.
enum SetupWord : int {
    kSetupReserved0 = 0,
    kSetupFirstWeekday = 1,
    kSetupDayCount = 2,
    kAvgBlockCredit = 3,
    kMaxBlockCredit = 4,
    kMinBlockCredit = 5,
    kDaysOffBlockHolder = 6,
    kDaysOffReserve = 7,
    kReducedMaxBlockCredit = 8,
    kReducedMinBlockCredit = 9,
    kReducedMinDaysOff = 10,
    kCheckPilotMaxCredit = 11,
};
inline constexpr int32_t kDefaultCheckPilotMaxCredit = 5400;

// What an insert into the roster came to; the editor puts the focus on the
// field a refusal names.
enum class RosterEditResult { Done, BadPosition, BadName, BadNumber, Duplicate, RosterFull };

enum class FileKind : int32_t { Working = 0, PreBuild = 1, PreSked = 2, Final = 3 };

class TSchedule : public ScheduleCalendar {
  public:
    // Allocates the fixed tables. On failure shows "Not Enough Memory. Try
    // quitting other Programs" ("Fatal Error") and returns null; the caller
    // ends the program.
    static std::unique_ptr<TSchedule> Create(Desktop& desktop);
    TSchedule();

    std::vector<TPilot> employees;  // kMaxEmployees rows
    int32_t employeeCount = 0;
    std::vector<TPair> pairings;  // kPairingSlots seats
    int32_t lastPairing = -1;
    int32_t lastImportedPairing = -1;
    std::vector<TAbsence> toolboxCodes;  // kMaxToolboxCodes entries
    int32_t toolboxCodeCount = 0;
    std::array<int32_t, kMaxPairings> pairingOrder{};
    int32_t currentPairing = 0;

    std::array<int32_t, kSetupWords> setup{};
    CrewGroup crewGroup = CrewGroup::Captains;
    FileKind fileKind = FileKind::Working;
    std::string fileName;
    std::string scheduleTitle;
    std::array<std::string, kPairingFilters> pairingFilters;
    std::string toolboxTitle;
    std::string segmentSummary;
    std::string fileNotes;
    std::string airportDetails;
    uint8_t showAssignedPairings = 1;
    uint8_t boardBuilt = 0;
    uint8_t modified = 0;
    uint8_t untitled = 1;
    uint8_t freshFile = 0;
    uint8_t searchActive = 0;
    std::array<int32_t, kMaxPeriodDays> dayBalance{};
    int32_t lastBlockHolder = 0;
    TransactionHistory undoHistory;
    std::array<int32_t, kMaxEmployees> rowOrder{};
    int32_t displayedRows = 0;
    uint8_t filtersOn = 0;
    std::string filterOwner;
    EventLog logFile;
    // The views showing this schedule; none while no window is attached.
    ScheduleObserver* observer = nullptr;
    ScheduleObserver& Observer() const { return observer ? *observer : NoScheduleObserver(); }

    std::array<uint8_t, 10> reservedFlags{};
    std::array<std::string, 3> reservedTexts;
    int32_t reservedWord = 0;
    std::array<std::array<char, 6>, 2> reservedShortTexts{};
    std::array<std::string, kReservedTextBlock> reservedTextBlock;

    // The base letter used in pairing names: the ninth character of the title.
    char BaseLetter() const { return scheduleTitle.size() > 8 ? scheduleTitle[8] : ' '; }
    int32_t SeatCount() const { return lastPairing + 1; }
    // employeeCount limited to the table, for loops that index rows.
    int RowsInUse() const { return std::clamp(employeeCount, 0, kMaxEmployees); }

    void ZeroData(bool employeesToo, bool pairingsToo);
    void DeleteAll();
    void BuildPairingOrder();
    void MarkTwoCaptainDays();

    // Roster edits; refusals are shown through `desktop` and change nothing.
    // Positions address rows (1-based row numbers, placeholder rows included),
    // so an insert may land at 1..employeeCount + 1. Insert and delete empty
    // the undo history.
    RosterEditResult InsertEmployee(int position, const std::string& name, int64_t number,
                                    Desktop& desktop);
    bool DeleteEmployee(int row, Desktop& desktop);
    // False when nothing moved: equal or out-of-range rows, or a placeholder source.
    bool MoveEmployee(int from, int to);

    // The rows the roster dialogs list: every row in use that is not a placeholder.
    std::vector<int32_t> ListedRows() const;
};

// Where row `row` sits after MoveEmployee(from, to) moved a record.
int32_t RowAfterMove(int32_t row, int32_t from, int32_t to);

}  // namespace tallow
