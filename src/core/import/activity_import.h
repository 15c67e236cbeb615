#pragma once
// Last month's data: reads the crew activity extract (see activity_extract.h)
// with the prior-period pairing extract it points into (see
// prior_pairing_extract.h) and fills every employee's previous-month
// history, carried credit, legal check-in and hard-time history, which the
// legality rules read at the start of the period.

#include <cstdint>
#include <string>
#include <string_view>

namespace tallow {

class Desktop;
class FileSystem;
class PriorPairingExtract;
class ProgressDialog;
class Settings;
class TSchedule;

struct ActivityReadResult {
    // Employees that received a line.
    int32_t employeesLoaded = 0;
    // Errors for the summary list, each ended by ".".
    std::string errors;
};

// Whether the text has the shape of a crew activity extract: a first line of
// full length.
bool LooksLikeActivityExtract(std::string_view text);

// Clears every employee's history and carried values, then reads the
// activity lines in order up to the end of the text or its first short line.
// A line goes to the first non-placeholder row with its employee number.
// Clears freshFile. Advances `progress`, when given, by one per employee.
ActivityReadResult ReadActivityExtract(TSchedule& schedule, std::string_view activityText,
                                       const PriorPairingExtract& pairings,
                                       ProgressDialog* progress);

struct ActivityLoadResult {
    // Both files were read.
    bool loaded = false;
    // The load got as far as changing the schedule: the built board is to be
    // torn down, and shown again from the new data.
    bool closeBoard = false;
};

// The "Last Month's Data from  Extract..." command, also a step of the
// new-file wizard: lets the user choose the two extracts, asks about files of
// the wrong shape, reads them and lists the errors.
ActivityLoadResult LoadLastMonthsData(TSchedule& schedule, Desktop& desktop, FileSystem& files,
                                      Settings& settings);

}  // namespace tallow
