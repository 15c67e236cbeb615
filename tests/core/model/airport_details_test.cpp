#include <gtest/gtest.h>

#include <optional>
#include <string>
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

TEST(TimeZoneOffset, ReadsTheOffsetOfAListedAirport) {
    const struct {
        std::string_view station;
        std::optional<int32_t> minutes;
    } cases[] = {
        {"YYZ", 300},         {"YVR", 480},
        {"YHZ", 240},         {"YUL", std::nullopt},  // not in the table
        {"YV", std::nullopt},                         // not three characters
        {"YQB", 300},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(TimeZoneOffset(kAirports, c.station), c.minutes) << c.station;
    }
    EXPECT_EQ(TimeZoneOffset("YWG,08:75,00:30,Y,", "YWG"), std::nullopt);
    EXPECT_EQ(TimeZoneOffset("YWG", "YWG"), std::nullopt);  // the table ends at the code
}

TEST(ObservesDst, OnlyTheFlagNSaysNo) {
    const struct {
        std::string_view station;
        std::optional<bool> observes;
    } cases[] = {
        {"YYZ", true},          {"YHZ", false},
        {"YUL", std::nullopt},  {"YQB", std::nullopt},  // the table ends before its flag
        {"YVRX", std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ObservesDst(kAirports, c.station), c.observes) << c.station;
    }
}

TEST(AirportEntry, PlacesTheFieldsWhereTheLookupsReadThem) {
    const std::string table =
        AirportEntry("YXE", "06:00", "00:50", "N") + AirportEntry("YVR", "08:00", "00:45", "Y");
    EXPECT_EQ(table, "YXE,06:00,00:50,N,YVR,08:00,00:45,Y,");
    EXPECT_EQ(TimeZoneOffset(table, "YXE"), 360);
    EXPECT_EQ(StationTimeValue(table, "YXE"), 50);
    EXPECT_EQ(ObservesDst(table, "YXE"), false);
    EXPECT_EQ(ObservesDst(table, "YVR"), true);
}

}  // namespace
}  // namespace tallow
