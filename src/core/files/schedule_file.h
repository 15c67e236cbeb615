#pragma once
// The schedule file: one month's schedule as an object stream. The tag text
// at its start names the kind of file in 12 characters ("Tallowbright" the
// working schedule; "JXViewPrRost", "JXViewPrSked", "JXView_Final" the viewer
// files) followed by the version ("29"). Versions are compared as texts, and
// every later addition is read only from files whose version is greater than
// its threshold:
//
//   always  tag, scheduleTitle, setup words 0..7 (word 1 firstWeekday, word 2
//           dayCount), per period day: day, month, year words, 3 name bytes,
//           weekend flag; employeeCount, lastPairing; the TPair objects; the
//           TPilot objects; 6 x (monthName, yearText, two reserved short
//           texts) bytes; previousDays (93 words); scheduleMonth; boardBuilt
//           word; showAssignedPairings flag; reservedWord; pairings and toolbox
//           window flags; crewGroup byte; the undo history text
//   > "2"   lastImportedPairing                 > "21"  10 reserved flags,
//   > "22"  20 pairing filters                          3 reserved texts,
//   > "23"  bids window flag                            searchActive flag
//   > "25"  toolboxCodeCount and the entries    > "26"  toolboxTitle
//   > "27"  setup words 8..15, segmentSummary   > "28"  fileNotes,
//                                                       airportDetails and
//                                                       19 reserved texts
//   end     "EndOfFile" when > "25"; the tag itself when exactly "25"

#include <optional>
#include <string>
#include <string_view>

#include "core/model/schedule.h"

namespace tallow {

class Desktop;
class FileSystem;

inline constexpr std::string_view kScheduleFileVersion = "29";

// The tool windows whose open state travels with the file.
struct OpenWindows {
    bool pairings = false;
    bool toolbox = false;
    bool bids = false;
};

struct LoadResult {
    bool loaded = false;      // the file was a schedule file and its data is in the schedule
    bool buildBoard = false;  // the board was built when the file was saved
    OpenWindows windows;      // to reopen once the board is built
};

// The file's bytes; none when a text is too long for the format.
std::optional<std::string> ScheduleBytes(const TSchedule& schedule, FileKind kind,
                                         const OpenWindows& windows);

// Orders the pairings, then replaces the file at `path` in one step, so that a
// failed save leaves the previous file as it was. Failures are shown; true
// when the file was written (and `modified` cleared).
bool SaveSchedule(TSchedule& schedule, const std::string& path, FileKind kind, FileSystem& files,
                  Desktop& desktop, const OpenWindows& windows = {});

// Reads a schedule file into a schedule that has just been reset (DeleteAll).
// `fileName` is what the messages name.
LoadResult LoadScheduleBytes(TSchedule& schedule, std::string_view bytes,
                             const std::string& fileName, Desktop& desktop);
LoadResult LoadSchedule(TSchedule& schedule, const std::string& path, FileSystem& files,
                        Desktop& desktop);

}  // namespace tallow
