#pragma once
// Lookups in the airport table that comes with the toolbox definitions. The
// table holds, for each airport, its code, time-zone offset, station time and
// daylight-saving flag, each followed by ",": "YVR,08:00,00:45,Y,".

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tallow {

// Used for a station that is missing from the table or has no usable time.
inline constexpr int32_t kDefaultStationTime = 30;

// The station time of a three-letter airport code, in minutes: the hh:mm in
// the five characters that start 10 characters after the code. 30 when the
// code is not three characters long, is not in the table, or its time is not
// a valid time of day.
int32_t StationTimeValue(std::string_view airportDetails, std::string_view station);

// The time-zone offset of an airport in minutes, from the hh:mm in the five
// characters that start 4 characters after the code. Empty when the code is
// not three characters long, is not in the table, or its offset is not a
// valid time.
std::optional<int32_t> TimeZoneOffset(std::string_view airportDetails, std::string_view station);

// Whether an airport observes daylight saving: false only when its flag, 16
// characters after the code, is "N". Empty when the code is not three
// characters long or the table does not hold its flag.
std::optional<bool> ObservesDst(std::string_view airportDetails, std::string_view station);

// One airport's entry of the table, each field followed by ",".
std::string AirportEntry(std::string_view code, std::string_view offset,
                         std::string_view stationTime, std::string_view dstFlag);

}  // namespace tallow
