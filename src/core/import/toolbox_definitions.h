#pragma once
// The toolbox code catalogue: loading a toolbox definition file (".box")
// into the schedule, and the lookups the extract importers use to turn a
// crew-tracking code into a toolbox code and to convert station times.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/model/date.h"

namespace tallow {

class Desktop;
class FileSystem;
class Settings;
class TSchedule;

// What a lookup by crew-tracking code found.
struct ToolboxMatch {
    bool found = false;
    std::string code;
    int32_t credit = 0;
    int32_t hardTime = 0;
    bool reserve = false;
    bool containsDuty = false;
    bool carsDuty = false;
    bool excludeCredit = false;
};

enum class ToolboxParseResult {
    NotToolbox,  // wrong first line: the default table is used
    NoEntries,   // no code entries: the default table is used
    NoAirports,  // codes loaded, the airport table kept as it was
    Loaded,      // codes and airport table loaded
    Corrupt,     // the text ended early or a count was unreadable
};

inline constexpr std::string_view kToolboxTag = "JXToolBox";

// Reads toolbox definition text into the schedule's catalogue, title and
// airport table, showing one message for each problem. Entries beyond the
// catalogue's 300 for the schedule's crew group are skipped with a message;
// the airports after them are still read.
ToolboxParseResult ParseToolboxDefinitions(TSchedule& schedule, std::string_view content,
                                           Desktop& desktop);

// The "ToolBox Items" command: asks for a ".box" file and loads it. False when
// the user cancelled or the file could not be read; true once a file was
// parsed, whatever the parse found, so that the caller refreshes the toolbox.
bool LoadToolboxFile(TSchedule& schedule, Desktop& desktop, Settings& settings, FileSystem& files);

// The first catalogue entry (or, without a loaded catalogue, the first row of
// the default table for the schedule's crew kind) with this crew-tracking code.
ToolboxMatch LookupTrackingCode(const TSchedule& schedule, std::string_view trackingCode);

// True unless the home base (the first three characters of the schedule
// title) is in the airport table with daylight-saving flag "N".
bool HomeBaseObservesDst(const TSchedule& schedule);

// The station's time-zone offset minus the home base's, in minutes, for a
// moment on `date` at `timeOfDay`. Inside the schedule's daylight-saving
// period, when only one of the two observes it, 60 is added (only the base
// observes it) or subtracted (only the station does), so that adding the
// difference to a station time gives the home base's clock time. Empty when the title
// is shorter than three characters, the station is not three characters, or
// either airport is missing from the airport table.
std::optional<int32_t> TimeZoneDifference(const TSchedule& schedule, std::string_view station,
                                          Date date, int32_t timeOfDay);

}  // namespace tallow
