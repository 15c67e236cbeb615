#include <gtest/gtest.h>

#include <string_view>

#include "core/model/airport_details.h"

namespace tallow {
namespace {

constexpr std::string_view kAirports =
    "YYZ,05:00,00:30,Y,YVR,08:00,00:45,Y,YHZ,04:00,25:00,N,YOW,05:00,01:15,Y,YQB,05:00,";

TEST(StationTimeValue, ReadsTheStationTimeOfAListedAirport) {
    const struct {
        std::string_view station;
        int32_t minutes;
    } cases[] = {
        {"YYZ", 30},  {"YVR", 45}, {"YOW", 75}, {"YUL", 30},  // not in the table
        {"YV", 30},                                           // not three characters
        {"YVRX", 30},                                         // not three characters
        {"", 30},     {"YHZ", 30},                            // not a time of day
        {"YQB", 30},  // the table ends before its station time
    };
    for (const auto& c : cases) {
        EXPECT_EQ(StationTimeValue(kAirports, c.station), c.minutes) << c.station;
    }
}

TEST(StationTimeValue, EmptyTableGivesTheDefault) {
    EXPECT_EQ(StationTimeValue("", "YVR"), kDefaultStationTime);
}

}  // namespace
}  // namespace tallow
