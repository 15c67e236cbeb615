#pragma once
// The toolbox code table built into the program, used while a schedule has
// no loaded catalogue. Each row is fixed-column text; the columns below are
// the ones the program reads, the rest are blank.

#include <cstddef>
#include <span>
#include <string_view>

#include "core/import/toolbox_definitions.h"
#include "core/model/absence.h"

namespace tallow {

class EventLog;

namespace default_row {
inline constexpr size_t kCode = 0;  // 3 characters; a blank third makes a two-letter code
inline constexpr size_t kCodeWidth = 3;
inline constexpr size_t kCrew = 6;            // 'P' pilots, 'C' cabin crew
inline constexpr size_t kExcludeCredit = 23;  // 'E'
inline constexpr size_t kCreditHours = 26;    // h:mm in 26-30, blank for none
inline constexpr size_t kCreditMinutes = 29;
inline constexpr size_t kDuty = 42;      // 'D' contains duty
inline constexpr size_t kCarsDuty = 43;  // 'D' CARs duty
inline constexpr size_t kCaption = 50;
inline constexpr size_t kCaptionWidth = 20;
inline constexpr size_t kTrackingCode = 71;  // 2 characters; "--" for none
inline constexpr size_t kTrackingCodeWidth = 2;
inline constexpr size_t kStart = 121;  // hh:mm
inline constexpr size_t kEnd = 127;    // hh:mm
inline constexpr size_t kTimeWidth = 5;
}  // namespace default_row

// The rows in table order.
std::span<const std::string_view> DefaultToolboxRows();

// The credit of a row in minutes: hours and minutes of columns 26-30, 0 when blank.
int32_t DefaultRowCredit(std::string_view row);

// The first row of `rows` for the crew kind of `group` whose crew-tracking
// code is `trackingCode`. Pilot rows too short to hold a tracking code are
// logged as a data error in `log` (when open) and skipped.
ToolboxMatch LookupDefaultRows(std::span<const std::string_view> rows, CrewGroup group,
                               std::string_view trackingCode, EventLog& log);

}  // namespace tallow
