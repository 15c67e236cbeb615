// Feeds arbitrary bytes to the toolbox definition reader, for a pilot and a
// cabin-crew schedule, then runs the lookups over whatever was loaded.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/import/toolbox_definitions.h"
#include "core/model/airport_details.h"
#include "core/model/schedule.h"
#include "core/platform/desktop.h"
#include "support/quiet_desktop.h"

namespace {

void Exercise(tallow::TSchedule& schedule, tallow::CrewGroup group, std::string_view text) {
    static tallow::QuietDesktop desktop;
    schedule.crewGroup = group;
    schedule.dstSpringDate = tallow::Date::FromDmy(10, 3, 2024);
    schedule.dstAutumnDate = tallow::Date::FromDmy(3, 11, 2024);
    schedule.toolboxCodeCount = 0;
    schedule.airportDetails.clear();
    tallow::ParseToolboxDefinitions(schedule, text, desktop);
    if (schedule.toolboxCodeCount < 0 || schedule.toolboxCodeCount > tallow::kMaxToolboxCodes) {
        __builtin_trap();
    }
    const size_t count = static_cast<size_t>(schedule.toolboxCodeCount);
    for (size_t i = 0; i < count; ++i) {
        tallow::LookupTrackingCode(schedule, schedule.toolboxCodes[i].trackingCode);
    }
    schedule.toolboxCodeCount = 0;
    tallow::LookupTrackingCode(schedule, text.substr(0, 2));
    const std::string_view details = schedule.airportDetails;
    for (size_t at = 0; at + 3 <= details.size(); at += 18) {
        const std::string_view station = details.substr(at, 3);
        schedule.scheduleTitle = std::string(station);
        tallow::StationTimeValue(details, station);
        tallow::HomeBaseObservesDst(schedule);
        tallow::TimeZoneDifference(schedule, station, schedule.dstSpringDate, 120);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static auto pilots = std::make_unique<tallow::TSchedule>();
    static auto cabin = std::make_unique<tallow::TSchedule>();
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    Exercise(*pilots, tallow::CrewGroup::Captains, text);
    Exercise(*cabin, tallow::CrewGroup::FlightAttendants, text);
    return 0;
}
