#pragma once
// The crew roster import: builds the schedule's employees from the
// crew-tracking system's employee record extract (see roster_extract.h),
// keeping the lines of the schedule's base, equipment and status.

#include <cstdint>
#include <string_view>

namespace tallow {

class Desktop;
class FileSystem;
class Settings;
class TSchedule;

struct RosterReadResult {
    // Read to the end of the text or to its first short line.
    bool complete = false;
    // 1-based line that could not be read (longer than the format allows); 0 when none.
    int failedLine = 0;
    int32_t loaded = 0;
    // Accepted lines that found no free row once the roster was full.
    int32_t notLoaded = 0;
};

// Whether the text has the shape of an employee record extract: its second
// line has one of the two record lengths.
bool LooksLikeRosterExtract(std::string_view text);

// The text of the selection key columns a line must hold to become an
// employee of this schedule; empty when the schedule title is not nine
// characters.
std::string_view RosterSelectionKey(const TSchedule& schedule);

// Empties the roster and fills it from the extract text, in file order.
// Rows are cleared before they are filled. Needs a nine-character title.
RosterReadResult ReadRosterExtract(TSchedule& schedule, std::string_view text);

// The "Load Crew Roster from Extract" step of the new-file wizard: asks for
// the file, checks its shape and reads it. True when a file was read to its
// end (or its first short line). The roster is empty afterwards whenever the
// load stopped before reading.
bool LoadRosterExtract(TSchedule& schedule, Desktop& desktop, FileSystem& files,
                       Settings& settings);

}  // namespace tallow
