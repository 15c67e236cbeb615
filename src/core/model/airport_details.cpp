#include "core/model/airport_details.h"

#include "core/model/time_text.h"

namespace tallow {

namespace {
constexpr size_t kOffsetOffset = 4;
constexpr size_t kStationTimeOffset = 10;
constexpr size_t kDstFlagOffset = 16;
constexpr size_t kTimeWidth = 5;

// Where the station's entry starts, or npos.
size_t FindAirport(std::string_view airportDetails, std::string_view station) {
    if (station.size() != 3) {
        return std::string_view::npos;
    }
    return airportDetails.find(station);
}

// The five-character time `offset` characters after the airport's code;
// empty when the table ends before it.
std::optional<std::string_view> TimeField(std::string_view airportDetails, std::string_view station,
                                          size_t offset) {
    const size_t at = FindAirport(airportDetails, station);
    if (at == std::string_view::npos || at + offset >= airportDetails.size()) {
        return std::nullopt;
    }
    return airportDetails.substr(at + offset, kTimeWidth);
}

}  // namespace

int32_t StationTimeValue(std::string_view airportDetails, std::string_view station) {
    const auto field = TimeField(airportDetails, station, kStationTimeOffset);
    if (!field) {
        return kDefaultStationTime;
    }
    const int32_t minutes = ParseTime(*field, true);
    // A damaged entry counts as a missing one rather than as a negative time,
    // which would lengthen the layover rest.
    return minutes < 0 ? kDefaultStationTime : minutes;
}

std::optional<int32_t> TimeZoneOffset(std::string_view airportDetails, std::string_view station) {
    const auto field = TimeField(airportDetails, station, kOffsetOffset);
    if (!field) {
        return std::nullopt;
    }
    const int32_t minutes = ParseTime(*field, false);
    if (minutes < 0) {
        return std::nullopt;
    }
    return minutes;
}

std::optional<bool> ObservesDst(std::string_view airportDetails, std::string_view station) {
    const size_t at = FindAirport(airportDetails, station);
    if (at == std::string_view::npos || at + kDstFlagOffset >= airportDetails.size()) {
        return std::nullopt;
    }
    return airportDetails[at + kDstFlagOffset] != 'N';
}

std::string AirportEntry(std::string_view code, std::string_view offset,
                         std::string_view stationTime, std::string_view dstFlag) {
    std::string entry;
    entry.reserve(code.size() + offset.size() + stationTime.size() + dstFlag.size() + 4);
    for (std::string_view field : {code, offset, stationTime, dstFlag}) {
        entry += field;
        entry += ',';
    }
    return entry;
}

}  // namespace tallow
