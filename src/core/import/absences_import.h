#pragma once
// The crew absences import: places the absences of the crew-tracking
// system's extract (see absences_extract.h) on the employees' days as toolbox
// assignments, translated through the toolbox code catalogue. This month's
// absences go to the period's days, next month's to the days after it.

#include <string>
#include <string_view>

namespace tallow {

class Desktop;
class FileSystem;
class Settings;
class TSchedule;

struct AbsencesReadResult {
    // Read to the end of the text, its first short line or its last employee.
    bool complete = false;
    // 1-based line that could not be read (longer than the format allows); 0 when none.
    int failedLine = 0;
    // Warnings for the summary list, each ended by ". ".
    std::string warnings;
};

// Whether the text has the shape of a crew absences extract: a first line of
// full length.
bool LooksLikeAbsencesExtract(std::string_view text);

// Places the extract's absences. A day holding a pairing keeps it and gives a
// warning; a toolbox assignment on a day of an absence is replaced. Days
// outside the employee's 62 days are never written (one warning per entry).
// A line goes to the first non-placeholder row with its employee number.
// Clears freshFile. When complete and for this month, recomputes every
// employee's absentWholePeriod and sets reserveBidder where it is set.
AbsencesReadResult ReadAbsencesExtract(TSchedule& schedule, std::string_view text, bool nextMonth);

struct AbsencesLoadResult {
    // A file was read.
    bool loaded = false;
    // The load got as far as changing the schedule: the built board is to be
    // torn down, and shown again from the new data.
    bool closeBoard = false;
};

// The "Crew Absences from Extract" and "Next Month's Absences from Extract"
// commands, also steps of the new-file wizard: asks what it must, lets the
// user choose the file, reads it and shows the warnings.
AbsencesLoadResult LoadAbsencesExtract(TSchedule& schedule, bool nextMonth, Desktop& desktop,
                                       FileSystem& files, Settings& settings);

}  // namespace tallow
