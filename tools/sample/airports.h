#pragma once
// The stations the sample airline flies to: the bases, Canadian stations and
// a few US ones, with the time-zone data written to the toolbox definitions
// and the positions that give realistic block times.

#include <span>
#include <string_view>

namespace tallow::sample {

struct Airport {
    const char* code;
    int latitude;     // hundredths of a degree, north positive
    int longitude;    // hundredths of a degree, east positive
    int utcOffset;    // minutes behind UTC in standard time
    int stationTime;  // minutes
    bool observesDst;
    const char* city;
    const char* region;
    const char* country;
};

std::span<const Airport> Airports();

// Null when the code is not in the table.
const Airport* FindAirport(std::string_view code);

// Great-circle distance approximated on a flat projection, in whole
// kilometres; integer arithmetic only, so it is the same everywhere.
int DistanceKm(const Airport& from, const Airport& to);

}  // namespace tallow::sample
