#pragma once
// The LIS scan: reads the crew-tracking system's LIS listings of the month's
// pairings and marks each seat's displayText with what its listing shows:
// the aircraft type of each leg, the share of CRA legs, the French mark of
// cabin pairings and the US meal allowance line. Scanning again replaces the
// share mark and the meal line; the leg tags are added again.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace tallow {

class Desktop;
class FileSystem;
class ProgressDialog;
class Settings;
class TPair;
class TSchedule;

// What is taken of one LIS file at most.
inline constexpr size_t kLisBufferBytes = 6000000;
// Less LIS text than this in all is taken for unreadable input.
inline constexpr size_t kLisMinimumText = 5000;

struct LisScanOutcome {
    // Each item ends the way its text ends; the summary list splits them at ".".
    std::string errors;
    std::string summary;
    int32_t frenchCount = 0;
};

// The seat's name in the listings: the first character of its seriesCode and
// its number in four digits.
std::string LisDesignator(const TPair& seat);

// The text one file adds: from the first of the offsets 2500, 2400, .. 0
// below which a header that is not text begins, up to the first zero byte.
// Empty when even offset 2500 gives no more than 4999 characters.
std::string_view LisFileText(std::string_view bytes);

// Scans every seat against the LIS text (the files' texts one after the
// other), showing the seat at hand through `progress` when one is given.
LisScanOutcome ScanLisText(TSchedule& schedule, std::string_view lis,
                           ProgressDialog* progress = nullptr);

// The menu command: lets the user choose the LIS files, reads them, scans
// and shows the error and summary lists. False when the files gave too
// little text, in which case nothing changed; otherwise the schedule is
// marked modified (even when the user cancelled the chooser) and a built
// board is to be redrawn.
bool ScanLisFiles(TSchedule& schedule, Desktop& desktop, FileSystem& files, Settings& settings);

}  // namespace tallow
