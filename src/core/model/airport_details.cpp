#include "core/model/airport_details.h"

#include "core/model/time_text.h"

namespace tallow {

namespace {
constexpr size_t kStationTimeOffset = 10;
constexpr size_t kStationTimeWidth = 5;
}  // namespace

int32_t StationTimeValue(std::string_view airportDetails, std::string_view station) {
    if (station.size() != 3) {
        return kDefaultStationTime;
    }
    const size_t at = airportDetails.find(station);
    if (at == std::string_view::npos || at + kStationTimeOffset >= airportDetails.size()) {
        return kDefaultStationTime;
    }
    const int32_t minutes =
        ParseTime(airportDetails.substr(at + kStationTimeOffset, kStationTimeWidth), true);
    // A damaged entry counts as a missing one rather than as a negative time,
    // which would lengthen the layover rest.
    return minutes < 0 ? kDefaultStationTime : minutes;
}

}  // namespace tallow
